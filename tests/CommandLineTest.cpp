// The command line: the real binary run on a home of its own.
#include "support/Files.h"

#include "Dialogs/StyleLibraryDialogViewController.h"
#include "MainViewController.h"
#include "PackedColor.h"
#include "StyleLibrary.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <functional>
#include <map>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace testing_support;

namespace {

struct Outcome {
    int status = -1; // the exit status; -1 when it did not exit
    std::string out, err;
};

// The real binary through the shell, so arguments may be quoted and substituted; its output goes to
// files "stdout" and "stderr" in the home, which no test counts among the application's files.
Outcome runCommand(const TempHome& home, const std::string& args, const std::string& prefix = "")
{
    const auto out = home.path() / "stdout", err = home.path() / "stderr";
    const int status = std::system((prefix + TAVRIN_BINARY + " " + args + " >" + out.string() + " 2>" + err.string()).c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readFile(out), readFile(err)};
}

// Every file under the home but the captured errors, with its contents: a refused command changes none
// and leaves no partial file behind.
std::map<std::filesystem::path, std::string> filesIn(const TempHome& home)
{
    std::map<std::filesystem::path, std::string> files;
    for (auto& e : std::filesystem::recursive_directory_iterator(home.path()))
        if (e.is_regular_file() && e.path().filename() != "stderr" && e.path().filename() != "stdout")
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

QImage imageAt(const std::filesystem::path& file) { return QImage(QString::fromStdString(file.string())); }

} // namespace

TEST(CommandLine, ExportDrawsTheDefaultWallpaperAtAnyScaleIntoAFileOrTheAlbum)
{
    TempHome home;
    const auto file = home.path() / "out.png", big = home.path() / "big.jpg";
    Outcome r = runCommand(home, "export -o " + file.string());
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, file.string() + "\n");
    QImage image = imageAt(file);
    ASSERT_EQ(image.size(), QSize(320, 480));
    EXPECT_EQ(rgbAt(image, 5, 5), 0xA8A8A8u); // background, under where the status bar was
    EXPECT_EQ(rgbAt(image, 5, 475), 0xA8A8A8u);
    EXPECT_EQ(rgbAt(image, 3, 140), 0x1B1C1Cu); // the strip's left end, clear of the lettering
    EXPECT_GT(letteringPixels(image, 1), 1500);

    ASSERT_EQ(runCommand(home, "export --scale 3 -o " + big.string()).status, 0);
    EXPECT_EQ(imageAt(big).size(), QSize(960, 1440));
    // Large glyphs once went missing at high scales: the lettering covers about nine times the area.
    EXPECT_GT(letteringPixels(imageAt(big), 3), 7 * letteringPixels(image, 1));

    Outcome album = runCommand(home, "export"); // into the album, named as the window's captures are
    EXPECT_TRUE(album.out.starts_with((home.albumDir() / "wallpaper-").string())) << album.out << album.err;
}

// Values in effect, one record a line: a stored value the application cannot use prints what it uses
// instead, with a note.
// Set as the framing editor first shows it: the photograph's middle, filling the screen.
TEST(CommandLine, PhotoSetsAPhotographFramedToFillTheScreenAndRemoveTakesItAway)
{
    TempHome home;
    const auto photo = home.path() / "holiday.png", exported = home.path() / "out.png";
    QImage wide(1200, 800, QImage::Format_RGB32); // red on the left half, blue on the right
    wide.fill(Qt::red);
    for (int y = 0; y < 800; ++y)
        for (int x = 600; x < 1200; ++x)
            wide.setPixel(x, y, qRgb(0, 0, 255));
    ASSERT_TRUE(wide.save(QString::fromStdString(photo.string())));
    const auto documents = home.documentsDir();
    auto kept = [&] {
        return std::array{std::filesystem::exists(documents / "wallpaper.jpg"), std::filesystem::exists(documents / "wallpaper-original.jpg"),
                          std::filesystem::exists(documents / "wallpaper-framing.json")};
    };

    Outcome set = runCommand(home, "photo " + photo.string());
    ASSERT_EQ(set.status, 0) << set.err;
    EXPECT_EQ(kept(), (std::array{true, true, true}));
    // The classic screen, 320 by 480, at the photograph's own density: 800 pixels tall, its middle.
    QImage framed = imageAt(documents / "wallpaper.jpg");
    EXPECT_EQ(framed.size(), QSize(533, 800));
    EXPECT_GT(qRed(framed.pixel(5, 400)), 200);
    EXPECT_GT(qBlue(framed.pixel(528, 400)), 200);
    ASSERT_EQ(runCommand(home, "export -o " + exported.string()).status, 0);
    EXPECT_GT(qRed(imageAt(exported).pixel(5, 475)), 200) << "the wallpaper shows the photograph";

    // Files that are no picture change nothing; neither does a usage error.
    writeFile(home.path() / "notes.jpg", "certainly not a JPEG");
    const auto before = filesIn(home);
    const std::array<std::string, 3> refused[] = { // arguments, status, what its line says
        {"photo " + (home.path() / "notes.jpg").string(), "1", "notes.jpg is not a picture that can be read"},
        {"photo " + (home.path() / "gone.jpg").string(), "1", "gone.jpg: no such file"},
        {"photo", "2", "photo takes FILE or --remove"},
    };
    for (const auto& [args, status, message] : refused) {
        Outcome r = runCommand(home, args);
        EXPECT_EQ(std::to_string(r.status), status) << args;
        EXPECT_TRUE(r.err.starts_with("tavrin-plus: ") && r.err.find(message) != std::string::npos) << r.err;
        EXPECT_EQ(filesIn(home), before) << args;
    }

    ASSERT_EQ(runCommand(home, "photo --remove").status, 0);
    EXPECT_EQ(kept(), (std::array{false, false, false}));
    ASSERT_EQ(runCommand(home, "export -o " + exported.string()).status, 0);
    EXPECT_EQ(rgbAt(imageAt(exported), 5, 475), 0xA8A8A8u) << "the background colour again";
}

