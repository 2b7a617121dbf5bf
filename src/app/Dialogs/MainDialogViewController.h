#pragma once

#include "Dialogs/DialogBase.h"

#include <functional>
#include <memory>

class ChangeInformationDialogViewController;
class ChangeStyleDialogViewController;
class PhotoSourceDialogViewController;

// The main menu, the permanent bottom of the dialog stack. Each child is made on first use and kept,
// so it keeps the state of its controls between visits.
class MainDialogViewController final : public DialogBase {
public:
    MainDialogViewController(std::string nibName, DialogHost& preview);
    ~MainDialogViewController() override;

    void changeInformationButtonClick();
    void changeStyleButtonClick();
    void photoButtonClick();
    void gruvoButtonClick();
    // What the web-page button does; the root controller, which owns the web side, sets it.
    std::function<void()> onWebPage;

protected:
    void loadView() override;

private:
    std::unique_ptr<ChangeInformationDialogViewController> dlgChangeInformation;
    std::unique_ptr<ChangeStyleDialogViewController> dlgChangeStyle;
    std::unique_ptr<PhotoSourceDialogViewController> dlgPhoto;
};
