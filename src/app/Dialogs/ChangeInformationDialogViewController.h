#pragma once

#include "Dialogs/DialogBase.h"

class ChangeInformationDialogViewController final : public DialogBase {
public:
    explicit ChangeInformationDialogViewController(std::string nibName);
    ~ChangeInformationDialogViewController() override;

protected:
    void loadView() override;
};
