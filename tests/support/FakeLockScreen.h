#pragma once

#include "platform/Services.h"

#include <utility>
#include <vector>

namespace testing_support {

// Stands in for the desktop's lock screen: notes each picture handed to it and answers when the test
// says.
class FakeLockScreen final : public platform::LockScreen {
public:
    bool canSetPicture() override { return true; }
    void setPicture(const std::filesystem::path& picture, std::function<void(platform::LockScreenOutcome)> done) override
    {
        pictures.push_back(picture);
        pending_ = std::move(done);
    }
    void answer(platform::LockScreenOutcome outcome) { std::exchange(pending_, {})(std::move(outcome)); }

    std::vector<std::filesystem::path> pictures;

private:
    std::function<void(platform::LockScreenOutcome)> pending_;
};

} // namespace testing_support
