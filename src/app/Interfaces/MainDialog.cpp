#include "Interfaces/MainDialog.h"

#include "Dialogs/MainDialogViewController.h"
#include "Interfaces/DialogChrome.h"

using namespace platform;

std::shared_ptr<View> buildMainDialog(MainDialogViewController& controller)
{
    constexpr float width = 280;
    constexpr float gap = 8;
    const float height = chrome::headerHeight + 8 + 4 * chrome::rowHeight + 3 * gap + 8 + chrome::footerHeight;
    // The bottom of the stack has nowhere to go back to.
    DialogChrome c = makeDialogChrome(controller, {width, height}, "TavrinPlus", {.backButton = false});

    struct Item {
        const char* title;
        const char* id;
        void (MainDialogViewController::*action)();
    };
    const Item items[] = {
        {"Information", "main.information", &MainDialogViewController::changeInformationButtonClick},
        {"Style", "main.style", &MainDialogViewController::changeStyleButtonClick},
        {"Photo", "main.photo", &MainDialogViewController::photoButtonClick},
        {"Web Page", "main.web", &MainDialogViewController::gruvoButtonClick},
    };
    float y = c.contentArea.y();
    for (const Item& item : items) {
        auto button = chrome::menuButton({c.contentArea.x(), y, c.contentArea.width(), chrome::rowHeight}, item.title, item.id);
        auto action = item.action;
        button->setAction([&controller, action] { (controller.*action)(); });
        c.panel->addSubview(button);
        y += chrome::rowHeight + gap;
    }
    return c.root;
}