TEST(CommandLine, GetPrintsWhatSetStoredOrWhatTheApplicationUsesInstead)
{
    TempHome home;
    writeFile(home.settingsFile(), R"({"strip_color": 4294967296, "strip_layout": "Classic"})");
    Outcome strip = runCommand(home, "get strip_color");
    EXPECT_EQ(strip.out, "0x1B1C1CFF\n");
    EXPECT_NE(strip.err.find("strip_color holds 4294967296"), std::string::npos) << strip.err;
    ASSERT_EQ(runCommand(home, "set other_preference \"$(printf 'Reward\\tto\\\\\\nme\\001')\"").status, 0);
    const std::string all = runCommand(home, "get").out;
    for (const char* record : {"other_preference\tReward\\tto\\\\\\nme\\x01\n", "strip_layout\tnone\n", "bg_color\t0xA8A8A8FF\n"})
        EXPECT_NE(all.find(record), std::string::npos) << all;
    EXPECT_EQ(nlohmann::json::parse(runCommand(home, "get --json").out)["other_preference"], "Reward\tto\\\nme\001");
}

TEST(CommandLine, RefusedArgumentsAreUsageErrorsThatSayWhyAndChangeNothing)
{
    TempHome home;
    ASSERT_EQ(runCommand(home, "save-style Mine").status, 0);
    const auto before = filesIn(home);
    const std::string gif = (home.path() / "out.gif").string();
    std::vector<std::pair<std::string, std::string>> rows = { // each with what its line says
        {"apply Nowhere", "no style named 'Nowhere'"},
        {"delete-style Purpular", "'Purpular' is a built-in style"},
        {"delete-style Nowhere", "no saved style named 'Nowhere'"},
        {"save-style ''", "a style needs a name"},
        {"apply", "apply takes one NAME"},
        {"styles extra", "styles takes no arguments"},
        {"set device iphone-99", "device is a screen that 'tavrin-plus devices' lists"},
        {"check --device 390x844", "there is no screen '390x844'"},
        {"check --verbose --device", "check takes [--device ID] [--verbose]"},
        {"export --device iphone-15 --scale 2", "made at its own pixels"},
    };
    const std::vector<std::string> usage = {"set strip_color 0x1122334455", "set strip_layout diagonal",
             "set style_name x", "set phone_preference", "get no_such_key", "export --scale 9", "export -o " + gif,
             "export --frobnicate", "set phone_preference \"$(printf '9\\377')\"", "save-style \"$(printf '\\300\\200')\"",
             "--zoom", "--zoom 0", "--what"};
    for (const std::string& args : usage)
        rows.emplace_back(args, "tavrin-plus: ");
    for (const auto& [args, message] : rows) {
        Outcome r = runCommand(home, args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_NE(r.err.find(message), std::string::npos) << args << ": " << r.err;
    }
    EXPECT_EQ(filesIn(home), before);
}

// Messages and the usage in the user's language; what get prints stays as stored, in any language.
TEST(CommandLine, MessagesSpeakTheUsersLanguageWhileValuesPrintAsTheyAre)
{
    TempHome home;
    writeFile(home.settingsFile(), R"({"strip_color": "red", "strip_layout": "split"})");
    const Outcome refused = runCommand(home, "set nothing x", "LANGUAGE=de ");
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.err.rfind("tavrin-plus: 'nothing' kann nicht gesetzt werden; setzbar sind phone_preference", 0), 0u)
        << refused.err;
    EXPECT_NE(refused.err.find("\nAufruf: tavrin-plus [--zoom N]"), std::string::npos) << refused.err;
    const Outcome window = runCommand(home, "--frob", "LANGUAGE=de ");
    EXPECT_EQ(window.err.rfind("tavrin-plus: unbekanntes oder fehlerhaftes Argument '--frob'\nAufruf:", 0), 0u) << window.err;
    for (const char* language : {"de", "ar", "ja"}) {
        const Outcome got = runCommand(home, "get", std::string("LANGUAGE=") + language + " ");
        for (const char* record : {"strip_layout\tsplit\n", "strip_color\t0x1B1C1CFF\n"})
            EXPECT_NE(got.out.find(record), std::string::npos) << language << ": " << got.out;
        if (std::string(language) == "de") {
            EXPECT_EQ(got.err, "tavrin-plus: Hinweis: strip_color enthält \"red\", keine Farbe; der Standardwert wird "
                               "verwendet\n");
        }
    }
}

