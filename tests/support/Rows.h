#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <string_view>

namespace testing_support {

// A row's test name from its description ("a FIFO" -> "AFIFO"): gtest takes letters and digits only.
inline std::string rowName(std::string_view what)
{
    std::string name;
    bool upper = true;
    for (unsigned char c : what) {
        if (std::isalnum(c))
            name += char(upper ? std::toupper(c) : c);
        upper = !std::isalnum(c);
    }
    return name;
}

// For INSTANTIATE_TEST_SUITE_P over rows that carry a `what`.
struct ByWhat {
    template <class Row>
    std::string operator()(const ::testing::TestParamInfo<Row>& info) const
    {
        return rowName(info.param.what);
    }
};

} // namespace testing_support
