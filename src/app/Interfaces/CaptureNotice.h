#pragma once

#include "platform/Geometry.h"

#include <functional>
#include <memory>
#include <string>

namespace platform {
class Button;
class Label;
class View;
} // namespace platform

// The short notice a screen capture leaves at the foot of the screen: what was saved, and a button
// that shows its folder.
struct CaptureNoticeOutlets {
    std::shared_ptr<platform::View> root;
    std::shared_ptr<platform::Label> message;
    std::shared_ptr<platform::Button> showInFolder;
};

// Laid out at the foot of a view `size` large.
CaptureNoticeOutlets buildCaptureNotice(platform::Size size, std::function<void()> showInFolder);
// Shows the message, on up to four lines, and the button or not; the notice keeps its foot where it is.
void setCaptureNoticeMessage(CaptureNoticeOutlets& notice, const std::string& message, bool canShowFolder);
