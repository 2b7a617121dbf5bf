#pragma once

#include "Dialogs/DialogBase.h"

#include <memory>

namespace platform {
class Button;
}
class MainDialogViewController;

struct MainDialogOutlets {
    DialogFrame frame;
    std::shared_ptr<platform::Button> lockScreenToggle;
};

MainDialogOutlets buildMainDialog(MainDialogViewController& controller);
