#include "Interfaces/SaveStyleAsDialog.h"

#include "Dialogs/SaveStyleAsDialogViewController.h"
#include "Interfaces/DialogChrome.h"

#include "platform/TextField.h"
#include "platform/Theme.h"
#include "platform/Translate.h"

using namespace platform;

SaveStyleAsDialogOutlets buildSaveStyleAsDialog(SaveStyleAsDialogViewController& controller)
{
    DialogChrome c = makeDialogChrome(controller, {280, 230}, platform::translate("SaveStyleAsDialog", "Save Style As"));
    Rect area = c.contentArea;
    c.panel->addSubview(chrome::caption({area.x(), area.y(), area.width(), 16}, platform::translate("SaveStyleAsDialog", "Style name")));

    auto field = std::make_shared<TextField>(Rect{area.x(), area.y() + 18, area.width(), 36});
    field->setPlaceholder(platform::translate("SaveStyleAsDialog", "Name of the new style"));
    field->setDelegate(&controller);
    field->setIdentifier("saveStyle.name");
    c.panel->addSubview(field);

    float buttonsTop = area.y() + 64;
    auto cancel = chrome::menuButton({area.x(), buttonsTop, 100, 40}, platform::translate("SaveStyleAsDialog", "Cancel"), "saveStyle.cancel");
    cancel->setAction([&controller] { controller.cancelButtonClick(); });
    c.panel->addSubview(cancel);

    auto save = chrome::menuButton({area.x() + 108, buttonsTop, area.width() - 108, 40}, platform::translate("SaveStyleAsDialog", "Save Style"), "saveStyle.save");
    save->setBackgroundColor(theme::accent);
    save->setAction([&controller] { controller.saveStyleButtonClick(); });
    c.panel->addSubview(save);
    return {c, field, save};
}
