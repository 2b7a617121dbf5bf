#include "Interfaces/SaveStyleAsDialog.h"

#include "Dialogs/SaveStyleAsDialogViewController.h"
#include "Interfaces/DialogChrome.h"

using namespace platform;

std::shared_ptr<View> buildSaveStyleAsDialog(SaveStyleAsDialogViewController& controller)
{
    DialogChrome c = makeDialogChrome(controller, {280, 200}, "Save Style As");
    return c.root;
}
