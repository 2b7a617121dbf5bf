#include "Interfaces/PhotoSourceDialog.h"

#include "Dialogs/PhotoSourceDialogViewController.h"
#include "Interfaces/DialogChrome.h"

using namespace platform;

std::shared_ptr<View> buildPhotoSourceDialog(PhotoSourceDialogViewController& controller)
{
    DialogChrome c = makeDialogChrome(controller, {280, 300}, "Photo");
    return c.root;
}
