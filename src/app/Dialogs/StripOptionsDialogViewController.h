#pragma once

#include "Dialogs/DialogBase.h"

class StripOptionsDialogViewController final : public DialogBase {
public:
    explicit StripOptionsDialogViewController(std::string nibName);
    ~StripOptionsDialogViewController() override;

protected:
    void loadView() override;
};
