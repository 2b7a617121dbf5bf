#pragma once

#include "Dialogs/DialogBase.h"

#include <memory>

// The main menu, the permanent bottom of the dialog stack.
class MainDialogViewController final : public DialogBase {
public:
    explicit MainDialogViewController(std::string nibName);
    ~MainDialogViewController() override;

    void changeInformationButtonClick();
    void changeStyleButtonClick();
    void photoButtonClick();
    void gruvoButtonClick();

protected:
    void loadView() override;
};
