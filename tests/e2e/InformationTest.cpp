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

    void open()
    {
        t->tap("main.information");
        t->settle();
    }
    ChangeInformationDialogViewController& dialog() { return *t->main().mainDialog().dlgChangeInformation; }
    platform::TextField& contact() { return t->find<platform::TextField>("info.contact"); }
    platform::TextField& other() { return t->find<platform::TextField>("info.other"); }
    std::optional<std::string> stored(const char* key) { return t->app().settings().stringForKey(key); }
    bool frameButtonsShown()
    {
        return t->isReachable("dialog.back") && t->isReachable("dialog.hide") && t->isReachable("dialog.save");
    }
    bool frameButtonsHidden()
    {
        return !t->isReachable("dialog.back") && !t->isReachable("dialog.hide") && !t->isReachable("dialog.save");
    }
    // What the wallpaper shows as the contact, in both layouts that carry it.
    void expectWallpaperShows(const std::string& phone, const std::string& info)
    {
        EXPECT_EQ(t->main().classicContact->text(), phone);
        EXPECT_EQ(t->main().splitContact->text(), "TAVRIN: " + phone);
        EXPECT_EQ(t->main().classicInfo->text(), info);
        EXPECT_EQ(t->main().splitInfo->text(), info);
    }
};

} // namespace

TEST_F(Information, FirstStartShowsTheDefaultsAndLaterTheStoredTexts)
{
    open();
    EXPECT_EQ(contact().text(), "911");
    EXPECT_EQ(other().text(), "");
    EXPECT_EQ(contact().clearButtonMode(), platform::ClearButtonMode::WhileEditing);
    EXPECT_EQ(other().clearButtonMode(), platform::ClearButtonMode::WhileEditing);
    EXPECT_TRUE(frameButtonsShown());

    t->tap("dialog.back");
    t->settle();
    t->app().settings().setObject(keys::phonePreference, "+1 555 0100");
    t->app().settings().setObject(keys::otherPreference, "Reward!");
    open();
    EXPECT_EQ(contact().text(), "+1 555 0100");
    EXPECT_EQ(other().text(), "Reward!");
}

TEST_F(Information, EditingSlidesUpAndHidesTheFrameButtonsUntilReturn)
{
    open();
    const float top = dialog().view()->frame().y();
    EXPECT_FALSE(contact().isClearButtonShown());
    t->tap("info.contact");
    t->settle();
    EXPECT_EQ(t->editingField(), &contact());
    EXPECT_TRUE(contact().isClearButtonShown());
    EXPECT_EQ(dialog().view()->frame().y(), 20);
    EXPECT_TRUE(frameButtonsHidden());

    // Moving on to the other field keeps the dialog up and the place it returns to.
    t->tap("info.other");
    t->settle();
    EXPECT_EQ(t->editingField(), &other());
    EXPECT_EQ(dialog().view()->frame().y(), 20);
    EXPECT_TRUE(frameButtonsHidden());

    t->pressReturn();
    t->settle();
    EXPECT_EQ(t->editingField(), nullptr);
    EXPECT_EQ(dialog().view()->frame().y(), top);
    EXPECT_TRUE(frameButtonsShown());
    EXPECT_FALSE(other().isClearButtonShown());
}

TEST_F(Information, ReturnInEitherFieldStoresBothAndRedrawsTheWallpaper)
{
    open();
    t->tap("info.contact");
    t->type(" 112");
    t->tap("info.other");
    t->type("Call me");
    // Nothing is stored before a return.
    EXPECT_EQ(stored(keys::phonePreference), "911");
    EXPECT_EQ(stored(keys::otherPreference), "");
    expectWallpaperShows("911", "");

    t->pressReturn(); // in the information field
    EXPECT_EQ(stored(keys::phonePreference), "911 112");
    EXPECT_EQ(stored(keys::otherPreference), "Call me");
    expectWallpaperShows("911 112", "Call me");

    // And the other way round: a return in the contact field stores the information too, as typed.
    t->settle();
    t->tap("info.other");
    t->type("  ");
    t->tap("info.contact");
    for (int i = 0; i < 8; ++i)
        t->backspace();
    t->pressReturn();
    EXPECT_EQ(stored(keys::phonePreference), "");
    EXPECT_EQ(stored(keys::otherPreference), "Call me  ");
    expectWallpaperShows("", "Call me  ");
}

TEST_F(Information, TextNotConfirmedWithReturnIsNotKept)
{
    open();
    t->tap("info.contact");
    t->type("0");
    t->tap("info.other");
    t->type("lost");
    EXPECT_EQ(contact().text(), "9110");
    t.reset();

    t = std::make_unique<TestApp>(home);
    EXPECT_EQ(stored(keys::phonePreference), "911");
    EXPECT_EQ(stored(keys::otherPreference), "");
    open();
    EXPECT_EQ(contact().text(), "911");
    EXPECT_EQ(other().text(), "");
}

TEST_F(Information, ClearButtonEmptiesTheFieldButOnlyReturnStoresIt)
{
    open();
    t->tap("info.contact");
    platform::TextField& field = contact();
    platform::Rect f = field.frame();
    t->tapAt(field.convertToWindow({f.width() - 18, f.height() / 2}));
    EXPECT_EQ(field.text(), "");
    EXPECT_EQ(stored(keys::phonePreference), "911");
    t->pressReturn();
    EXPECT_EQ(stored(keys::phonePreference), "");
}
