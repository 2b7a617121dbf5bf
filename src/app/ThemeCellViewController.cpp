#include "ThemeCellViewController.h"

#include "Interfaces/ContrastMark.h"
#include "Interfaces/ThemeCell.h"
#include "ThemeCellManager.h"

#include "platform/Button.h"
#include "platform/ImageView.h"
#include "platform/Label.h"
#include "platform/Translate.h"

ThemeCellViewController::ThemeCellViewController(std::string nibName) : ViewController(std::move(nibName)) {}

ThemeCellViewController::~ThemeCellViewController()
{
    if (alert_)
        alert_->removeFromSuperview();
}

void ThemeCellViewController::loadView()
{
    static_cast<ThemeCellOutlets&>(*this) = buildThemeCell(*this);
    setView(root);
}

void ThemeCellViewController::updateControls()
{
    // Built-in rows get their view only when the table first shows them.
    if (!isViewLoaded())
        return;
    themeName->setText(name);
    stripColor->setBackgroundColor(strip);
    bgColor->setBackgroundColor(bg);
    fontColor->setBackgroundColor(fnt);
    faintMark->setHidden(isReadable);
    actionButton->setEnabled(isUserTheme);
    // A disabled delete button lets the touch through to the row, which applies the style.
    actionButton->setUserInteractionEnabled(isUserTheme);
}

void ThemeCellViewController::setSelectionMarkShown(bool shown)
{
    if (isViewLoaded())
        selectionBar->setHidden(!shown);
}

void ThemeCellViewController::setRowIdentifier(const std::string& id)
{
    view();
    const std::pair<platform::View*, const char*> parts[] = {
        {themeName.get(), ".name"},
        {selectionBar.get(), ".mark"},
        {stripColor.get(), ".strip"},
        {bgColor.get(), ".background"},
        {fontColor.get(), ".font"},
        {faintMark.get(), ".faint"},
        {actionButton.get(), ".delete"},
    };
    for (auto [part, suffix] : parts)
        part->setIdentifier(id + suffix);
}

void ThemeCellViewController::actionButtonClicked()
{
    if (alert_)
        return;
    alert_ = std::make_shared<platform::AlertView>(
        platform::translate("ThemeCellViewController", "Delete Style"),
        platform::fillIn(platform::translate("ThemeCellViewController", "Are you sure you want to delete theme %1 ?"), {name}),
        this, platform::translate("ThemeCellViewController", "OK"),
        std::vector<std::string>{platform::translate("AlertView", "Cancel")});
    alert_->show();
}

void ThemeCellViewController::didDismissWithButtonIndex(platform::AlertView&, int buttonIndex)
{
    alert_.reset();
    if (buttonIndex != 0 || !_thmManager)
        return;
    // Deleting rebuilds the list, which destroys this row: take what the call needs first and touch
    // nothing of the row after it.
    ThemeCellManager* manager = _thmManager;
    std::string deletedName = name;
    manager->deleteTheme(deletedName);
}
