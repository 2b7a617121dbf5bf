#include "support/TestApp.h"

#include "platform/AtomicFile.h"
#include "platform/SettingsStore.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

using platform::SettingsStore;
using testing_support::RecordingLog;
using testing_support::TempHome;

namespace {

std::string readFile(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void writeFile(const std::filesystem::path& p, const std::string& text)
{
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << text;
}

struct StoreFixture : ::testing::Test {
    TempHome home;
    RecordingLog log;
    std::filesystem::path file = home.path() / "cfg" / "settings.json";
};

} // namespace

TEST_F(StoreFixture, ValuesKeepTheirTypesAcrossRestarts)
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
    // Stored as a plain JSON integer, never negative and never text.
    EXPECT_NE(readFile(file).find("4294967295"), std::string::npos);
}

TEST_F(StoreFixture, ValuesOfTheWrongTypeArePresentButReadAsNothing)
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

TEST_F(StoreFixture, AFileThatIsNotAJsonObjectIsMovedAsideAndNeverDeleted)
{
    for (const std::string bad : {"", "{\"strip_layout\": \"spl", "not json", "[1, 2]", "\"text\""}) {
        std::filesystem::remove_all(file.parent_path());
        writeFile(file, bad);
        log.lines.clear();
        SettingsStore store(file, log);
        EXPECT_TRUE(store.all().empty()) << bad;
        EXPECT_EQ(log.lines.size(), 1u) << bad;
        std::vector<std::string> aside;
        for (auto& e : std::filesystem::directory_iterator(file.parent_path()))
            if (e.path().filename().string().starts_with("settings.json.corrupt-"))
                aside.push_back(readFile(e.path()));
        EXPECT_EQ(aside, std::vector<std::string>{bad});
        store.setObject("k", "v");
        EXPECT_EQ(SettingsStore(file, log).stringForKey("k"), "v");
    }
}

TEST_F(StoreFixture, AFailedWriteIsReportedOnceKeptInMemoryAndSavedOnRetry)
{
    SettingsStore store(file, log);
    store.setObject("a", "old");
    const std::string before = readFile(file);
    bool failing = true;
    int writes = 0, problems = 0;
    store.onProblemChanged = [&] { ++problems; };
    store.setWriterForTesting([&](const std::filesystem::path& f, std::string_view contents, std::string& error) {
        ++writes;
        if (failing) {
            error = "No space left on device";
            return false;
        }
        return platform::writeFileAtomically(f, contents, error);
    });
    store.setObject("a", "new");
    store.setObject("b", "x");
    EXPECT_EQ(store.stringForKey("a"), "new");
    EXPECT_TRUE(store.hasUnsavedChanges());
    EXPECT_EQ(store.problem(), "Couldn't save your settings: No space left on device");
    EXPECT_EQ(problems, 1);
    EXPECT_EQ(readFile(file), before);

    failing = false;
    EXPECT_TRUE(store.saveUnsavedChanges());
    EXPECT_EQ(store.problem(), "");
    EXPECT_EQ(problems, 2);
    SettingsStore reread(file, log);
    EXPECT_EQ(reread.stringForKey("a"), "new");
    EXPECT_EQ(reread.stringForKey("b"), "x");
    // Once saved, setting a value it already holds writes nothing.
    store.setObject("b", "x");
    EXPECT_EQ(writes, 3);

    // A folder that cannot exist (a plain file in its place) fails the same way, whoever runs it.
    writeFile(home.path() / "blocker", "x");
    SettingsStore blocked(home.path() / "blocker" / "settings.json", log);
    blocked.setObject("a", "x");
    EXPECT_EQ(blocked.stringForKey("a"), "x");
    EXPECT_FALSE(blocked.problem().empty());
    EXPECT_EQ(readFile(home.path() / "blocker"), "x");
}

