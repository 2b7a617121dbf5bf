#pragma once

#include "Dialogs/DialogBase.h"

class NewStyleDialogViewController;

// The new-style menu has no outlets but its frame.
DialogFrame buildNewStyleDialog(NewStyleDialogViewController& controller);
