#include "support/FakeFileChooser.h"
#include "support/TestApp.h"

#include "Dialogs/DialogBase.h"
#include "MainViewController.h"
#include "SettingsKeys.h"

#include "platform/Label.h"
#include "platform/TextField.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <vector>

using testing_support::FakeFileChooser;
using testing_support::TempHome;
using testing_support::TestApp;

namespace {

// How many of the back, hide and save buttons can be tapped.
int frameButtonsShown(TestApp& t)
{
    return t.isReachable("dialog.back") + t.isReachable("dialog.hide") + t.isReachable("dialog.save");
}

struct Information : ::testing::Test {
    std::shared_ptr<TempHome> home = std::make_shared<TempHome>();
    std::unique_ptr<TestApp> t = std::make_unique<TestApp>(home);

    platform::TextField& contact() { return t->find<platform::TextField>("info.contact"); }
    platform::TextField& other() { return t->find<platform::TextField>("info.other"); }
    std::optional<std::string> stored(const char* key) { return t->app().settings().stringForKey(key); }
    // The stored texts, and what the wallpaper shows in both layouts that carry them.
    void expectStoredAndShown(const std::string& phone, const std::string& info)
    {
        EXPECT_EQ(stored(keys::phonePreference), phone);
        EXPECT_EQ(stored(keys::otherPreference), info);
        EXPECT_EQ(t->view<platform::Label>("classic.contact").text(), phone);
        EXPECT_EQ(t->view<platform::Label>("split.contact").text(), "TAVRIN: " + phone);
        EXPECT_EQ(t->view<platform::Label>("classic.info").text(), info);
        EXPECT_EQ(t->view<platform::Label>("split.info").text(), info);
    }
};

} // namespace

TEST_F(Information, FirstStartShowsTheDefaultsAndLaterTheStoredTexts)
{
    t->tapAndSettle("main.information");
    EXPECT_EQ(contact().text(), "911");
    EXPECT_EQ(other().text(), "");

    t->tapAndSettle("dialog.back");
    t->app().settings().setObject(keys::phonePreference, "+1 555 0100");
    t->app().settings().setObject(keys::otherPreference, "Reward!");
    t->tapAndSettle("main.information");
    EXPECT_EQ(contact().text(), "+1 555 0100");
    EXPECT_EQ(other().text(), "Reward!");
}

TEST_F(Information, ReturnInEitherFieldStoresBothAndRedrawsTheWallpaper)
{
    t->tapAndSettle("main.information");
    t->tap("info.contact");
    t->type(" 112");
    // Moving on to the other field keeps the dialog up.
    t->tapAndSettle("info.other");
    EXPECT_EQ(t->main().CurrentDialog()->view()->frame().y(), 20);
    EXPECT_EQ(frameButtonsShown(*t), 0);
    t->type("Call me");
    expectStoredAndShown("911", ""); // nothing before a return

    t->pressReturn(); // in the information field
    expectStoredAndShown("911 112", "Call me");
    t->settle();

    // And the other way round: a return in the contact field stores the information too, as typed.
    t->tap("info.other");
    t->type("  ");
    t->tap("info.contact");
    for (int i = 0; i < 8; ++i)
        t->backspace();
    t->pressReturn();
    expectStoredAndShown("", "Call me  ");
}

TEST_F(Information, ClearedOrTypedTextNotConfirmedWithReturnIsNotKept)
{
    t->tapAndSettle("main.information");
    t->tap("info.contact");
    const platform::Rect f = contact().frame();
    t->tapAt(contact().convertToWindow({f.width() - 18, f.height() / 2})); // the clear button
    EXPECT_EQ(contact().text(), "");
    t->type("0");
    t->tap("info.other");
    t->type("lost");
    EXPECT_EQ(contact().text(), "0");
    t.reset();

    t = std::make_unique<TestApp>(home);
    EXPECT_EQ(stored(keys::phonePreference), "911");
    EXPECT_EQ(stored(keys::otherPreference), "");
    t->tapAndSettle("main.information");
    EXPECT_EQ(contact().text(), "911");
    EXPECT_EQ(other().text(), "");
}

TEST_F(Information, AfterAPickedNumberBackEndsTheEditingSoTypingAndReturnChangeNothing)
{
    FakeFileChooser chooser;
    t->app().servicesForTesting().fileChooser = &chooser;
    const auto cards = home->path() / "ann.vcf";
    std::ofstream(cards) << "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Adams;Ann\r\nTEL;HOME:555-0100\r\nEND:VCARD\r\n";

    t->tapAndSettle("main.information");
    t->tap("info.other");
    t->type("Thanks");
    t->tapAndSettle("info.contacts");
    chooser.answer(cards.string());
    t->settle();
    t->tapAndSettle("picker.person.0");
    t->tapAndSettle("picker.value.0");
    platform::TextField* const field = t->editingField();
    ASSERT_EQ(field, &other());

    t->tapAndSettle("dialog.back");
    EXPECT_EQ(t->editingField(), nullptr);
    // Keys sent to the field regardless, as the keyboard did while the field stayed first responder.
    field->insertText(" blind");
    field->returnKey();
    expectStoredAndShown("555-0100", "");
}

// The editing both text dialogs share: the dialog slides up out of the way with its frame buttons
// hidden; Return brings both back and hands the text to the dialog.
TEST(TextDialogs, EditingSlidesUpAndHidesTheFrameButtonsReturnRestoresThemAndKeepsTheText)
{
    const struct {
        const char* field;
        std::vector<const char*> opening;
        std::function<std::string(TestApp&)> kept;
    } rows[] = {
        {"info.contact", {"main.information"},
         [](TestApp& t) { return t.app().settings().stringForKey(keys::phonePreference).value_or("?"); }},
        // A name is kept in its field until the style is saved.
        {"saveStyle.name", {"main.style", "style.new", "newstyle.saveas"},
         [](TestApp& t) { return t.find<platform::TextField>("saveStyle.name").text(); }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.field);
        TestApp t;
        for (const char* id : row.opening)
            t.tapAndSettle(id);
        platform::View& dialog = *t.main().CurrentDialog()->view();
        auto& field = t.find<platform::TextField>(row.field);
        const std::string before = field.text();
        const float top = dialog.frame().y();
        EXPECT_EQ(frameButtonsShown(t), 3);

        t.tapAndSettle(row.field);
        EXPECT_EQ(t.editingField(), &field);
        EXPECT_EQ(dialog.frame().y(), 20);
        EXPECT_EQ(frameButtonsShown(t), 0);

        t.type("x");
        t.pressReturn();
        t.settle();
        EXPECT_EQ(t.editingField(), nullptr);
        EXPECT_EQ(dialog.frame().y(), top);
        EXPECT_EQ(frameButtonsShown(t), 3);
        EXPECT_EQ(row.kept(t), before + "x");
    }
}
