#include "support/TestApp.h"

#include "platform/AtomicFile.h"
#include "platform/SettingsStore.h"

#include <gtest/gtest.h>

#include <fstream>

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

TEST_F(StoreFixture, AFailedWriteKeepsTheValueAndTheNextWriteSavesIt)
{
    SettingsStore store(file, log);
    store.setObject("a", "old");
    bool failing = true;
    int writes = 0;
    store.setWriterForTesting([&](const std::filesystem::path& f, std::string_view contents, std::string& error) {
        ++writes;
        if (failing) {
            error = "No space left on device";
            return false;
        }
        return platform::writeFileAtomically(f, contents, error);
    });
    store.setObject("a", "new");
    EXPECT_EQ(store.stringForKey("a"), "new");
    EXPECT_TRUE(store.hasUnsavedChanges());
    EXPECT_TRUE(log.contains("No space left on device"));
    EXPECT_EQ(SettingsStore(file, log).stringForKey("a"), "old"); // the earlier file is whole

    failing = false;
    store.setObject("b", "x");
    EXPECT_FALSE(store.hasUnsavedChanges());
    SettingsStore reread(file, log);
    EXPECT_EQ(reread.stringForKey("a"), "new");
    EXPECT_EQ(reread.stringForKey("b"), "x");
    // Once saved, setting a value it already holds writes nothing.
    store.setObject("b", "x");
    store.setObject("n", 5u);
    store.setObject("n", 5u);
    EXPECT_EQ(writes, 3);
}

TEST_F(StoreFixture, AnUnwritableFolderIsLoggedNotFatal)
{
    // A plain file where the folder should be: no one, not even root, can write inside it.
    writeFile(home.path() / "blocker", "x");
    SettingsStore store(home.path() / "blocker" / "settings.json", log);
    store.setObject("a", "x");
    EXPECT_EQ(store.stringForKey("a"), "x");
    EXPECT_TRUE(store.hasUnsavedChanges());
    EXPECT_FALSE(log.lines.empty());
    EXPECT_EQ(readFile(home.path() / "blocker"), "x");
}
