#pragma once

#include "Dialogs/DialogBase.h"

#include <memory>

namespace platform {
class Label;
}
class ChangeStyleDialogViewController;

struct ChangeStyleDialogOutlets {
    DialogFrame frame;
    std::shared_ptr<platform::Label> currentStyleLabel;
};

ChangeStyleDialogOutlets buildChangeStyleDialog(ChangeStyleDialogViewController& controller);
