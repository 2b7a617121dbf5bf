#include "Interfaces/StyleLibraryDialog.h"

#include "Dialogs/StyleLibraryDialogViewController.h"
#include "Interfaces/DialogChrome.h"

using namespace platform;

std::shared_ptr<View> buildStyleLibraryDialog(StyleLibraryDialogViewController& controller)
{
    DialogChrome c = makeDialogChrome(controller, {280, 400}, "Style Library");
    return c.root;
}
