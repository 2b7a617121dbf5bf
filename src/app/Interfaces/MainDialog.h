#pragma once

#include "Dialogs/DialogBase.h"

class MainDialogViewController;

// The main menu has no outlets but its frame.
DialogFrame buildMainDialog(MainDialogViewController& controller);
