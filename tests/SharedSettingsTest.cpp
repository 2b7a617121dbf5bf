// Several processes on one settings file at once: command-line calls racing each other, a reader
// watching for torn files, and an open window that follows what the others write.
#include "support/Commands.h"
#include "support/Events.h"

#include "desktop/SettingsWatcher.h"

#include "MainViewController.h"

#include "platform/ImageView.h"
#include "platform/Label.h"

#include <QImage>

#include <gtest/gtest.h>

#include <atomic>
#include <set>
#include <thread>

using namespace testing_support;

namespace {

// Reads the settings file over and over while the test runs; none of those reads may find it torn.
struct Racing : ::testing::Test {
    TempHome home;
    std::atomic<bool> stop{false};
    std::atomic<int> reads{0}, torn{0};
    std::thread watch{[this] {
        while (!stop) {
            std::error_code ec;
            if (!std::filesystem::exists(home.settingsFile(), ec))
                continue;
            ++reads;
            auto parsed = settingsIn(home);
            torn += parsed.is_discarded() || !parsed.is_object();
        }
    }};

    void TearDown() override
    {
        stop = true;
        watch.join();
        EXPECT_GT(reads, 100);
        EXPECT_EQ(torn, 0);
    }
};

} // namespace

TEST_F(Racing, ConcurrentSetsLoseNoUpdate)
{
    for (int round = 0; round < 50; ++round) {
        const std::string n = std::to_string(round), strip = round % 2 ? "0x11223380" : "0x44556680";
        ASSERT_TRUE(finishCommands({startCommand({"set", "phone_preference", "p" + n}),
                                    startCommand({"set", "other_preference", "o" + n}),
                                    startCommand({"set", "strip_color", strip})}))
            << "round " << round;
        auto now = settingsIn(home);
        ASSERT_EQ(now["phone_preference"], "p" + n);
        ASSERT_EQ(now["other_preference"], "o" + n);
        ASSERT_EQ(now["strip_color"], std::stoul(strip, nullptr, 16));
    }
}

TEST_F(Racing, ConcurrentStyleSavesLoseNone)
{
    std::vector<pid_t> savers;
    for (int i = 0; i < 60; ++i)
        savers.push_back(startCommand({"save-style", "Style " + std::to_string(i)}));
    ASSERT_TRUE(finishCommands(savers));
    std::set<std::string> names;
    const auto saved = settingsIn(home);
    for (const auto& style : saved["user_saved_themes"])
        names.insert(style["theme_name"].get<std::string>());
    EXPECT_EQ(names.size(), 60u);
}

namespace {

struct OpenWindow : ::testing::Test {
    TestApp t;
    desktop::SettingsWatcher watcher{t.runtime()};
};

} // namespace

TEST_F(OpenWindow, ShowsANumberAnotherProcessSet)
{
    ASSERT_TRUE(finishCommands({startCommand({"set", "phone_preference", "+1 555 0100"})}));
    EXPECT_TRUE(runEventsUntil([&] { return t.view<platform::Label>("split.contact").text() == "TAVRIN: +1 555 0100"; }));
}

TEST_F(OpenWindow, ShowsAPhotographAnotherProgramPutInPlace)
{
    QImage photo(64, 96, QImage::Format_RGB32);
    photo.fill(QColor(200, 30, 30));
    std::filesystem::create_directories(t.home->documentsDir());
    ASSERT_TRUE(photo.save(QString::fromStdString((t.home->documentsDir() / "wallpaper.jpg").string()), "JPEG"));
    EXPECT_TRUE(runEventsUntil([&] { return t.view<platform::ImageView>("wallpaper").image() != nullptr; }));
}
