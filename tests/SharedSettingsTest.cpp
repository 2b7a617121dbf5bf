// Several processes on one settings file at once: command-line calls racing each other, a reader
// watching for torn files, and an open window that follows what the others write.
#include "support/TestApp.h"

#include "desktop/SettingsWatcher.h"

#include "MainViewController.h"
#include "PackedColor.h"
#include "SettingsKeys.h"

#include "platform/AtomicFile.h"
#include "platform/ImageView.h"
#include "platform/Label.h"

#include <QCoreApplication>
#include <QImage>

#include <gtest/gtest.h>

#include <atomic>
#include <fcntl.h>
#include <fstream>
#include <nlohmann/json.hpp>
#include <set>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

using namespace testing_support;

extern char** environ;

namespace {

pid_t start(const std::vector<std::string>& args)
{
    std::vector<char*> argv{const_cast<char*>(TAVRIN_BINARY)};
    for (const auto& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    posix_spawn(&pid, TAVRIN_BINARY, &quiet, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&quiet);
    return pid;
}

// Waits for all; true when every one exited 0.
bool finish(const std::vector<pid_t>& pids)
{
    bool ok = true;
    for (pid_t pid : pids) {
        int status = 0;
        ok = waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0 && ok;
    }
    return ok;
}

nlohmann::json settingsIn(const TempHome& home)
{
    std::ifstream in(home.settingsFile(), std::ios::binary);
    return nlohmann::json::parse(std::string(std::istreambuf_iterator<char>(in), {}), nullptr, false);
}

// Reads the settings file over and over until stopped, counting reads that are not a whole object.
class TornFileWatch {
public:
    explicit TornFileWatch(const TempHome& home)
        : thread_([this, &home] {
              while (!stop_) {
                  std::error_code ec;
                  if (!std::filesystem::exists(home.settingsFile(), ec))
                      continue;
                  ++reads;
                  auto parsed = settingsIn(home);
                  torn += parsed.is_discarded() || !parsed.is_object();
              }
          })
    {
    }
    ~TornFileWatch() { stopNow(); }
    void stopNow()
    {
        stop_ = true;
        if (thread_.joinable())
            thread_.join();
    }
    std::atomic<int> reads{0}, torn{0};

private:
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

// Lets the event loop run until `done` holds or a second has passed.
template <class Condition>
bool withinASecond(Condition done)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    while (!done() && std::chrono::steady_clock::now() < deadline)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

} // namespace

TEST(SharedSettings, ConcurrentCommandsLoseNoUpdateAndNeverTearTheFile)
{
    TempHome home;
    TornFileWatch watch(home);
    for (int round = 0; round < 50; ++round) {
        const std::string n = std::to_string(round);
        ASSERT_TRUE(finish({start({"set", "phone_preference", "p" + n}), start({"set", "other_preference", "o" + n}),
                            start({"set", "strip_color", round % 2 ? "0x11223380" : "0x44556680"})}))
            << "round " << round;
        auto now = settingsIn(home);
        ASSERT_EQ(now["phone_preference"], "p" + n);
        ASSERT_EQ(now["other_preference"], "o" + n);
        ASSERT_EQ(now["strip_color"], round % 2 ? 0x11223380u : 0x44556680u);
    }

    std::vector<pid_t> savers;
    for (int i = 0; i < 60; ++i)
        savers.push_back(start({"save-style", "Style " + std::to_string(i)}));
    ASSERT_TRUE(finish(savers));
    std::set<std::string> names;
    const auto saved = settingsIn(home);
    for (const auto& style : saved["user_saved_themes"])
        names.insert(style["theme_name"].get<std::string>());
    EXPECT_EQ(names.size(), 60u);

    watch.stopNow();
    EXPECT_GT(watch.reads, 100);
    EXPECT_EQ(watch.torn, 0);
}

TEST(SharedSettings, TheOpenWindowFollowsOtherProcessesAndKeepsTheirChanges)
{
    TestApp t;
    desktop::SettingsWatcher watcher(t.runtime());
    ASSERT_TRUE(finish({start({"set", "phone_preference", "+1 555 0100"})}));
    EXPECT_TRUE(withinASecond([&] { return t.main().splitContact->text() == "TAVRIN: +1 555 0100"; }));
    // Its own next change keeps the number set from outside.
    t.main().setStripColor(unpackColor(0x11223380));
    auto stored = settingsIn(*t.home);
    EXPECT_EQ(stored["phone_preference"], "+1 555 0100");
    EXPECT_EQ(stored["strip_color"], 0x11223380u);

    // A write that fails is told on screen, under the status bar, and saved once it can be.
    bool full = true;
    t.app().settings().setWriterForTesting([&](const std::filesystem::path& file, std::string_view text, std::string& error) {
        return full ? (error = "No space left on device", false) : platform::writeFileAtomically(file, text, error);
    });
    t.main().setBGColor(unpackColor(0x336699FF));
    EXPECT_EQ(t.app().settings().problem(), "Couldn't save your settings: No space left on device");
    auto noticeShown = [&] {
        unsigned rgb = rgbAt(t.screenshot(), 12, 30);
        return (rgb >> 16) > 150 && ((rgb >> 8) & 0xFF) < 60;
    };
    EXPECT_TRUE(noticeShown());
    full = false;
    watcher.check();
    EXPECT_EQ(t.app().settings().problem(), "");
    EXPECT_EQ(settingsIn(*t.home)["bg_color"], 0x336699FFu);
    EXPECT_FALSE(noticeShown());

    // A photograph put in place by another program shows too.
    QImage photo(64, 96, QImage::Format_RGB32);
    photo.fill(QColor(200, 30, 30));
    std::filesystem::create_directories(t.home->documentsDir());
    ASSERT_TRUE(photo.save(QString::fromStdString((t.home->documentsDir() / "wallpaper.jpg").string()), "JPEG"));
    EXPECT_TRUE(withinASecond([&] { return t.main().wallpaper->image() != nullptr; }));
}
