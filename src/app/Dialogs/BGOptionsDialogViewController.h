#pragma once

#include "Dialogs/DialogBase.h"

class BGOptionsDialogViewController final : public DialogBase {
public:
    explicit BGOptionsDialogViewController(std::string nibName);
    ~BGOptionsDialogViewController() override;

protected:
    void loadView() override;
};
