#include "Dialogs/SaveStyleAsDialogViewController.h"

#include "Dialogs/StyleLibraryDialogViewController.h"
#include "Interfaces/SaveStyleAsDialog.h"
#include "MainViewController.h"
#include "SettingsKeys.h"

#include "platform/Application.h"
#include "platform/Button.h"

#include <algorithm>

SaveStyleAsDialogViewController::SaveStyleAsDialogViewController(std::string nibName) : DialogBase(std::move(nibName)) {}

SaveStyleAsDialogViewController::~SaveStyleAsDialogViewController() = default;

void SaveStyleAsDialogViewController::loadView() { setView(buildSaveStyleAsDialog(*this)); }

void SaveStyleAsDialogViewController::viewWillAppear(bool)
{
    auto& app = platform::Application::shared();
    std::string proposal = app.settings().stringForKey(keys::lastStyleName).value_or("");
    // An empty stored name would offer saving a nameless style.
    if (proposal.empty())
        proposal = app.services().timeFormatter->formatLocalTime(app.services().clock->wallTime(), "yyyy_MM_dd_HHmmss");
    saveStyleAsButton->setHidden(false);
    editStyleName->setText(proposal);
    editStyleName->setClearButtonMode(platform::ClearButtonMode::WhileEditing);
    // The dialog may have left the stack while the name was being edited, with these still hidden.
    setFrameButtonsHidden(false);
}

void SaveStyleAsDialogViewController::saveStyleButtonClick()
{
    if (editStyleName->isEditing())
        editStyleName->resignFirstResponder();
    StyleLibraryDialogViewController store("StyleLibraryDialog");
    store.saveStyleToUserDefaults(editStyleName->text());
    preview().popDialog();
}

void SaveStyleAsDialogViewController::cancelButtonClick()
{
    // Typing must not go on into a field that has left the screen.
    editStyleName->resignFirstResponder();
    preview().popDialog();
}

void SaveStyleAsDialogViewController::setFrameButtonsHidden(bool hidden)
{
    for (platform::Button* b : {backButton, saveButton, hideButton})
        b->setHidden(hidden);
}

bool SaveStyleAsDialogViewController::textFieldShouldBeginEditing(platform::TextField&)
{
    preview().slideDialogUp(*this);
    setFrameButtonsHidden(true);
    return true;
}

bool SaveStyleAsDialogViewController::textFieldShouldReturn(platform::TextField& field)
{
    preview().slideDialogDown(*this);
    setFrameButtonsHidden(false);
    field.resignFirstResponder();
    return true;
}

bool SaveStyleAsDialogViewController::shouldChangeCharactersInRange(platform::TextField& field, platform::TextRange range,
                                                                   const std::string& replacement)
{
    std::string after = field.text();
    std::size_t at = std::min(range.location, after.size());
    after.replace(at, range.length, replacement);
    saveStyleAsButton->setHidden(after.empty());
    return true;
}

bool SaveStyleAsDialogViewController::textFieldShouldClear(platform::TextField&)
{
    saveStyleAsButton->setHidden(true);
    return true;
}
