#pragma once

#include "Dialogs/DialogBase.h"
#include "Interfaces/SaveStyleAsDialog.h"

#include "platform/TextField.h"

// Saves the current colours as a new user style under a typed or proposed name.
class SaveStyleAsDialogViewController final : public DialogBase, private SaveStyleAsDialogOutlets {
public:
    SaveStyleAsDialogViewController(std::string nibName, DialogHost& preview);
    ~SaveStyleAsDialogViewController() override;

    // Proposes a name on every appearance.
    void viewWillAppear(bool animated) override;
    void saveStyleButtonClick();
    void cancelButtonClick();

    bool shouldChangeCharactersInRange(platform::TextField& field, platform::TextRange range,
                                       const std::string& replacement) override;
    bool textFieldShouldClear(platform::TextField& field) override;

protected:
    void loadView() override;
};
