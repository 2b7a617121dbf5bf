#include "PeoplePickerNavigationController.h"

#include "Interfaces/PeoplePicker.h"

#include "platform/AlertView.h"
#include "platform/Application.h"
#include "platform/AtomicFile.h"
#include "platform/Label.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <string_view>

using namespace platform;

namespace {

constexpr double pageSlideDuration = 0.3;

// The key people are listed by: case and the accents of Latin letters ignored, so that "Émile" sorts
// among the E's rather than after "Zoë".
std::string sortKey(const std::string& name)
{
    // The base letters of U+00C0 to U+00FF; '*' and '/' stand for the two signs among them.
    static constexpr std::string_view latin1 = "aaaaaaaceeeeiiiidnooooo*ouuuuytsaaaaaaaceeeeiiiidnooooo/ouuuuyty";
    std::string key;
    key.reserve(name.size());
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        const auto next = i + 1 < name.size() ? static_cast<unsigned char>(name[i + 1]) : 0;
        if (c == 0xC3 && next >= 0x80 && next <= 0xBF) {
            key += latin1[next - 0x80];
            ++i;
        } else {
            key += char(std::tolower(c));
        }
    }
    return key;
}

// The whole file, or nothing when it cannot be read or is larger than `limit`.
std::optional<std::string> readSmallFile(const std::filesystem::path& path, std::uintmax_t limit, bool& tooLarge)
{
    tooLarge = false;
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec)
        return std::nullopt;
    if (size > limit) {
        tooLarge = true;
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad())
        return std::nullopt;
    return text;
}

} // namespace

PeoplePickerNavigationController::PeoplePickerNavigationController() = default;

PeoplePickerNavigationController::~PeoplePickerNavigationController() = default;

std::filesystem::path PeoplePickerNavigationController::contactsFilePath()
{
    return Application::shared().services().paths->documentsDirectory() / "contacts.vcf";
}

void PeoplePickerNavigationController::loadView() { setView(buildPeoplePicker(*this)); }

void PeoplePickerNavigationController::viewDidLoad() { loadContacts(); }

void PeoplePickerNavigationController::loadContacts()
{
    bool tooLarge = false;
    std::error_code ec;
    if (!std::filesystem::exists(contactsFilePath(), ec))
        return;
    if (auto text = readSmallFile(contactsFilePath(), maxImportBytes, tooLarge))
        setPeople(readVCards(*text));
    else
        Application::shared().log("Could not read the kept contacts: " + contactsFilePath().string());
}

void PeoplePickerNavigationController::setPeople(std::vector<Contact> people)
{
    std::stable_sort(people.begin(), people.end(), [](const Contact& a, const Contact& b) {
        return sortKey(a.displayName) < sortKey(b.displayName);
    });
    people_ = std::move(people);
    peopleTable->reloadData();
    emptyHint->setHidden(!people_.empty());
}

void PeoplePickerNavigationController::viewDidAppear(bool)
{
    std::error_code ec;
    if (offeredImport_ || std::filesystem::exists(contactsFilePath(), ec))
        return;
    offeredImport_ = true;
    importButtonClick();
}

void PeoplePickerNavigationController::importButtonClick()
{
    FileChooser* chooser = Application::shared().services().fileChooser;
    if (!chooser) {
        showFailure("This build cannot open files.");
        return;
    }
    std::weak_ptr<bool> alive = alive_;
    chooser->chooseFileToOpen("Import Contacts", {"*.vcf", "*.vcard"}, [this, alive](std::optional<std::string> path) {
        if (alive.lock())
            fileChosen(path);
    });
}

void PeoplePickerNavigationController::fileChosen(const std::optional<std::string>& path)
{
    if (!path)
        return;
    Application& app = Application::shared();
    const std::string name = std::filesystem::path(*path).filename().string();
    bool tooLarge = false;
    std::optional<std::string> text = readSmallFile(*path, maxImportBytes, tooLarge);
    if (!text) {
        app.log("Could not import contacts from " + *path);
        showFailure(tooLarge ? "\"" + name + "\" is too large to be a contacts file."
                             : "\"" + name + "\" could not be read.");
        return;
    }
    std::vector<Contact> imported = readVCards(*text);
    if (imported.empty()) {
        // The contacts kept so far stay: a wrong file must not wipe them.
        app.log("No contacts in " + *path);
        showFailure("No contacts were found in \"" + name + "\".");
        return;
    }
    std::string error;
    std::error_code ec;
    std::filesystem::create_directories(contactsFilePath().parent_path(), ec);
    if (!writeFileAtomically(contactsFilePath(), *text, error)) {
        app.log("Could not keep the contacts: " + error);
        showFailure("The contacts are shown, but could not be kept for next time: " + error);
    }
    showPerson(std::nullopt);
    setPeople(std::move(imported));
}

void PeoplePickerNavigationController::showFailure(const std::string& message)
{
    auto alert = std::make_shared<AlertView>("Import Failed", message, nullptr, "OK", std::vector<std::string>{});
    alert->show();
}

void PeoplePickerNavigationController::cancelButtonClick()
{
    if (delegate_)
        delegate_->peoplePickerNavigationControllerDidCancel(*this);
}

void PeoplePickerNavigationController::backButtonClick() { showPerson(std::nullopt); }

void PeoplePickerNavigationController::showPerson(std::optional<std::size_t> index)
{
    if (index == shown_)
        return;
    const float width = view()->frame().width();
    // Going back leaves the values in place while they slide away.
    shown_ = index;
    if (index) {
        const auto& values = people_[*index].values;
        valueRows_.clear();
        for (auto kind : {ContactValue::Kind::Phone, ContactValue::Kind::Email, ContactValue::Kind::Other})
            for (std::size_t i = 0; i < values.size(); ++i)
                if (values[i].kind == kind)
                    valueRows_.push_back(i);
        personTitle->setText(people_[*index].displayName);
        valuesTable->reloadData();
        valuesTable->setContentOffset(0);
    }
    auto& animator = Application::shared().animator();
    animator.beginAnimations("peoplePickerPage");
    animator.setAnimationDuration(pageSlideDuration);
    peoplePage->setFrame({index ? -width : 0, peoplePage->frame().y(), width, peoplePage->frame().height()});
    personPage->setFrame({index ? 0 : width, personPage->frame().y(), width, personPage->frame().height()});
    animator.commitAnimations();
}

int PeoplePickerNavigationController::numberOfRowsInSection(TableView& table, int)
{
    if (&table == peopleTable)
        return int(people_.size());
    return shown_ ? int(valueRows_.size()) : 0;
}

std::shared_ptr<View> PeoplePickerNavigationController::cellForRowAtIndexPath(TableView& table, IndexPath path)
{
    const auto row = std::size_t(path.row);
    if (&table == peopleTable)
        return buildPersonCell(people_.at(row), path.row);
    return buildValueCell(people_.at(*shown_).values.at(valueRows_.at(row)), path.row);
}

void PeoplePickerNavigationController::didSelectRowAtIndexPath(TableView& table, IndexPath path)
{
    table.deselectRowAtIndexPath(path, true);
    if (!delegate_ || path.row < 0)
        return;
    const auto row = std::size_t(path.row);
    if (&table == peopleTable) {
        if (row < people_.size() && delegate_->shouldContinueAfterSelectingPerson(*this, people_[row]))
            showPerson(row);
        return;
    }
    if (!shown_ || row >= valueRows_.size())
        return;
    const Contact& person = people_[*shown_];
    const std::size_t identifier = valueRows_[row];
    delegate_->shouldContinueAfterSelectingPerson(*this, person, person.values[identifier].kind, identifier);
}
