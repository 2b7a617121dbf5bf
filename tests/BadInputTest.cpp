// What the application does with damaged or hostile input of every kind it reads: it starts, shows
// something sensible, says what went wrong where the user can see it, and loses nothing stored.
#include "support/TestApp.h"

#include "MainViewController.h"
#include "PackedColor.h"
#include "SettingsKeys.h"

#include "desktop/QtImageCodec.h"

#include "platform/Application.h"
#include "platform/ImageView.h"
#include "platform/Label.h"

#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <random>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using testing_support::TempHome;
using testing_support::TestApp;

namespace {

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void writeFile(const std::filesystem::path& path, const std::string& contents)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << contents;
}

std::shared_ptr<TempHome> homeWithSettings(const std::string& contents)
{
    auto home = std::make_shared<TempHome>();
    writeFile(home->settingsFile(), contents);
    return home;
}

// Every file in the folder whose name starts with the prefix, with its contents.
std::vector<std::string> filesStartingWith(const std::filesystem::path& dir, const std::string& prefix)
{
    std::vector<std::string> found;
    for (auto& e : std::filesystem::directory_iterator(dir))
        if (e.path().filename().string().starts_with(prefix))
            found.push_back(readFile(e.path()));
    std::sort(found.begin(), found.end());
    return found;
}

std::string bigEndian(std::uint32_t v)
{
    return {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
}

// The start of a PNG of that size, checksums right: Qt's reader tells the size once it reaches the
// first picture data chunk, here an empty one.
std::string pngHeader(std::uint32_t width, std::uint32_t height)
{
    std::string out = "\x89PNG\r\n\x1a\n";
    auto chunk = [&](const std::string& type, const std::string& body) {
        const std::string typed = type + body;
        std::uint32_t crc = 0xFFFFFFFF;
        for (char c : typed) {
            crc ^= std::uint8_t(c);
            for (int k = 0; k < 8; ++k)
                crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
        }
        out += bigEndian(std::uint32_t(body.size())) + typed + bigEndian(~crc);
    };
    chunk("IHDR", bigEndian(width) + bigEndian(height) + std::string{8, 2, 0, 0, 0}); // 8-bit RGB
    chunk("IDAT", "");
    return out;
}

// The wallpaper alone, with the main menu minimised out of the way.
QImage wallpaperOf(TestApp& t, float scale = 1)
{
    t.main().hideTopDialog();
    t.settle();
    return t.screenshot(scale);
}

} // namespace

