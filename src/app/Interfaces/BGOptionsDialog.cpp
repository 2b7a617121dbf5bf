#include "Interfaces/BGOptionsDialog.h"

#include "Dialogs/BGOptionsDialogViewController.h"
#include "Interfaces/DialogChrome.h"
#include "Interfaces/PalettePanel.h"
#include "platform/Translate.h"

using namespace platform;

BGOptionsDialogOutlets buildBGOptionsDialog(BGOptionsDialogViewController& controller)
{
    constexpr float height = chrome::headerHeight + 8 + 16 + PalettePanel::height + 8 + chrome::footerHeight;
    DialogChrome c = makeDialogChrome(controller, {280, height}, platform::translate("BGOptionsDialog", "Background"));
    Rect area = c.contentArea;

    c.panel->addSubview(chrome::caption({area.x(), area.y(), area.width(), 16}, platform::translate("BGOptionsDialog", "TOUCH A COLOUR")));
    PalettePanel palette = addPalettePanel(
        *c.panel, {area.x(), area.y() + 16}, area.width(), "bg", [&controller] { controller.previousSwatchButtonClicked(); },
        [&controller] { controller.nextSwatchButtonClicked(); });
    return {c, palette.image, palette.title};
}
