#pragma once

#include "Dialogs/DialogBase.h"

#include <memory>

namespace platform {
class Button;
class Label;
class TextField;
} // namespace platform
class ChangeInformationDialogViewController;

struct ChangeInformationDialogOutlets {
    DialogFrame frame;
    std::shared_ptr<platform::TextField> editContactField;
    std::shared_ptr<platform::TextField> editInfoField;
    // The scan code below the strips: none, a call to the number, or the address in the field.
    std::shared_ptr<platform::Button> codeNoneButton, codeCallButton, codeAddressButton;
    std::shared_ptr<platform::TextField> editCodeUrlField;
    // What the wallpaper will not show as typed: an empty number, a text it shortens.
    std::shared_ptr<platform::Label> warningLabel;
};

ChangeInformationDialogOutlets buildChangeInformationDialog(ChangeInformationDialogViewController& controller);
