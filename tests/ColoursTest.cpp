// Colours: packed colour numbers, and the palettes a colour is picked from. The pickers' dialogs
// are in tests/e2e.
#include "support/TestApp.h"

#include "Contrast.h"
#include "PackedColor.h"
#include "ScreenCatalogue.h"
#include "SwatchPalette.h"

#include "desktop/QtImageCodec.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cmath>
#include <set>

using platform::Color;
using platform::Image;
using platform::Point;
using platform::Rect;
using testing_support::RecordingLog;

TEST(PackedColor, PacksRoundingHalfAwayFromZeroClampingEachChannelAndEveryValueSurvivesTheRoundTrip)
{
    const std::pair<Color, std::uint32_t> rows[] = {
        {{0.5f, 0.5f, 0.5f, 0.5f}, 0x80808080}, // 127.5 rounds away from zero
        {{0.3f, 0.3f, 0.3f, 1}, 0x4D4D4DFF},     // 0.3 as a float packs to 77
        {{1.5f, -0.5f, 0, 7.0f}, 0xFF0000FF},    // never spilling into a neighbour
    };
    for (const auto& [color, packed] : rows)
        EXPECT_EQ(packColor(color), packed) << std::hex << packed;
    for (std::uint32_t n = 0; n <= 255; ++n)
        for (int shift : {24, 16, 8, 0})
            ASSERT_EQ(packColor(unpackColor(n << shift)), n << shift) << "channel value " << n << " at bit " << shift;
}

TEST(SwatchPalette, ATouchSnapsIntoTheSpectrumOrToTheNearestRoundSwatchTheFirstVisitedWinningTies)
{
    const struct {
        int palette;
        Point touch;
        std::optional<Point> snapped;
    } rows[] = {
        {SwatchPalette::spectrumIndex, {0.4f, 80}, Point{2, 73}},
        {SwatchPalette::spectrumIndex, {250, -5}, Point{203, 2}},
        {1, {30, 10}, Point{10, 10}}, // 20 from (10,10), (50,10) and (30,30)
        {7, {90, 30}, Point{90, 10}}, // 20 from four centres; the top row is visited first
        {1, {10, -289.5f}, Point{10, 10}},
        {1, {10, -290}, std::nullopt}, // exactly 300 away is out of reach
    };
    for (const auto& row : rows)
        EXPECT_EQ(SwatchPalette::applyCoordinateMask(row.palette, row.touch.x, row.touch.y), row.snapped)
            << "palette " << row.palette << " touch " << row.touch.x << "," << row.touch.y;
}

namespace {

// An image of the given layout in which every pixel's first byte is its column and its second its
// row, so a sample shows which pixel was read. Read as alpha-first, the column comes back as blue
// and the row as green.
Image coordinateGrid(int width, int height, int bitsPerPixel, int rowPadding)
{
    Image image;
    image.width = width;
    image.height = height;
    image.bitsPerPixel = bitsPerPixel;
    image.alphaInfo = platform::AlphaFirst;
    image.bytesPerRow = width * bitsPerPixel / 8 + rowPadding;
    image.bytes.assign(std::size_t(image.bytesPerRow * height), 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            auto at = std::size_t(y * image.bytesPerRow + x * bitsPerPixel / 8);
            image.bytes[at] = std::uint8_t(x);
            image.bytes[at + 1] = std::uint8_t(y);
        }
    return image;
}

} // namespace

// Alpha-first layouts, the codec's, are read by the tests below; alpha-last ones in their own order and
// by 1/256, so that full intensity is not 1.
TEST(SwatchPalette, ReadsAnAlphaLastLayoutInItsByteOrderAndScaleWithTheAlphaGiven)
{
    Image pixel = coordinateGrid(2, 1, 32, 0);
    pixel.alphaInfo = platform::AlphaLast;
    pixel.bytes = {32, 64, 128, 0xFF, 255, 255, 255, 0xFF};
    RecordingLog log;
    EXPECT_EQ(SwatchPalette::sample(pixel, {0, 0}, 0.35f, log), (Color{0.125f, 0.25f, 0.5f, 0.35f}));
    EXPECT_EQ(SwatchPalette::sample(pixel, {1, 0}, 1, log), (Color{0.99609375f, 0.99609375f, 0.99609375f, 1}));
}

