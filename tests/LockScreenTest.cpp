// Setting the lock screen picture: the real binary on a private session bus, against a stand-in desktop
// portal or none, with KDE Plasma's and GNOME's tools stood in for by scripts that note their arguments.
#include "support/Files.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/stat.h>
#include <sys/wait.h>

using namespace testing_support;

namespace {

struct Desktop {
    const char* name;
    std::optional<int> portalAnswer; // none: no portal on the bus
    const char* currentDesktop;
    const char* tool;       // a stand-in on the PATH, or nothing
    const char* toolScript; // its body after the line that notes its arguments
    int status;
    const char* said;       // in what the command prints, on stdout when 0, on stderr when not
    const char* toolArgs;   // what the tool was given, FILE standing for the picture's address; "" not run
};

const Desktop desktops[] = {
    {"PortalTakesIt", 0, "KDE", "kwriteconfig6", "", 0, "Set as the lock screen picture", ""},
    {"PortalRefusesAndKdeTakesIt", 2, "KDE", "kwriteconfig6", "", 0, "Set as KDE Plasma's lock screen picture",
     "--file kscreenlockerrc --group Greeter --group Wallpaper --group org.kde.image --group General --key Image FILE"},
    {"NoPortalAndGnomeTakesIt", std::nullopt, "ubuntu:GNOME", "gsettings", "", 0, "desktop picture, blurred",
     "set org.gnome.desktop.screensaver picture-uri FILE"},
    {"TheUserCancelsInThePortal", 1, "KDE", "kwriteconfig6", "", 1, "cancelled", ""},
    {"TheToolFails", std::nullopt, "KDE", "kwriteconfig5", "echo 'read-only file' >&2; exit 1", 1,
     "kwriteconfig5 failed: read-only file", "--file"},
    {"NoWayAtAll", std::nullopt, "KDE:GNOME", nullptr, "", 1, "no KDE Plasma or GNOME settings tool", ""},
};

class LockScreen : public testing::TestWithParam<Desktop> {};

TEST_P(LockScreen, TheDesktopTakesTheExportedPictureOrTheCommandSaysWhyNot)
{
    const Desktop& d = GetParam();
    TempHome home;
    const auto bus = home.path() / "bus", tools = home.path() / "tools";
    std::filesystem::create_directories(bus);
    std::filesystem::create_directories(tools);
    if (d.tool) {
        const auto script = tools / d.tool;
        writeFile(script, "#!/bin/sh\necho \"$@\" > " + (bus / "tool-args").string() + "\n" + d.toolScript + "\n");
        ::chmod(script.c_str(), 0755);
    }
    std::string portal = "true";
    if (d.portalAnswer)
        portal = std::string(STAND_IN_PORTAL) + " " + bus.string() + " " + std::to_string(*d.portalAnswer) +
                 " & portal=$!; for i in $(seq 200); do [ -e " + bus.string() + "/ready ] && break; sleep 0.05; done";
    const auto out = home.path() / "stdout", err = home.path() / "stderr";
    const std::string script = portal + "; PATH=" + tools.string() + " XDG_CURRENT_DESKTOP=" + d.currentDesktop + " " +
                               TAVRIN_BINARY + " set-lockscreen --device iphone-15 >" + out.string() + " 2>" +
                               err.string() + "; status=$?; [ -n \"$portal\" ] && kill $portal; exit $status";
    // The private bus's own complaints (it may not raise its file limit here) go to a file of their own.
    const int status =
        std::system(("dbus-run-session -- bash -c '" + script + "' 2>" + (bus / "daemon").string()).c_str());
    ASSERT_TRUE(WIFEXITED(status)) << readFile(bus / "daemon");
    const std::string said = readFile(WEXITSTATUS(status) == 0 ? out : err);
    EXPECT_EQ(WEXITSTATUS(status), d.status) << readFile(err);
    EXPECT_NE(said.find(d.said), std::string::npos) << said;

    // Whatever the desktop did, the picture is in the album at the phone's pixels, and the command names it.
    const auto album = filesStartingWith(home.albumDir(), "wallpaper-");
    ASSERT_EQ(album.size(), 1u);
    const auto file = std::filesystem::directory_iterator(home.albumDir())->path();
    EXPECT_NE(said.find(file.string()), std::string::npos) << said;
    const QImage picture = QImage::fromData(QByteArray::fromStdString(album[0]));
    EXPECT_EQ(picture.size(), QSize(1179, 2556));

    if (d.portalAnswer) {
        EXPECT_EQ(readFile(bus / "calls"), "SetWallpaperFile\n") << "one call";
        const std::string options = readFile(bus / "options");
        EXPECT_NE(options.find("set-on=lockscreen\n"), std::string::npos) << options;
        EXPECT_NE(options.find("show-preview=false\n"), std::string::npos) << options;
        EXPECT_TRUE(readFile(bus / "picture") == album[0]) << "the portal reads the album's picture";
    }
    std::string expectedArgs = d.toolArgs;
    if (auto at = expectedArgs.find("FILE"); at != std::string::npos)
        expectedArgs.replace(at, 4, "file://" + file.string());
    const std::string toolArgs = readFile(bus / "tool-args");
    EXPECT_EQ(toolArgs.substr(0, expectedArgs.size()), expectedArgs);
    EXPECT_EQ(toolArgs.empty(), expectedArgs.empty());
}

INSTANTIATE_TEST_SUITE_P(Desktops, LockScreen, testing::ValuesIn(desktops),
                         [](const auto& row) { return std::string(row.param.name); });

} // namespace
