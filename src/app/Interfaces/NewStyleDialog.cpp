#include "Interfaces/NewStyleDialog.h"

#include "Dialogs/NewStyleDialogViewController.h"
#include "Interfaces/DialogChrome.h"
#include "platform/Translate.h"

using namespace platform;

DialogFrame buildNewStyleDialog(NewStyleDialogViewController& controller)
{
    using C = NewStyleDialogViewController;
    static constexpr chrome::MenuItem<C> items[] = {
        {QT_TRANSLATE_NOOP("NewStyleDialog", "Strip"), "newstyle.strip", &C::stripButtonClick},
        {QT_TRANSLATE_NOOP("NewStyleDialog", "Background"), "newstyle.background", &C::bgButtonClick},
        {QT_TRANSLATE_NOOP("NewStyleDialog", "Save Style As"), "newstyle.saveas", &C::saveStyleAsClick},
    };
    DialogChrome c = makeDialogChrome(controller, {280, chrome::menuDialogHeight(3)}, platform::translate("NewStyleDialog", "New Style"));
    chrome::addMenuButtons(c, controller, items, c.contentArea.y(), "NewStyleDialog");
    return c;
}
