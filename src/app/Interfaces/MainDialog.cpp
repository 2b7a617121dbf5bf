#include "Interfaces/MainDialog.h"

#include "Dialogs/MainDialogViewController.h"
#include "Interfaces/DialogChrome.h"

using namespace platform;

DialogFrame buildMainDialog(MainDialogViewController& controller)
{
    using C = MainDialogViewController;
    static constexpr chrome::MenuItem<C> items[] = {
        {"Information", "main.information", &C::changeInformationButtonClick},
        {"Style", "main.style", &C::changeStyleButtonClick},
        {"Photo", "main.photo", &C::photoButtonClick},
        {"Web Page", "main.web", &C::gruvoButtonClick},
    };
    // The bottom of the stack has nowhere to go back to.
    DialogChrome c = makeDialogChrome(controller, {280, chrome::menuDialogHeight(4)}, "TavrinPlus", {.backButton = false});
    chrome::addMenuButtons(c, controller, items, c.contentArea.y());
    return c;
}