TEST(CommandLine, DevicesListsThePhonesAndCheckSaysWhatALockScreenWouldCoverAndWhatLetteringIsTooFaint)
{
    TempHome home;
    Outcome devices = runCommand(home, "devices");
    EXPECT_EQ(devices.status, 0);
    EXPECT_NE(devices.out.find("iphone-15\tiPhone 15\t1179x2556\t460 ppi\n"), std::string::npos) << devices.out;
    EXPECT_GE(std::count(devices.out.begin(), devices.out.end(), '\n'), 25);

    EXPECT_EQ(runCommand(home, "check --device galaxy-s24").status, 0);
    ASSERT_EQ(runCommand(home, "set device 320x480@2").status, 0);
    Outcome tooShort = runCommand(home, "check");
    EXPECT_EQ(tooShort.status, 1);
    EXPECT_EQ(tooShort.out.rfind("Custom 320x480@2: the upper strip lies under the clock (points ", 0), 0u) << tooShort.out;
    EXPECT_NE(tooShort.out.find("the number lies under the clock"), std::string::npos) << tooShort.out;

    // The first start's white on the near-black strip reads at 17.1:1: a figure only --verbose prints.
    // Black on pure blue (2.4:1, Lc 18.2) fails, before the flags or after them.
    const std::string readable = "Galaxy S24: the number: contrast 17.1:1 (Lc -106.3) meets 3:1 (Lc 45) against the strip\n";
    for (const char* args : {"check --verbose --device galaxy-s24", "check --device galaxy-s24 --verbose"})
        EXPECT_EQ(runCommand(home, args).out, readable) << args;
    EXPECT_EQ(runCommand(home, "check --device galaxy-s24").out, "");
    ASSERT_EQ(runCommand(home, "set font_face 0x000000FF").status, 0);
    ASSERT_EQ(runCommand(home, "set strip_color 0x0000FFFF").status, 0);
    const std::string unreadable = "Galaxy S24: the number: contrast 2.4:1 (Lc 18.2) is below 3:1 (Lc 45) against the strip\n";
    for (const char* args : {"check --device galaxy-s24", "check --verbose --device galaxy-s24"}) {
        Outcome blue = runCommand(home, args);
        EXPECT_EQ(blue.status, 1) << args;
        EXPECT_EQ(blue.out, unreadable) << args;
    }
}