// Whatever the row layout, the pixel under the truncated point is read, and one outside the
// image's pixels (or past the end of a buffer shorter than its rows claim) never is.
TEST(SwatchPalette, ReadsOnlyThePixelUnderTheTruncatedPoint)
{
    const Image g32 = coordinateGrid(204, 74, 32, 0), g24padded = coordinateGrid(204, 74, 24, 3);
    Image shortBuffer = g32; // the last pixel's blue and red bytes are missing
    shortBuffer.bytes.resize(shortBuffer.bytes.size() - 2);
    Image justEnough = g32; // the fourth byte is never read, so it need not exist
    justEnough.bytes.resize(justEnough.bytes.size() - 1);

    auto pixel = [](std::uint32_t x, std::uint32_t y) { return std::optional(y << 16 | x << 8 | 0xFF); };
    const struct {
        const char* name;
        const Image* image;
        Point at;
        std::optional<std::uint32_t> read;
    } rows[] = {
        {"32 bpp", &g32, {150.7f, 30.2f}, pixel(150, 30)},
        {"24 bpp padded, last pixel", &g24padded, {203.9f, 73.9f}, pixel(203, 73)},
        {"truncated toward zero", &g32, {-0.5f, -0.9f}, pixel(0, 0)},
        {"left of the image", &g32, {-1, 0}, std::nullopt},
        {"above the image", &g32, {0, -1.5f}, std::nullopt},
        {"right of the image", &g32, {204, 0}, std::nullopt},
        {"below the image", &g32, {0, 74}, std::nullopt},
        {"not a number", &g32, {std::nanf(""), 0}, std::nullopt},
        {"buffer shorter than its rows", &shortBuffer, {203, 73}, std::nullopt},
        {"buffer without the last fourth byte", &justEnough, {203, 73}, pixel(203, 73)},
    };
    for (const auto& row : rows) {
        RecordingLog log;
        auto color = SwatchPalette::sample(*row.image, row.at, 1, log);
        EXPECT_EQ(color ? std::optional(packColor(*color)) : std::nullopt, row.read) << row.name;
    }
}

namespace {

// A shipped palette as the shell's codec hands it over.
platform::ImageRef shipped(int index)
{
    return desktop::QtImageCodec().decodeFile(TAVRIN_SOURCE_DIR "/resources/palettes/" +
                                              SwatchPalette::entries().at(std::size_t(index)).image + ".png");
}

} // namespace

TEST(ShippedPalettes, RoundOnesHaveFourteenDistinctOpaqueSwatchesWhiteAndBlackAmongTheNeutralOnes)
{
    for (int index = 1; index < SwatchPalette::count; ++index) {
        const std::string& title = SwatchPalette::entries()[std::size_t(index)].title;
        auto image = shipped(index);
        ASSERT_TRUE(image) << title;
        std::set<std::uint32_t> colours;
        RecordingLog log;
        for (const Point& spot : SwatchPalette::hotSpots) {
            EXPECT_EQ(qAlpha(desktop::toQImage(*image).pixel(int(spot.x), int(spot.y))), 255) << title;
            auto color = SwatchPalette::sample(*image, spot, 1, log);
            ASSERT_TRUE(color) << title;
            colours.insert(packColor(*color));
        }
        EXPECT_EQ(colours.size(), SwatchPalette::hotSpots.size()) << title;
        const bool neutral = title == "grays" || title == "standard";
        EXPECT_TRUE(!neutral || (colours.contains(0xFFFFFFFF) && colours.contains(0x000000FF))) << title;
    }
}

