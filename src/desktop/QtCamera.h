#pragma once

#include "platform/Services.h"

#include <memory>

namespace desktop {

// The computer's default camera through Qt Multimedia. Nothing of the multimedia backend is touched
// until the application asks for the camera, so that the command line never pays for it. Frames may
// come faster than they can be converted: only the newest waits, and older ones are dropped.
class QtCamera final : public platform::Camera {
public:
    QtCamera();
    ~QtCamera() override;

    bool isAvailable() override;
    void start(std::function<void(platform::ImageRef)> frame, std::function<void(std::string)> failed) override;
    void stop() override;

private:
    struct Session;
    std::unique_ptr<Session> session_;
};

} // namespace desktop
