// What the application does with damaged or hostile values and photographs: it starts, shows something
// sensible and loses nothing stored. Damaged settings files are in SettingsStoreTest.
#include "support/Files.h"
#include "support/Rows.h"

#include "MainViewController.h"
#include "PackedColor.h"

#include "desktop/QtImageCodec.h"

#include "platform/Application.h"
#include "platform/ImageView.h"
#include "platform/Label.h"

#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>

#include <functional>
#include <random>

using namespace testing_support;

namespace {

// The wallpaper alone, with the main menu minimised out of the way.
QImage wallpaperOf(TestApp& t, float scale = 1)
{
    t.main().hideTopDialog();
    t.settle();
    return t.screenshot(scale);
}

std::shared_ptr<TempHome> homeWith(const nlohmann::json& settings) { return homeWithSettings(settings.dump()); }

const nlohmann::json junk = {
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

} // namespace

TEST(BadInput, ValuesOfTheWrongTypeOrRangeFallBackToTheDefaultsWithoutBeingRewritten)
{
    auto home = homeWith(junk);
    {
        TestApp t(home);
        EXPECT_EQ(packColor(t.main().stripColor()), 0x1B1C1CFFu);
        EXPECT_EQ(packColor(t.main().BGColor()), 0xA8A8A8FFu);
        EXPECT_EQ(packColor(t.main().fontFaceColor()), 0xFFFFFFFFu);
        t.settle();
        (void)t.screenshot(), (void)t.screenshot(3); // draws
    }
    // Only the lettering colours, which every refresh stores as it shows them, hold the defaults shown.
    auto after = settingsIn(*home);
    EXPECT_EQ(after["font_face"], 0xFFFFFFFFu);
    EXPECT_EQ(after["font_highlight"], 0x000000FFu);
    for (const char* key : {"strip_layout", "phone_preference", "strip_color", "bg_color", "style_name", "user_saved_themes"})
        EXPECT_EQ(after[key], junk[key]) << key;
}

TEST(BadInput, HugeTextsAreDrawnShrunkAndCutInsideTheirStrips)
{
    std::vector<platform::Rect> strips;
    auto wallpaperWith = [&](const std::string& phone, const std::string& other) {
        TestApp t(homeWith({{"phone_preference", phone}, {"other_preference", other}}));
        QImage shot = wallpaperOf(t);
        for (const char* id : {"split.upperStrip", "split.lowerStrip"}) {
            auto& strip = t.view(id);
            strips.push_back({strip.convertToWindow({0, 0}), strip.frame().size});
        }
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

TEST(BadInput, MarkupInTheUsersTextIsShownAsTypedNeverInterpreted)
{
    const std::string markup = "<font color='red' size=+5>1</font>";
    TestApp t(homeWith({{"phone_preference", markup}, {"other_preference", "<b>&amp;</b>"}}));
    QImage screen = wallpaperOf(t, 2);
    EXPECT_EQ(t.view<platform::Label>("split.contact").text(), "TAVRIN: " + markup);
    int red = 0;
    for (int y = 0; y < screen.height(); ++y)
        for (int x = 0; x < screen.width(); ++x) {
            QColor c = screen.pixelColor(x, y);
            red += c.red() > 180 && c.green() < 90 && c.blue() < 90;
        }
    EXPECT_EQ(red, 0) << "the text was drawn as rich text";
}

// ---- photographs that cannot be shown, damaged or hostile ----------------------------------------

namespace {

std::string bigEndian(std::uint32_t v) { return {char(v >> 24), char(v >> 16), char(v >> 8), char(v)}; }

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

// A small red JPEG, and where its picture data begins, after the scan's header.
struct Jpeg {
    std::string bytes;
    std::size_t scan = 0;
};

struct BadPhoto {
    const char* what;
    std::function<std::string(const Jpeg&)> make;
};
void PrintTo(const BadPhoto& p, std::ostream* os) { *os << p.what; }

const BadPhoto badPhotos[] = {
    {"empty", [](const Jpeg&) { return std::string(); }},
    {"random bytes",
     [](const Jpeg&) {
         std::mt19937 random(7);
         std::string noise(4096, '\0');
         for (char& c : noise)
             c = char(random());
         return noise;
     }},
    {"a JPEG cut inside its headers", [](const Jpeg& j) { return j.bytes.substr(0, 20); }},
    {"not the format its name says", [](const Jpeg&) { return std::string("GIF89a but not really"); }},
    {"a JPEG header claiming 60000 x 60000",
     [](const Jpeg& j) {
         std::string bomb = j.bytes;
         return bomb.replace(bomb.find("\xFF\xC0") + 5, 4, "\xEA\x60\xEA\x60");
     }},
    {"a PNG header claiming 20000 x 20000", [](const Jpeg&) { return pngHeader(20000, 20000); }},
    {"a JPEG cut where its picture data begins", [](const Jpeg& j) { return j.bytes.substr(0, j.scan); }},
    {"a JPEG with no picture data before its end", [](const Jpeg& j) { return j.bytes.substr(0, j.scan) + "\xFF\xD9"; }},
    {"a JPEG with a fifth of its picture data",
     [](const Jpeg& j) { return j.bytes.substr(0, j.scan + (j.bytes.size() - j.scan) / 5); }},
};

struct UnreadablePhoto : ::testing::TestWithParam<BadPhoto> {
    std::shared_ptr<TempHome> home = std::make_shared<TempHome>();
    std::filesystem::path file = home->documentsDir() / "wallpaper.jpg";
    std::string contents;

    void SetUp() override
    {
        QImage red(64, 64, QImage::Format_RGB32);
        red.fill(Qt::red);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(red.save(&buffer, "JPEG"));
        Jpeg jpeg{bytes.toStdString()};
        const size_t sos = jpeg.bytes.find("\xFF\xDA");
        ASSERT_NE(sos, std::string::npos);
        jpeg.scan = sos + 2 + size_t(std::uint8_t(jpeg.bytes[sos + 2]) << 8 | std::uint8_t(jpeg.bytes[sos + 3]));
        contents = GetParam().make(jpeg);
        writeFile(file, contents);
    }
};

} // namespace

TEST_P(UnreadablePhoto, IsRefusedByEveryDecodingPath)
{
    desktop::QtImageCodec codec;
    EXPECT_FALSE(codec.decode({reinterpret_cast<const std::uint8_t*>(contents.data()), contents.size()}));
    EXPECT_FALSE(codec.decodeFile(file.string()));
}

// The background colour, not the grey a JPEG decoder paints for missing picture data.
TEST_P(UnreadablePhoto, ShowsTheBackgroundColourAndIsLeftAlone)
{
    TestApp t(home);
    EXPECT_FALSE(t.view<platform::ImageView>("wallpaper").image());
    EXPECT_EQ(rgbAt(wallpaperOf(t), 160, 300), 0xA8A8A8u);
    EXPECT_EQ(readFile(file), contents);
}

INSTANTIATE_TEST_SUITE_P(Files, UnreadablePhoto, ::testing::ValuesIn(badPhotos), ByWhat());
