#include "support/Files.h"

#include "Dialogs/MainDialogViewController.h"
#include "MainViewController.h"
#include "SettingsKeys.h"

#include "platform/Application.h"
#include "platform/Label.h"

#include <gtest/gtest.h>

using namespace testing_support;

TEST(Startup, AFreshStartWritesExactlyTheEightDefaults)
{
    auto home = std::make_shared<TempHome>();
    TestApp{home}; // starts and quits
    nlohmann::json expected = {
        {"strip_layout", "split"},    {"phone_preference", "911"},   {"other_preference", ""},
        {"font_face", 0xFFFFFFFFu},   {"font_highlight", 0x000000FFu}, {"strip_color", 0x1B1C1CFFu},
        {"bg_color", 0xA8A8A8FFu},    {"style_name", "Artsy Photograph"},
    };
    EXPECT_EQ(settingsIn(*home), expected);
}

TEST(Startup, ASecondStartWritesNothing)
{
    auto home = std::make_shared<TempHome>();
    TestApp{home};
    const auto before = std::filesystem::last_write_time(home->settingsFile());
    const std::string text = readFile(home->settingsFile());
    TestApp{home};
    EXPECT_EQ(std::filesystem::last_write_time(home->settingsFile()), before);
    EXPECT_EQ(readFile(home->settingsFile()), text);
}

TEST(Startup, StoredValuesWinOverDefaultsAndOnlyMissingKeysAreRestored)
{
    auto home = std::make_shared<TempHome>();
    {
        TestApp t(home);
        t.app().settings().setObject(keys::phonePreference, "");
        t.app().settings().setObject(keys::bgColor, 0x11223344u);
    }
    auto json = settingsIn(*home);
    json.erase("strip_color");
    json["style_name"] = 42; // wrong type: present, so left alone
    std::ofstream(home->settingsFile()) << json.dump();
    {
        TestApp t(home);
        EXPECT_EQ(t.view<platform::Label>("topOnly.contact").text(), "TAVRIN: ");
    }
    auto after = settingsIn(*home);
    EXPECT_EQ(after["phone_preference"], "");
    EXPECT_EQ(after["bg_color"], 0x11223344u);
    EXPECT_EQ(after["strip_color"], 0x1B1C1CFFu);
    EXPECT_EQ(after["style_name"], 42);
}

TEST(Startup, TheStatusBarIsBlackTranslucentAndTheMainMenuIsOnTop)
{
    TestApp t;
    EXPECT_EQ(t.app().statusBarStyle(), 1);
    EXPECT_FALSE(t.app().isStatusBarHidden());
    ASSERT_EQ(t.main().dialogStack().size(), 1u);
    EXPECT_EQ(t.main().CurrentDialog(), static_cast<DialogBase*>(&t.main().mainDialog()));
    EXPECT_TRUE(t.isReachable("main.style"));
}
