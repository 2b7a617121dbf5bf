#include "platform/AlertView.h"

#include "platform/Application.h"
#include "platform/Button.h"
#include "platform/Label.h"
#include "platform/Theme.h"
#include "platform/Window.h"

#include <algorithm>

namespace platform {

namespace {
constexpr float boxWidth = 270;
constexpr float buttonHeight = 44;
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
    float messageHeight = 60;
    float height = 20 + 24 + 6 + messageHeight + 10 + buttonsHeight;
    const Size screen = Application::shared().screenSize();
    auto box = std::make_shared<View>(Rect{(screen.width - boxWidth) / 2, (screen.height - height) / 2, boxWidth, height});
    // Opaque: text behind the box would run into the alert's own.
    box->setBackgroundColor(Color::rgb255(44, 44, 48));
    box->setCornerRadius(14);
    box->setClipsToBounds(true);
    addSubview(box);

    auto title = std::make_shared<Label>(Rect{16, 20, boxWidth - 32, 24});
    title->setText(title_);
    title->setFont({17, true});
    title->setTextColor(Color::white());
    title->setAlignment(TextAlignment::Center);
    title->setMinimumFontSize(12);
    box->addSubview(title);

    auto message = std::make_shared<Label>(Rect{16, 50, boxWidth - 32, messageHeight});
    message->setText(message_);
    message->setFont({14, false});
    message->setTextColor(Color::white(0.85f));
    message->setAlignment(TextAlignment::Center);
    message->setWraps(true);
    message->setIdentifier("alert.message");
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
}

void AlertView::dismissWithClickedButtonIndex(int index, bool)
{
    // The window holds the last reference: keep the alert alive through its delegate call.
    auto self = shared_from_this();
    removeFromSuperview();
    if (delegate_)
        delegate_->didDismissWithButtonIndex(*this, index);
}

bool AlertView::pressKey(Key key)
{
    // A button titled Cancel cancels wherever it stands: some alerts give the cancel role (index 0) to
    // the button that confirms.
    auto titled = std::find(buttonTitles_.begin(), buttonTitles_.end(), "Cancel");
    const int cancel = titled == buttonTitles_.end() ? 0 : int(titled - buttonTitles_.begin());
    const int confirm = numberOfButtons() == 1 ? 0 : cancel == 0 ? 1 : 0;
    if (key == Key::Escape)
        dismissWithClickedButtonIndex(cancel, true);
    else if (key == Key::Return)
        dismissWithClickedButtonIndex(confirm, true);
    return true;
}

} // namespace platform
