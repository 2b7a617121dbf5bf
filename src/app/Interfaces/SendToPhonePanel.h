#pragma once

#include "platform/Geometry.h"

#include <functional>
#include <memory>

namespace platform {
class Button;
class Label;
class View;
} // namespace platform
class QrCodeView;

// Send to Phone's sheet over the capture's instructions: a title, the address as a QR code, what to
// do, the address in small type, the time left, and its buttons, which its controller shows by turns.
struct SendToPhonePanelOutlets {
    std::shared_ptr<platform::View> root;
    std::shared_ptr<platform::Label> title;
    std::shared_ptr<QrCodeView> code;
    std::shared_ptr<platform::Label> message;
    std::shared_ptr<platform::Label> address;
    std::shared_ptr<platform::Label> expires;
    std::shared_ptr<platform::Button> done;
    std::shared_ptr<platform::Button> tryAgain;
    std::shared_ptr<platform::Button> cancel;
    platform::Rect codeArea; // the most room the code may take, in root's coordinates
};

struct SendToPhonePanelActions {
    std::function<void()> done, tryAgain, cancel;
};

// The whole of a screen `size` large, laid out for the classic screen and centred on a taller one.
SendToPhonePanelOutlets buildSendToPhonePanel(platform::Size size, SendToPhonePanelActions actions);
// The message under the code, or in the code's place when none is shown.
void placeSendToPhoneMessage(SendToPhonePanelOutlets& panel, bool belowCode);
