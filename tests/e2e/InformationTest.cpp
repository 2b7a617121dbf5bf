// The information dialog, and the contacts picker that can fill in its number.
#include "support/Files.h"

#include "Dialogs/DialogBase.h"
#include "MainViewController.h"
#include "PeoplePickerNavigationController.h"
#include "SettingsKeys.h"

#include "platform/AlertView.h"
#include "platform/Button.h"
#include "platform/Label.h"
#include "platform/TableView.h"
#include "platform/Window.h"

#include <QImage>

#include <gtest/gtest.h>
#include <unicode/locid.h>

using namespace testing_support;
using platform::Key;
using platform::Label;
using platform::TextField;
using platform::View;

namespace {

// Two people: one with a formatted name, one with only a structured name; a number with an
// extension and odd spacing that must come back exactly as written.
const std::string kCards = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Zo\xC3\xAB Quinn\r\nN:Quinn;Zo\xC3\xAB;;;\r\n"
                           "TEL;TYPE=CELL:+44 20  7946-0958;ext=7\r\nEMAIL;TYPE=HOME:zoe@example.org\r\n"
                           "TEL;TYPE=WORK:(020) 7946 0000\r\nEND:VCARD\r\n"
                           "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Adams;Ann\r\nTEL;HOME:555-0100\r\nEND:VCARD\r\n";
const std::vector<std::string> kNames = {"Ann Adams", "Zo\xC3\xAB Quinn"};

// One card a name, each with a number.
std::string cardsNamed(const std::vector<std::string>& names)
{
    std::string cards;
    for (const auto& name : names)
        cards += "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:" + name + "\r\nTEL:1\r\nEND:VCARD\r\n";
    return cards;
}

struct Information : ::testing::Test {
    std::shared_ptr<TempHome> home = std::make_shared<TempHome>();
    std::unique_ptr<TestApp> t = std::make_unique<TestApp>(home);

    TextField& field(const char* id) { return t->find<TextField>(id); }
    std::optional<std::string> stored(const char* key) { return t->app().settings().stringForKey(key); }
    // The stored texts, and what the wallpaper shows of them.
    void expectStoredAndShown(const std::string& phone, const std::string& info)
    {
        EXPECT_EQ(stored(keys::phonePreference), phone);
        EXPECT_EQ(stored(keys::otherPreference), info);
        EXPECT_EQ(t->view<Label>("classic.contact").text(), phone);
        EXPECT_EQ(t->view<Label>("split.info").text(), info);
    }
    void import(const std::string& name, const std::string& contents)
    {
        writeFile(home->path() / name, contents);
        t->choose((home->path() / name).string());
    }
    // From the main menu to the picker, on these contacts imported at its first open.
    void openPicker(const std::string& cards = kCards)
    {
        t->tapAndSettle({"main.information", "info.contacts"});
        import("friends.vcf", cards);
    }
    std::string kept() { return readFile(home->documentsDir() / "contacts.vcf"); }
    auto* picker() { return dynamic_cast<PeoplePickerNavigationController*>(t->main().modalViewController()); }
    std::vector<std::string> namesShown()
    {
        std::vector<std::string> names;
        for (const auto& c : picker()->people())
            names.push_back(c.displayName);
        return names;
    }
    auto* alert() { return dynamic_cast<platform::AlertView*>(t->app().window().findByIdentifier("alert")); }
};
struct ContactsPicker : Information {};

} // namespace

TEST_F(Information, EachOpeningShowsTheTextsStoredThen)
{
    t->tapAndSettle({"main.information", "dialog.back"});
    t->app().settings().setObject(keys::phonePreference, "+1 555 0100");
    t->app().settings().setObject(keys::otherPreference, "Reward!");
    t->tapAndSettle("main.information");
    EXPECT_EQ(field("info.contact").text(), "+1 555 0100");
    EXPECT_EQ(field("info.other").text(), "Reward!");
}

