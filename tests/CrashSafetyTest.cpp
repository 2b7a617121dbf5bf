// The settings and the photograph survive a writer killed at any moment and a disk that fills up.
#include "support/Files.h"
#include "support/Rows.h"

#include "MainViewController.h"
#include "SettingsKeys.h"

#include "platform/Application.h"
#include "platform/AtomicFile.h"
#include "platform/SettingsStore.h"

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <random>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace testing_support;

namespace {

// A file written over and over, each time wholly of one repeated character (the round's own).
struct Writer {
    const char* what;
    const char* name;
    int rounds;
    std::string initial;
    std::function<void(const std::filesystem::path&, int round)> writeForever;
    std::function<std::string(const std::string& fileBytes)> filling; // the run of one repeated character on disk
};
void PrintTo(const Writer& w, std::ostream* os) { *os << w.what; }

const Writer writers[] = {
    {"settings", "settings.json", 300, R"({"payload": ")" + std::string(50000, 'a') + "\"}",
     [](const std::filesystem::path& file, int round) {
         RecordingLog log;
         platform::SettingsStore store(file, log);
         for (int i = 0;; ++i) {
             store.setObject("payload", std::string(50000 + (i % 7) * 1000, char('a' + (round + i) % 26)));
             store.setObject("round", round);
         }
     },
     [](const std::string& bytes) {
         auto parsed = nlohmann::json::parse(bytes, nullptr, false);
         return parsed.is_object() && parsed.contains("payload") ? parsed["payload"].get<std::string>() : "";
     }},
    {"photograph", "wallpaper.jpg", 200, std::string(400000, 'a'),
     [](const std::filesystem::path& file, int round) {
         for (int i = 0;; ++i) {
             std::string e;
             platform::writeFileAtomically(file, std::string(400000 + (i % 5) * 4096, char('a' + (round + i) % 26)), e);
         }
     },
     [](const std::string& bytes) { return bytes.size() >= 400000 ? bytes : ""; }},
};

struct KilledWriter : ::testing::TestWithParam<Writer> {
    TempHome home;
    std::filesystem::path file = home.path() / "folder" / GetParam().name;
    void SetUp() override
    {
        std::string error;
        std::filesystem::create_directories(file.parent_path());
        ASSERT_TRUE(platform::writeFileAtomically(file, GetParam().initial, error)) << error;
    }

    // Only the file, its lock and the temporaries of killed writers may be in the folder; the last
    // until the next write clears them. Returns how many temporaries there are.
    int expectOnlyTheFile()
    {
        const std::string name = GetParam().name;
        int temporaries = 0;
        for (auto& e : std::filesystem::directory_iterator(file.parent_path())) {
            std::string f = e.path().filename().string();
            temporaries += f.starts_with(name + ".tmp-");
            EXPECT_TRUE(f == name || f == name + ".lock" || f.starts_with(name + ".tmp-")) << "left behind: " << f;
        }
        return temporaries;
    }
};

} // namespace

TEST_P(KilledWriter, NeverLeavesATornFile)
{
    std::mt19937 random(1234);
    std::uniform_int_distribution<int> delayMicros(0, 6000);
    for (int round = 0; round < GetParam().rounds && !HasFailure(); ++round) {
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            GetParam().writeForever(file, round);
            _exit(0);
        }
        usleep(useconds_t(delayMicros(random)));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        const std::string filling = GetParam().filling(readFile(file));
        ASSERT_FALSE(filling.empty()) << "a damaged file in round " << round;
        ASSERT_EQ(filling.find_first_not_of(filling[0]), std::string::npos) << "a torn mix in round " << round;
        expectOnlyTheFile();
    }
}

TEST_P(KilledWriter, TheNextWriteRemovesTheTemporaryOfADeadWriter)
{
    pid_t dead = fork();
    if (dead == 0)
        _exit(0);
    waitpid(dead, nullptr, 0);
    writeFile(file.string() + ".tmp-" + std::to_string(dead) + "-0", "half");
    RecordingLog log;
    std::string error;
    if (file.filename() == "settings.json")
        platform::SettingsStore(file, log).setObject("round", -1);
    else
        ASSERT_TRUE(platform::writeFileAtomically(file, "last", error));
    EXPECT_EQ(expectOnlyTheFile(), 0);
}

INSTANTIATE_TEST_SUITE_P(Files, KilledWriter, ::testing::ValuesIn(writers), ByWhat());

// The child may write only a few bytes a file, as on a full disk.
TEST(FullDisk, TheWindowKeepsTheEarlierSettingsAndPhotographAndSaysItCouldNotSave)
{
    auto home = std::make_shared<TempHome>();
    TestApp(home).app().settings().setObject(keys::phonePreference, "555-0100");
    const std::string settingsBefore = readFile(home->settingsFile());

    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN); // a write past the limit then fails with EFBIG instead of killing
        rlimit limit{64, 64};
        setrlimit(RLIMIT_FSIZE, &limit);
        TestApp t(home);
        t.app().settings().setObject(keys::phonePreference, std::string(4096, '7'));
        const bool unsaved = t.app().settings().hasUnsavedChanges();
        platform::Image photo;
        photo.width = photo.height = 32;
        photo.bytesPerRow = 128;
        photo.bytes.assign(32 * 128, 0x80);
        const bool saved = t.main().saveImage(photo);
        _exit(unsaved && !saved && !t.app().settings().problem().empty() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the failed writes were not reported as failures";
    EXPECT_EQ(readFile(home->settingsFile()), settingsBefore);
    EXPECT_FALSE(std::filesystem::exists(home->documentsDir() / "wallpaper.jpg"));
    for (auto& e : std::filesystem::directory_iterator(home->configDir()))
        EXPECT_TRUE(e.path().filename() == "settings.json" || e.path().filename() == "settings.json.lock")
            << "left behind: " << e.path();
}
