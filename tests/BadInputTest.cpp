// What the application does with damaged or hostile input of every kind it reads: it starts, shows
// something sensible, says what went wrong where the user can see it, and loses nothing stored.
#include "support/TestApp.h"

#include "MainViewController.h"
#include "SettingsKeys.h"

#include "platform/Application.h"
#include "platform/ImageView.h"
#include "platform/Label.h"

#include <QImage>

#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>
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

// Every file in the folder whose name starts with the prefix, with its contents.
std::vector<std::string> filesStartingWith(const std::filesystem::path& dir, const std::string& prefix)
{
    std::vector<std::string> found;
    for (auto& e : std::filesystem::directory_iterator(dir))
        if (e.path().filename().string().starts_with(prefix))
            found.push_back(readFile(e.path()));
    return found;
}

std::string mainContactText(TestApp& t) { return t.main().splitContact->text(); }

} // namespace

TEST(BadInput, SettingsFilesThatAreNotAnObjectAreKeptAsideAndTheDefaultsUsed)
{
    const std::string huge(5'000'000, '[');
    const std::vector<std::string> files = {"", "{\"strip_layout\": \"clas", "not json at all", "[1, 2, 3]",
                                            "\"a string\"", "\xff\xfe{\x00}", huge};
    for (const std::string& contents : files) {
        SCOPED_TRACE(contents.substr(0, 24));
        auto home = std::make_shared<TempHome>();
        writeFile(home->settingsFile(), contents);
        TestApp t(home);
        EXPECT_EQ(mainContactText(t), "TAVRIN: 911");
        EXPECT_TRUE(t.main().isSplitLayout());
        // The damaged file is kept whole beside the fresh one.
        EXPECT_EQ(filesStartingWith(home->configDir(), "settings.json.corrupt-"), std::vector<std::string>{contents});
        EXPECT_TRUE(t.log.contains("moved aside"));
    }
}

TEST(BadInput, TwoDamagedFilesInOneSecondAreBothKept)
{
    auto home = std::make_shared<TempHome>();
    writeFile(home->settingsFile(), "first damage");
    { TestApp t(home); }
    writeFile(home->settingsFile(), "second damage");
    { TestApp t(home); }
    auto kept = filesStartingWith(home->configDir(), "settings.json.corrupt-");
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(kept, (std::vector<std::string>{"first damage", "second damage"}));
}

TEST(BadInput, ValuesOfTheWrongTypeOrRangeFallBackWithoutBeingRewritten)
{
    auto home = std::make_shared<TempHome>();
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
    writeFile(home->settingsFile(), stored.dump());
    TestApp t(home);
    EXPECT_TRUE(t.main().isSplitLayout() || t.main().isClassicLayout() || t.main().isNoneLayout() ||
                !t.app().settings().stringForKey(keys::stripLayout));
    t.settle();
    (void)t.screenshot(); // draws
    (void)t.screenshot(3);
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
    auto wallpaperWith = [](const std::string& phone, const std::string& other, std::vector<platform::Rect>& strips) {
        auto home = std::make_shared<TempHome>();
        writeFile(home->settingsFile(), nlohmann::json{{"phone_preference", phone}, {"other_preference", other}}.dump());
        TestApp t(home);
        t.main().hideTopDialog();
        t.settle();
        for (auto* strip : {t.main().splitStripUpperColor.get(), t.main().splitStripLowerColor.get()}) {
            platform::Point o = strip->convertToWindow({0, 0});
            strips.push_back({o, strip->frame().size});
        }
        return t.screenshot();
    };
    std::vector<platform::Rect> strips;
    QImage plain = wallpaperWith("1", "x", strips);
    QImage huge = wallpaperWith(std::string(1'000'000, '9'), std::string(200'000, 'W'), strips);
    ASSERT_EQ(plain.size(), huge.size());
    int differing = 0;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x) {
            bool onStrip = std::any_of(strips.begin(), strips.end(), [&](const platform::Rect& r) {
                return r.contains({x + 0.5f, y + 0.5f});
            });
            if (!onStrip && plain.pixel(x, y) != huge.pixel(x, y))
                ++differing;
        }
    EXPECT_EQ(differing, 0) << "the long texts ran off their strips";
}

TEST(BadInput, APhotographThatCannotBeReadShowsNoneAndIsLeftAlone)
{
    QImage big(64, 64, QImage::Format_RGB32);
    big.fill(Qt::red);
    std::string jpeg;
    {
        auto path = std::filesystem::temp_directory_path() / "tavrin-badinput-whole.jpg";
        ASSERT_TRUE(big.save(QString::fromStdString(path.string()), "JPEG"));
        jpeg = readFile(path);
        std::filesystem::remove(path);
    }
    // A JPEG header declaring 60000 x 60000 pixels: far more than the decoder accepts.
    std::string bomb = jpeg;
    for (std::size_t i = 0; i + 8 < bomb.size(); ++i)
        if (uint8_t(bomb[i]) == 0xFF && uint8_t(bomb[i + 1]) == 0xC0) {
            bomb[i + 5] = char(0xEA), bomb[i + 6] = char(0x60), bomb[i + 7] = char(0xEA), bomb[i + 8] = char(0x60);
            break;
        }
    const std::vector<std::string> photos = {"", jpeg.substr(0, 20), "GIF89a but not really", bomb};
    for (const std::string& contents : photos) {
        SCOPED_TRACE(contents.size());
        auto home = std::make_shared<TempHome>();
        writeFile(home->documentsDir() / "wallpaper.jpg", contents);
        TestApp t(home);
        EXPECT_FALSE(t.main().wallpaper->image());
        (void)t.screenshot();
        EXPECT_EQ(readFile(home->documentsDir() / "wallpaper.jpg"), contents);
    }
}

// A disk that fills up: the child process may write only a few bytes per file, as on a full disk.
TEST(BadInput, AFullDiskKeepsTheEarlierSettingsAndPhotograph)
{
    auto home = std::make_shared<TempHome>();
    {
        TestApp t(home);
        t.app().settings().setObject(keys::phonePreference, "555-0100");
    }
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
        _exit(unsaved && !saved && t.log.contains("settings") ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the failed writes were not reported as failures";
    EXPECT_EQ(readFile(home->settingsFile()), settingsBefore);
    EXPECT_FALSE(std::filesystem::exists(home->documentsDir() / "wallpaper.jpg"));
    for (auto& e : std::filesystem::directory_iterator(home->configDir()))
        EXPECT_EQ(e.path().filename(), "settings.json") << "left behind: " << e.path();
}

TEST(BadInput, MarkupInTheUsersTextIsShownAsTypedNeverInterpreted)
{
    auto home = std::make_shared<TempHome>();
    const std::string markup = "<font color='red' size=+5>1</font>";
    writeFile(home->settingsFile(), nlohmann::json{{"phone_preference", markup}, {"other_preference", "<b>&amp;</b>"}}.dump());
    TestApp t(home);
    t.main().hideTopDialog();
    t.settle();
    EXPECT_EQ(t.main().splitContact->text(), "TAVRIN: " + markup);
    QImage screen = t.screenshot(2);
    int red = 0;
    for (int y = 0; y < screen.height(); ++y)
        for (int x = 0; x < screen.width(); ++x) {
            QColor c = screen.pixelColor(x, y);
            red += c.red() > 180 && c.green() < 90 && c.blue() < 90;
        }
    EXPECT_EQ(red, 0) << "the text was drawn as rich text";
}