TEST_F(Information, ReturnInEitherFieldStoresBothAndRedrawsTheWallpaper)
{
    t->tapAndSettle({"main.information", "info.contact"});
    t->type(" 112");
    t->tapAndSettle("info.other");
    t->type("Call me");
    t->pressReturn();
    expectStoredAndShown("911 112", "Call me");

    // And the other way round: a return in the contact field stores the information too, as typed.
    t->tap("info.other");
    t->type("  ");
    t->tap("info.contact");
    for (int i = 0; i < 8; ++i)
        t->backspace();
    t->pressReturn();
    expectStoredAndShown("", "Call me  ");
}

TEST_F(Information, EscapePutsBackTheStoredTextTabMovesOnAndATouchElsewhereStoresBoth)
{
    t->tapAndSettle({"main.information", "info.contact"});
    t->type("5");
    t->press(Key::Escape);
    EXPECT_EQ(t->editingField(), nullptr);
    EXPECT_EQ(field("info.contact").text(), "911");
    EXPECT_EQ(stored(keys::phonePreference), "911");

    t->tapAndSettle("info.contact");
    t->press(Key::SelectAll);
    t->type("0123456789");
    t->press(Key::Tab);
    EXPECT_EQ(t->editingField(), &field("info.other"));
    t->press(Key::BackTab);
    EXPECT_EQ(t->editingField(), &field("info.contact"));
    t->press(Key::BackTab); // round to the last field, the scan code's address
    EXPECT_EQ(t->editingField(), &field("info.codeUrl"));
    t->press(Key::BackTab);
    t->type("Reward");
    t->press(Key::SelectAll);
    t->press(Key::Backspace);
    t->type("Thanks");
    t->tapAt({160, 470}); // the wallpaper, below the dialog
    t->settle();
    EXPECT_EQ(t->editingField(), nullptr);
    EXPECT_EQ(t->frameButtonsShown(), 3);
    expectStoredAndShown("0123456789", "Thanks");
}

TEST_F(Information, WhileAnAlertShowsEveryKeyIsItsOwnAndTheFieldBehindKeepsItsText)
{
    t->tapAndSettle({"main.information", "info.contact"});
    auto shown = std::make_shared<platform::AlertView>("Import Failed", "No card.", nullptr, "OK", std::vector<std::string>{});
    shown->show();
    t->type("5");
    for (Key key : {Key::Backspace, Key::SelectAll, Key::Tab, Key::Left, Key::End})
        t->press(key);
    t->type("7");
    EXPECT_EQ(alert(), shown.get());
    t->pressReturn();
    EXPECT_EQ(alert(), nullptr) << "Return is the alert's";
    EXPECT_EQ(t->editingField(), &field("info.contact"));
    EXPECT_EQ(stored(keys::phonePreference), "911");
    t->type("5");
    EXPECT_EQ(field("info.contact").text(), "9115");
}

TEST_F(Information, TheFieldScrollsSoThatEachTypedDigitShows)
{
    t->tapAndSettle({"main.information", "info.contact"});
    t->press(Key::SelectAll);
    t->press(Key::Backspace);
    View& contact = t->view("info.contact");
    auto picture = [&] {
        const platform::Point at = contact.convertToWindow({0, 0});
        return t->screenshot().copy(int(at.x), int(at.y), int(contact.frame().width()), int(contact.frame().height()));
    };
    QImage before = picture();
    for (char digit : std::string("1234567890123456")) {
        t->type(std::string(1, digit));
        const QImage now = picture();
        EXPECT_NE(now, before) << "digit " << digit << " of a long number does not show";
        before = now;
    }
}

