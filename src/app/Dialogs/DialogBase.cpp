#include "Dialogs/DialogBase.h"

#include "MainViewController.h"
#include "RootViewController.h"
#include "TavrinPlusAppDelegate.h"

MainViewController& DialogBase::preview() const
{
    return TavrinPlusAppDelegate::shared().rootViewController().mainViewController();
}

void DialogBase::hideButtonClick() { preview().hideTopDialog(); }

void DialogBase::saveButtonClick() { preview().saveCurrentWallpaperClick(); }

void DialogBase::backButtonClick() { preview().popDialog(); }
