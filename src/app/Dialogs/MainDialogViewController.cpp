#include "Dialogs/MainDialogViewController.h"

#include "Dialogs/ChangeInformationDialogViewController.h"
#include "Dialogs/ChangeStyleDialogViewController.h"
#include "Dialogs/PhotoSourceDialogViewController.h"
#include "Interfaces/MainDialog.h"
#include "DialogHost.h"

MainDialogViewController::MainDialogViewController(std::string nibName, DialogHost& preview)
    : DialogBase(std::move(nibName), preview) {}

MainDialogViewController::~MainDialogViewController() = default;

void MainDialogViewController::loadView() { setDialogFrame(buildMainDialog(*this)); }

void MainDialogViewController::changeInformationButtonClick()
{
    if (!dlgChangeInformation)
        dlgChangeInformation = std::make_unique<ChangeInformationDialogViewController>("ChangeInformationDialog", preview());
    preview().pushDialog(*dlgChangeInformation);
}

void MainDialogViewController::changeStyleButtonClick()
{
    if (!dlgChangeStyle)
        dlgChangeStyle = std::make_unique<ChangeStyleDialogViewController>("ChangeStyleDialog", preview());
    preview().pushDialog(*dlgChangeStyle);
}

void MainDialogViewController::photoButtonClick()
{
    if (!dlgPhoto)
        dlgPhoto = std::make_unique<PhotoSourceDialogViewController>("PhotoSourceDialog", preview());
    // Without a camera there is nothing to choose between: the library opens at once.
    if (platform::ImagePickerController::isSourceTypeAvailable(platform::ImagePickerController::Camera))
        preview().pushDialog(*dlgPhoto);
    else
        dlgPhoto->libraryButtonClick();
}

void MainDialogViewController::gruvoButtonClick()
{
    if (onWebPage)
        onWebPage();
}