// Where the next letter typed appears: after Latin, before Arabic (on its left), at a Hebrew text's
// start (its right end), and inside a Hebrew run of a left-to-right line, one letter from its right.
TEST_F(Information, TheCaretStandsWhereTheNextLetterGoesWhicheverWayTheTextRuns)
{
    const struct {
        std::string text;
        int rights; // after Home; none leaves the caret at the end
        float from, to; // where it stands, as a fraction of the text's width from its left
    } rows[] = {
        {"Thanks", -1, 0.95f, 1.15f},
        {"\xD8\xB4\xD9\x83\xD8\xB1\xD8\xA7", -1, -0.1f, 0.05f},                     // شكرا
        {"\xD7\xAA\xD7\x95\xD7\x93\xD7\x94", 0, 0.95f, 1.15f},                       // תודה
        {"A \xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D", 3, 0.75f, 0.97f}, // A שלוםשלום
    };
    t->tapAndSettle({"main.information", "info.other"});
    const View& other = t->view("info.other");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        t->press(Key::SelectAll);
        t->press(Key::Backspace);
        t->type(row.text);
        if (row.rights >= 0)
            t->press(Key::Home);
        for (int i = 0; i < row.rights; ++i)
            t->press(Key::Right);
        // Across the field's middle, at two pixels a point, inside its border: the caret's blue and the text's ink.
        const QImage shot = t->screenshot(2);
        const platform::Point at = other.convertToWindow({0, other.frame().height() / 2});
        int caretLeft = shot.width(), caretRight = -1, left = shot.width(), right = -1;
        for (int x = int(at.x) * 2 + 8; x < int(at.x + other.frame().width()) * 2 - 8; ++x)
            for (int dy = -12; dy <= 12; ++dy) {
                const QColor c = shot.pixelColor(x, int(at.y) * 2 + dy);
                if (c.blue() > 200 && c.red() < 100)
                    caretLeft = std::min(caretLeft, x), caretRight = std::max(caretRight, x);
                else if (c.red() < 110 && c.blue() < 110)
                    left = std::min(left, x), right = std::max(right, x);
            }
        ASSERT_GT(caretRight, 0);
        ASSERT_GT(right, left);
        const float fraction = float(caretLeft + caretRight - 2 * left) / float(2 * (right - left));
        EXPECT_GE(fraction, row.from);
        EXPECT_LE(fraction, row.to);
    }
}

// As typed, before anything is stored: an empty number, and texts the wallpaper would shorten. A
// line of 61 characters breaks onto two lines and shows whole.
TEST_F(Information, TheDialogSaysWhenTheNumberIsEmptyOrATextIsTooLongForTheWallpaper)
{
    const struct {
        const char* layout;
        std::string phone, other, warning;
    } rows[] = {
        {"classic", "+1 555 0100", "If found please call or e-mail jonathan.appleseed@example.com", ""},
        {"classic", "", "Reward", "No number"},
        {"classic", "1234567890123456789012345", "", ""}, // on two lines
        {"classic", std::string(40, '7'), "", "The number is too long"},
        {"split", "1234567890123456789012345", "", "The number is too long"},
        {"split", "911", std::string(40, 'W') + " " + std::string(40, 'W'), "The information is too long"},
        {"none", "1234567890123456789012345", "", ""},
    };
    t->tapAndSettle("main.information");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.layout + (" " + row.phone + " " + row.other));
        t->app().settings().setObject(keys::stripLayout, std::string(row.layout));
        t->main().viewWillAppear(false);
        for (const auto& [id, text] : {std::pair{"info.contact", row.phone}, std::pair{"info.other", row.other}}) {
            t->tapAndSettle(id);
            t->press(Key::SelectAll);
            t->press(Key::Backspace);
            t->type(text);
        }
        const std::string warning = t->view<Label>("info.warning").text();
        if (row.warning.empty())
            EXPECT_EQ(warning, "");
        else
            EXPECT_NE(warning.find(row.warning), std::string::npos) << warning;
        t->press(Key::Return);
    }
}

// The scan code is chosen here: stored, shown below the strips at once, and what keeps it away said
// as the texts are typed; an address that is not https is never stored.
TEST_F(Information, TheScanCodeIsChosenHereAndWhatKeepsItAwayIsSaid)
{
    t->tapAndSettle({"main.information", "info.code.tel"});
    EXPECT_EQ(stored(keys::qrCode), "tel");
    EXPECT_TRUE(t->view<platform::Button>("info.code.tel").isSelected());
    EXPECT_FALSE(t->view("wallpaper.code").isHidden());
    EXPECT_EQ(t->main().shownCodeText(), "tel:911");

    auto retype = [&](const char* id, const std::string& text) {
        t->tapAndSettle(id);
        t->press(Key::SelectAll);
        t->press(Key::Backspace);
        t->type(text);
    };
    retype("info.contact", "ask at the desk");
    EXPECT_NE(t->view<Label>("info.warning").text().find("no number to dial"), std::string::npos);
    t->press(Key::Return);
    EXPECT_TRUE(t->view("wallpaper.code").isHidden());

    t->tapAndSettle("info.code.url");
    retype("info.codeUrl", "http://example.com/found");
    EXPECT_NE(t->view<Label>("info.warning").text().find("https://"), std::string::npos);
    t->press(Key::Return);
    EXPECT_EQ(stored(keys::qrUrl), std::nullopt);
    retype("info.codeUrl", "https://example.com/found");
    t->press(Key::Return);
    EXPECT_EQ(stored(keys::qrUrl), "https://example.com/found");
    EXPECT_EQ(t->main().shownCodeText(), "https://example.com/found");

    t->tapAndSettle("info.code.none");
    EXPECT_EQ(stored(keys::qrCode), "none");
    EXPECT_TRUE(t->view("wallpaper.code").isHidden());
    EXPECT_EQ(t->view<Label>("info.warning").text(), "");
}

