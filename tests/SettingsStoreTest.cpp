// The settings store on its own, and what the window makes of a settings file that is damaged, cannot
// be read or cannot be written.
#include "support/Files.h"
#include "support/Rows.h"

#include "desktop/SettingsWatcher.h"

#include "MainViewController.h"
#include "PackedColor.h"

#include "platform/Application.h"
#include "platform/AtomicFile.h"
#include "platform/Label.h"
#include "platform/SettingsStore.h"

#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>
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

struct Store : ::testing::Test {
    std::shared_ptr<TempHome> home = std::make_shared<TempHome>();
    RecordingLog log;
    fs::path file = home->settingsFile();
};

} // namespace

TEST_F(Store, ValuesKeepTheirTypesAcrossRestarts)
{
    {
        SettingsStore store(file, log);
        store.setObject("text", "911");
        store.setObject("empty", "");
        store.setObject("colour", std::uint32_t(0xFFFFFFFF));
        store.setObject("list", SettingsStore::Value::array({{{"theme_name", "x"}, {"bg_color", 255u}}}));
    }
    SettingsStore again(file, log);
    EXPECT_EQ(again.stringForKey("text"), "911");
    EXPECT_EQ(again.stringForKey("empty"), "");
    EXPECT_EQ(again.unsignedForKey("colour"), 0xFFFFFFFFu);
    ASSERT_NE(again.arrayForKey("list"), nullptr);
    EXPECT_EQ((*again.arrayForKey("list"))[0]["bg_color"], 255u);
    EXPECT_EQ(again.valueForKey("never"), nullptr);
    EXPECT_NE(readFile(file).find("4294967295"), std::string::npos) << "a plain JSON integer, not negative, not text";
}

TEST_F(Store, ValuesOfTheWrongTypeArePresentButReadAsNothing)
{
    writeFile(file, R"({"a": -1, "b": 1099511627776, "c": "0xFF", "d": 3.5, "e": {"x": 1}, "f": [1]})");
    SettingsStore store(file, log);
    for (const char* key : {"a", "b", "c", "d", "e"}) {
        EXPECT_NE(store.valueForKey(key), nullptr) << key;
        EXPECT_EQ(store.unsignedForKey(key), std::nullopt) << key;
    }
    EXPECT_EQ(store.stringForKey("a"), std::nullopt);
    EXPECT_EQ(store.arrayForKey("e"), nullptr);
    EXPECT_NE(store.arrayForKey("f"), nullptr);
}

namespace {

struct Damage {
    const char* what;
    std::string contents;
};
void PrintTo(const Damage& d, std::ostream* os) { *os << d.what; }

std::string nested(int depth) { return "{\"a\":" + std::string(depth - 1, '[') + std::string(depth - 1, ']') + "}"; }

struct DamagedSettings : Store, ::testing::WithParamInterface<Damage> {
    void SetUp() override { writeFile(file, GetParam().contents); }
};

} // namespace

TEST_P(DamagedSettings, IsMovedAsideWholeAndTheStoreStartsAfresh)
{
    SettingsStore store(file, log);
    EXPECT_TRUE(store.all().empty());
    EXPECT_EQ(log.lines.size(), 1u);
    EXPECT_EQ(filesStartingWith(file.parent_path(), "settings.json.corrupt-"), std::vector{GetParam().contents});
    store.setObject("k", "v");
    EXPECT_EQ(SettingsStore(file, log).stringForKey("k"), "v");
}

TEST_P(DamagedSettings, TheWindowStartsOnTheDefaultsAndSaysSo)
{
    TestApp t(home);
    EXPECT_EQ(t.view<platform::Label>("split.contact").text(), "TAVRIN: 911");
    EXPECT_TRUE(t.main().isSplitLayout());
    EXPECT_TRUE(t.log.contains("moved aside"));
}

