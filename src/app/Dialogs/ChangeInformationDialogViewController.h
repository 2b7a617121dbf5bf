#pragma once

#include "Dialogs/DialogBase.h"
#include "PeoplePickerNavigationController.h"

#include "platform/TextField.h"

#include <memory>

namespace platform {
class Button;
}

// Edits the wallpaper's contact text and its line of other information, typed or taken from a
// phone number among the user's contacts.
class ChangeInformationDialogViewController final : public DialogBase,
                                                    public platform::TextFieldDelegate,
                                                    public PeoplePickerNavigationControllerDelegate {
public:
    explicit ChangeInformationDialogViewController(std::string nibName);
    ~ChangeInformationDialogViewController() override;

    // Fills both fields from the settings store.
    void viewWillAppear(bool animated) override;
    void contactButtonClick();

    bool textFieldShouldBeginEditing(platform::TextField& field) override;
    bool textFieldShouldReturn(platform::TextField& field) override;

    bool shouldContinueAfterSelectingPerson(PeoplePickerNavigationController& picker, const Contact& person) override;
    bool shouldContinueAfterSelectingPerson(PeoplePickerNavigationController& picker, const Contact& person,
                                            ContactValue::Kind property, std::size_t identifier) override;
    void peoplePickerNavigationControllerDidCancel(PeoplePickerNavigationController& picker) override;

    PeoplePickerNavigationController* peoplePicker() const { return peoplePicker_.get(); }

    // Outlets, connected by the interface description "ChangeInformationDialog"; held by the view tree.
    platform::TextField* editContactField = nullptr;
    platform::TextField* editInfoField = nullptr;
    platform::Button* backButton = nullptr;
    platform::Button* saveButton = nullptr;
    platform::Button* hideButton = nullptr;

protected:
    void loadView() override;

private:
    void setFrameButtonsHidden(bool hidden);

    // A new picker for every press; the last one is kept until the next press so that it is never
    // destroyed from inside one of its own callbacks or while it slides away.
    std::unique_ptr<PeoplePickerNavigationController> peoplePicker_;
};
