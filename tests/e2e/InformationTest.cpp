#include "support/TestApp.h"

#include "Dialogs/ChangeInformationDialogViewController.h"
#include "Dialogs/MainDialogViewController.h"
#include "MainViewController.h"
#include "SettingsKeys.h"

#include "platform/Label.h"
#include "platform/TextField.h"

#include <gtest/gtest.h>

using testing_support::TempHome;
using testing_support::TestApp;

namespace {

struct Information : ::testing::Test {
    std::shared_ptr<TempHome> home = std::make_shared<TempHome>();
    std::unique_ptr<TestApp> t = std::make_unique<TestApp>(home);

    ChangeInformationDialogViewController& dialog() { return *t->main().mainDialog().dlgChangeInformation; }
    platform::TextField& contact() { return t->find<platform::TextField>("info.contact"); }
    platform::TextField& other() { return t->find<platform::TextField>("info.other"); }
    std::optional<std::string> stored(const char* key) { return t->app().settings().stringForKey(key); }
    // How many of the back, hide and save buttons can be tapped.
    int frameButtonsShown()
    {
        return t->isReachable("dialog.back") + t->isReachable("dialog.hide") + t->isReachable("dialog.save");
    }
    // The stored texts, and what the wallpaper shows in both layouts that carry them.
    void expectStoredAndShown(const std::string& phone, const std::string& info)
    {
        EXPECT_EQ(stored(keys::phonePreference), phone);
        EXPECT_EQ(stored(keys::otherPreference), info);
        EXPECT_EQ(t->main().classicContact->text(), phone);
        EXPECT_EQ(t->main().splitContact->text(), "TAVRIN: " + phone);
        EXPECT_EQ(t->main().classicInfo->text(), info);
        EXPECT_EQ(t->main().splitInfo->text(), info);
    }
};

} // namespace

TEST_F(Information, FirstStartShowsTheDefaultsAndLaterTheStoredTexts)
{
    t->tapAndSettle("main.information");
    EXPECT_EQ(contact().text(), "911");
    EXPECT_EQ(other().text(), "");
    EXPECT_EQ(frameButtonsShown(), 3);

    t->tapAndSettle("dialog.back");
    t->app().settings().setObject(keys::phonePreference, "+1 555 0100");
    t->app().settings().setObject(keys::otherPreference, "Reward!");
    t->tapAndSettle("main.information");
    EXPECT_EQ(contact().text(), "+1 555 0100");
    EXPECT_EQ(other().text(), "Reward!");
}

TEST_F(Information, EditingSlidesUpAndHidesTheFrameButtonsUntilReturn)
{
    t->tapAndSettle("main.information");
    const float top = dialog().view()->frame().y();
    EXPECT_FALSE(contact().isClearButtonShown());
    t->tapAndSettle("info.contact");
    EXPECT_EQ(t->editingField(), &contact());
    EXPECT_TRUE(contact().isClearButtonShown());
    EXPECT_EQ(dialog().view()->frame().y(), 20);
    EXPECT_EQ(frameButtonsShown(), 0);

    // Moving on to the other field keeps the dialog up and the place it returns to.
    t->tapAndSettle("info.other");
    EXPECT_EQ(t->editingField(), &other());
    EXPECT_EQ(dialog().view()->frame().y(), 20);
    EXPECT_EQ(frameButtonsShown(), 0);

    t->pressReturn();
    t->settle();
    EXPECT_EQ(t->editingField(), nullptr);
    EXPECT_EQ(dialog().view()->frame().y(), top);
    EXPECT_EQ(frameButtonsShown(), 3);
    EXPECT_FALSE(other().isClearButtonShown());
}

TEST_F(Information, ReturnInEitherFieldStoresBothAndRedrawsTheWallpaper)
{
    t->tapAndSettle("main.information");
    t->tap("info.contact");
    t->type(" 112");
    t->tap("info.other");
    t->type("Call me");
    expectStoredAndShown("911", ""); // nothing before a return

    t->pressReturn(); // in the information field
    expectStoredAndShown("911 112", "Call me");

    // And the other way round: a return in the contact field stores the information too, as typed.
    t->settle();
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
