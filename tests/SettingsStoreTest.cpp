// The settings file: the store on its own, files that are damaged, cannot be read or cannot be
// written, several processes on one file, and writers killed at any moment.
#include "support/Files.h"
#include "support/Events.h"

#include "desktop/SettingsWatcher.h"

#include "MainViewController.h"
#include "PackedColor.h"

#include "platform/Application.h"
#include "platform/AtomicFile.h"
#include "platform/ImageView.h"
#include "platform/Label.h"
#include "platform/SettingsStore.h"

#include <QImage>

#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <cstdlib>
#include <functional>
#include <random>
#include <set>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using platform::SettingsStore;
using namespace testing_support;
namespace fs = std::filesystem;

namespace {

const std::string stored = R"({"phone": "555"})";

// Every write through the store fails while `full` holds, as on a full disk.
void fillDisk(SettingsStore& store, const bool& full, int* writes = nullptr)
{
    store.setWriterForTesting([&full, writes](const fs::path& f, std::string_view text, std::string& error) {
        if (writes)
            ++*writes;
        return full ? (error = "No space left on device", false) : platform::writeFileAtomically(f, text, error);
    });
}

// Starts the real binary once for each command, all at once; whether every one exited 0.
bool runAtOnce(const std::vector<std::string>& commands)
{
    std::string script, waits = "s=0";
    for (std::size_t i = 0; i < commands.size(); ++i) {
        script += std::string(TAVRIN_BINARY) + " " + commands[i] + " >/dev/null & p" + std::to_string(i) + "=$!; ";
        waits += "; wait $p" + std::to_string(i) + " || s=1";
    }
    return std::system((script + waits + "; exit $s").c_str()) == 0;
}

struct Store : ::testing::Test {
    std::shared_ptr<TempHome> home = std::make_shared<TempHome>();
    RecordingLog log;
    fs::path file = home->settingsFile();
    SettingsStore::Value reread() { return SettingsStore(file, log).all(); }
};

} // namespace

TEST_F(Store, ADamagedFileIsMovedAsideWholeNeverOverAnEarlierOneAndTheStoreStartsAfresh)
{
    const std::pair<const char*, std::string> rows[] = {
        {"not JSON", "{\"strip_layout\": \"spl"},
        {"not an object", "[1, 2]"},
        {"65 levels deep", "{\"a\":" + std::string(64, '[') + std::string(64, ']') + "}"},
    };
    std::vector<std::string> aside;
    for (const auto& [what, contents] : rows) {
        writeFile(file, contents);
        SettingsStore store(file, log);
        EXPECT_TRUE(store.all().empty()) << what;
        aside.push_back(contents); // all within a second or two: each gets a name of its own
        std::sort(aside.begin(), aside.end());
        EXPECT_EQ(filesStartingWith(file.parent_path(), "settings.json.corrupt-"), aside) << what;
        store.setObject("k", what);
        EXPECT_EQ(SettingsStore(file, log).stringForKey("k"), what);
    }
    EXPECT_EQ(log.lines.size(), 3u);
}

TEST_F(Store, AFileThatCannotBeReadIsNeverWrittenAndOnceRepairedItsValuesWinOverDefaults)
{
    // Each way a settings file can exist and yet not be read; `repair` makes it readable, holding `stored`.
    struct Unreadable {
        const char* what;
        std::function<void(const fs::path&)> make, repair;
    };
    std::vector<Unreadable> rows = {
        {"a FIFO", [](const fs::path& f) { ASSERT_EQ(mkfifo(f.c_str(), 0600), 0); },
         [](const fs::path& f) { fs::remove(f), writeFile(f, stored); }},
        {"over 16 MB", [](const fs::path& f) { writeFile(f, stored + std::string(17 << 20, ' ')); }, nullptr},
    };
    if (geteuid() != 0) // root reads whatever the mode says
        rows.push_back({"unreadable", [](const fs::path& f) { writeFile(f, stored), fs::permissions(f, {}); },
                        [](const fs::path& f) { fs::permissions(f, fs::perms::owner_all); }});
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        fs::remove_all(file.parent_path());
        fs::create_directories(file.parent_path());
        row.make(file);
        const auto type = fs::symlink_status(file).type();
        const auto size = fs::is_regular_file(file) ? fs::file_size(file) : 0;
        SettingsStore store(file, log);
        EXPECT_TRUE(store.isUnreadable());
        EXPECT_NE(store.problem().find("Couldn't read your settings"), std::string::npos) << store.problem();
        store.setObject("phone", "911"); // a default, as the start-up writes
        store.setObject("other", "x");
        EXPECT_EQ(store.stringForKey("other"), "x");
        EXPECT_TRUE(store.hasUnsavedChanges());
        EXPECT_EQ(fs::symlink_status(file).type(), type);
        EXPECT_EQ(fs::is_regular_file(file) ? fs::file_size(file) : 0, size);
        if (!row.repair)
            continue;
        row.repair(file);
        EXPECT_TRUE(store.reloadIfChanged());
        EXPECT_EQ(store.problem(), "");
        EXPECT_EQ(reread(), (SettingsStore::Value{{"phone", "555"}, {"other", "x"}}));
    }
}

