#include "support/TestApp.h"

#include "Dialogs/SaveStyleAsDialogViewController.h"
#include "Dialogs/StyleLibraryDialogViewController.h"
#include "MainViewController.h"
#include "PackedColor.h"
#include "SettingsKeys.h"
#include "StyleLibrary.h"

#include "platform/Button.h"
#include "platform/TextField.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <ctime>

using testing_support::TestApp;
using Value = platform::SettingsStore::Value;

namespace {

struct SaveStyleAs : ::testing::Test {
    TestApp t;
    MainViewController& main = t.main();
    platform::SettingsStore& settings = t.app().settings();
    SaveStyleAsDialogViewController dialog{"SaveStyleAsDialog", main};

    double startedAt = 0;

    // The wall clock shows 2026-12-05 23:15:00 local time.
    void SetUp() override
    {
        startedAt = t.clock.now();
        std::tm local{};
        local.tm_year = 2026 - 1900;
        local.tm_mon = 11;
        local.tm_mday = 5;
        local.tm_hour = 23;
        local.tm_min = 15;
        local.tm_isdst = -1;
        auto at = std::chrono::system_clock::from_time_t(std::mktime(&local));
        t.clock.setWallTime(at);
    }

    // The time-stamp name of the moment of the last open().
    std::string proposal;

    void open()
    {
        proposal = stamp();
        main.pushDialog(dialog);
        t.settle();
    }
    // The proposal for the moment now: the clock moves on as animations are let run.
    std::string stamp()
    {
        int seconds = int(t.clock.now() - startedAt);
        char text[32];
        std::snprintf(text, sizeof text, "2026_12_05_2315%02d", seconds);
        return text;
    }
    platform::TextField& field() { return t.view<platform::TextField>("saveStyle.name"); }
    // How many of the frame's back, hide and save buttons can be touched.
    int frameButtons() { return t.isReachable("dialog.back") + t.isReachable("dialog.hide") + t.isReachable("dialog.save"); }
    void tapClearButton()
    {
        platform::Rect f = field().frame();
        t.tapAt(field().convertToWindow({f.width() - 18, f.height() / 2}));
    }
    const Value& saved() { return *settings.arrayForKey(keys::userSavedThemes); }
};

} // namespace

TEST_F(SaveStyleAs, ProposesTheStoredNameOrElseTheLocalTimeStamp)
{
    // An empty stored name would offer a nameless style.
    for (const char* last : {static_cast<const char*>(nullptr), "Evening", ""}) {
        if (last)
            settings.setObject(keys::lastStyleName, last);
        open();
        EXPECT_EQ(field().text(), last && *last ? last : proposal) << (last ? last : "none stored");
        EXPECT_TRUE(t.isReachable("saveStyle.save"));
        t.tap("dialog.back");
        t.settle();
    }
}

TEST_F(SaveStyleAs, TheSaveButtonFollowsTheTextBeingEdited)
{
    open();
    t.tap("saveStyle.name");
    for (std::size_t i = field().text().size(); i > 1; --i)
        t.backspace();
    EXPECT_TRUE(t.isReachable("saveStyle.save"));
    t.backspace();
    EXPECT_EQ(field().text(), "");
    EXPECT_FALSE(t.isReachable("saveStyle.save"));
    t.type("x");
    EXPECT_TRUE(t.isReachable("saveStyle.save"));
    tapClearButton();
    EXPECT_EQ(field().text(), "");
    EXPECT_FALSE(t.isReachable("saveStyle.save"));
    t.type("Night");
    t.pressReturn();
    t.settle();
    EXPECT_TRUE(t.isReachable("saveStyle.save"));
}

TEST_F(SaveStyleAs, SavingStoresTheCurrentColoursUnderTheNameAndCloses)
{
    main.setStripColor(unpackColor(0x12345680));
    std::size_t depth = main.dialogStack().size();
    open();
    t.tap("saveStyle.save");
    EXPECT_EQ(main.dialogStack().size(), depth);
    ASSERT_EQ(saved().size(), 1u);
    EXPECT_EQ(saved()[0]["theme_name"], proposal);
    EXPECT_EQ(saved()[0]["strip_color"], 0x12345680u);
    EXPECT_EQ(saved()[0]["bg_color"], 0xA8A8A8FFu);
    EXPECT_EQ(settings.stringForKey(keys::styleName), proposal);

    StyleLibraryDialogViewController store("StyleLibraryDialog", main);
    store.refreshThemes();
    EXPECT_FALSE(store.styleIsModified(proposal));

    // Within the same second: a second style of the same name.
    for (int i = 0; i < 2; ++i) {
        main.pushDialog(dialog);
        t.tap("saveStyle.save");
    }
    ASSERT_EQ(saved().size(), 3u);
    EXPECT_EQ(saved()[1]["theme_name"], saved()[2]["theme_name"]);
}

TEST_F(SaveStyleAs, LeavingWhileEditingEndsTheEditingAndTheNextVisitShowsTheFrameButtons)
{
    open();
    t.tap("saveStyle.name");
    t.type("Draft");
    t.tap("saveStyle.cancel");
    t.settle();
    EXPECT_EQ(t.editingField(), nullptr) << "typing must not go into a field off the screen";
    EXPECT_EQ(settings.arrayForKey(keys::userSavedThemes), nullptr);
    EXPECT_EQ(settings.stringForKey(keys::styleName), "Artsy Photograph");

    open();
    EXPECT_EQ(frameButtons(), 3);
    EXPECT_EQ(field().text(), proposal) << "the typed text is not kept";

    // A built-in name, saved while still editing, adds a user style beside the built-in one.
    t.tap("saveStyle.name");
    tapClearButton();
    t.type("Purpular");
    t.tap("saveStyle.save");
    EXPECT_EQ(t.editingField(), nullptr);
    t.settle();
    EXPECT_FALSE(dialog.view()->superview());
    const StyleLibrary styles(settings);
    auto isPurpular = [](const StyleRecord& style) { return style.name == "Purpular"; };
    EXPECT_EQ(std::ranges::count_if(styles.styles(), isPurpular), 2);
    StyleLibraryDialogViewController store("StyleLibraryDialog", main);
    EXPECT_TRUE(store.styleIsModified("Purpular")) << "the built-in one comes first";

    open();
    EXPECT_EQ(frameButtons(), 3);
    EXPECT_EQ(field().text(), proposal);
}
