#include "Dialogs/PhoneDialogViewController.h"

#include "DialogHost.h"
#include "ScreenCatalogue.h"

#include "platform/Button.h"
#include "platform/TextField.h"

#include <algorithm>

namespace {

std::string lowered(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return out;
}

std::vector<std::string> words(std::string_view text)
{
    std::vector<std::string> out;
    std::string lower = lowered(text);
    std::size_t start = 0;
    while ((start = lower.find_first_not_of(' ', start)) != std::string::npos) {
        std::size_t end = std::min(lower.find(' ', start), lower.size());
        out.push_back(lower.substr(start, end - start));
        start = end;
    }
    return out;
}

bool matches(const Screen& screen, const std::vector<std::string>& wanted)
{
    const std::string fields[] = {lowered(screen.name), lowered(screen.maker), lowered(screen.id), lowered(screen.shownName())};
    return std::all_of(wanted.begin(), wanted.end(), [&](const std::string& word) {
        return std::any_of(std::begin(fields), std::end(fields),
                           [&](const std::string& field) { return field.find(word) != std::string::npos; });
    });
}

bool isCustom(const Screen& screen) { return screen.system == "custom"; }

} // namespace

PhoneDialogViewController::PhoneDialogViewController(std::string nibName, DialogHost& preview)
    : DialogBase(std::move(nibName), preview) {}

PhoneDialogViewController::~PhoneDialogViewController() = default;

void PhoneDialogViewController::loadView()
{
    const auto& regions = preview().screen().regions;
    const bool listsNotifications = std::any_of(regions.begin(), regions.end(), [](const CoveredRegion& region) {
        return region.kind == RegionKind::Notifications;
    });
    static_cast<PhoneDialogOutlets&>(*this) = buildPhoneDialog(*this, listsNotifications);
    setDialogFrame(frame);
}

void PhoneDialogViewController::viewWillAppear(bool)
{
    showMatches(searchField->text());
    if (notificationsToggle)
        notificationsToggle->setSelected(preview().isLockScreenShown() && preview().areNotificationsShown());
    // The current phone may be far down the list: it shows with a couple of its neighbours below it.
    const auto current = std::find_if(rows.begin(), rows.end(),
                                      [&](const Screen& screen) { return screen.id == preview().screen().id; });
    if (current != rows.end()) {
        const int row = int(current - rows.begin());
        phoneTable->scrollToRow(std::min(row + 2, int(rows.size()) - 1));
        phoneTable->scrollToRow(row);
    }
}

std::vector<Screen> PhoneDialogViewController::matching(std::string_view text, const Screen& current)
{
    const std::vector<std::string> wanted = words(text);
    std::vector<Screen> out;
    // One word only: "390x844@3", whatever the spaces around it and the case of its x.
    if (wanted.size() == 1) {
        if (auto custom = Screen::parseCustom(wanted.front()))
            out.push_back(*custom);
    }
    if (out.empty() && isCustom(current) && matches(current, wanted))
        out.push_back(current);
    for (const Screen& screen : ScreenCatalogue::builtIn().screens())
        if (matches(screen, wanted))
            out.push_back(screen);
    return out;
}

void PhoneDialogViewController::showMatches(std::string_view text)
{
    rows = matching(text, preview().screen());
    phoneTable->reloadData();
    phoneTable->setContentOffset(0);
}

bool PhoneDialogViewController::shouldChangeCharactersInRange(platform::TextField& field, platform::TextRange range,
                                                              const std::string& replacement)
{
    std::string text = field.text();
    text.replace(range.location, range.length, replacement);
    showMatches(text);
    return true;
}

bool PhoneDialogViewController::textFieldShouldClear(platform::TextField&)
{
    showMatches("");
    return true;
}

int PhoneDialogViewController::numberOfRowsInSection(platform::TableView&, int) { return int(rows.size()); }

std::shared_ptr<platform::View> PhoneDialogViewController::cellForRowAtIndexPath(platform::TableView& table,
                                                                                 platform::IndexPath path)
{
    if (path.row < 0 || path.row >= int(rows.size()))
        return nullptr;
    const Screen& screen = rows[std::size_t(path.row)];
    const std::string id = "phone.row." + (isCustom(screen) ? std::string("custom") : screen.id);
    return buildPhoneRow(screen, screen.id == preview().screen().id, {table.frame().width(), table.rowHeight()}, id);
}

void PhoneDialogViewController::didSelectRowAtIndexPath(platform::TableView& table, platform::IndexPath path)
{
    table.deselectRowAtIndexPath(path, false);
    if (path.row < 0 || path.row >= int(rows.size()))
        return;
    const Screen chosen = rows[std::size_t(path.row)];
    if (chosen.id == preview().screen().id) {
        searchField->resignFirstResponder();
        preview().popDialog();
        return;
    }
    // The whole screen, this dialog with it, is made anew for the phone once this touch is over.
    preview().chooseScreen(chosen);
}

void PhoneDialogViewController::notificationsButtonClick()
{
    const bool show = !notificationsToggle->isSelected();
    preview().setNotificationsShown(show);
    if (show)
        preview().setLockScreenShown(true);
    notificationsToggle->setSelected(show);
}
