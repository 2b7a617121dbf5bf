#pragma once

#include "platform/Services.h"

#include <functional>
#include <string>

namespace testing_support {

// Stands in for the computer's camera: absent until a test plugs it in; once started, the test hands
// it frames and failures as the real one would send them.
class FakeCamera final : public platform::Camera {
public:
    bool isAvailable() override { return present; }
    void start(std::function<void(platform::ImageRef)> frame, std::function<void(std::string)> failed) override
    {
        onFrame = std::move(frame);
        onFailure = std::move(failed);
    }
    void stop() override
    {
        onFrame = nullptr;
        onFailure = nullptr;
    }
    bool isRunning() const { return bool(onFrame); }

    void send(platform::ImageRef frame)
    {
        if (auto deliver = onFrame)
            deliver(std::move(frame));
    }
    void fail(const std::string& message)
    {
        if (auto failed = onFailure)
            failed(message);
    }

    bool present = false;
    std::function<void(platform::ImageRef)> onFrame;
    std::function<void(std::string)> onFailure;
};

} // namespace testing_support