// Where commands refuse to run.
TEST_F(Store, TheWindowRunsOnTheDefaultsOverAFileThatCannotBeReadAndSaysSo)
{
    fs::create_directories(file.parent_path());
    ASSERT_EQ(mkfifo(file.c_str(), 0600), 0);
    TestApp t(home);
    EXPECT_FALSE(t.app().settings().problem().empty());
    EXPECT_EQ(t.view<platform::Label>("split.contact").text(), "TAVRIN: 911");
    EXPECT_TRUE(fs::is_fifo(file));
}

TEST_F(Store, AFailedWriteIsReportedOnceKeptInMemoryAndSavedOnRetry)
{
    SettingsStore store(file, log);
    store.setObject("a", "old");
    const std::string before = readFile(file);
    bool full = true;
    int problems = 0, writes = 0;
    store.onProblemChanged = [&] { ++problems; };
    fillDisk(store, full, &writes);
    store.setObject("a", "new");
    store.setObject("b", "x");
    EXPECT_EQ(store.stringForKey("a"), "new");
    EXPECT_TRUE(store.hasUnsavedChanges());
    EXPECT_EQ(store.problem(), "Couldn't save your settings: No space left on device");
    EXPECT_EQ(problems, 1);
    EXPECT_EQ(readFile(file), before);

    full = false;
    EXPECT_TRUE(store.saveUnsavedChanges());
    EXPECT_EQ(store.problem(), "");
    EXPECT_EQ(problems, 2);
    EXPECT_EQ(reread(), (SettingsStore::Value{{"a", "new"}, {"b", "x"}}));
    store.setObject("b", "x");
    EXPECT_EQ(writes, 3) << "setting a value it already holds writes nothing";
}

// No lock can be taken where no folder can be made: the store still runs and says why it cannot save.
TEST_F(Store, AFolderThatCannotBeMadeFailsTheWriteAndTheValueIsKept)
{
    writeFile(home->path() / "blocker", "x"); // a plain file where the folder should be
    SettingsStore blocked(home->path() / "blocker" / "settings.json", log);
    blocked.setObject("a", "x");
    EXPECT_EQ(blocked.stringForKey("a"), "x");
    EXPECT_FALSE(blocked.problem().empty());
    EXPECT_EQ(readFile(home->path() / "blocker"), "x");
}

TEST(SettingsInTheWindow, AFailedWriteIsShownUnderTheStatusBarUntilItIsSaved)
{
    TestApp t;
    desktop::SettingsWatcher watcher(t.runtime());
    bool full = true;
    fillDisk(t.app().settings(), full);
    auto noticeShown = [&] {
        unsigned rgb = rgbAt(t.screenshot(), 12, 30);
        return (rgb >> 16) > 150 && ((rgb >> 8) & 0xFF) < 60;
    };
    t.main().setBGColor(unpackColor(0x336699FF));
    EXPECT_TRUE(noticeShown());
    full = false;
    watcher.check();
    EXPECT_EQ(settingsIn(*t.home)["bg_color"], 0x336699FFu);
    EXPECT_FALSE(noticeShown());
}

TEST_F(Store, TwoStoresOnOneFileKeepEachOthersChangesAndTellOnceOfTheOthers)
{
    SettingsStore window(file, log), command(file, log);
    window.setObject("phone", "1");
    command.setObject("other", "2");
    window.setObject("layout", "classic"); // takes in the command's change
    EXPECT_EQ(reread(), (SettingsStore::Value{{"phone", "1"}, {"other", "2"}, {"layout", "classic"}}));
    EXPECT_TRUE(window.reloadIfChanged());
    EXPECT_FALSE(window.reloadIfChanged());
    EXPECT_TRUE(command.reloadIfChanged());
    EXPECT_EQ(command.stringForKey("layout"), "classic");
    EXPECT_FALSE(command.reloadIfChanged());
}

TEST_F(Store, AChangeNotYetSavedWinsOverTheFilesOlderValue)
{
    SettingsStore window(file, log), command(file, log);
    const bool full = true;
    fillDisk(command, full);
    command.setObject("phone", "3");
    window.setObject("phone", "4");
    command.reloadIfChanged();
    EXPECT_EQ(command.stringForKey("phone"), "3");
}

