#include "Interfaces/ChangeStyleDialog.h"

#include "Dialogs/ChangeStyleDialogViewController.h"
#include "Interfaces/DialogChrome.h"
#include "platform/Translate.h"

using namespace platform;

ChangeStyleDialogOutlets buildChangeStyleDialog(ChangeStyleDialogViewController& controller)
{
    using C = ChangeStyleDialogViewController;
    static constexpr chrome::MenuItem<C> items[] = {
        {QT_TRANSLATE_NOOP("ChangeStyleDialog", "Style Library"), "style.library", &C::styleLibraryButtonClick},
        {QT_TRANSLATE_NOOP("ChangeStyleDialog", "New Style"), "style.new", &C::newStyleButtonClick},
    };
    constexpr float captionHeight = 18, nameHeight = 28, spacing = 10;
    DialogChrome c = makeDialogChrome(controller, {280, chrome::menuDialogHeight(2, captionHeight + nameHeight + spacing)}, platform::translate("ChangeStyleDialog", "Style"));
    const Rect area = c.contentArea;
    c.panel->addSubview(chrome::caption({area.x(), area.y(), area.width(), captionHeight}, platform::translate("ChangeStyleDialog", "Current style")));
    auto name = std::make_shared<Label>(Rect{area.x(), area.y() + captionHeight, area.width(), nameHeight});
    name->setFont({19, true});
    name->setTextColor(Color::white());
    name->setMinimumFontSize(12);
    name->setIdentifier("style.current");
    c.panel->addSubview(name);
    chrome::addMenuButtons(c, controller, items, area.y() + captionHeight + nameHeight + spacing, "ChangeStyleDialog");
    return {c, name};
}
