#pragma once

#include "Dialogs/DialogBase.h"
#include "Interfaces/ChangeInformationDialog.h"
#include "PeoplePickerNavigationController.h"
#include "WallpaperStyle.h"

#include "platform/TextField.h"

#include <memory>

// Edits the wallpaper's contact text and its line of other information, typed or taken from a
// phone number among the user's contacts, and the scan code below the strips. The end of a field's editing stores both texts, but for
// Escape, which puts back the stored text of the field. The dialog says, as the user types, when the
// number is empty or a text is too long for the wallpaper to show whole.
class ChangeInformationDialogViewController final : public DialogBase,
                                                    public PeoplePickerNavigationControllerDelegate,
                                                    private ChangeInformationDialogOutlets {
public:
    ChangeInformationDialogViewController(std::string nibName, DialogHost& preview);
    ~ChangeInformationDialogViewController() override;

    // Fills both fields from the settings store.
    void viewWillAppear(bool animated) override;
    void contactButtonClick();
    // Stores the kind of scan code the wallpaper shows and shows it.
    void codeKindSelected(QrCodeKind kind);

    bool shouldContinueAfterSelectingPerson(PeoplePickerNavigationController& picker, const Contact& person) override;
    bool shouldContinueAfterSelectingPerson(PeoplePickerNavigationController& picker, const Contact& person,
                                            ContactValue::Kind property, std::size_t identifier) override;
    void peoplePickerNavigationControllerDidCancel(PeoplePickerNavigationController& picker) override;

    void textFieldDidEndEditing(platform::TextField& field) override;
    void textFieldDidCancelEditing(platform::TextField& field) override;
    void textFieldDidChange(platform::TextField& field) override;

    PeoplePickerNavigationController* peoplePicker() const { return peoplePicker_.get(); }

protected:
    void loadView() override;

private:
    void storeTexts();
    void selectCodeKind(QrCodeKind kind);
    void showWarnings();

    // A new picker for every press; the last one is kept until the next press so that it is never
    // destroyed from inside one of its own callbacks or while it slides away.
    std::unique_ptr<PeoplePickerNavigationController> peoplePicker_;
};
