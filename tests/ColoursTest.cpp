// Colours: packed colour numbers, and the palettes a colour is picked from. The pickers' dialogs
// are in tests/e2e.
#include "support/TestApp.h"

#include "PackedColor.h"
#include "SwatchPalette.h"

#include "desktop/QtImageCodec.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cmath>
#include <set>

using platform::Color;
using platform::Image;
using platform::Point;
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
