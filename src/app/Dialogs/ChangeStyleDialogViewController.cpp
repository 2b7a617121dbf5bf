#include "Dialogs/ChangeStyleDialogViewController.h"

#include "Dialogs/NewStyleDialogViewController.h"
#include "Dialogs/StyleLibraryDialogViewController.h"
#include "Interfaces/ChangeStyleDialog.h"
#include "DialogHost.h"
#include "SettingsKeys.h"
#include "StyleLibrary.h"

#include "platform/Application.h"
#include "platform/Label.h"
#include "platform/SettingsStore.h"
#include "platform/Translate.h"

ChangeStyleDialogViewController::ChangeStyleDialogViewController(std::string nibName, DialogHost& preview)
    : DialogBase(std::move(nibName), preview) {}

ChangeStyleDialogViewController::~ChangeStyleDialogViewController() = default;

void ChangeStyleDialogViewController::loadView()
{
    static_cast<ChangeStyleDialogOutlets&>(*this) = buildChangeStyleDialog(*this);
    setDialogFrame(frame);
}

StyleLibraryDialogViewController& ChangeStyleDialogViewController::styleLibrary()
{
    if (!dlgStyleLibrary)
        dlgStyleLibrary = std::make_unique<StyleLibraryDialogViewController>("StyleLibraryDialog", preview());
    return *dlgStyleLibrary;
}

void ChangeStyleDialogViewController::viewWillAppear(bool)
{
    auto& settings = platform::Application::shared().settings();
    std::string name = settings.stringForKey(keys::styleName).value_or("");
    bool modified = StyleLibrary(settings).isModified(name, preview().style());
    currentStyleLabel->setText(modified ? platform::fillIn(platform::translate("ChangeStyleDialogViewController", "%1 (modified)"), {name})
                                        : name);
}

void ChangeStyleDialogViewController::styleLibraryButtonClick() { preview().pushDialog(styleLibrary()); }

void ChangeStyleDialogViewController::newStyleButtonClick()
{
    if (!dlgNewStyle)
        dlgNewStyle = std::make_unique<NewStyleDialogViewController>("NewStyleDialog", preview());
    preview().pushDialog(*dlgNewStyle);
}
