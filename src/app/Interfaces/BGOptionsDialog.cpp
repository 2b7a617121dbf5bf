#include "Interfaces/BGOptionsDialog.h"

#include "Dialogs/BGOptionsDialogViewController.h"
#include "Interfaces/DialogChrome.h"

using namespace platform;

std::shared_ptr<View> buildBGOptionsDialog(BGOptionsDialogViewController& controller)
{
    DialogChrome c = makeDialogChrome(controller, {280, 300}, "Background");
    return c.root;
}
