#pragma once

#include "Dialogs/DialogBase.h"

#include <memory>

namespace platform {
class TextField;
}
class ChangeInformationDialogViewController;

struct ChangeInformationDialogOutlets {
    DialogFrame frame;
    std::shared_ptr<platform::TextField> editContactField;
    std::shared_ptr<platform::TextField> editInfoField;
};

ChangeInformationDialogOutlets buildChangeInformationDialog(ChangeInformationDialogViewController& controller);
