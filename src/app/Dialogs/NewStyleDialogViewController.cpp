#include "Dialogs/NewStyleDialogViewController.h"

#include "Dialogs/BGOptionsDialogViewController.h"
#include "Dialogs/SaveStyleAsDialogViewController.h"
#include "Dialogs/StripOptionsDialogViewController.h"
#include "Interfaces/NewStyleDialog.h"
#include "DialogHost.h"

NewStyleDialogViewController::NewStyleDialogViewController(std::string nibName, DialogHost& preview)
    : DialogBase(std::move(nibName), preview) {}

NewStyleDialogViewController::~NewStyleDialogViewController() = default;

void NewStyleDialogViewController::loadView() { setDialogFrame(buildNewStyleDialog(*this)); }

void NewStyleDialogViewController::stripButtonClick()
{
    if (!dlgStrip)
        dlgStrip = std::make_unique<StripOptionsDialogViewController>("StripOptionsDialog", preview());
    preview().pushDialog(*dlgStrip);
}

void NewStyleDialogViewController::bgButtonClick()
{
    if (!dlgBG)
        dlgBG = std::make_unique<BGOptionsDialogViewController>("BGOptionsDialog", preview());
    preview().pushDialog(*dlgBG);
}

void NewStyleDialogViewController::saveStyleAsClick()
{
    if (!dlgSaveStyleAs)
        dlgSaveStyleAs = std::make_unique<SaveStyleAsDialogViewController>("SaveStyleAsDialog", preview());
    preview().pushDialog(*dlgSaveStyleAs);
}