TEST_F(Store, ALinkedFileIsWrittenAtItsTargetKeepingItsModeUnlessNoOneMayWriteIt)
{
    const auto target = home->path() / "dotfiles" / "tavrin.json";
    writeFile(target, stored);
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_directories(file.parent_path());
    fs::create_symlink("../../dotfiles/tavrin.json", file);
    SettingsStore(file, log).setObject("other", "x");
    EXPECT_TRUE(fs::is_symlink(file));
    EXPECT_EQ(SettingsStore(target, log).all(), (SettingsStore::Value{{"phone", "555"}, {"other", "x"}}));
    EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read | fs::perms::owner_write);

    fs::permissions(target, fs::perms::owner_read);
    SettingsStore readOnly(file, log);
    readOnly.setObject("other", "y");
    EXPECT_NE(readOnly.problem().find("Permission denied"), std::string::npos) << readOnly.problem();
    EXPECT_EQ(SettingsStore(target, log).stringForKey("other"), "x");
}

// Commands racing each other while a reader watches for torn files: sets of different keys and
// saves of styles, all kept.
TEST(SharedSettings, ConcurrentCommandsLoseNoUpdateAndNeverShowATornFile)
{
    TempHome home;
    std::atomic<bool> stop{false};
    std::atomic<int> reads{0}, torn{0};
    std::thread watch([&] {
        while (!stop) {
            std::error_code ec;
            if (!fs::exists(home.settingsFile(), ec))
                continue;
            ++reads;
            auto parsed = settingsIn(home);
            torn += parsed.is_discarded() || !parsed.is_object();
        }
    });
    for (int round = 0; round < 30 && !testing::Test::HasFailure(); ++round) {
        const std::string n = std::to_string(round);
        EXPECT_TRUE(runAtOnce({"set phone_preference p" + n, "set other_preference o" + n, "save-style A" + n,
                               "save-style B" + n}))
            << "round " << round;
        auto now = settingsIn(home);
        EXPECT_EQ(now["phone_preference"], "p" + n);
        EXPECT_EQ(now["other_preference"], "o" + n);
    }
    stop = true;
    watch.join();
    std::set<std::string> names;
    const auto saved = settingsIn(home);
    for (const auto& style : saved["user_saved_themes"])
        names.insert(style["theme_name"].get<std::string>());
    EXPECT_EQ(names.size(), 60u);
    EXPECT_GT(reads, 100);
    EXPECT_EQ(torn, 0);
}

TEST(SharedSettings, AnOpenWindowShowsANumberAndAPhotographAnotherProcessPutInPlace)
{
    TestApp t;
    desktop::SettingsWatcher watcher{t.runtime()};
    ASSERT_TRUE(runAtOnce({"set phone_preference '+1 555 0100'"}));
    EXPECT_TRUE(runEventsUntil([&] { return t.view<platform::Label>("split.contact").text() == "TAVRIN: +1 555 0100"; }));
    QImage photo(64, 96, QImage::Format_RGB32);
    photo.fill(QColor(200, 30, 30));
    fs::create_directories(t.home->documentsDir());
    ASSERT_TRUE(photo.save(QString::fromStdString((t.home->documentsDir() / "wallpaper.jpg").string()), "JPEG"));
    EXPECT_TRUE(runEventsUntil([&] { return t.view<platform::ImageView>("wallpaper").image() != nullptr; }));
}

// A writer killed at any moment leaves the whole earlier file or the whole new one, never a mix;
// its temporary is cleared by the next write.
TEST_F(Store, AWriterKilledAtAnyMomentNeverLeavesATornFile)
{
    writeFile(file, R"({"payload": ")" + std::string(50000, 'a') + "\"}");
    auto temporaries = [&] {
        int n = 0;
        for (auto& e : fs::directory_iterator(file.parent_path())) {
            const std::string f = e.path().filename().string();
            n += f.starts_with("settings.json.tmp-");
            EXPECT_TRUE(f == "settings.json" || f == "settings.json.lock" || f.starts_with("settings.json.tmp-"))
                << "left behind: " << f;
        }
        return n;
    };
    std::mt19937 random(1234);
    std::uniform_int_distribution<int> delayMicros(0, 6000);
    for (int round = 0; round < 300 && !HasFailure(); ++round) {
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            SettingsStore store(file, log);
            for (int i = 0;; ++i) {
                store.setObject("payload", std::string(50000 + (i % 7) * 1000, char('a' + (round + i) % 26)));
                store.setObject("round", round);
            }
        }
        usleep(useconds_t(delayMicros(random)));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        auto parsed = nlohmann::json::parse(readFile(file), nullptr, false);
        ASSERT_TRUE(parsed.is_object() && parsed.contains("payload")) << "a damaged file in round " << round;
        const std::string filling = parsed["payload"];
        ASSERT_EQ(filling.find_first_not_of(filling[0]), std::string::npos) << "a torn mix in round " << round;
        temporaries();
    }
    pid_t dead = fork();
    if (dead == 0)
        _exit(0);
    waitpid(dead, nullptr, 0);
    writeFile(file.string() + ".tmp-" + std::to_string(dead) + "-0", "half");
    SettingsStore(file, log).setObject("round", -1);
    EXPECT_EQ(temporaries(), 0);
}
