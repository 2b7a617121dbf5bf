#include "support/FakeFileChooser.h"
#include "support/TestApp.h"

#include "MainViewController.h"
#include "PeoplePickerNavigationController.h"
#include "SettingsKeys.h"

#include "platform/AlertView.h"
#include "platform/Label.h"
#include "platform/TableView.h"
#include "platform/TextField.h"
#include "platform/Window.h"

#include <gtest/gtest.h>
#include <unicode/locid.h>

#include <fstream>
#include <iterator>

using testing_support::FakeFileChooser;
using testing_support::TempHome;
using testing_support::TestApp;

namespace {

// Two people: one with a formatted name, one with only a structured name; a number with an
// extension and odd spacing that must come back exactly as written.
const std::string kCards = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Zo\xC3\xAB Quinn\r\nN:Quinn;Zo\xC3\xAB;;;\r\n"
                           "TEL;TYPE=CELL:+44 20  7946-0958;ext=7\r\nEMAIL;TYPE=HOME:zoe@example.org\r\n"
                           "TEL;TYPE=WORK:(020) 7946 0000\r\nEND:VCARD\r\n"
                           "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Adams;Ann\r\nTEL;HOME:555-0100\r\nEND:VCARD\r\n";

std::string readAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct ContactsPicker : ::testing::Test {
    std::shared_ptr<TempHome> home = std::make_shared<TempHome>();
    std::unique_ptr<TestApp> t;
    FakeFileChooser chooser;

    void SetUp() override { start(); }
    void start()
    {
        t = std::make_unique<TestApp>(home);
        t->app().servicesForTesting().fileChooser = &chooser;
    }
    // Answers the file window with a file of these contents.
    void import(const std::string& name, const std::string& contents)
    {
        auto path = home->path() / name;
        std::ofstream(path, std::ios::binary) << contents;
        chooser.answer(path.string());
        t->settle();
    }
    // Opens the picker on the two people above, imported on the first open.
    void openPickerWithCards()
    {
        t->tapAndSettle("main.information");
        t->tapAndSettle("info.contacts");
        ASSERT_TRUE(chooser.isAsking());
        import("friends.vcf", kCards);
    }
    std::filesystem::path keptFile() { return home->documentsDir() / "contacts.vcf"; }
    PeoplePickerNavigationController* picker()
    {
        return dynamic_cast<PeoplePickerNavigationController*>(t->main().modalViewController());
    }
    std::vector<std::string> namesShown()
    {
        std::vector<std::string> names;
        for (const auto& c : picker()->people())
            names.push_back(c.displayName);
        return names;
    }
    std::optional<std::string> stored(const char* key) { return t->app().settings().stringForKey(key); }
    platform::AlertView* alert()
    {
        for (const auto& v : t->app().window().subviews())
            if (auto* a = dynamic_cast<platform::AlertView*>(v.get()))
                return a;
        return nullptr;
    }
};

const std::vector<std::string> kNames = {"Ann Adams", "Zo\xC3\xAB Quinn"};

} // namespace

TEST_F(ContactsPicker, FirstOpenAsksForAFileAndTheImportIsThereAfterARestart)
{
    t->tapAndSettle("main.information");
    t->tapAndSettle("info.contacts");
    ASSERT_NE(picker(), nullptr);
    EXPECT_TRUE(chooser.isAsking());
    EXPECT_EQ(chooser.lastPatterns.front(), "*.vcf");
    EXPECT_TRUE(t->findAll("picker.empty").at(0)->isEffectivelyVisible());

    import("friends.vcf", kCards);
    EXPECT_EQ(namesShown(), kNames);
    EXPECT_FALSE(t->findAll("picker.empty").at(0)->isEffectivelyVisible());
    EXPECT_TRUE(t->isReachable("picker.person.1"));
    EXPECT_EQ(readAll(keptFile()), kCards);

    t->tapAndSettle("picker.cancel");
    t.reset();
    start();
    t->tapAndSettle("main.information");
    t->tapAndSettle("info.contacts");
    EXPECT_EQ(chooser.asked, 1) << "kept contacts need no new import";
    EXPECT_EQ(namesShown(), kNames);
}

