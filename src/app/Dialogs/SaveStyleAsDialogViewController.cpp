#include "Dialogs/SaveStyleAsDialogViewController.h"

#include "Interfaces/SaveStyleAsDialog.h"
#include "DialogHost.h"
#include "SettingsKeys.h"
#include "StyleLibrary.h"

#include "platform/Application.h"
#include "platform/Button.h"

#include <algorithm>

SaveStyleAsDialogViewController::SaveStyleAsDialogViewController(std::string nibName, DialogHost& preview)
    : DialogBase(std::move(nibName), preview) {}

SaveStyleAsDialogViewController::~SaveStyleAsDialogViewController() = default;

void SaveStyleAsDialogViewController::loadView()
{
    static_cast<SaveStyleAsDialogOutlets&>(*this) = buildSaveStyleAsDialog(*this);
    setDialogFrame(frame);
}

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
}

void SaveStyleAsDialogViewController::saveStyleButtonClick()
{
    if (editStyleName->isEditing())
        editStyleName->resignFirstResponder();
    const std::string name = editStyleName->text();
    StyleLibrary(platform::Application::shared().settings()).save(name, preview().style());
    preview().setSelectedStyleName(name); // already stored: the main screen's model follows
    preview().popDialog();
}

void SaveStyleAsDialogViewController::cancelButtonClick() { preview().popDialog(); }

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
