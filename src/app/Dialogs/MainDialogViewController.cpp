#include "Dialogs/MainDialogViewController.h"

#include "Dialogs/ChangeInformationDialogViewController.h"
#include "Dialogs/ChangeStyleDialogViewController.h"
#include "Dialogs/PhoneDialogViewController.h"
#include "Dialogs/PhotoSourceDialogViewController.h"
#include "Interfaces/MainDialog.h"
#include "DialogHost.h"

#include "platform/Button.h"

MainDialogViewController::MainDialogViewController(std::string nibName, DialogHost& preview)
    : DialogBase(std::move(nibName), preview) {}

MainDialogViewController::~MainDialogViewController() = default;

void MainDialogViewController::loadView()
{
    static_cast<MainDialogOutlets&>(*this) = buildMainDialog(*this);
    setDialogFrame(frame);
}

void MainDialogViewController::viewWillAppear(bool) { lockScreenToggle->setSelected(preview().isLockScreenShown()); }

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
    // With neither a camera nor a photograph to remove there is nothing to choose between: the
    // library opens at once.
    if (platform::ImagePickerController::isSourceTypeAvailable(platform::ImagePickerController::Camera) ||
        preview().wallpaperImage())
        preview().pushDialog(*dlgPhoto);
    else
        dlgPhoto->libraryButtonClick();
}

void MainDialogViewController::gruvoButtonClick()
{
    if (onWebPage)
        onWebPage();
}

void MainDialogViewController::phoneButtonClick()
{
    if (!dlgPhone)
        dlgPhone = std::make_unique<PhoneDialogViewController>("PhoneDialog", preview());
    preview().pushDialog(*dlgPhone);
}

void MainDialogViewController::lockScreenButtonClick()
{
    preview().setLockScreenShown(!preview().isLockScreenShown());
    lockScreenToggle->setSelected(preview().isLockScreenShown());
}
