#include "Interfaces/SendToPhonePanel.h"

#include "QrCodeView.h"

#include "platform/Application.h"
#include "platform/Button.h"
#include "platform/Label.h"
#include "platform/Theme.h"
#include "platform/Translate.h"

using namespace platform;

namespace {

constexpr float margin = 28, codeTop = 72, codeSide = 188;

std::shared_ptr<Label> centredText(Rect frame, float size, bool bold, Color color, const std::string& id)
{
    auto l = std::make_shared<Label>(frame);
    l->setFont({size, bold});
    l->setTextColor(color);
    l->setAlignment(TextAlignment::Center);
    l->setWraps(true);
    l->setIdentifier(id);
    return l;
}

std::shared_ptr<Button> button(Rect frame, const std::string& title, bool filled, const std::string& id,
                               std::function<void()> action)
{
    auto b = std::make_shared<Button>(frame);
    b->setTitle(title);
    if (filled) {
        b->setBackgroundColor(theme::accent);
        b->setCornerRadius(theme::controlRadius);
    } else {
        b->setTitleColor(theme::accent);
    }
    b->setIdentifier(id);
    b->setAction(std::move(action));
    return b;
}

// The classic screen's layout, as the instructions it covers.
float classicTop(Size size) { return (size.height - Application::classicScreenSize.height) / 2; }

} // namespace

SendToPhonePanelOutlets buildSendToPhonePanel(Size size, SendToPhonePanelActions actions)
{
    SendToPhonePanelOutlets o;
    o.root = std::make_shared<View>(Rect{{0, 0}, size});
    // Opaque, as the instructions: nothing behind shows through round the code.
    o.root->setBackgroundColor(Color::rgb255(14, 14, 18));
    o.root->setIdentifier("send.panel");
    const float top = classicTop(size), w = size.width - 2 * margin;

    o.title = centredText({margin, top + 24, w, 34}, 24, true, Color::white(), "send.title");
    o.title->setWraps(false);
    o.root->addSubview(o.title);
    o.codeArea = {(size.width - codeSide) / 2, top + codeTop, codeSide, codeSide};
    o.code = std::make_shared<QrCodeView>();
    o.code->setIdentifier("send.code");
    o.root->addSubview(o.code);
    o.message = centredText({}, 14, false, Color::white(0.88f), "send.message");
    o.root->addSubview(o.message);
    o.address = centredText({margin, top + 322, w, 42}, 11, false, Color::white(0.6f), "send.address");
    o.root->addSubview(o.address);
    o.expires = centredText({margin, top + 366, w, 20}, 15, true, Color::white(), "send.expires");
    o.root->addSubview(o.expires);

    o.done = button({margin, top + 388, w, 46}, platform::translate("SendToPhonePanel", "Done"), true, "send.done", std::move(actions.done));
    o.root->addSubview(o.done);
    o.tryAgain = button({margin, top + 388, w, 46}, platform::translate("SendToPhonePanel", "Try Again"), true, "send.tryAgain", std::move(actions.tryAgain));
    o.root->addSubview(o.tryAgain);
    o.cancel = button({margin, top + 434, w, 40}, platform::translate("SendToPhonePanel", "Cancel"), false, "send.cancel", std::move(actions.cancel));
    // Escape leaves the sheet as Cancel does, or as Done once the phone has the picture.
    o.cancel->setKeyEquivalent(platform::Key::Escape);
    o.done->setKeyEquivalent(platform::Key::Escape);
    o.root->addSubview(o.cancel);
    placeSendToPhoneMessage(o, true);
    return o;
}

void placeSendToPhoneMessage(SendToPhonePanelOutlets& panel, bool belowCode)
{
    const float top = classicTop(panel.root->bounds().size), w = panel.root->bounds().width() - 2 * margin;
    panel.message->setFrame(belowCode ? Rect{margin, top + 266, w, 54} : Rect{margin, top + codeTop, w, 100});
}
