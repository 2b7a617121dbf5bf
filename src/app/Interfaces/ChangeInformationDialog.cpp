#include "Interfaces/ChangeInformationDialog.h"

#include "Dialogs/ChangeInformationDialogViewController.h"
#include "Interfaces/DialogChrome.h"

using namespace platform;

std::shared_ptr<View> buildChangeInformationDialog(ChangeInformationDialogViewController& controller)
{
    DialogChrome c = makeDialogChrome(controller, {280, 300}, "Information");
    return c.root;
}
