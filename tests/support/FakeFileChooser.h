#pragma once

#include "platform/Services.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace testing_support {

// Stands in for the desktop's file chooser: remembers the question so a test can answer it later,
// as the user would, with a path or a cancel.
class FakeFileChooser final : public platform::FileChooser {
public:
    void chooseFileToOpen(const std::string&, const std::vector<std::string>& patterns,
                          std::function<void(std::optional<std::string>)> done) override
    {
        lastPatterns = patterns;
        pending = std::move(done);
    }
    bool isAsking() const { return bool(pending); }
    void answer(std::optional<std::string> path)
    {
        auto done = std::move(pending);
        pending = nullptr;
        if (done)
            done(std::move(path));
    }

    std::vector<std::string> lastPatterns;
    std::function<void(std::optional<std::string>)> pending;
};

} // namespace testing_support
