#pragma once

#include "Dialogs/DialogBase.h"

class SaveStyleAsDialogViewController final : public DialogBase {
public:
    explicit SaveStyleAsDialogViewController(std::string nibName);
    ~SaveStyleAsDialogViewController() override;

protected:
    void loadView() override;
};
