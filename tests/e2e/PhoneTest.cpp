#include "support/TestApp.h"

#include "MainViewController.h"
#include "ScreenCatalogue.h"
#include "SettingsKeys.h"

#include "platform/Application.h"
#include "platform/Button.h"
#include "platform/Label.h"
#include "platform/TableView.h"
#include "platform/Theme.h"

#include <gtest/gtest.h>

using platform::theme::accent;
using testing_support::TestApp;

namespace {

struct Phone : ::testing::Test {
    TestApp t;

    void search(const std::string& text)
    {
        t.tapAndSettle({"main.phone", "phone.search"});
        t.type(text);
    }
    platform::TableView& table() { return t.view<platform::TableView>("phone.table"); }
    std::string firstRow() { return table().cellForRow(0)->identifier(); }
    std::optional<std::string> device() { return t.app().settings().stringForKey(keys::device); }
    // The current phone's row is in the accent colour.
    bool marked(const std::string& row) { return t.view<platform::Label>(row + ".name").textColor() == accent; }
    bool guideToggled() { return t.find<platform::Button>("main.lockscreen").isSelected(); }
};

} // namespace

TEST_F(Phone, TheSearchNarrowsTheListAndARowChoosesItsPhoneForTheWholeWindow)
{
    search("GALAXY s24");
    EXPECT_EQ(table().numberOfRows(), 3) << "the S24, S24+ and S24 Ultra";
    t.tapClearButton("phone.search");
    EXPECT_EQ(table().numberOfRows(), int(ScreenCatalogue::builtIn().screens().size()));
    t.type("pixel 9");
    EXPECT_EQ(firstRow(), "phone.row.pixel-9");

    t.tapAndSettle("phone.row.pixel-9");
    EXPECT_EQ(device(), "pixel-9");
    EXPECT_FLOAT_EQ(t.app().screenSize().width, 411.43f);
    ASSERT_EQ(t.main().dialogStack().size(), 1u) << "the new screen starts at the main menu";

    // Touching the current phone only goes back.
    MainViewController* before = &t.main();
    search("pixel 9");
    EXPECT_TRUE(marked("phone.row.pixel-9"));
    EXPECT_FALSE(marked("phone.row.pixel-9-pro"));
    t.tapAndSettle("phone.row.pixel-9");
    EXPECT_EQ(&t.main(), before);
    EXPECT_EQ(t.main().dialogStack().size(), 1u);
}

TEST_F(Phone, ACustomSizeIsTheFirstRowAndStaysListedOnceChosen)
{
    search(" 390X844@3");
    EXPECT_EQ(firstRow(), "phone.row.custom");
    t.tapAndSettle("phone.row.custom");
    EXPECT_EQ(device(), "390x844@3");
    EXPECT_FLOAT_EQ(t.app().screenSize().width, 390);

    t.tapAndSettle("main.phone");
    EXPECT_EQ(firstRow(), "phone.row.custom");
    EXPECT_TRUE(marked("phone.row.custom"));
}

TEST_F(Phone, TheLockScreenToggleHidesTheGuideAndTheCaptureDoesNotBringItBack)
{
    EXPECT_TRUE(guideToggled());
    t.tapAndSettle({"main.lockscreen", "dialog.save", "capture.cancel"});
    EXPECT_TRUE(t.view("overlay").isHidden());
    EXPECT_FALSE(guideToggled());
    t.tapAndSettle("main.lockscreen");
    EXPECT_FALSE(t.view("overlay").isHidden());
    EXPECT_TRUE(guideToggled());
}

TEST_F(Phone, SampleNotificationsShowTheGuideAndBothStayAsLeftOnAnotherPhone)
{
    search("pixel 9");
    EXPECT_TRUE(t.findAll("phone.notifications").empty()) << "the classic lock screen lists none";
    t.tapAndSettle("phone.row.pixel-9");
    t.tapAndSettle({"main.lockscreen", "main.phone", "phone.notifications", "dialog.back"});
    EXPECT_TRUE(t.main().isLockScreenShown());
    EXPECT_TRUE(t.main().areNotificationsShown());

    search("iphone 15");
    t.tapAndSettle("phone.row.iphone-15");
    EXPECT_TRUE(t.main().isLockScreenShown());
    EXPECT_TRUE(t.main().areNotificationsShown());
    t.tapAndSettle({"main.lockscreen", "main.phone"});
    EXPECT_FALSE(t.find<platform::Button>("phone.notifications").isSelected()) << "not seen without the guide";
}
