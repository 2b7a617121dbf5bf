#include "support/TestApp.h"

#include "platform/AtomicFile.h"
#include "platform/SettingsStore.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

using testing_support::RecordingLog;
using testing_support::TempHome;

namespace {

std::string readFile(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Runs `work` in a child process and kills it at a random moment, `rounds` times; after each kill
// `check` looks at what was left on disk.
template <class Work, class Check>
void killRepeatedly(int rounds, Work work, Check check)
{
    std::mt19937 random(1234);
    std::uniform_int_distribution<int> delayMicros(0, 6000);
    for (int round = 0; round < rounds; ++round) {
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            work(round);
            _exit(0);
        }
        usleep(useconds_t(delayMicros(random)));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        check(round);
        if (::testing::Test::HasFatalFailure() || ::testing::Test::HasNonfatalFailure())
            return;
    }
}

// Only the file itself, its lock and the temporaries of killed writers may be in the folder; the
// latter until the next write clears them. Returns how many temporaries there are.
int expectOnly(const std::filesystem::path& folder, const std::string& name)
{
    int temporaries = 0;
    for (auto& e : std::filesystem::directory_iterator(folder)) {
        std::string f = e.path().filename().string();
        temporaries += f.starts_with(name + ".tmp-");
        EXPECT_TRUE(f == name || f == name + ".lock" || f.starts_with(name + ".tmp-")) << "left behind: " << f;
    }
    return temporaries;
}

} // namespace

TEST(CrashSafety, AKilledWriterNeverLeavesATornSettingsFile)
{
    TempHome home;
    RecordingLog log;
    auto file = home.path() / "cfg" / "settings.json";
    {
        platform::SettingsStore initial(file, log);
        initial.setObject("payload", std::string(50000, 'a'));
    }
    killRepeatedly(
        300,
        [&](int round) {
            platform::SettingsStore store(file, log);
            for (int i = 0;; ++i) {
                char marker = char('a' + (round + i) % 26);
                store.setObject("payload", std::string(50000 + (i % 7) * 1000, marker));
                store.setObject("round", round);
            }
        },
        [&](int round) {
            auto parsed = nlohmann::json::parse(readFile(file), nullptr, false);
            ASSERT_FALSE(parsed.is_discarded()) << "round " << round;
            ASSERT_TRUE(parsed.is_object());
            std::string payload = parsed.at("payload").get<std::string>();
            ASSERT_FALSE(payload.empty());
            EXPECT_EQ(payload.find_first_not_of(payload[0]), std::string::npos) << "a torn mix in round " << round;
            expectOnly(file.parent_path(), "settings.json");
        });
    platform::SettingsStore(file, log).setObject("round", -1);
    EXPECT_EQ(expectOnly(file.parent_path(), "settings.json"), 0);
}

TEST(CrashSafety, AKilledWriterNeverLeavesATornPhotograph)
{
    TempHome home;
    auto file = home.path() / "Documents" / "wallpaper.jpg";
    std::filesystem::create_directories(file.parent_path());
    std::string error;
    ASSERT_TRUE(platform::writeFileAtomically(file, std::string(400000, 'a'), error));
    killRepeatedly(
        200,
        [&](int round) {
            for (int i = 0;; ++i) {
                std::string e;
                platform::writeFileAtomically(file, std::string(400000 + (i % 5) * 4096, char('a' + (round + i) % 26)), e);
            }
        },
        [&](int round) {
            std::string bytes = readFile(file);
            ASSERT_GE(bytes.size(), 400000u) << "round " << round;
            EXPECT_EQ(bytes.find_first_not_of(bytes[0]), std::string::npos) << "a torn mix in round " << round;
            expectOnly(file.parent_path(), "wallpaper.jpg");
        });
    ASSERT_TRUE(platform::writeFileAtomically(file, "last", error));
    EXPECT_EQ(expectOnly(file.parent_path(), "wallpaper.jpg"), 0);
}
