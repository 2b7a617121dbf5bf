#pragma once

#include "Dialogs/DialogBase.h"

#include "platform/Button.h"
#include "platform/Translate.h"
#include "platform/Color.h"
#include "platform/Geometry.h"
#include "platform/Label.h"
#include "platform/View.h"

#include <memory>
#include <string>

// The frame every dialog's interface description starts from, so that all dialogs look alike: a
// clipping root (its contents slide sideways on push and pop), a rounded translucent panel, a title,
// and the common back, hide and save buttons wired to the dialog's actions. The controller keeps the
// DialogFrame part.
struct DialogChrome : DialogFrame {
    std::shared_ptr<platform::View> panel; // add the dialog's own controls here
    std::shared_ptr<platform::Label> title;

    // The area between the header and the save button, in panel coordinates.
    platform::Rect contentArea;
};

struct DialogChromeOptions {
    bool backButton = true;
};

DialogChrome makeDialogChrome(DialogBase& dialog, platform::Size size, const std::string& title,
                              DialogChromeOptions options = {});

namespace chrome {

inline constexpr float headerHeight = 48;
inline constexpr float footerHeight = 56;
inline constexpr float margin = 12;
inline constexpr float rowHeight = 44;

// The panel is opaque, so the platform's translucent control fills are given here as the opaque
// colours they show as over it: the same picture without blending on every frame.
inline constexpr platform::Color buttonFill = platform::Color::rgb255(56, 56, 60); // white 14% over the panel
inline constexpr platform::Color wellFill = platform::Color::rgb255(38, 38, 42);   // white 6% over the panel

// A finger-sized menu button filling the given width.
std::shared_ptr<platform::Button> menuButton(platform::Rect frame, const std::string& title, const std::string& identifier);
// A small caption over a group of controls.
std::shared_ptr<platform::Label> caption(platform::Rect frame, const std::string& text);
// A segment-like toggle button (tabs, layout choices) that shows its selected state.
std::shared_ptr<platform::Button> toggleButton(platform::Rect frame, const std::string& title, const std::string& identifier);

// One button of a menu dialog and the controller action it sends.
template <class Controller>
struct MenuItem {
    const char* title;
    const char* identifier;
    void (Controller::*action)();
};

inline constexpr float menuGap = 8;

// The dialog height that holds `count` menu buttons below `extra` points of other content.
inline float menuDialogHeight(int count, float extra = 0)
{
    return headerHeight + 8 + extra + count * rowHeight + (count - 1) * menuGap + 8 + footerHeight;
}

// Stacks the menu's buttons down the content area from `top`, each wired to its action; the titles
// are translated in `context`, the one they were marked in.
template <class Controller, size_t N>
void addMenuButtons(DialogChrome& c, Controller& controller, const MenuItem<Controller> (&items)[N], float top,
                    const char* context)
{
    float y = top;
    for (const auto& item : items) {
        auto button = menuButton({c.contentArea.x(), y, c.contentArea.width(), rowHeight}, platform::translate(context, item.title), item.identifier);
        auto action = item.action;
        button->setAction([&controller, action] { (controller.*action)(); });
        c.panel->addSubview(button);
        y += rowHeight + menuGap;
    }
}

} // namespace chrome
