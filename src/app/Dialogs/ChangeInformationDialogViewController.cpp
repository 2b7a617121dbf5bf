#include "Dialogs/ChangeInformationDialogViewController.h"

#include "Interfaces/ChangeInformationDialog.h"
#include "DialogHost.h"
#include "SettingsKeys.h"

#include "platform/Application.h"

ChangeInformationDialogViewController::ChangeInformationDialogViewController(std::string nibName, DialogHost& preview)
    : DialogBase(std::move(nibName), preview) {}

ChangeInformationDialogViewController::~ChangeInformationDialogViewController() = default;

void ChangeInformationDialogViewController::loadView()
{
    static_cast<ChangeInformationDialogOutlets&>(*this) = buildChangeInformationDialog(*this);
    setDialogFrame(frame);
}

void ChangeInformationDialogViewController::viewWillAppear(bool)
{
    auto& settings = platform::Application::shared().settings();
    editContactField->setText(settings.stringForKey(keys::phonePreference).value_or(""));
    editContactField->setClearButtonMode(platform::ClearButtonMode::WhileEditing);
    editInfoField->setText(settings.stringForKey(keys::otherPreference).value_or(""));
    editInfoField->setClearButtonMode(platform::ClearButtonMode::WhileEditing);
}

void ChangeInformationDialogViewController::textEntered(platform::TextField&)
{
    // Return in either field confirms both.
    auto& settings = platform::Application::shared().settings();
    settings.setObject(keys::phonePreference, editContactField->text());
    settings.setObject(keys::otherPreference, editInfoField->text());
    preview().viewWillAppear(false);
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
