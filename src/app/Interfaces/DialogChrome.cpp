#include "Interfaces/DialogChrome.h"

#include "Dialogs/DialogBase.h"

#include "platform/Theme.h"
#include "platform/Translate.h"

using namespace platform;

namespace {
// Opaque: even a few per cent of the wallpaper's large white lettering shows through as a ghost.
constexpr Color panelColor = Color::rgb255(24, 24, 28);
constexpr Color panelBorder = Color::rgb255(255, 255, 255, 0.1f);
} // namespace

namespace {

// The panel's face, a view of its own beneath the controls, so that it can fade while a control stays.
class PanelFace final : public View {
public:
    using View::View;
    void draw(Painter& painter) const override
    {
        Rect local{0, 0, frame().width(), frame().height()};
        // Only the shadow's lower edge shows below the opaque panel: drawing just that band keeps
        // the frame from filling the whole dialog twice.
        painter.fillRoundedRect({0, local.height() + 2 - 32, local.width(), 32}, 16, Color::black(0.25f));
        painter.fillRoundedRect(local, 16, panelColor);
        painter.strokeRoundedRect(local.insetBy(0.5f, 0.5f), 15.5f, 1, panelBorder);
        painter.fillRect({12, chrome::headerHeight - 1, local.width() - 24, 1}, theme::separator);
    }
};

std::shared_ptr<Button> headerButton(Rect frame, const std::string& title, const std::string& id)
{
    auto b = std::make_shared<Button>(frame);
    b->setTitle(title);
    b->setFont({15, true});
    b->setTitleColor(theme::accent);
    b->setCornerRadius(8);
    b->setIdentifier(id);
    return b;
}

} // namespace

DialogChrome makeDialogChrome(DialogBase& dialog, Size size, const std::string& title, DialogChromeOptions options)
{
    DialogChrome c;
    c.root = std::make_shared<View>(Rect{0, 0, size.width, size.height});
    c.root->setClipsToBounds(true);
    // Contents sliding in and out are cut along the panel's own rounded edge.
    c.root->setCornerRadius(16);
    c.panel = std::make_shared<View>(Rect{0, 0, size.width, size.height});
    c.root->addSubview(c.panel);
    c.panel->addSubview(std::make_shared<PanelFace>(Rect{0, 0, size.width, size.height}));

    float buttonsWidth = 64;
    c.title = std::make_shared<Label>(Rect{buttonsWidth + 8, 0, size.width - 2 * (buttonsWidth + 8), chrome::headerHeight});
    c.title->setText(title);
    c.title->setFont({17, true});
    c.title->setTextColor(Color::white());
    c.title->setAlignment(TextAlignment::Center);
    c.title->setMinimumFontSize(12);
    c.title->setIdentifier("dialog.title");
    c.panel->addSubview(c.title);

    if (options.backButton) {
        c.backButton = headerButton({6, 4, buttonsWidth, 40}, platform::translate("DialogChrome", "\u2039 Back"), "dialog.back");
        c.backButton->setAction([&dialog] { dialog.backButtonClick(); });
        c.backButton->setKeyEquivalent(Key::Escape);
        c.backButton->setAccessibilityLabel(platform::translate("DialogChrome", "Back"));
        c.panel->addSubview(c.backButton);
    }
    c.hideButton = headerButton({size.width - buttonsWidth - 6, 4, buttonsWidth, 40}, platform::translate("DialogChrome", "Hide"), "dialog.hide");
    c.hideButton->setAction([&dialog] { dialog.hideButtonClick(); });
    c.panel->addSubview(c.hideButton);

    c.saveButton = std::make_shared<Button>(Rect{chrome::margin, size.height - chrome::footerHeight + 6,
                                                 size.width - 2 * chrome::margin, chrome::rowHeight});
    c.saveButton->setTitle(platform::translate("DialogChrome", "Save Wallpaper"));
    c.saveButton->setBackgroundColor(theme::accent);
    c.saveButton->setCornerRadius(theme::controlRadius);
    c.saveButton->setIdentifier("dialog.save");
    c.saveButton->setAction([&dialog] { dialog.saveButtonClick(); });
    c.panel->addSubview(c.saveButton);

    c.contentArea = {chrome::margin, chrome::headerHeight + 8, size.width - 2 * chrome::margin,
                     size.height - chrome::headerHeight - chrome::footerHeight - 12};
    return c;
}

namespace chrome {

std::shared_ptr<Button> menuButton(Rect frame, const std::string& title, const std::string& identifier)
{
    auto b = std::make_shared<Button>(frame);
    b->setTitle(title);
    b->setFont({16, true});
    b->setBackgroundColor(chrome::buttonFill);
    b->setCornerRadius(theme::controlRadius);
    b->setIdentifier(identifier);
    return b;
}

std::shared_ptr<Label> caption(Rect frame, const std::string& text)
{
    auto l = std::make_shared<Label>(frame);
    l->setText(text);
    l->setFont({12, true});
    l->setTextColor(Color::white(0.6f));
    l->setMinimumFontSize(9);
    return l;
}

std::shared_ptr<Button> toggleButton(Rect frame, const std::string& title, const std::string& identifier)
{
    auto b = menuButton(frame, title, identifier);
    b->setFont({14, true});
    b->setSelectedBackgroundColor(theme::controlSelectedFill);
    return b;
}

} // namespace chrome
