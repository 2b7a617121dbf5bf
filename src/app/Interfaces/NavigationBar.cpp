#include "Interfaces/NavigationBar.h"

#include "platform/Button.h"
#include "platform/Label.h"
#include "platform/Painter.h"
#include "platform/Theme.h"

using namespace platform;

namespace {

constexpr float buttonWidth = 72;

class Bar final : public View {
public:
    using View::View;
    void draw(Painter& painter) const override
    {
        painter.fillRect({0, 0, frame().width(), frame().height()}, Color::rgb255(28, 28, 32, 0.97f));
        painter.fillRect({0, frame().height() - 1, frame().width(), 1}, theme::separator);
    }
};

std::shared_ptr<Button> makeButton(Rect frame, NavigationBarButton wanted, const std::string& identifierPrefix)
{
    auto button = std::make_shared<Button>(frame);
    button->setTitle(wanted.title);
    button->setFont({16, true});
    button->setTitleColor(Color::white());
    button->setBackgroundColor(theme::accent);
    button->setCornerRadius(theme::controlRadius);
    button->setIdentifier(identifierPrefix + "." + wanted.name);
    button->setAction(std::move(wanted.action));
    return button;
}

} // namespace

std::shared_ptr<View> makeNavigationBar(float width, const std::string& title, const std::string& identifierPrefix,
                                        NavigationBarButton left, NavigationBarButton right)
{
    auto bar = std::make_shared<Bar>(Rect{0, 0, width, navigationBarHeight});
    bar->setIdentifier(identifierPrefix + ".bar");

    auto label = std::make_shared<Label>(Rect{buttonWidth + 8, 0, width - 2 * (buttonWidth + 8), navigationBarHeight});
    label->setText(title);
    label->setFont({17, true});
    label->setTextColor(Color::white());
    label->setAlignment(TextAlignment::Center);
    label->setMinimumFontSize(12);
    label->setIdentifier(identifierPrefix + ".title");
    bar->addSubview(label);

    const float buttonHeight = navigationBarHeight - 12;
    bar->addSubview(makeButton({6, 6, buttonWidth, buttonHeight}, std::move(left), identifierPrefix));
    auto done = makeButton({width - buttonWidth - 6, 6, buttonWidth, buttonHeight}, std::move(right), identifierPrefix);
    // The right button is the way back from the page.
    done->setKeyEquivalent(Key::Escape);
    bar->addSubview(done);
    return bar;
}