TEST(BadInput, SettingsFilesThatAreNotAnObjectAreKeptAsideAndTheDefaultsUsed)
{
    auto nested = [](int depth) { return "{\"a\":" + std::string(depth - 1, '[') + std::string(depth - 1, ']') + "}"; };
    const std::vector<std::string> files = {"", "{\"strip_layout\": \"clas", "not json at all", "[1, 2, 3]",
                                            "\"a string\"", "\xff\xfe{\x00}", std::string(5'000'000, '['),
                                            "{\"phone_preference\": \"9\xff" "1\"}", nested(65), nested(100'000)};
    for (const std::string& contents : files) {
        SCOPED_TRACE(contents.substr(0, 24));
        auto home = homeWithSettings(contents);
        TestApp t(home);
        EXPECT_EQ(t.main().splitContact->text(), "TAVRIN: 911");
        EXPECT_TRUE(t.main().isSplitLayout());
        // The damaged file is kept whole beside the fresh one.
        EXPECT_EQ(filesStartingWith(home->configDir(), "settings.json.corrupt-"), std::vector<std::string>{contents});
        EXPECT_TRUE(t.log.contains("moved aside"));
    }
}

TEST(BadInput, TwoDamagedFilesInOneSecondAreBothKept)
{
    auto home = homeWithSettings("first damage");
    { TestApp t(home); }
    std::ofstream(home->settingsFile()) << "second damage";
    { TestApp t(home); }
    EXPECT_EQ(filesStartingWith(home->configDir(), "settings.json.corrupt-"),
              (std::vector<std::string>{"first damage", "second damage"}));
}

TEST(BadInput, ValuesOfTheWrongTypeOrRangeFallBackWithoutBeingRewritten)
{
    nlohmann::json stored = {
        {"strip_layout", 7},
        {"phone_preference", {{"nested", true}}},
        {"other_preference", nullptr},
        {"strip_color", -1},
        {"bg_color", 1099511627776LL}, // 2^40
        {"font_face", "0xFFFFFFFF"},
        {"font_highlight", 1.5},
        {"style_name", std::string(2'000'000, 'x')},
        {"user_saved_themes", {1, "two", nullptr, {{"theme_name", 3}}, nlohmann::json::array(), {{"strip_color", 5}}}},
    };
    auto home = homeWithSettings(stored.dump());
    TestApp t(home);
    // The defaults are shown in place of the junk, never an invisible strip or text.
    EXPECT_EQ(packColor(t.main().stripColor()), 0x1B1C1CFFu);
    EXPECT_EQ(packColor(t.main().BGColor()), 0xA8A8A8FFu);
    EXPECT_EQ(packColor(t.main().fontFaceColor()), 0xFFFFFFFFu);
    t.settle();
    (void)t.screenshot(), (void)t.screenshot(3); // draws
    // Nothing the user did not change is rewritten; only the lettering colours, which every refresh
    // stores as it shows them, now hold the defaults shown in place of the junk.
    auto after = nlohmann::json::parse(readFile(home->settingsFile()));
    EXPECT_EQ(after["font_face"], 0xFFFFFFFFu);
    EXPECT_EQ(after["font_highlight"], 0x000000FFu);
    for (const char* key : {"strip_layout", "phone_preference", "strip_color", "bg_color", "style_name",
                            "user_saved_themes"})
        EXPECT_EQ(after[key], stored[key]) << key;
}

TEST(BadInput, HugeTextsAreDrawnShrunkAndCutInsideTheirStrips)
{
    std::vector<platform::Rect> strips;
    auto wallpaperWith = [&](const std::string& phone, const std::string& other) {
        TestApp t(homeWithSettings(nlohmann::json{{"phone_preference", phone}, {"other_preference", other}}.dump()));
        QImage shot = wallpaperOf(t);
        for (auto* strip : {t.main().splitStripUpperColor.get(), t.main().splitStripLowerColor.get()})
            strips.push_back({strip->convertToWindow({0, 0}), strip->frame().size});
        return shot;
    };
    QImage plain = wallpaperWith("1", "x");
    QImage huge = wallpaperWith(std::string(1'000'000, '9'), std::string(200'000, 'W'));
    ASSERT_EQ(plain.size(), huge.size());
    int differing = 0;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x)
            differing += plain.pixel(x, y) != huge.pixel(x, y) &&
                         std::none_of(strips.begin(), strips.end(),
                                      [&](const platform::Rect& r) { return r.contains({x + 0.5f, y + 0.5f}); });
    EXPECT_EQ(differing, 0) << "the long texts ran off their strips";
}

// Photographs that cannot be shown, damaged or hostile: every decoding path refuses them, and the main
// screen shows the background colour, not the grey a JPEG decoder paints for missing picture data.
TEST(BadInput, APhotographThatCannotBeReadShowsTheBackgroundColourAndIsLeftAlone)
{
    QImage red(64, 64, QImage::Format_RGB32);
    red.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(red.save(&buffer, "JPEG"));
    const std::string jpeg = bytes.toStdString();
    // A JPEG header declaring 60000 x 60000 pixels: far more than the decoder accepts.
    std::string bomb = jpeg;
    auto sof = bomb.find("\xFF\xC0");
    ASSERT_NE(sof, std::string::npos);
    bomb.replace(sof + 5, 4, "\xEA\x60\xEA\x60");
    // Where the picture data begins, after the scan's header.
    const size_t sos = jpeg.find("\xFF\xDA");
    ASSERT_NE(sos, std::string::npos);
    const size_t scan = sos + 2 + size_t(std::uint8_t(jpeg[sos + 2]) << 8 | std::uint8_t(jpeg[sos + 3]));
    std::mt19937 random(7);
    std::string noise(4096, '\0');
    for (char& c : noise)
        c = char(random());

    const struct {
        const char* what;
        std::string contents;
    } photos[] = {
        {"empty", ""},
        {"random bytes", noise},
        {"a JPEG cut inside its headers", jpeg.substr(0, 20)},
        {"not the format its name says", "GIF89a but not really"},
        {"a JPEG header claiming 60000 x 60000", bomb},
        {"a PNG header claiming 20000 x 20000", pngHeader(20000, 20000)},
        {"a JPEG cut where its picture data begins", jpeg.substr(0, scan)},
        {"a JPEG with no picture data before its end", jpeg.substr(0, scan) + "\xFF\xD9"},
        {"a JPEG with a fifth of its picture data", jpeg.substr(0, scan + (jpeg.size() - scan) / 5)},
    };
    desktop::QtImageCodec codec;
    for (const auto& [what, contents] : photos) {
        SCOPED_TRACE(what);
        auto home = std::make_shared<TempHome>();
        const auto file = home->documentsDir() / "wallpaper.jpg";
        writeFile(file, contents);
        EXPECT_FALSE(codec.decode({reinterpret_cast<const std::uint8_t*>(contents.data()), contents.size()}));
        EXPECT_FALSE(codec.decodeFile(file.string()));
        TestApp t(home);
        EXPECT_FALSE(t.main().wallpaper->image());
        EXPECT_EQ(testing_support::rgbAt(wallpaperOf(t), 160, 300), 0xA8A8A8u); // the background colour
        EXPECT_EQ(readFile(file), contents);
    }
}

// A disk that fills up: the child process may write only a few bytes per file, as on a full disk.
TEST(BadInput, AFullDiskKeepsTheEarlierSettingsAndPhotograph)
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
        bool unsaved = t.app().settings().hasUnsavedChanges();
        platform::Image photo;
        photo.width = photo.height = 32;
        photo.bytesPerRow = 128;
        photo.bytes.assign(32 * 128, 0x80);
        bool saved = t.main().saveImage(photo);
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

TEST(BadInput, MarkupInTheUsersTextIsShownAsTypedNeverInterpreted)
{
    const std::string markup = "<font color='red' size=+5>1</font>";
    nlohmann::json stored = {{"phone_preference", markup}, {"other_preference", "<b>&amp;</b>"}};
    TestApp t(homeWithSettings(stored.dump()));
    QImage screen = wallpaperOf(t, 2);
    EXPECT_EQ(t.main().splitContact->text(), "TAVRIN: " + markup);
    int red = 0;
    for (int y = 0; y < screen.height(); ++y)
        for (int x = 0; x < screen.width(); ++x) {
            QColor c = screen.pixelColor(x, y);
            red += c.red() > 180 && c.green() < 90 && c.blue() < 90;
        }
    EXPECT_EQ(red, 0) << "the text was drawn as rich text";
}
