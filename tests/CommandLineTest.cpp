#include "support/TestApp.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <sys/wait.h>

using namespace testing_support;

namespace {

struct Outcome {
    int status = -1;
    std::string out;
};

// Runs the real binary on the given home, stdout captured, stderr into a file beside it.
Outcome run(const TempHome& home, const std::string& args)
{
    std::string command = std::string(TAVRIN_BINARY) + " " + args + " 2>" + (home.path() / "stderr").string();
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

std::string errors(const TempHome& home)
{
    std::ifstream in(home.path() / "stderr");
    return {std::istreambuf_iterator<char>(in), {}};
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

    Outcome scaled = run(home, "export --scale 3 -o " + (home.path() / "big.jpg").string());
    ASSERT_EQ(scaled.status, 0) << errors(home);
    EXPECT_EQ(QImage(QString::fromStdString((home.path() / "big.jpg").string())).size(), QSize(960, 1440));

    Outcome album = run(home, "export");
    ASSERT_EQ(album.status, 0) << errors(home);
    EXPECT_EQ(album.out.rfind((home.albumDir() / "wallpaper-").string(), 0), 0u) << album.out;
}

TEST(CommandLine, GetAndSetGoThroughTheSameOperationsAsTheDialogs)
{
    TempHome home;
    ASSERT_EQ(run(home, "set strip_color 0x11223380").status, 0) << errors(home);
    ASSERT_EQ(run(home, "set other_preference 'Reward offered'").status, 0) << errors(home);
    ASSERT_EQ(run(home, "set strip_layout classic").status, 0) << errors(home);
    EXPECT_EQ(run(home, "get strip_color").out, "0x11223380\n");
    Outcome all = run(home, "get");
    EXPECT_NE(all.out.find("other_preference\tReward offered\n"), std::string::npos) << all.out;
    EXPECT_NE(all.out.find("strip_layout\tclassic\n"), std::string::npos) << all.out;
    EXPECT_NE(all.out.find("bg_color\t0xA8A8A8FF\n"), std::string::npos) << all.out;
}

TEST(CommandLine, BadArgumentsAreUsageErrorsThatChangeNothing)
{
    TempHome home;
    ASSERT_EQ(run(home, "get").status, 0);
    std::ifstream before(home.settingsFile());
    std::string stored{std::istreambuf_iterator<char>(before), {}};
    for (const char* args : {"set strip_color red", "set strip_color 0x1122334455", "set strip_layout diagonal",
                             "set style_name x", "set phone_preference", "get no_such_key", "export --scale 9",
                             "export -o out.gif", "export --frobnicate", "--zoom", "--zoom 0", "--what"}) {
        Outcome r = run(home, args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_NE(errors(home).find("tavrin-plus: "), std::string::npos) << args;
    }
    std::ifstream after(home.settingsFile());
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(after), {}), stored);
}

TEST(CommandLine, WithoutADisplayTheWindowSaysSoInOneLine)
{
    TempHome home;
    std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " + std::string(TAVRIN_BINARY) +
                          " 2>" + (home.path() / "stderr").string();
    int status = std::system(command.c_str());
    EXPECT_EQ(WEXITSTATUS(status), 2);
    std::string err = errors(home);
    EXPECT_NE(err.find("no display"), std::string::npos) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
}