INSTANTIATE_TEST_SUITE_P(Files, DamagedSettings,
                         ::testing::Values(Damage{"empty", ""}, Damage{"cut short", "{\"strip_layout\": \"spl"},
                                           Damage{"not JSON", "not json"}, Damage{"an array", "[1, 2]"},
                                           Damage{"a string", "\"text\""}, Damage{"binary", "\xff\xfe{"},
                                           Damage{"five million brackets", std::string(5'000'000, '[')},
                                           Damage{"a value not UTF-8", "{\"phone_preference\": \"9\xff" "1\"}"},
                                           Damage{"65 levels deep", nested(65)},
                                           Damage{"100000 levels deep", nested(100'000)}),
                         ByWhat());

TEST_F(Store, TwoDamagedFilesInOneSecondAreBothKept)
{
    for (const char* damage : {"first damage", "second damage"}) {
        writeFile(file, damage);
        SettingsStore{file, log};
    }
    EXPECT_EQ(filesStartingWith(file.parent_path(), "settings.json.corrupt-"),
              (std::vector<std::string>{"first damage", "second damage"}));
}

namespace {

// Each way a settings file can exist and yet not be read; `repair` makes it readable, holding `stored`.
struct Unreadable {
    const char* what;
    std::function<void(const fs::path&)> make, repair;
};

std::vector<Unreadable> unreadables()
{
    std::vector<Unreadable> rows = {
        {"a folder", [](const fs::path& f) { fs::create_directories(f); }, nullptr},
        {"a FIFO", [](const fs::path& f) { ASSERT_EQ(mkfifo(f.c_str(), 0600), 0); },
         [](const fs::path& f) { fs::remove(f), writeFile(f, stored); }},
        {"a device", [](const fs::path& f) { fs::create_symlink("/dev/zero", f); }, nullptr},
        {"over 16 MB", [](const fs::path& f) { writeFile(f, stored + std::string(17 << 20, ' ')); }, nullptr},
    };
    if (geteuid() != 0) // root reads whatever the mode says
        rows.push_back({"unreadable", [](const fs::path& f) { writeFile(f, stored), fs::permissions(f, {}); },
                        [](const fs::path& f) { fs::permissions(f, fs::perms::owner_all); }});
    return rows;
}

} // namespace

TEST_F(Store, AFileThatCannotBeReadIsNeverWrittenWhileTheStoreAndTheWindowRunOnDefaults)
{
    for (const auto& row : unreadables()) {
        SCOPED_TRACE(row.what);
        fs::remove_all(file.parent_path());
        fs::create_directories(file.parent_path());
        row.make(file);
        const auto type = fs::symlink_status(file).type();
        const auto size = fs::is_regular_file(file) ? fs::file_size(file) : 0;
        {
            SettingsStore store(file, log);
            EXPECT_TRUE(store.isUnreadable());
            EXPECT_NE(store.problem().find("Couldn't read your settings"), std::string::npos) << store.problem();
            store.setObject("other", "x");
            EXPECT_EQ(store.stringForKey("other"), "x");
            EXPECT_TRUE(store.hasUnsavedChanges());
        }
        {
            TestApp t(home);
            EXPECT_FALSE(t.app().settings().problem().empty());
            EXPECT_EQ(t.view<platform::Label>("split.contact").text(), "TAVRIN: 911");
        }
        EXPECT_EQ(fs::symlink_status(file).type(), type);
        EXPECT_EQ(fs::is_regular_file(file) ? fs::file_size(file) : 0, size);
    }
}

TEST_F(Store, OnceAnUnreadableFileIsRepairedItsValuesWinOverDefaultsAndTheRestIsSaved)
{
    for (const auto& row : unreadables()) {
        if (!row.repair)
            continue;
        SCOPED_TRACE(row.what);
        fs::remove_all(file.parent_path());
        fs::create_directories(file.parent_path());
        row.make(file);
        SettingsStore store(file, log);
        store.setObject("phone", "911"); // a default, as the start-up writes
        store.setObject("other", "x");
        row.repair(file);
        EXPECT_TRUE(store.reloadIfChanged());
        EXPECT_EQ(store.problem(), "");
        EXPECT_EQ(SettingsStore(file, log).all(), (SettingsStore::Value{{"phone", "555"}, {"other", "x"}}));
    }
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
    EXPECT_EQ(SettingsStore(file, log).all(), (SettingsStore::Value{{"a", "new"}, {"b", "x"}}));
    store.setObject("b", "x");
    EXPECT_EQ(writes, 3) << "setting a value it already holds writes nothing";
}

TEST_F(Store, AFolderThatCannotBeMadeFailsTheWriteWhoeverRunsIt)
{
    writeFile(home->path() / "blocker", "x"); // a plain file where the folder should be
    SettingsStore blocked(home->path() / "blocker" / "settings.json", log);
    blocked.setObject("a", "x");
    EXPECT_EQ(blocked.stringForKey("a"), "x");
    EXPECT_FALSE(blocked.problem().empty());
    EXPECT_EQ(readFile(home->path() / "blocker"), "x");
}

TEST_F(Store, TwoStoresOnOneFileKeepEachOthersChangesAndTellOnceOfTheOthers)
{
    SettingsStore window(file, log), command(file, log);
    window.setObject("phone", "1");
    command.setObject("other", "2");
    window.setObject("layout", "classic"); // takes in the command's change
    EXPECT_EQ(SettingsStore(file, log).all(), (SettingsStore::Value{{"phone", "1"}, {"other", "2"}, {"layout", "classic"}}));
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
