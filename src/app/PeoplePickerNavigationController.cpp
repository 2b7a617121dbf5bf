#include "PeoplePickerNavigationController.h"

#include "Interfaces/PeoplePicker.h"

#include "platform/AlertView.h"
#include "platform/Application.h"
#include "platform/AtomicFile.h"
#include "platform/Label.h"
#include "platform/Translate.h"

#include <unicode/coll.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <numeric>
#include <string_view>

using namespace platform;

namespace {

constexpr double pageSlideDuration = 0.3;

// The keys that list people as the user's language orders names: compared bytewise, as std::string
// does, they give the collator's order.
std::vector<std::string> sortKeys(const std::vector<Contact>& people)
{
    // ICU calls the C and POSIX locales en_US_POSIX, whose order is that of ASCII codes: no language
    // was chosen, so the root order serves.
    const icu::Locale& user = icu::Locale::getDefault();
    const icu::Locale& locale = std::string_view(user.getVariant()) == "POSIX" ? icu::Locale::getRoot() : user;
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::Collator> collator(icu::Collator::createInstance(locale, status));
    std::vector<std::string> keys;
    keys.reserve(people.size());
    for (const Contact& person : people) {
        // Without collation data, the names' code point order.
        if (U_FAILURE(status)) {
            keys.push_back(person.displayName);
            continue;
        }
        const auto name = icu::UnicodeString::fromUTF8(person.displayName);
        std::string key(std::size_t(collator->getSortKey(name, nullptr, 0)), '\0');
        collator->getSortKey(name, reinterpret_cast<uint8_t*>(key.data()), int32_t(key.size()));
        keys.push_back(std::move(key));
    }
    return keys;
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

void PeoplePickerNavigationController::loadView()
{
    static_cast<PeoplePickerOutlets&>(*this) = buildPeoplePicker(*this);
    setView(root);
}

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
    const std::vector<std::string> keys = sortKeys(people);
    std::vector<std::size_t> order(people.size());
    std::iota(order.begin(), order.end(), std::size_t(0));
    // Stable, so that people whose names collate alike keep the file's order.
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
    people_.clear();
    people_.reserve(order.size());
    for (std::size_t i : order)
        people_.push_back(std::move(people[i]));
    peopleTable->reloadData();
    // Another list: the place reached in the one before means nothing in it.
    peopleTable->setContentOffset(0);
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
        showFailure(platform::translate("PeoplePickerNavigationController", "This build cannot open files."));
        return;
    }
    std::weak_ptr<bool> alive = alive_;
    chooser->chooseFileToOpen(platform::translate("PeoplePickerNavigationController", "Import Contacts"), {"*.vcf", "*.vcard"}, [this, alive](std::optional<std::string> path) {
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
        showFailure(platform::fillIn(
            tooLarge ? platform::translate("PeoplePickerNavigationController", "\"%1\" is too large to be a contacts file.")
                     : platform::translate("PeoplePickerNavigationController", "\"%1\" could not be read."),
            {name}));
        return;
    }
    std::vector<Contact> imported = readVCards(*text);
    if (imported.empty()) {
        // The contacts kept so far stay: a wrong file must not wipe them.
        app.log("No contacts in " + *path);
        showFailure(platform::fillIn(
            platform::translate("PeoplePickerNavigationController", "No contacts were found in \"%1\"."), {name}));
        return;
    }
    std::string error;
    std::error_code ec;
    std::filesystem::create_directories(contactsFilePath().parent_path(), ec);
    if (!writeFileAtomically(contactsFilePath(), *text, error)) {
        app.log("Could not keep the contacts: " + error);
        showFailure(platform::fillIn(platform::translate("PeoplePickerNavigationController",
                                                         "The contacts are shown, but could not be kept for next time: %1"),
                                     {error}));
    }
    showPerson(std::nullopt);
    setPeople(std::move(imported));
}

void PeoplePickerNavigationController::showFailure(const std::string& message)
{
    auto alert = std::make_shared<AlertView>(platform::translate("PeoplePickerNavigationController", "Import Failed"), message,
                                              nullptr, platform::translate("PeoplePickerNavigationController", "OK"), std::vector<std::string>{});
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
    platform::Animation slide(Application::shared().animator(), pageSlideDuration);
    peoplePage->setFrame({index ? -width : 0, peoplePage->frame().y(), width, peoplePage->frame().height()});
    personPage->setFrame({index ? 0 : width, personPage->frame().y(), width, personPage->frame().height()});
}

int PeoplePickerNavigationController::numberOfRowsInSection(TableView& table, int)
{
    if (&table == peopleTable.get())
        return int(people_.size());
    return shown_ ? int(valueRows_.size()) : 0;
}

std::shared_ptr<View> PeoplePickerNavigationController::cellForRowAtIndexPath(TableView& table, IndexPath path)
{
    const auto row = std::size_t(path.row);
    if (&table == peopleTable.get())
        return buildPersonCell(people_.at(row), path.row);
    return buildValueCell(people_.at(*shown_).values.at(valueRows_.at(row)), path.row);
}

void PeoplePickerNavigationController::didSelectRowAtIndexPath(TableView& table, IndexPath path)
{
    table.deselectRowAtIndexPath(path, true);
    if (!delegate_ || path.row < 0)
        return;
    const auto row = std::size_t(path.row);
    if (&table == peopleTable.get()) {
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
