#include "support/TestApp.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <ctime>
#include <map>
#include <nlohmann/json.hpp>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace testing_support;

namespace {

struct Outcome {
    int status = -1;
    std::string out;
};

// Runs the real binary on the given home, stdout captured, stderr into a file beside it.
Outcome run(const TempHome& home, const std::string& args, const std::string& envPrefix = "")
{
    std::string command = envPrefix + TAVRIN_BINARY + " " + args + " 2>" + (home.path() / "stderr").string();
    Outcome r;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return r;
    std::array<char, 4096> buffer{};
    while (size_t n = fread(buffer.data(), 1, buffer.size(), pipe))
        r.out.append(buffer.data(), n);
    int status = pclose(pipe);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::string errors(const TempHome& home) { return readFile(home.path() / "stderr"); }

// Every file under the home but the captured errors, with its contents: a refused command changes none
// and leaves no partial file behind.
std::map<std::filesystem::path, std::string> filesIn(const TempHome& home)
{
    std::map<std::filesystem::path, std::string> files;
    for (auto& e : std::filesystem::recursive_directory_iterator(home.path()))
        if (e.is_regular_file() && e.path().filename() != "stderr")
            files[e.path()] = readFile(e.path());
    return files;
}

// The white lettering's pixels inside the strip (y from 132 to 224 points), at any scale.
int letteringPixels(const QImage& image, int scale)
{
    int n = 0;
    for (int y = 132 * scale; y < 224 * scale; ++y)
        for (int x = 0; x < image.width(); ++x)
            n += qGray(image.pixel(x, y)) > 230;
    return n;
}

} // namespace

TEST(CommandLine, ExportOnAFreshConfigurationWritesTheDefaultWallpaper)
{
    TempHome home;
    auto file = home.path() / "out.png";
    Outcome r = run(home, "export -o " + file.string());
    ASSERT_EQ(r.status, 0) << errors(home);
    EXPECT_EQ(r.out, file.string() + "\n");
    QImage image(QString::fromStdString(file.string()));
    ASSERT_EQ(image.size(), QSize(320, 480));
    EXPECT_EQ(rgbAt(image, 5, 5), 0xA8A8A8u);     // background, under where the status bar was
    EXPECT_EQ(rgbAt(image, 5, 475), 0xA8A8A8u);
    EXPECT_EQ(rgbAt(image, 3, 140), 0x1B1C1Cu);   // the strip's left end, clear of the lettering
    int lettering = letteringPixels(image, 1);
    EXPECT_GT(lettering, 1500);

    Outcome scaled = run(home, "export --scale 3 -o " + (home.path() / "big.jpg").string());
    ASSERT_EQ(scaled.status, 0) << errors(home);
    QImage big(QString::fromStdString((home.path() / "big.jpg").string()));
    EXPECT_EQ(big.size(), QSize(960, 1440));
    // Large glyphs once went missing at high scales: the lettering covers about nine times the area.
    EXPECT_GT(letteringPixels(big, 3), 7 * lettering);

    // The album's name is the capture's wall-clock time.
    auto stampOf = [](std::time_t t) {
        char text[64];
        std::strftime(text, sizeof text, "wallpaper-%Y_%m_%d_%H%M%S.png\n", std::localtime(&t));
        return std::string(text);
    };
    std::time_t before = std::time(nullptr);
    Outcome album = run(home, "export");
    ASSERT_EQ(album.status, 0) << errors(home);
    std::string name = album.out.substr(home.albumDir().string().size() + 1);
    EXPECT_TRUE(name == stampOf(before) || name == stampOf(before + 1) || name == stampOf(before + 2)) << name;
}

TEST(CommandLine, ExportKeepsReadOnlyFilesAndWritesThroughLinks)
{
    TempHome home;
    auto kept = home.path() / "kept.png", target = home.path() / "pictures" / "target.png", link = home.path() / "link.png";
    std::ofstream(kept) << "mine";
    std::filesystem::permissions(kept, std::filesystem::perms::owner_read);
    EXPECT_EQ(run(home, "export -o " + kept.string()).status, 1);
    EXPECT_NE(errors(home).find("Permission denied"), std::string::npos) << errors(home);
    EXPECT_EQ(readFile(kept), "mine");

    std::filesystem::create_directories(target.parent_path());
    std::ofstream(target) << "old";
    std::filesystem::create_symlink(target, link);
    ASSERT_EQ(run(home, "export -o " + link.string()).status, 0) << errors(home);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(QImage(QString::fromStdString(target.string())).size(), QSize(320, 480));
}

TEST(CommandLine, GetAndSetGoThroughTheSameOperationsAsTheDialogs)
{
    TempHome home;
    for (const char* args : {"strip_color 0x11223380", "other_preference \"$(printf 'Reward\\tto\\\\\\nme\\001')\"",
                             "strip_layout classic"})
        ASSERT_EQ(run(home, std::string("set ") + args).status, 0) << errors(home);
    EXPECT_EQ(run(home, "get strip_color").out, "0x11223380\n");
    // One record a line, whatever the text holds.
    Outcome all = run(home, "get");
    EXPECT_NE(all.out.find("other_preference\tReward\\tto\\\\\\nme\\x01\n"), std::string::npos) << all.out;
    EXPECT_NE(all.out.find("strip_layout\tclassic\n"), std::string::npos) << all.out;
    EXPECT_NE(all.out.find("bg_color\t0xA8A8A8FF\n"), std::string::npos) << all.out;
    auto json = nlohmann::json::parse(run(home, "get --json").out);
    EXPECT_EQ(json["other_preference"], "Reward\tto\\\nme\001");

    // A value the application cannot use prints what it uses instead, with a note.
    json["strip_color"] = 4294967296;
    json["strip_layout"] = "diagonal";
    std::ofstream(home.path() / "config" / "tavrin-plus" / "settings.json") << json.dump();
    EXPECT_EQ(run(home, "get strip_color").out, "0x1B1C1CFF\n");
    EXPECT_NE(errors(home).find("strip_color holds 4294967296"), std::string::npos) << errors(home);
    EXPECT_EQ(run(home, "get strip_layout").out, "none\n");
}

TEST(CommandLine, BadArgumentsAreUsageErrorsThatChangeNothing)
{
    TempHome home;
    ASSERT_EQ(run(home, "get").status, 0);
    const auto before = filesIn(home);
    const std::string gif = (home.path() / "out.gif").string();
    const std::vector<std::string> refused = {
        "set strip_color red", "set strip_color 0x1122334455", "set strip_layout diagonal", "set style_name x",
        "set phone_preference", "get no_such_key", "export --scale 9", "export -o " + gif, "export --frobnicate",
        "set phone_preference \"$(printf '9\\377')\"", "save-style \"$(printf '\\300\\200')\"",
        "--zoom", "--zoom 0", "--what"};
    for (const std::string& args : refused) {
        EXPECT_EQ(run(home, args).status, 2) << args;
        EXPECT_NE(errors(home).find("tavrin-plus: "), std::string::npos) << args;
    }
    EXPECT_EQ(filesIn(home), before);
}

TEST(CommandLine, WithoutADisplayTheWindowSaysSoInOneLine)
{
    TempHome home;
    EXPECT_EQ(run(home, "", "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ").status, 2);
    std::string err = errors(home);
    EXPECT_NE(err.find("no display"), std::string::npos) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
}

TEST(CommandLine, StylesAreListedAppliedSavedAndDeleted)
{
    TempHome home;
    Outcome listed = run(home, "styles");
    ASSERT_EQ(listed.status, 0) << errors(home);
    EXPECT_EQ(std::count(listed.out.begin(), listed.out.end(), '\n'), 8);
    EXPECT_EQ(listed.out.rfind("  A Tisket, A Tasket\t0xFFEA00FF\t0x4BC600FF\t0x000000FF\t0x00000000\tbuilt-in\n"
                               "* Artsy Photograph\t0x1B1C1CFF\t0xA8A8A8FF\t0xFFFFFFFF\t0x000000FF\tbuilt-in\n", 0),
              0u)
        << listed.out;

    ASSERT_EQ(run(home, "apply 'A Tisket, A Tasket'").status, 0) << errors(home);
    EXPECT_EQ(run(home, "get style_name").out, "A Tisket, A Tasket\n");
    EXPECT_EQ(run(home, "get font_highlight").out, "0x00000000\n");

    ASSERT_EQ(run(home, "set strip_color 0x11223380").status, 0);
    ASSERT_EQ(run(home, "save-style 'Apple Pie'").status, 0) << errors(home);
    ASSERT_EQ(run(home, "save-style 'Apple Pie'").status, 0) << errors(home);
    EXPECT_EQ(run(home, "get style_name").out, "Apple Pie\n");
    listed = run(home, "styles");
    const std::string mine = "* Apple Pie\t0x11223380\t0x4BC600FF\t0x000000FF\t0x00000000\tuser\n";
    EXPECT_NE(listed.out.find("  A Tisket, A Tasket\t"), std::string::npos) << "the faded strip matches no more";
    EXPECT_NE(listed.out.find(mine + mine + "  Artsy Photograph\t"), std::string::npos) << listed.out;

    ASSERT_EQ(run(home, "delete-style 'Apple Pie'").status, 0) << errors(home);
    listed = run(home, "styles");
    EXPECT_EQ(listed.out.find("Apple Pie"), std::string::npos) << listed.out;
    EXPECT_EQ(run(home, "get style_name").out, "Apple Pie\n") << "deleting keeps the selected name";
}

TEST(CommandLine, StyleCommandsRefuseWhatTheyCannotDo)
{
    TempHome home;
    ASSERT_EQ(run(home, "save-style Mine").status, 0);
    const auto before = filesIn(home);
    struct Case { const char* args; const char* message; } cases[] = {
        {"apply Nowhere", "no style named 'Nowhere'"},
        {"apply mine", "no style named 'mine'"},
        {"delete-style Purpular", "'Purpular' is a built-in style"},
        {"delete-style Nowhere", "no saved style named 'Nowhere'"},
        {"save-style ''", "a style needs a name"},
        {"apply", "apply takes one NAME"},
        {"save-style A B", "save-style takes one NAME"},
        {"styles extra", "styles takes no arguments"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(run(home, c.args).status, 2) << c.args;
        EXPECT_NE(errors(home).find(c.message), std::string::npos) << c.args << ": " << errors(home);
    }
    EXPECT_EQ(filesIn(home), before);
}

TEST(CommandLine, ACommandWhoseChangeCannotBeSavedFailsWithOneLineAndKeepsTheFile)
{
    TempHome home;
    ASSERT_EQ(run(home, "set other_preference " + std::string(1000, 'x')).status, 0);
    const auto before = filesIn(home);
    // Files may not grow past 512 bytes: the settings cannot be rewritten, the one error line can.
    const std::string fullDisk = "sh -c 'trap \"\" XFSZ; ulimit -f 1; exec \"$0\" \"$@\"' ";
    for (const char* args : {"set phone_preference 555", "save-style Mine", "apply Purpular"}) {
        EXPECT_EQ(run(home, args, fullDisk).status, 1) << args;
        std::string err = errors(home);
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << args << ": " << err;
        EXPECT_NE(err.find("Couldn't save your settings: File too large"), std::string::npos) << err;
        EXPECT_EQ(filesIn(home), before) << args;
    }
}

TEST(CommandLine, SettingsThatCannotBeReadAreNeverTouchedAndHostileOnesAreSetAside)
{
    auto shared = std::make_shared<TempHome>();
    const TempHome& home = *shared;
    auto settings = home.path() / "config" / "tavrin-plus" / "settings.json";
    std::filesystem::create_directories(settings.parent_path());
    ASSERT_EQ(mkfifo(settings.c_str(), 0600), 0);
    for (const char* args : {"get", "set phone_preference 555", "styles", "export"}) {
        EXPECT_EQ(run(home, args).status, 1) << args;
        EXPECT_NE(errors(home).find("Couldn't read your settings: it is not a regular file"), std::string::npos)
            << errors(home);
    }
    EXPECT_TRUE(std::filesystem::is_fifo(settings));
    {
        TestApp window(shared);
        EXPECT_FALSE(window.app().settings().problem().empty());
    }
    EXPECT_TRUE(std::filesystem::is_fifo(settings));

    std::filesystem::remove(settings);
    std::ofstream(settings) << "{\"a\":" << std::string(99'999, '[') << std::string(99'999, ']') << "}";
    EXPECT_EQ(run(home, "get phone_preference").out, "911\n");
    int aside = 0;
    for (auto& e : std::filesystem::directory_iterator(settings.parent_path()))
        aside += e.path().filename().string().starts_with("settings.json.corrupt-");
    EXPECT_EQ(aside, 1);
}

TEST(CommandLine, EachCommandReplacesTheSettingsFileOnce)
{
    TempHome home;
    std::filesystem::create_directories(home.configDir());
    int inotify = inotify_init1(IN_NONBLOCK);
    ASSERT_GE(inotify, 0);
    inotify_add_watch(inotify, home.configDir().c_str(), IN_MOVED_TO);
    auto replacements = [&] {
        int n = 0;
        alignas(inotify_event) char buffer[4096];
        for (ssize_t got; (got = read(inotify, buffer, sizeof buffer)) > 0;)
            for (char* p = buffer; p < buffer + got; p += sizeof(inotify_event) + reinterpret_cast<inotify_event*>(p)->len)
                n += std::string(reinterpret_cast<inotify_event*>(p)->name) == "settings.json";
        return n;
    };
    // The first start's defaults, then one user action each.
    for (const char* args : {"get", "apply Purpular", "save-style Mine", "delete-style Mine", "set strip_layout classic"}) {
        ASSERT_EQ(run(home, args).status, 0) << args << ": " << errors(home);
        EXPECT_EQ(replacements(), 1) << args;
    }
    close(inotify);
}
