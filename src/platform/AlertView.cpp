#include "platform/AlertView.h"

#include "platform/Application.h"
#include "platform/Button.h"
#include "platform/Label.h"
#include "platform/Theme.h"
#include "platform/Window.h"
#include "platform/Translate.h"

#include <algorithm>
#include <limits>

namespace platform {

namespace {
constexpr float boxWidth = 270;
constexpr float buttonHeight = 44;
constexpr float textInset = 16;
constexpr float titleTop = 20, titleHeight = 24, titleGap = 6, messageGap = 18;
// The box keeps this far from the screen's upper and lower edges, clear of the status bar.
constexpr float screenMargin = 30;
} // namespace

AlertView::AlertView(std::string title, std::string message, AlertViewDelegate* delegate, std::string cancelButtonTitle,
                     std::vector<std::string> otherButtonTitles)
    : View(Rect{{0, 0}, Application::shared().screenSize()})
    , title_(std::move(title))
    , message_(std::move(message))
    , delegate_(delegate)
{
    buttonTitles_.push_back(std::move(cancelButtonTitle));
    for (auto& t : otherButtonTitles)
        buttonTitles_.push_back(std::move(t));
    setIdentifier("alert");
    setBackgroundColor(Color::black(0.45f));
}

void AlertView::build()
{
    bool sideBySide = buttonTitles_.size() == 2;
    float buttonsHeight = sideBySide ? buttonHeight : buttonHeight * float(buttonTitles_.size());
    const Size screen = Application::shared().screenSize();

    auto message = std::make_shared<Label>();
    message->setText(message_);
    message->setFont({14, false});
    message->setTextColor(Color::white(0.85f));
    message->setAlignment(TextAlignment::Center);
    // As many lines as its height holds: the box is as tall as the message, up to the screen's.
    message->setMaximumLines(std::numeric_limits<int>::max());
    message->setIdentifier("alert.message");
    const float messageTop = titleTop + titleHeight + titleGap;
    const float roomForMessage = screen.height - 2 * screenMargin - messageTop - messageGap - buttonsHeight;
    // Whole, or else as much as the screen holds, shortened on its last line.
    const float messageHeight = message->heightShowingWholeText(boxWidth - 2 * textInset, roomForMessage);
    message->setFrame({textInset, messageTop, boxWidth - 2 * textInset, messageHeight});

    float height = messageTop + messageHeight + messageGap + buttonsHeight;
    auto box = std::make_shared<View>(Rect{(screen.width - boxWidth) / 2, (screen.height - height) / 2, boxWidth, height});
    // Opaque: text behind the box would run into the alert's own.
    box->setBackgroundColor(Color::rgb255(44, 44, 48));
    box->setCornerRadius(14);
    box->setClipsToBounds(true);
    addSubview(box);

    auto title = std::make_shared<Label>(Rect{textInset, titleTop, boxWidth - 2 * textInset, titleHeight});
    title->setText(title_);
    title->setFont({17, true});
    title->setTextColor(Color::white());
    title->setAlignment(TextAlignment::Center);
    title->setMinimumFontSize(12);
    box->addSubview(title);
    box->addSubview(message);

    float top = height - buttonsHeight;
    auto line = std::make_shared<View>(Rect{0, top, boxWidth, 1});
    line->setBackgroundColor(theme::separator);
    box->addSubview(line);
    for (size_t i = 0; i < buttonTitles_.size(); ++i) {
        Rect r = sideBySide ? Rect{float(i) * boxWidth / 2, top, boxWidth / 2, buttonHeight}
                            : Rect{0, top + float(i) * buttonHeight, boxWidth, buttonHeight};
        auto button = std::make_shared<Button>(r);
        button->setTitle(buttonTitles_[i]);
        button->setFont({17, i == 0});
        button->setTitleColor(theme::accent);
        button->setIdentifier("alert.button." + std::to_string(i));
        int index = int(i);
        button->setAction([this, index] { dismissWithClickedButtonIndex(index, true); });
        box->addSubview(button);
        if (sideBySide && i == 1) {
            auto divider = std::make_shared<View>(Rect{boxWidth / 2, top, 1, buttonHeight});
            divider->setBackgroundColor(theme::separator);
            box->addSubview(divider);
        }
    }
}

void AlertView::show()
{
    if (subviews().empty())
        build();
    Application::shared().window().addSubview(shared_from_this());
    opener_ = Application::shared().focusedViewRef();
    Application::shared().focusShown(*this, findByIdentifier("alert.button." + std::to_string(keyButtons().confirm)));
}

void AlertView::dismissWithClickedButtonIndex(int index, bool)
{
    // The window holds the last reference: keep the alert alive through its delegate call.
    auto self = shared_from_this();
    removeFromSuperview();
    if (delegate_)
        delegate_->didDismissWithButtonIndex(*this, index);
    // After the delegate, which may have shown what takes the focus next, or taken its opener away.
    Application::shared().focusReturned(opener_);
}

AlertView::KeyButtons AlertView::keyButtons() const
{
    // A button titled Cancel cancels wherever it stands: some alerts give the cancel role (index 0) to
    // the button that confirms. Callers title it with this same translation.
    auto titled = std::find(buttonTitles_.begin(), buttonTitles_.end(), translate("AlertView", "Cancel"));
    const int cancel = titled == buttonTitles_.end() ? 0 : int(titled - buttonTitles_.begin());
    return {cancel, numberOfButtons() == 1 ? 0 : cancel == 0 ? 1 : 0};
}

bool AlertView::pressKey(Key key)
{
    if (key == Key::Escape)
        dismissWithClickedButtonIndex(keyButtons().cancel, true);
    else if (key == Key::Return)
        dismissWithClickedButtonIndex(keyButtons().confirm, true);
    return true;
}

} // namespace platform
