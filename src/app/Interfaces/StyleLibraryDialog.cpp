#include "Interfaces/StyleLibraryDialog.h"

#include "Dialogs/StyleLibraryDialogViewController.h"
#include "Interfaces/DialogChrome.h"
#include "Interfaces/ThemeCell.h"

#include "platform/TableView.h"
#include "platform/Theme.h"
#include "platform/Translate.h"

using namespace platform;

StyleLibraryDialogOutlets buildStyleLibraryDialog(StyleLibraryDialogViewController& controller)
{
    // Short enough to stay below the status bar when the classic layout lifts the dialogs.
    DialogChrome c = makeDialogChrome(controller, {280, 380}, platform::translate("StyleLibraryDialog", "Style Library"));
    Rect area = c.contentArea;
    auto table = std::make_shared<TableView>(Rect{area.x(), area.y(), themeCellSize.width, area.height()});
    table->setRowHeight(themeCellSize.height);
    table->setDataSource(&controller);
    table->setDelegate(&controller);
    table->setIdentifier("library.table");
    // Darker than the panel, so that the wallpaper's lettering does not show through the names.
    table->setBackgroundColor(Color::rgb255(12, 12, 16, 0.7f));
    table->setCornerRadius(theme::controlRadius);
    c.panel->addSubview(table);
    return {c, table};
}
