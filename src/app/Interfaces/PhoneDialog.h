#pragma once

#include "Dialogs/DialogBase.h"

#include "platform/Geometry.h"

#include <memory>
#include <string>

namespace platform {
class Button;
class TableView;
class TableViewCell;
class TextField;
} // namespace platform
class PhoneDialogViewController;
struct Screen;

struct PhoneDialogOutlets {
    DialogFrame frame;
    std::shared_ptr<platform::TextField> searchField;
    std::shared_ptr<platform::TableView> phoneTable;
    std::shared_ptr<platform::Button> notificationsToggle; // absent where the lock screen lists none
};

PhoneDialogOutlets buildPhoneDialog(PhoneDialogViewController& controller, bool withNotifications);

// One row of the phone list, named `identifier` (its labels <identifier>.name and .size): the maker and
// name, and the pixel size at the right; the current phone's row is in the accent colour.
std::shared_ptr<platform::TableViewCell> buildPhoneRow(const Screen& screen, bool current, platform::Size size,
                                                       const std::string& identifier);
