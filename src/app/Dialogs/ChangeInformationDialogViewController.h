#pragma once

#include "Dialogs/DialogBase.h"
#include "Interfaces/ChangeInformationDialog.h"
#include "PeoplePickerNavigationController.h"

#include "platform/TextField.h"

#include <memory>

// Edits the wallpaper's contact text and its line of other information, typed or taken from a
// phone number among the user's contacts.
class ChangeInformationDialogViewController final : public DialogBase,
                                                    public PeoplePickerNavigationControllerDelegate,
                                                    private ChangeInformationDialogOutlets {
public:
    ChangeInformationDialogViewController(std::string nibName, DialogHost& preview);
    ~ChangeInformationDialogViewController() override;

    // Fills both fields from the settings store.
    void viewWillAppear(bool animated) override;
    void contactButtonClick();

    bool shouldContinueAfterSelectingPerson(PeoplePickerNavigationController& picker, const Contact& person) override;
    bool shouldContinueAfterSelectingPerson(PeoplePickerNavigationController& picker, const Contact& person,
                                            ContactValue::Kind property, std::size_t identifier) override;
    void peoplePickerNavigationControllerDidCancel(PeoplePickerNavigationController& picker) override;

    PeoplePickerNavigationController* peoplePicker() const { return peoplePicker_.get(); }

protected:
    void loadView() override;
    void textEntered(platform::TextField& field) override;

private:
    // A new picker for every press; the last one is kept until the next press so that it is never
    // destroyed from inside one of its own callbacks or while it slides away.
    std::unique_ptr<PeoplePickerNavigationController> peoplePicker_;
};
