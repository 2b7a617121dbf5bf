#pragma once

#include "Dialogs/DialogBase.h"

#include <memory>

namespace platform {
class TableView;
}
class StyleLibraryDialogViewController;

struct StyleLibraryDialogOutlets {
    DialogFrame frame;
    std::shared_ptr<platform::TableView> themeSelectionTable;
};

StyleLibraryDialogOutlets buildStyleLibraryDialog(StyleLibraryDialogViewController& controller);
