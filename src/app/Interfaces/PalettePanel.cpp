#include "Interfaces/PalettePanel.h"

#include "Interfaces/DialogChrome.h"
#include "SwatchPaletteView.h"

#include "platform/Theme.h"
#include "platform/Translate.h"

using namespace platform;

PalettePanel addPalettePanel(View& parent, Point origin, float width, const std::string& prefix,
                             std::function<void()> previous, std::function<void()> next)
{
    PalettePanel p;
    p.well = std::make_shared<View>(Rect{origin.x, origin.y, width, PalettePanel::wellHeight});
    p.well->setBackgroundColor(chrome::wellFill);
    p.well->setCornerRadius(theme::controlRadius);
    p.well->setIdentifier(prefix + ".palette");
    parent.addSubview(p.well);
    // Sized to its palette image and centred when a palette loads.
    p.image = std::make_shared<SwatchPaletteView>(Rect{0, 0, width, PalettePanel::wellHeight});
    p.image->setIdentifier(prefix + ".paletteImage");
    p.well->addSubview(p.image);

    const float side = chrome::rowHeight, rowY = origin.y + PalettePanel::wellHeight + 6;
    auto arrow = [&](float x, const char* title, const char* spoken, const char* id, std::function<void()> action) {
        auto b = chrome::menuButton({x, rowY, side, side}, title, prefix + id);
        b->setAccessibilityLabel(platform::translate("PalettePanel", spoken));
        b->setFont({24, true});
        b->setAction(std::move(action));
        parent.addSubview(b);
    };
    arrow(origin.x, "\u2039", QT_TRANSLATE_NOOP("PalettePanel", "Previous palette"), ".previousPalette", std::move(previous));
    p.title = std::make_shared<Label>(Rect{origin.x + side + 4, rowY, width - 2 * (side + 4), side});
    p.title->setFont({15, true});
    p.title->setTextColor(Color::white());
    p.title->setAlignment(TextAlignment::Center);
    p.title->setMinimumFontSize(11);
    p.title->setIdentifier(prefix + ".paletteTitle");
    parent.addSubview(p.title);
    arrow(origin.x + width - side, "\u203A", QT_TRANSLATE_NOOP("PalettePanel", "Next palette"), ".nextPalette", std::move(next));
    return p;
}
