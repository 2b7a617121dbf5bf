#include "support/TestApp.h"

#include "MainViewController.h"
#include "platform/Label.h"
#include "Dialogs/MainDialogViewController.h"
#include "SettingsKeys.h"

#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>

using testing_support::TempHome;
using testing_support::TestApp;

namespace {

nlohmann::json readSettings(const TempHome& home)
{
    std::ifstream in(home.settingsFile());
    return nlohmann::json::parse(in);
}

std::filesystem::file_time_type modified(const TempHome& home) { return std::filesystem::last_write_time(home.settingsFile()); }

} // namespace

TEST(Startup, AFreshStartWritesExactlyTheEightDefaults)
{
    auto home = std::make_shared<TempHome>();
    {
        TestApp t(home);
    }
    nlohmann::json expected = {
        {"strip_layout", "split"},    {"phone_preference", "911"},   {"other_preference", ""},
        {"font_face", 0xFFFFFFFFu},   {"font_highlight", 0x000000FFu}, {"strip_color", 0x1B1C1CFFu},
        {"bg_color", 0xA8A8A8FFu},    {"style_name", "Artsy Photograph"},
    };
    EXPECT_EQ(readSettings(*home), expected);

    auto before = modified(*home);
    std::string text = [&] {
        std::ifstream in(home->settingsFile());
        return std::string(std::istreambuf_iterator<char>(in), {});
    }();
    {
        TestApp again(home);
    }
    EXPECT_EQ(modified(*home), before) << "a second start writes nothing";
    std::ifstream in(home->settingsFile());
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), text);
}

TEST(Startup, StoredValuesWinOverDefaultsAndOnlyMissingKeysAreRestored)
{
    auto home = std::make_shared<TempHome>();
    {
        TestApp t(home);
        t.app().settings().setObject(keys::phonePreference, "");
        t.app().settings().setObject(keys::bgColor, 0x11223344u);
    }
    auto json = readSettings(*home);
    json.erase("strip_color");
    json["style_name"] = 42; // wrong type: present, so left alone
    std::ofstream(home->settingsFile()) << json.dump();
    {
        TestApp t(home);
        EXPECT_EQ(t.main().splitTopOnlyContact->text(), "TAVRIN: ");
    }
    auto after = readSettings(*home);
    EXPECT_EQ(after["phone_preference"], "");
    EXPECT_EQ(after["bg_color"], 0x11223344u);
    EXPECT_EQ(after["strip_color"], 0x1B1C1CFFu);
    EXPECT_EQ(after["style_name"], 42);
}

TEST(Startup, ACorruptSettingsFileIsKeptAsideAndTheApplicationStarts)
{
    auto home = std::make_shared<TempHome>();
    std::filesystem::create_directories(home->configDir());
    std::ofstream(home->settingsFile()) << "{\"strip_layout\": \"classic\", \"phone";
    TestApp t(home);
    EXPECT_TRUE(t.main().isSplitLayout());
    EXPECT_TRUE(t.log.contains("moved aside"));
    int aside = 0;
    for (auto& e : std::filesystem::directory_iterator(home->configDir()))
        aside += e.path().filename().string().starts_with("settings.json.corrupt-");
    EXPECT_EQ(aside, 1);
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