TEST(ShippedPalettes, TheSpectrumIsContinuousFromLightToDark)
{
    auto image = shipped(SwatchPalette::spectrumIndex);
    ASSERT_TRUE(image);
    const QImage spectrum = desktop::toQImage(*image);
    ASSERT_EQ(spectrum.size(), QSize(204, 74));
    auto step = [](QRgb a, QRgb b) {
        return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
    };
    int largest = 0, darkestTop = 255, lightestBottom = 0; // along the reachable top row and the bottom one
    for (int y = 0; y < 74; ++y)
        for (int x = 0; x < 204; ++x) {
            const QRgb p = spectrum.pixel(x, y);
            ASSERT_EQ(qAlpha(p), 255) << x << "," << y;
            largest = std::max({largest, x < 203 ? step(p, spectrum.pixel(x + 1, y)) : 0,
                                y < 73 ? step(p, spectrum.pixel(x, y + 1)) : 0});
            if (y == 2 && x >= 2)
                darkestTop = std::min({darkestTop, qRed(p), qGreen(p), qBlue(p)});
            if (y == 73 && x >= 2)
                lightestBottom = std::max({lightestBottom, qRed(p), qGreen(p), qBlue(p)});
        }
    EXPECT_LE(largest, 12);
    EXPECT_GE(darkestTop, 200);
    EXPECT_LE(lightestBottom, 40);
}

namespace {

// An opaque photograph of `width` by `height` pixels, black but for white squares of `side` pixels
// at the given top left corners, as the codec hands a JPEG over (blue, green, red, alpha).
platform::ImageRef blackPhotograph(int width, int height, std::vector<std::pair<int, int>> whiteAt, int side)
{
    auto image = std::make_shared<Image>();
    image->width = width;
    image->height = height;
    image->bytesPerRow = width * 4;
    image->alphaInfo = platform::AlphaPremultipliedFirst;
    image->bytes.assign(std::size_t(width) * std::size_t(height) * 4, 0);
    for (std::size_t i = 3; i < image->bytes.size(); i += 4)
        image->bytes[i] = 0xFF;
    for (auto [left, top] : whiteAt)
        for (int y = top; y < top + side; ++y)
            std::fill_n(image->bytes.begin() + std::ptrdiff_t(y) * image->bytesPerRow + left * 4, side * 4, 0xFF);
    return image;
}

WallpaperStyle styled(StripLayout layout, std::uint32_t strip, std::uint32_t background, std::uint32_t face,
                      const std::string& information = "")
{
    WallpaperStyle s;
    s.layout = layout;
    s.stripColor = strip;
    s.backgroundColor = background;
    s.fontFaceColor = face;
    s.fontHighlightColor = 0x000000FF;
    s.information = information;
    return s;
}

} // namespace

// Figures worked out by hand from the WCAG 2 and APCA formulas.
TEST(Contrast, RatioAndLcOfKnownPairsAndTranslucentColoursMixedAsDrawn)
{
    const struct {
        std::uint32_t text, background;
        double ratio, lc;
    } pairs[] = {
        {0x000000FF, 0xFFFFFFFF, 21, 106.04},  {0xFFFFFFFF, 0x000000FF, 21, -107.88},
        {0x888888FF, 0xFFFFFFFF, 3.54, 63.06}, {0xFFFFFFFF, 0x1B1C1CFF, 17.08, -106.33},
        {0x000000FF, 0x0000FFFF, 2.44, 18.20}, {0x0000FF00, 0x0000FFFF, 1, 0}, // the alpha plays no part
        {0x7F7F7FFF, 0x808080FF, 1.01, 0},    // a step apart in Y: below the least Lc that counts
    };
    for (const auto& p : pairs) {
        EXPECT_NEAR(Contrast::ratio(p.text, p.background), p.ratio, 0.005) << std::hex << p.text << " on " << p.background;
        EXPECT_NEAR(Contrast::lc(p.text, p.background), p.lc, 0.005) << std::hex << p.text << " on " << p.background;
    }
    EXPECT_EQ(Contrast::over(0x00000080, 0xFFFFFF00), 0x7F7F7FFFu);
    EXPECT_EQ(Contrast::over(0x12345600, 0xABCDEF11), 0xABCDEFFFu);
    EXPECT_EQ(Contrast::over(0x123456FF, 0xABCDEFFF), 0x123456FFu);
}

