#include "Dialogs/ChangeInformationDialogViewController.h"

#include "Interfaces/ChangeInformationDialog.h"
#include "MainViewController.h"
#include "SettingsKeys.h"

#include "platform/Application.h"
#include "platform/Button.h"

ChangeInformationDialogViewController::ChangeInformationDialogViewController(std::string nibName) : DialogBase(std::move(nibName)) {}

ChangeInformationDialogViewController::~ChangeInformationDialogViewController() = default;

void ChangeInformationDialogViewController::loadView() { setView(buildChangeInformationDialog(*this)); }

void ChangeInformationDialogViewController::viewWillAppear(bool)
{
    // Back again after leaving the stack with a field still being edited (possible once a picked
    // number has shown the frame buttons): typing must not go on into the text about to be replaced.
    for (platform::TextField* field : {editContactField, editInfoField})
        if (field->isEditing())
            field->resignFirstResponder();
    setFrameButtonsHidden(false);

    auto& settings = platform::Application::shared().settings();
    editContactField->setText(settings.stringForKey(keys::phonePreference).value_or(""));
    editContactField->setClearButtonMode(platform::ClearButtonMode::WhileEditing);
    editInfoField->setText(settings.stringForKey(keys::otherPreference).value_or(""));
    editInfoField->setClearButtonMode(platform::ClearButtonMode::WhileEditing);
}

void ChangeInformationDialogViewController::setFrameButtonsHidden(bool hidden)
{
    for (platform::Button* b : {backButton, saveButton, hideButton})
        b->setHidden(hidden);
}

bool ChangeInformationDialogViewController::textFieldShouldBeginEditing(platform::TextField&)
{
    preview().slideDialogUp(*this);
    setFrameButtonsHidden(true);
    return true;
}

bool ChangeInformationDialogViewController::textFieldShouldReturn(platform::TextField& field)
{
    preview().slideDialogDown(*this);
    field.resignFirstResponder();
    setFrameButtonsHidden(false);
    auto& settings = platform::Application::shared().settings();
    settings.setObject(keys::phonePreference, editContactField->text());
    settings.setObject(keys::otherPreference, editInfoField->text());
    preview().viewWillAppear(false);
    return true;
}

void ChangeInformationDialogViewController::contactButtonClick()
{
    peoplePicker_ = std::make_unique<PeoplePickerNavigationController>();
    peoplePicker_->setPeoplePickerDelegate(this);
    preview().presentModalViewController(*peoplePicker_, true);
}

bool ChangeInformationDialogViewController::shouldContinueAfterSelectingPerson(PeoplePickerNavigationController&,
                                                                               const Contact&)
{
    return true;
}

bool ChangeInformationDialogViewController::shouldContinueAfterSelectingPerson(PeoplePickerNavigationController&,
                                                                               const Contact& person,
                                                                               ContactValue::Kind property,
                                                                               std::size_t identifier)
{
    if (property == ContactValue::Kind::Phone && identifier < person.values.size()
        && person.values[identifier].kind == ContactValue::Kind::Phone) {
        preview().dismissModalViewControllerAnimated(true);
        editContactField->setText(person.values[identifier].value);
        platform::Application::shared().settings().setObject(keys::phonePreference, editContactField->text());
        preview().viewWillAppear(false);
    }
    setFrameButtonsHidden(false);
    return false;
}

void ChangeInformationDialogViewController::peoplePickerNavigationControllerDidCancel(PeoplePickerNavigationController&)
{
    preview().dismissModalViewControllerAnimated(true);
}
