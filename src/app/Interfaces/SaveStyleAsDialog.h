#pragma once

#include "Dialogs/DialogBase.h"

#include <memory>

namespace platform {
class Button;
class TextField;
} // namespace platform
class SaveStyleAsDialogViewController;

struct SaveStyleAsDialogOutlets {
    DialogFrame frame;
    std::shared_ptr<platform::TextField> editStyleName;
    std::shared_ptr<platform::Button> saveStyleAsButton;
};

SaveStyleAsDialogOutlets buildSaveStyleAsDialog(SaveStyleAsDialogViewController& controller);