TEST(Contrast, EachTextIsReadAgainstTheStripAtItsOpacityOverTheBackgroundOrTheWorstPixelOfThePhotograph)
{
    const Screen& screen = ScreenCatalogue::builtIn().classic();
    const Contrast plain(screen, nullptr);

    // The first start's colours: white on the near-black strip.
    auto firstStart = plain.readings(styled(StripLayout::Split, 0x1B1C1CFF, 0xA8A8A8FF, 0xFFFFFFFF));
    ASSERT_EQ(firstStart.size(), 1u);
    EXPECT_EQ(firstStart[0].text, "the number");
    EXPECT_EQ(firstStart[0].ratioText() + " " + firstStart[0].lcText(), "17.1:1 Lc -106.3");
    EXPECT_TRUE(firstStart[0].passes());
    EXPECT_TRUE(plain.readings(styled(StripLayout::None, 0x1B1C1CFF, 0xA8A8A8FF, 0x1B1C1CFF, "x")).empty());

    // A black strip at half opacity over white is mid-grey (127): white lettering passes as large
    // text (4.0:1, Lc -72.9) but not as body text.
    auto half = plain.readings(styled(StripLayout::Classic, 0x00000080, 0xFFFFFFFF, 0xFFFFFFFF, "Reward"));
    ASSERT_EQ(half.size(), 3u);
    for (const auto& [reading, name, passes] : {std::tuple{half[0], "\"TAVRIN:\"", true},
                                                 {half[1], "the number", true}, {half[2], "the information line", false}}) {
        EXPECT_EQ(reading.text, name);
        EXPECT_EQ(reading.against, "the strip over the background");
        EXPECT_NEAR(reading.ratio, 4.00, 0.005);
        EXPECT_NEAR(reading.lc, -72.87, 0.005);
        EXPECT_EQ(reading.passes(), passes) << name;
    }
    // A failing figure is cut, never rounded up to the threshold it misses.
    Contrast::Reading nearly{WallpaperLayout::Part::SplitContact, "the number", "the strip", Contrast::largeText, 2.96, -44.96};
    EXPECT_EQ(nearly.ratioText() + " " + nearly.lcText(), "2.9:1 Lc -44.9");

    // A photograph taller than the screen's shape fills its width: 640 pixels over 320 points, its
    // top and bottom 120 pixel rows cut off. One white patch under the number fails it; the same
    // patch in the rows cut off counts for nothing.
    const Rect number = WallpaperLayout(screen).frameOf(WallpaperLayout::Part::SplitContact);
    const int underX = int(number.x() + number.width() / 2) * 2, underY = 120 + int(number.y() + number.height() / 2) * 2;
    const WallpaperStyle faint = styled(StripLayout::Split, 0x1B1C1C33, 0xA8A8A8FF, 0xFFFFFFFF);
    auto shown = Contrast(screen, blackPhotograph(640, 1200, {{underX, underY}}, 2)).readings(faint);
    EXPECT_NEAR(shown[0].ratio, 1.52, 0.005) << "white on the strip over the white patch (209, 210, 210)";
    EXPECT_EQ(shown[0].against, "the strip over the photograph");
    auto cutOff = Contrast(screen, blackPhotograph(640, 1200, {{underX, 40}}, 2)).readings(faint);
    EXPECT_GT(cutOff[0].ratio, 15);
    // An opaque strip hides the patch: the number reads as on the first start.
    const WallpaperStyle solid = styled(StripLayout::Split, 0x1B1C1CFF, 0xA8A8A8FF, 0xFFFFFFFF);
    auto opaque = Contrast(screen, blackPhotograph(640, 1200, {{underX, underY}}, 2)).readings(solid);
    EXPECT_EQ(opaque[0].ratioText() + " " + opaque[0].lcText() + " " + opaque[0].against, "17.1:1 Lc -106.3 the strip");
    // A scan code that needs the room below lifts the strips: the number is read where it stands.
    WallpaperStyle lifted = styled(StripLayout::Classic, 0x1B1C1C33, 0xA8A8A8FF, 0xFFFFFFFF);
    lifted.contact = "911";
    lifted.qrCode = QrCodeKind::Url;
    lifted.qrUrl = "https://example.com/found/a/long/path";
    const Screen plus = *ScreenCatalogue::builtIn().resolve("iphone-15-plus"); // 430 by 932 points
    const Rect unlifted = WallpaperLayout(plus).frameOf(WallpaperLayout::Part::ClassicContact);
    ASSERT_GT(unlifted.y(), 380);
    EXPECT_NEAR(Contrast(plus, blackPhotograph(430, 932, {{215, 360}}, 4)).readings(lifted)[1].ratio, 1.52, 0.005);
    // A photograph whose pixels cannot be read leaves the background colour to be measured.
    auto unreadable = std::const_pointer_cast<Image>(blackPhotograph(640, 1200, {}, 0));
    unreadable->bitsPerPixel = 24;
    EXPECT_EQ(Contrast(screen, unreadable).readings(faint)[0].against, "the strip over the background");
}