TEST_F(ContactsPicker, PickedNumberIsStoredAsWrittenAndShownAtOnce)
{
    openPickerWithCards();
    t->tapAndSettle("picker.person.1");
    ASSERT_NE(picker()->shownPerson(), nullptr);
    EXPECT_EQ(picker()->shownPerson()->displayName, "Zo\xC3\xAB Quinn");

    t->tap("picker.value.0");
    EXPECT_EQ(stored(keys::phonePreference), "+44 20  7946-0958;ext=7");
    EXPECT_EQ(stored(keys::otherPreference), "") << "only the contact is taken";
    EXPECT_EQ(t->view<platform::Label>("classic.contact").text(), "+44 20  7946-0958;ext=7");
    t->settle();
    EXPECT_EQ(picker(), nullptr);
    EXPECT_FALSE(t->isReachable("picker.people"));
    EXPECT_EQ(t->find<platform::TextField>("info.contact").text(), "+44 20  7946-0958;ext=7");
}

TEST_F(ContactsPicker, AnOtherValueKeepsThePickerOpenAndCancelLeavesWithNothingChanged)
{
    openPickerWithCards();
    const auto before = t->app().settings().all();
    t->tapAndSettle("picker.person.1");
    t->tapAndSettle("picker.value.2"); // the e-mail address, shown after the numbers
    EXPECT_NE(picker(), nullptr);
    EXPECT_TRUE(t->isReachable("picker.values"));
    EXPECT_EQ(t->app().settings().all(), before);

    t->tapAndSettle("picker.back");
    EXPECT_EQ(picker()->shownPerson(), nullptr);
    EXPECT_TRUE(t->isReachable("picker.people"));
    t->tapAndSettle("picker.person.0");
    t->tapAndSettle("picker.cancel");
    EXPECT_EQ(picker(), nullptr);
    EXPECT_EQ(t->app().settings().all(), before);
    EXPECT_EQ(t->find<platform::TextField>("info.contact").text(), "911");
    EXPECT_TRUE(t->isReachable("dialog.back"));
}

TEST_F(ContactsPicker, PickWhileEditingShowsTheFrameButtonsAndLeavesTheFieldEditing)
{
    t->tapAndSettle("main.information");
    t->tap("info.other");
    t->type("Thanks");
    t->settle();
    EXPECT_FALSE(t->isReachable("dialog.back"));
    t->tapAndSettle("info.contacts");
    import("friends.vcf", kCards);
    t->tapAndSettle("picker.person.0");
    t->tapAndSettle("picker.value.0");
    EXPECT_TRUE(t->isReachable("dialog.back") && t->isReachable("dialog.hide") && t->isReachable("dialog.save"));
    EXPECT_EQ(stored(keys::phonePreference), "555-0100");
    EXPECT_EQ(stored(keys::otherPreference), "") << "the information is confirmed only by a return";
    ASSERT_NE(t->editingField(), nullptr);
    t->pressReturn();
    EXPECT_EQ(stored(keys::phonePreference), "555-0100");
    EXPECT_EQ(stored(keys::otherPreference), "Thanks");
}

TEST_F(ContactsPicker, AFailedImportSaysSoAndKeepsTheContactsALaterOneReplacesThemSorted)
{
    openPickerWithCards();
    t->tapAndSettle("picker.import");
    chooser.answer(std::nullopt);
    t->settle();
    EXPECT_EQ(alert(), nullptr) << "a cancelled chooser is no failure";

    const std::pair<std::string, std::string> bad[] = {
        {"notes.vcf", "just some text\nwithout any card\n"},
        {"empty.vcf", ""},
        {"binary.vcf", std::string("\x89PNG\r\n\x1A\n\0\0\0", 11)},
    };
    for (const auto& [name, contents] : bad) {
        t->tapAndSettle("picker.import");
        import(name, contents);
        ASSERT_NE(alert(), nullptr) << name;
        EXPECT_NE(alert()->message().find(name), std::string::npos) << alert()->message();
        alert()->dismissWithClickedButtonIndex(0, false);
        t->settle();
        EXPECT_EQ(namesShown(), kNames);
        EXPECT_EQ(readAll(keptFile()), kCards);
    }
    t->tapAndSettle("picker.import");
    chooser.answer((home->path() / "missing.vcf").string());
    t->settle();
    ASSERT_NE(alert(), nullptr);
    EXPECT_TRUE(t->log.contains("missing.vcf"));
    alert()->dismissWithClickedButtonIndex(0, false);
    t->settle();

    // From a shown person, back to the list and a new import, sorted.
    t->tapAndSettle("picker.person.1");
    t->tapAndSettle("picker.back");
    t->tapAndSettle("picker.import");
    const std::string other = "BEGIN:VCARD\nVERSION:4.0\nFN:Zo\xC3\xAB\nTEL;VALUE=uri:tel:+1-555-0199\nEND:VCARD\n"
                              "BEGIN:VCARD\nVERSION:4.0\nFN:\xC3\x89mile\nEND:VCARD\n"
                              "BEGIN:VCARD\nVERSION:4.0\nFN:bo\nEND:VCARD\n";
    import("other.vcf", other);
    EXPECT_EQ(namesShown(), (std::vector<std::string>{"bo", "\xC3\x89mile", "Zo\xC3\xAB"}));
    EXPECT_TRUE(t->isReachable("picker.person.0"));
    EXPECT_EQ(readAll(keptFile()), other);
}