// The editing both text dialogs share: the dialog slides up out of the way with its frame buttons
// hidden; Return brings both back and keeps the text.
TEST(TextDialogs, EditingSlidesUpAndHidesTheFrameButtonsReturnRestoresThemAndKeepsTheText)
{
    const struct {
        const char* id;
        std::initializer_list<const char*> opening;
    } rows[] = {{"info.contact", {"main.information"}}, {"saveStyle.name", {"main.style", "style.new", "newstyle.saveas"}}};
    for (const auto& [id, opening] : rows) {
        SCOPED_TRACE(id);
        TestApp t;
        t.tapAndSettle(opening);
        platform::View& dialog = *t.main().CurrentDialog()->view();
        TextField& field = t.find<TextField>(id);
        const std::string before = field.text();
        const float top = dialog.frame().y();
        EXPECT_EQ(t.frameButtonsShown(), 3);

        t.tapAndSettle(id);
        EXPECT_EQ(dialog.frame().y(), 20);
        EXPECT_EQ(t.frameButtonsShown(), 0);

        t.type("x");
        t.pressReturn();
        t.settle();
        EXPECT_EQ(t.editingField(), nullptr);
        EXPECT_EQ(dialog.frame().y(), top);
        EXPECT_EQ(t.frameButtonsShown(), 3);
        EXPECT_EQ(field.text(), before + "x");
    }
}

TEST_F(ContactsPicker, FirstOpenAsksForAFileAndTheImportIsKeptForLaterStarts)
{
    t->tapAndSettle({"main.information", "info.contacts"});
    ASSERT_NE(picker(), nullptr);
    EXPECT_EQ(t->chooser.lastPatterns.front(), "*.vcf");
    EXPECT_TRUE(t->view("picker.empty").isEffectivelyVisible());
    import("friends.vcf", kCards);
    EXPECT_EQ(namesShown(), kNames);
    EXPECT_FALSE(t->view("picker.empty").isEffectivelyVisible());
    EXPECT_EQ(kept(), kCards);

    t.reset();
    t = std::make_unique<TestApp>(home);
    t->tapAndSettle({"main.information", "info.contacts"});
    EXPECT_FALSE(t->chooser.isAsking()) << "kept contacts need no new import";
    EXPECT_EQ(namesShown(), kNames);
}

TEST_F(ContactsPicker, APickedNumberIsStoredAsWrittenAndShownAtOnce)
{
    openPicker();
    t->tapAndSettle("picker.person.1");
    t->tap("picker.value.0");
    EXPECT_EQ(stored(keys::phonePreference), "+44 20  7946-0958;ext=7");
    EXPECT_EQ(stored(keys::otherPreference), "") << "only the contact is taken";
    EXPECT_EQ(t->view<Label>("classic.contact").text(), "+44 20  7946-0958;ext=7");
    t->settle();
    EXPECT_EQ(picker(), nullptr);
    EXPECT_EQ(field("info.contact").text(), "+44 20  7946-0958;ext=7");
}

TEST_F(ContactsPicker, AnotherValueKeepsThePickerOpenAndCancelLeavesWithNothingChanged)
{
    openPicker();
    const auto before = t->app().settings().all();
    t->tapAndSettle({"picker.person.1", "picker.value.2"}); // the e-mail address, shown after the numbers
    t->tapAndSettle({"picker.back", "picker.person.0", "picker.cancel"});
    EXPECT_EQ(picker(), nullptr);
    EXPECT_EQ(t->app().settings().all(), before);
    EXPECT_EQ(field("info.contact").text(), "911");
}

