#include "Interfaces/BGOptionsDialog.h"

#include "Dialogs/BGOptionsDialogViewController.h"
#include "Interfaces/DialogChrome.h"

#include "platform/ImageView.h"
#include "platform/Theme.h"

using namespace platform;

namespace {
constexpr float paletteHeight = 84; // the spectrum's 74 pixels and a little air
constexpr float gap = 8;
} // namespace

BGOptionsDialogOutlets buildBGOptionsDialog(BGOptionsDialogViewController& controller)
{
    constexpr float height = chrome::headerHeight + 8 + 16 + paletteHeight + 6 + chrome::rowHeight + 8 + chrome::footerHeight;
    DialogChrome c = makeDialogChrome(controller, {280, height}, "Background");
    Rect area = c.contentArea;

    c.panel->addSubview(chrome::caption({area.x(), area.y(), area.width(), 16}, "TOUCH A COLOUR"));
    auto palette = std::make_shared<View>(Rect{area.x(), area.y() + 16, area.width(), paletteHeight});
    palette->setBackgroundColor(chrome::wellFill);
    palette->setCornerRadius(theme::controlRadius);
    palette->setIdentifier("bg.palette");
    c.panel->addSubview(palette);
    // Sized to its palette image and centred when a palette loads.
    auto image = std::make_shared<ImageView>(Rect{0, 0, area.width(), paletteHeight});
    image->setIdentifier("bg.paletteImage");
    palette->addSubview(image);

    float rowY = palette->frame().maxY() + 6;
    float width = (area.width() - gap) / 2;
    auto prev = chrome::menuButton({area.x(), rowY, width, chrome::rowHeight}, "\u2039 Previous", "bg.previousPalette");
    prev->setAction([&controller] { controller.previousSwatchButtonClicked(); });
    c.panel->addSubview(prev);
    auto next = chrome::menuButton({area.x() + width + gap, rowY, width, chrome::rowHeight}, "Next \u203A", "bg.nextPalette");
    next->setAction([&controller] { controller.nextSwatchButtonClicked(); });
    c.panel->addSubview(next);
    return {c, image};
}