TEST_F(ContactsPicker, PeopleAreListedInTheOrderOfTheUsersLanguage)
{
    // ICU reads the user's locale from the environment once; the rows set it in its stead.
    const icu::Locale before = icu::Locale::getDefault();
    const struct {
        const char* locale;
        std::vector<std::string> names;
    } rows[] = {
        // The C locale chooses no language: the root order, not that of ASCII codes.
        {"en_US_POSIX", {"bo", "\xC3\x89mile", "\xC3\x96" "berg", "Zo\xC3\xAB"}},
        {"sv_SE", {"bo", "\xC3\x89mile", "Zo\xC3\xAB", "\xC3\x96" "berg"}},
    };
    std::string cards;
    for (const char* name : {"Zo\xC3\xAB", "\xC3\x96" "berg", "\xC3\x89mile", "bo"})
        cards += "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:" + std::string(name) + "\r\nEND:VCARD\r\n";
    t->tapAndSettle("main.information");
    t->tapAndSettle("info.contacts");
    for (const auto& row : rows) {
        UErrorCode status = U_ZERO_ERROR;
        icu::Locale::setDefault(icu::Locale(row.locale), status);
        t->tapAndSettle("picker.import");
        import("people.vcf", cards);
        EXPECT_EQ(namesShown(), row.names) << row.locale;
    }
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale::setDefault(before, status);
}

TEST_F(ContactsPicker, ALongListScrollsByDragAndWheel)
{
    std::string cards;
    for (int i = 10; i < 50; ++i)
        cards += "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:P" + std::to_string(i) + "\r\nTEL:1\r\nEND:VCARD\r\n";
    t->tapAndSettle("main.information");
    t->tapAndSettle("info.contacts");
    import("many.vcf", cards);
    auto& table = t->find<platform::TableView>("picker.people");
    EXPECT_FALSE(t->isReachable("picker.person.30"));

    t->wheel(t->centreOf("picker.people"), -2000); // rolled towards the user
    EXPECT_EQ(table.contentOffset(), table.maximumContentOffset());
    t->tapAndSettle("picker.person.39");
    EXPECT_EQ(picker()->shownPerson()->displayName, "P49");
    t->tapAndSettle("picker.back");

    platform::Point c = t->centreOf("picker.people");
    t->drag({c.x, c.y - 100}, {c.x, c.y + 200});
    EXPECT_LT(table.contentOffset(), table.maximumContentOffset());
    EXPECT_EQ(picker()->shownPerson(), nullptr) << "a drag is no tap";
}

TEST_F(ContactsPicker, RealExportPicksItsNumberExactlyAsStored)
{
    const std::filesystem::path file = TAVRIN_SOURCE_DIR "/../shared/vcards/John_Doe_IPHONE.vcf";
    if (!std::filesystem::exists(file))
        GTEST_SKIP() << "no sample export at " << file;
    t->tapAndSettle("main.information");
    t->tapAndSettle("info.contacts");
    chooser.answer(file.string());
    t->settle();
    ASSERT_EQ(namesShown().size(), 1u);
    t->tapAndSettle("picker.person.0");
    t->tap("picker.value.0");
    EXPECT_EQ(stored(keys::phonePreference), "905-555-1234");
}
