#include "Interfaces/MainDialog.h"

#include "Dialogs/MainDialogViewController.h"
#include "Interfaces/DialogChrome.h"
#include "platform/Translate.h"

using namespace platform;

MainDialogOutlets buildMainDialog(MainDialogViewController& controller)
{
    using C = MainDialogViewController;
    static constexpr chrome::MenuItem<C> composing[] = {
        {QT_TRANSLATE_NOOP("MainDialog", "Information"), "main.information", &C::changeInformationButtonClick},
        {QT_TRANSLATE_NOOP("MainDialog", "Style"), "main.style", &C::changeStyleButtonClick},
        {QT_TRANSLATE_NOOP("MainDialog", "Photo"), "main.photo", &C::photoButtonClick},
    };
    static constexpr chrome::MenuItem<C> leaving[] = {{QT_TRANSLATE_NOOP("MainDialog", "Web Page"), "main.web", &C::gruvoButtonClick}};
    constexpr float step = chrome::rowHeight + chrome::menuGap;
    // The bottom of the stack has nowhere to go back to.
    DialogChrome c = makeDialogChrome(controller, {280, chrome::menuDialogHeight(5)}, "TavrinPlus", {.backButton = false});
    const Rect area = c.contentArea;
    chrome::addMenuButtons(c, controller, composing, area.y(), "MainDialog");

    // Two half-width buttons share a row, to keep the menu short on the smallest screen.
    const float y = area.y() + 3 * step;
    const float half = (area.width() - chrome::menuGap) / 2;
    auto phone = chrome::menuButton({area.x(), y, half, chrome::rowHeight}, platform::translate("MainDialog", "Phone"), "main.phone");
    phone->setAction([&controller] { controller.phoneButtonClick(); });
    c.panel->addSubview(phone);
    auto lockScreen =
        chrome::toggleButton({area.maxX() - half, y, half, chrome::rowHeight}, platform::translate("MainDialog", "Lock Screen"), "main.lockscreen");
    lockScreen->setFont({16, true});
    lockScreen->setAction([&controller] { controller.lockScreenButtonClick(); });
    c.panel->addSubview(lockScreen);

    chrome::addMenuButtons(c, controller, leaving, y + step, "MainDialog");
    return {c, lockScreen};
}