TEST(Contrast, TheFixIsWhiteOrBlackLetteringElseTheLeastStripOpacityThatPasses)
{
    const Screen& screen = ScreenCatalogue::builtIn().classic();
    const Contrast plain(screen, nullptr);
    const WallpaperStyle blackOnBlue = styled(StripLayout::Split, 0x0000FFFF, 0xA8A8A8FF, 0x000000FF);
    const auto toWhite = plain.fix(blackOnBlue);
    ASSERT_TRUE(toWhite);
    EXPECT_EQ(toWhite->fontFaceColor, 0xFFFFFFFFu);
    EXPECT_EQ(toWhite->fontHighlightColor, 0x000000FFu);
    EXPECT_EQ(toWhite->stripColor, 0x0000FFFFu);
    EXPECT_FALSE(plain.fix(*toWhite)) << "nothing to fix";
    // Mid-grey on mid-grey with a line of information: neither lettering reaches 4.5:1 and Lc 60.
    EXPECT_FALSE(plain.fix(styled(StripLayout::Split, 0x777777FF, 0x777777FF, 0xFFFFFFFF, "Reward")));

    // Over black and white patches both letterings fail a faint dark strip; white passes once the
    // strip is opaque enough over the white: at 50% for the number, 65% with an information line.
    const WallpaperLayout layout(screen);
    std::vector<std::pair<int, int>> middles;
    for (auto part : {WallpaperLayout::Part::SplitContact, WallpaperLayout::Part::SplitInfo}) {
        const Rect r = layout.frameOf(part);
        middles.emplace_back(int(r.x() + r.width() / 2), int(r.y() + r.height() / 2));
    }
    const Contrast busy(screen, blackPhotograph(320, 480, middles, 10));
    for (const auto& [information, stripColor] : {std::pair{"", 0x1B1C1C80u}, {"Reward", 0x1B1C1CA6u}}) {
        const auto fixed = busy.fix(styled(StripLayout::Split, 0x1B1C1C33, 0xA8A8A8FF, 0x000000FF, information));
        ASSERT_TRUE(fixed) << information;
        EXPECT_EQ(fixed->stripColor, stripColor) << information;
        EXPECT_EQ(fixed->fontFaceColor, 0xFFFFFFFFu) << information;
    }
}