TEST_F(StoreFixture, TwoStoresOnOneFileKeepEachOthersChanges)
{
    SettingsStore window(file, log), command(file, log);
    window.setObject("phone", "1");
    command.setObject("other", "2");
    window.setObject("layout", "classic");
    SettingsStore reread(file, log);
    EXPECT_EQ(reread.all(), (SettingsStore::Value{{"phone", "1"}, {"other", "2"}, {"layout", "classic"}}));
    // The window's write took in the command's change, and says so once.
    EXPECT_TRUE(window.reloadIfChanged());
    EXPECT_FALSE(window.reloadIfChanged());
    EXPECT_TRUE(command.reloadIfChanged());
    EXPECT_EQ(command.stringForKey("layout"), "classic");
    EXPECT_FALSE(command.reloadIfChanged());
    // A change not yet saved wins over the file's older value.
    command.setWriterForTesting([](auto&, auto, std::string& error) { return error = "full", false; });
    command.setObject("phone", "3");
    window.setObject("phone", "4");
    command.reloadIfChanged();
    EXPECT_EQ(command.stringForKey("phone"), "3");
}

TEST_F(StoreFixture, AFileThatCannotBeReadIsLeftAsItIsAndNeverWritten)
{
    struct Case {
        const char* name;
        std::function<void()> make;
        std::function<void()> repair;
    };
    const std::string stored = R"({"phone": "555"})";
    std::vector<Case> cases = {
        {"a folder", [&] { std::filesystem::create_directories(file); }, nullptr},
        {"a FIFO", [&] { ASSERT_EQ(mkfifo(file.c_str(), 0600), 0); },
         [&] { std::filesystem::remove(file), writeFile(file, stored); }},
        {"a device", [&] { std::filesystem::create_symlink("/dev/zero", file); }, nullptr},
        {"over 16 MB", [&] { writeFile(file, "{\"phone\": \"555\"}" + std::string(17 << 20, ' ')); }, nullptr},
    };
    if (geteuid() != 0) // root reads whatever the mode says
        cases.push_back({"unreadable", [&] { writeFile(file, stored), std::filesystem::permissions(file, {}); },
                         [&] { std::filesystem::permissions(file, std::filesystem::perms::owner_all); }});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(file.parent_path());
        std::filesystem::create_directories(file.parent_path());
        c.make();
        const auto status = std::filesystem::symlink_status(file);
        const auto size = std::filesystem::is_regular_file(status) ? std::filesystem::file_size(file) : 0;
        SettingsStore store(file, log);
        EXPECT_TRUE(store.isUnreadable());
        EXPECT_NE(store.problem().find("Couldn't read your settings"), std::string::npos) << store.problem();
        store.setObject("phone", "911"); // a default, as the start-up writes
        store.setObject("other", "x");
        EXPECT_EQ(store.stringForKey("other"), "x");
        EXPECT_TRUE(store.hasUnsavedChanges());
        EXPECT_EQ(std::filesystem::symlink_status(file).type(), status.type());
        if (std::filesystem::is_regular_file(status)) {
            EXPECT_EQ(std::filesystem::file_size(file), size);
        }
        if (c.repair) {
            c.repair();
            // Once readable, the file's values win over what was set on defaults; the rest is saved.
            EXPECT_TRUE(store.reloadIfChanged());
            EXPECT_EQ(store.problem(), "");
            EXPECT_EQ(SettingsStore(file, log).all(), (SettingsStore::Value{{"phone", "555"}, {"other", "x"}}));
        }
    }
}

TEST_F(StoreFixture, ALinkedFileIsWrittenAtItsTargetKeepingItsMode)
{
    auto target = home.path() / "dotfiles" / "tavrin.json";
    writeFile(target, R"({"phone": "555"})");
    std::filesystem::permissions(target, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    std::filesystem::create_directories(file.parent_path());
    std::filesystem::create_symlink("../dotfiles/tavrin.json", file);
    SettingsStore(file, log).setObject("other", "x");
    EXPECT_TRUE(std::filesystem::is_symlink(file));
    EXPECT_EQ(SettingsStore(target, log).all(), (SettingsStore::Value{{"phone", "555"}, {"other", "x"}}));
    EXPECT_EQ(std::filesystem::status(target).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    // A file no one may write is refused, not replaced.
    std::filesystem::permissions(target, std::filesystem::perms::owner_read);
    SettingsStore readOnly(file, log);
    readOnly.setObject("other", "y");
    EXPECT_NE(readOnly.problem().find("Permission denied"), std::string::npos) << readOnly.problem();
    EXPECT_EQ(SettingsStore(target, log).stringForKey("other"), "x");
}
