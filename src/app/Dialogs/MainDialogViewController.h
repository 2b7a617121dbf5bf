#pragma once

#include "Dialogs/DialogBase.h"
#include "Interfaces/MainDialog.h"

#include <functional>
#include <memory>

class ChangeInformationDialogViewController;
class ChangeStyleDialogViewController;
class PhoneDialogViewController;
class PhotoSourceDialogViewController;

// The main menu, the permanent bottom of the dialog stack. Each child is made on first use and kept,
// so it keeps the state of its controls between visits.
class MainDialogViewController final : public DialogBase, private MainDialogOutlets {
public:
    MainDialogViewController(std::string nibName, DialogHost& preview);
    ~MainDialogViewController() override;

    void changeInformationButtonClick();
    void changeStyleButtonClick();
    void photoButtonClick();
    void gruvoButtonClick();
    void phoneButtonClick();
    // Shows or hides the phone's lock screen over the wallpaper.
    void lockScreenButtonClick();
    void viewWillAppear(bool animated) override;
    // What the web-page button does; the root controller, which owns the web side, sets it.
    std::function<void()> onWebPage;

protected:
    void loadView() override;

private:
    std::unique_ptr<ChangeInformationDialogViewController> dlgChangeInformation;
    std::unique_ptr<ChangeStyleDialogViewController> dlgChangeStyle;
    std::unique_ptr<PhotoSourceDialogViewController> dlgPhoto;
    std::unique_ptr<PhoneDialogViewController> dlgPhone;
};
