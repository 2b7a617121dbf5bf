#include "Dialogs/ChangeInformationDialogViewController.h"

#include "Interfaces/ChangeInformationDialog.h"
#include "DialogHost.h"
#include "SettingsKeys.h"

#include "WallpaperCode.h"
#include "WallpaperLayout.h"

#include "platform/Application.h"
#include "platform/Button.h"
#include "platform/Label.h"
#include "platform/Translate.h"

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
    editCodeUrlField->setText(settings.stringForKey(keys::qrUrl).value_or(""));
    editCodeUrlField->setClearButtonMode(platform::ClearButtonMode::WhileEditing);
    selectCodeKind(preview().style().qrCode);
    showWarnings();
}

void ChangeInformationDialogViewController::textFieldDidEndEditing(platform::TextField& field)
{
    DialogBase::textFieldDidEndEditing(field);
    storeTexts();
}

void ChangeInformationDialogViewController::textFieldDidCancelEditing(platform::TextField& field)
{
    const char* key = &field == editContactField.get() ? keys::phonePreference
                      : &field == editInfoField.get()  ? keys::otherPreference
                                                       : keys::qrUrl;
    field.setText(platform::Application::shared().settings().stringForKey(key).value_or(""));
    showWarnings();
}

void ChangeInformationDialogViewController::textFieldDidChange(platform::TextField&) { showWarnings(); }

void ChangeInformationDialogViewController::storeTexts()
{
    // Both texts, each only when it changed: an unchanged one leaves the settings file alone.
    auto& settings = platform::Application::shared().settings();
    bool changed = false;
    for (auto [key, field] : {std::pair{keys::phonePreference, editContactField.get()}, std::pair{keys::otherPreference, editInfoField.get()},
                              std::pair{keys::qrUrl, editCodeUrlField.get()}}) {
        // An address that is not https is never stored: the warning says why.
        if (field == editCodeUrlField.get() && !field->text().empty() && !WallpaperCode::isAllowedUrl(field->text()))
            continue;
        if (settings.stringForKey(key).value_or("") != field->text()) {
            settings.setObject(key, field->text());
            changed = true;
        }
    }
    if (changed)
        preview().viewWillAppear(false);
}

void ChangeInformationDialogViewController::showWarnings()
{
    const std::string& phone = editContactField->text();
    const std::string& information = editInfoField->text();
    const StripLayout strips = preview().style().layout;
    const WallpaperLayout layout(preview().screen());
    auto* renderer = platform::Application::shared().services().renderer;
    auto shortened = [&](std::optional<WallpaperLayout::Part> part, const std::string& text) {
        return renderer && part && !text.empty() &&
               !renderer->showsWholeText(layout.frameOf(*part), text, layout.letteringStyleOf(*part));
    };
    std::string text;
    if (phone.empty())
        text = platform::translate("ChangeInformationDialogViewController", "No number: whoever finds the phone cannot call you. ");
    else if (shortened(WallpaperLayout::contactPartOf(strips), strips == StripLayout::Split ? "TAVRIN: " + phone : phone))
        text = platform::translate("ChangeInformationDialogViewController", "The number is too long: the wallpaper shortens it. ");
    if (shortened(WallpaperLayout::infoPartOf(strips), information))
        text += platform::translate("ChangeInformationDialogViewController", "The information is too long: the wallpaper shortens it. ");
    // The code as the wallpaper would show it with the texts as typed.
    WallpaperStyle typed = preview().style();
    typed.contact = phone;
    typed.information = information;
    typed.qrUrl = editCodeUrlField->text();
    WallpaperCode code = WallpaperCode::of(typed);
    code.placeOn(layout, typed);
    if (!code.problem().empty())
        text += platform::fillIn(platform::translate("ChangeInformationDialogViewController", "Scan code: %1."), {code.problem()});
    warningLabel->setText(text);
}

void ChangeInformationDialogViewController::codeKindSelected(QrCodeKind kind)
{
    selectCodeKind(kind);
    platform::Application::shared().settings().setObject(keys::qrCode, formatQrCodeKind(kind));
    preview().viewWillAppear(false);
    showWarnings();
}

void ChangeInformationDialogViewController::selectCodeKind(QrCodeKind kind)
{
    codeNoneButton->setSelected(kind == QrCodeKind::None);
    codeCallButton->setSelected(kind == QrCodeKind::Tel);
    codeAddressButton->setSelected(kind == QrCodeKind::Url);
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
        showWarnings();
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