TEST_F(ContactsPicker, ATouchOnContactsWhileEditingEndsTheEditingKeepingTheTextThenThePickStoresTheNumber)
{
    t->tapAndSettle({"main.information", "info.other"});
    t->type("Thanks");
    t->tapAndSettle("info.contacts");
    EXPECT_EQ(t->editingField(), nullptr);
    EXPECT_EQ(stored(keys::otherPreference), "Thanks");
    import("friends.vcf", kCards);
    t->tapAndSettle({"picker.person.0", "picker.value.0"});
    EXPECT_EQ(t->frameButtonsShown(), 3);
    expectStoredAndShown("555-0100", "Thanks");
}

TEST_F(ContactsPicker, AFailedImportSaysSoAndKeepsTheContactsALaterOneReplacesThem)
{
    openPicker();
    t->tapAndSettle("picker.import");
    t->choose(std::nullopt);
    EXPECT_EQ(alert(), nullptr) << "a cancelled chooser is no failure";

    // A file that holds no card, and one that cannot be read.
    const std::pair<std::string, std::optional<std::string>> bad[] = {{"notes.vcf", "no card\n"}, {"missing.vcf", std::nullopt}};
    for (const auto& [name, contents] : bad) {
        t->tapAndSettle("picker.import");
        if (contents)
            writeFile(home->path() / name, *contents);
        t->choose((home->path() / name).string());
        ASSERT_NE(alert(), nullptr) << name;
        EXPECT_NE(alert()->message().find(name), std::string::npos) << alert()->message();
        alert()->dismissWithClickedButtonIndex(0, false);
        t->settle();
        EXPECT_EQ(namesShown(), kNames) << name;
        EXPECT_EQ(kept(), kCards) << name;
    }
    t->tapAndSettle("picker.import");
    import("other.vcf", cardsNamed({"bo"}));
    EXPECT_EQ(namesShown(), std::vector<std::string>{"bo"});
    EXPECT_EQ(kept(), cardsNamed({"bo"}));
}

TEST_F(ContactsPicker, TheWheelScrollsTheListTheNaturalWayAndAReimportStartsAtItsTop)
{
    std::vector<std::string> many;
    for (int i = 10; i < 40; ++i)
        many.push_back("Person " + std::to_string(i));
    openPicker(cardsNamed(many));
    auto& list = t->view<platform::TableView>("picker.people");
    const platform::Point c = t->centreOf("picker.people");
    const std::string last = "picker.person." + std::to_string(many.size() - 1);
    EXPECT_TRUE(t->isReachable("picker.person.0"));
    EXPECT_FALSE(t->isReachable(last));

    // Rolled towards the user the list moves on to later rows; away from the user, back up.
    t->wheel(c, -40);
    EXPECT_GT(list.contentOffset(), 0);
    t->wheel(c, -10000);
    EXPECT_TRUE(t->isReachable(last));
    EXPECT_FALSE(t->isReachable("picker.person.0"));
    t->wheel(c, 10000);
    EXPECT_EQ(list.contentOffset(), 0);
    EXPECT_TRUE(t->isReachable("picker.person.0"));

    t->drag(c, {c.x, c.y - 200});
    ASSERT_GT(list.contentOffset(), 0);
    t->tapAndSettle("picker.import");
    import("again.vcf", cardsNamed(many));
    EXPECT_EQ(list.contentOffset(), 0);
    EXPECT_TRUE(t->isReachable("picker.person.0"));
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
    t->tapAndSettle({"main.information", "info.contacts"});
    for (const auto& row : rows) {
        UErrorCode status = U_ZERO_ERROR;
        icu::Locale::setDefault(icu::Locale(row.locale), status);
        import("people.vcf", cardsNamed({"Zo\xC3\xAB", "\xC3\x96" "berg", "\xC3\x89mile", "bo"}));
        EXPECT_EQ(namesShown(), row.names) << row.locale;
        t->tapAndSettle("picker.import");
    }
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale::setDefault(before, status);
}
