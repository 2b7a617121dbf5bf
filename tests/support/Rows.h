#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <string_view>

namespace testing_support {

// For INSTANTIATE_TEST_SUITE_P over rows that carry a `what`: the test's name from it ("a FIFO" ->
// "AFIFO"), since gtest takes letters and digits only.
struct ByWhat {
    template <class Row>
    std::string operator()(const ::testing::TestParamInfo<Row>& info) const
    {
        std::string name;
        bool upper = true;
        for (unsigned char c : std::string_view(info.param.what)) {
            if (std::isalnum(c))
                name += char(upper ? std::toupper(c) : c);
            upper = !std::isalnum(c);
        }
        return name;
    }
};

} // namespace testing_support