TEST(CommandLine, WithoutADisplayTheWindowSaysSoInOneLine)
{
    TempHome home;
    Outcome r = runCommand(home, "", "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("no display"), std::string::npos) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
}

TEST(CommandLine, StylesListsEveryStyleOneALineMarkingThoseTheWallpaperWears)
{
    TempHome home;
    Outcome listed = runCommand(home, "styles");
    ASSERT_EQ(listed.status, 0) << listed.err;
    EXPECT_TRUE(listed.out.starts_with("  A Tisket, A Tasket\t0xFFEA00FF\t0x4BC600FF\t0x000000FF\t0x00000000\tbuilt-in\n"
                                       "* Artsy Photograph\t0x1B1C1CFF\t0xA8A8A8FF\t0xFFFFFFFF\t0x000000FF\tbuilt-in\n"))
        << listed.out;

    for (const char* args : {"apply 'A Tisket, A Tasket'", "set strip_color 0x11223380", "save-style 'Apple Pie'",
                             "save-style 'Apple Pie'"})
        ASSERT_EQ(runCommand(home, args).status, 0) << args;
    listed = runCommand(home, "styles");
    const std::string mine = "* Apple Pie\t0x11223380\t0x4BC600FF\t0x000000FF\t0x00000000\tuser\n";
    EXPECT_NE(listed.out.find("  A Tisket, A Tasket\t"), std::string::npos) << "another strip matches no more";
    EXPECT_NE(listed.out.find(mine + mine + "  Artsy Photograph\t"), std::string::npos) << listed.out;
}

TEST(CommandLine, CommandsLeaveTheSameSettingsAsTheDialogs)
{
    TestApp t;
    StyleLibraryDialogViewController library{"StyleLibraryDialog", t.main()};
    t.main().pushDialog(library);
    t.settle();
    auto touchRow = [&](const std::string& name) { // brought into view with the wheel, as a user would
        const std::string id = "library.row." + std::to_string(StyleLibrary(t.app().settings()).find(name).value_or(99));
        t.wheel(t.centreOf("library.table"), 1000);
        for (int i = 0; i < 20 && !t.isReachable(id); ++i)
            t.wheel(t.centreOf("library.table"), -30);
        t.tap(id);
    };
    const std::pair<std::string, std::function<void()>> steps[] = {
        {"apply Purpular", [&] { touchRow("Purpular"); }},
        {"set strip_color 0x11223380", [&] { t.main().setStripColor(unpackColor(0x11223380)); }},
        {"set strip_layout classic", [&] { t.main().setClassicLayout(); }},
        {"save-style Mine", [&] { library.saveStyleToUserDefaults("Mine"); }},
        {"save-style mine", [&] { library.saveStyleToUserDefaults("mine"); }},
        {"apply 'Artsy Photograph'", [&] { touchRow("Artsy Photograph"); }},
        {"delete-style Mine", [&] { library.deleteTheme("Mine"); }},
    };
    TempHome byCommands;
    for (const auto& [command, byHand] : steps) {
        byHand();
        ASSERT_EQ(runCommand(byCommands, command).status, 0) << command;
        EXPECT_EQ(settingsIn(byCommands), settingsIn(*t.home)) << "after " << command;
    }
}

TEST(CommandLine, ACommandThatCannotWriteFailsWithOneLineAndKeepsEveryFile)
{
    TempHome home;
    ASSERT_EQ(runCommand(home, "set other_preference " + std::string(1000, 'x')).status, 0);
    const auto kept = home.path() / "kept.png";
    writeFile(kept, "mine");
    std::filesystem::permissions(kept, std::filesystem::perms::owner_read);
    const auto before = filesIn(home);
    // Files may not grow past 512 bytes: the settings cannot be rewritten, the one error line can.
    const std::string fullDisk = "sh -c 'trap \"\" XFSZ; ulimit -f 1; exec \"$0\" \"$@\"' ";
    const std::array<std::string, 3> rows[] = { // command, prefix, what its line says
        {"set phone_preference 555", fullDisk, "Couldn't save your settings: File too large"},
        {"export -o " + kept.string(), "", "Permission denied"},
    };
    for (const auto& [args, prefix, message] : rows) {
        Outcome r = runCommand(home, args, prefix);
        EXPECT_EQ(r.status, 1) << args;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << args << ": " << r.err;
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
        EXPECT_EQ(filesIn(home), before) << args;
    }
}

TEST(CommandLine, SettingsThatCannotBeReadRefuseTheCommandAndAreNeverTouched)
{
    TempHome home;
    std::filesystem::create_directories(home.configDir());
    ASSERT_EQ(mkfifo(home.settingsFile().c_str(), 0600), 0);
    Outcome r = runCommand(home, "set phone_preference 555");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Couldn't read your settings: it is not a regular file"), std::string::npos) << r.err;
    EXPECT_TRUE(std::filesystem::is_fifo(home.settingsFile()));
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
    for (const char* args : {"get", "apply Purpular"}) {
        ASSERT_EQ(runCommand(home, args).status, 0) << args;
        EXPECT_EQ(replacements(), 1) << args;
    }
    close(inotify);
}
