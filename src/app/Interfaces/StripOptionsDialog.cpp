#include "Interfaces/StripOptionsDialog.h"

#include "Dialogs/StripOptionsDialogViewController.h"
#include "Interfaces/DialogChrome.h"

using namespace platform;

std::shared_ptr<View> buildStripOptionsDialog(StripOptionsDialogViewController& controller)
{
    DialogChrome c = makeDialogChrome(controller, {280, 300}, "Strip Options");
    return c.root;
}
