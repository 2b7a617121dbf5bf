#include "Interfaces/NewStyleDialog.h"

#include "Dialogs/NewStyleDialogViewController.h"
#include "Interfaces/DialogChrome.h"

using namespace platform;

DialogFrame buildNewStyleDialog(NewStyleDialogViewController& controller)
{
    using C = NewStyleDialogViewController;
    static constexpr chrome::MenuItem<C> items[] = {
        {"Strip", "newstyle.strip", &C::stripButtonClick},
        {"Background", "newstyle.background", &C::bgButtonClick},
        {"Save Style As", "newstyle.saveas", &C::saveStyleAsClick},
    };
    DialogChrome c = makeDialogChrome(controller, {280, chrome::menuDialogHeight(3)}, "New Style");
    chrome::addMenuButtons(c, controller, items, c.contentArea.y());
    return c;
}
