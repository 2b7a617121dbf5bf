#include "support/TestApp.h"

#include "PackedColor.h"
#include "SwatchPalette.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QString>

#include <algorithm>
#include <array>
#include <cmath>
#include <set>

using platform::Color;
using platform::Image;
using platform::Point;
using testing_support::RecordingLog;

namespace {

// An image of the given layout with every byte zero.
Image blank(int width, int height, int bitsPerPixel, int rowPadding, int alphaInfo)
{
    Image image;
    image.width = width;
    image.height = height;
    image.bitsPerPixel = bitsPerPixel;
    image.alphaInfo = alphaInfo;
    image.bytesPerRow = width * bitsPerPixel / 8 + rowPadding;
    image.bytes.assign(std::size_t(image.bytesPerRow * height), 0);
    return image;
}

// One pixel holding b0, b1, b2 and an opaque fourth byte.
Image onePixel(int alphaInfo, std::uint8_t b0, std::uint8_t b1, std::uint8_t b2)
{
    Image image = blank(1, 1, 32, 0, alphaInfo);
    image.bytes = {b0, b1, b2, 0xFF};
    return image;
}

// Every pixel's first byte is its column and its second its row, so a sample shows which pixel
// was read. Read as alpha-first, the column comes back as blue and the row as green.
Image coordinateGrid(int width, int height, int bitsPerPixel, int rowPadding)
{
    Image image = blank(width, height, bitsPerPixel, rowPadding, platform::AlphaFirst);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            auto at = std::size_t(y * image.bytesPerRow + x * bitsPerPixel / 8);
            image.bytes[at] = std::uint8_t(x);
            image.bytes[at + 1] = std::uint8_t(y);
        }
    return image;
}

} // namespace

TEST(SwatchPalette, IndexSteppingWrapsBothWays)
{
    const std::array<int, 3> cases[] = {{0, 1, 7}, {7, 0, 6}, {4, 5, 3}}; // current, next, previous
    for (const auto& [current, next, previous] : cases) {
        EXPECT_EQ(SwatchPalette::nextIndex(current), next) << current;
        EXPECT_EQ(SwatchPalette::previousIndex(current), previous) << current;
    }
}

TEST(SwatchPalette, SpectrumTouchesAreClampedAndKeepTheirFractions)
{
    const std::pair<Point, Point> cases[] = {
        {{0.4f, 80}, {2, 73}}, {{150.7f, 30.2f}, {150.7f, 30.2f}}, {{250, -5}, {203, 2}}, {{2, 73}, {2, 73}}};
    for (const auto& [touch, snapped] : cases)
        EXPECT_EQ(SwatchPalette::applyCoordinateMask(SwatchPalette::spectrumIndex, touch.x, touch.y), snapped)
            << touch.x << "," << touch.y;
}

TEST(SwatchPalette, RoundTouchesSnapToTheNearestCentreFirstVisitedWinningTies)
{
    const std::pair<Point, std::optional<Point>> cases[] = {
        {{30, 20}, Point{30, 30}},
        {{30, 10}, Point{10, 10}}, // 20 from (10,10), (50,10) and (30,30)
        {{90, 30}, Point{90, 10}}, // 20 from four centres; the top row is visited first
        {{110, 40}, Point{110, 30}},
        {{175, 59}, Point{170, 50}},
        {{0, 0}, Point{10, 10}},
        {{10, -289.5f}, Point{10, 10}},
        {{10, -290}, std::nullopt}, // exactly 300 away is out of reach
        {{500, 500}, std::nullopt},
    };
    for (int index = 1; index < SwatchPalette::count; ++index)
        for (const auto& [touch, snapped] : cases)
            EXPECT_EQ(SwatchPalette::applyCoordinateMask(index, touch.x, touch.y), snapped)
                << "palette " << index << " touch " << touch.x << "," << touch.y;
}

TEST(SwatchPalette, DecodesEachLayoutByItsOwnByteOrderAndScaleWithTheAlphaGiven)
{
    const std::array<int, 3> alphaFirst{2, 4, 6}, alphaLast{1, 3, 5};
    struct Case {
        std::array<int, 3> layouts;
        std::uint8_t b0, b1, b2;
        Color expected;
        std::uint32_t packed;
    } cases[] = {
        {alphaFirst, 32, 64, 128, {128 / 255.0f, 64 / 255.0f, 32 / 255.0f, 1}, 0x804020FF},
        {alphaLast, 32, 64, 128, {0.125f, 0.25f, 0.5f, 1}, 0x204080FF},
        {alphaFirst, 255, 255, 255, Color::white(), 0xFFFFFFFF},
        {alphaLast, 255, 255, 255, {0.99609375f, 0.99609375f, 0.99609375f, 1}, 0xFEFEFEFF},
    };
    for (const auto& c : cases)
        for (int alphaInfo : c.layouts) {
            RecordingLog log;
            auto color = SwatchPalette::sample(onePixel(alphaInfo, c.b0, c.b1, c.b2), {0, 0}, 1, log);
            ASSERT_TRUE(color) << "alpha info " << alphaInfo;
            EXPECT_EQ(*color, c.expected) << "alpha info " << alphaInfo;
            EXPECT_EQ(packColor(*color), c.packed) << "alpha info " << alphaInfo;
            EXPECT_TRUE(log.lines.empty());
        }
    RecordingLog log;
    for (float alpha : {0.0f, 0.35f})
        EXPECT_EQ(SwatchPalette::sample(onePixel(4, 1, 2, 3), {0, 0}, alpha, log)->alpha, alpha);
}

TEST(SwatchPalette, AnUnknownLayoutReadsAsNothingAndIsLogged)
{
    for (int alphaInfo : {0, 7, 8, -1}) {
        RecordingLog unknown;
        EXPECT_FALSE(SwatchPalette::sample(onePixel(alphaInfo, 1, 2, 3), {0, 0}, 1, unknown)) << alphaInfo;
        EXPECT_EQ(unknown.lines, std::vector<std::string>{"unknown Alpha format"}) << alphaInfo;
    }
}

// Whatever the row layout, the pixel under the truncated point is read, and one outside the
// image's pixels (or past the end of a buffer shorter than its rows claim) never is.
TEST(SwatchPalette, ReadsOnlyThePixelUnderTheTruncatedPoint)
{
    const Image g32 = coordinateGrid(204, 74, 32, 0), g32padded = coordinateGrid(204, 74, 32, 12),
                g24 = coordinateGrid(204, 74, 24, 0), g24padded = coordinateGrid(204, 74, 24, 3);
    Image shortBuffer = g32; // the last pixel's blue and red bytes are missing
    shortBuffer.bytes.resize(shortBuffer.bytes.size() - 2);
    Image justEnough = g32; // the fourth byte is never read, so it need not exist
    justEnough.bytes.resize(justEnough.bytes.size() - 1);

    auto pixel = [](std::uint32_t x, std::uint32_t y) { return std::optional(y << 16 | x << 8 | 0xFF); };
    struct Case {
        const char* name;
        const Image* image;
        Point at;
        std::optional<std::uint32_t> read;
    } cases[] = {
        {"32 bpp", &g32, {150.7f, 30.2f}, pixel(150, 30)},
        {"32 bpp padded", &g32padded, {150.7f, 30.2f}, pixel(150, 30)},
        {"24 bpp", &g24, {150.7f, 30.2f}, pixel(150, 30)},
        {"24 bpp padded, last pixel", &g24padded, {203, 73}, pixel(203, 73)},
        {"truncated toward zero", &g32, {-0.5f, -0.9f}, pixel(0, 0)},
        {"last pixel", &g32, {203.9f, 73.9f}, pixel(203, 73)},
        {"left of the image", &g32, {-1, 0}, std::nullopt},
        {"above the image", &g32, {0, -1.5f}, std::nullopt},
        {"right of the image", &g32, {204, 0}, std::nullopt},
        {"below the image", &g32, {0, 74}, std::nullopt},
        {"far away", &g32, {1e30f, 1e30f}, std::nullopt},
        {"not a number", &g32, {std::nanf(""), 0}, std::nullopt},
        {"buffer shorter than its rows", &shortBuffer, {203, 73}, std::nullopt},
        {"buffer without the last fourth byte", &justEnough, {203, 73}, pixel(203, 73)},
    };
    for (const auto& c : cases) {
        RecordingLog log;
        auto color = SwatchPalette::sample(*c.image, c.at, 1, log);
        EXPECT_EQ(color ? std::optional(packColor(*color)) : std::nullopt, c.read) << c.name;
        EXPECT_TRUE(log.lines.empty()) << c.name;
    }
}

namespace {

// A shipped palette, decoded the way the shell's codec hands it over.
struct Shipped {
    QImage qt;
    Image platform;
    explicit Shipped(int index)
        : qt(QImage(QString::fromStdString(TAVRIN_SOURCE_DIR "/resources/palettes/" +
                                           SwatchPalette::entries().at(std::size_t(index)).image + ".png"))
                 .convertToFormat(QImage::Format_ARGB32))
        , platform(blank(qt.width(), qt.height(), 32, int(qt.bytesPerLine()) - 4 * qt.width(), platform::AlphaFirst))
    {
        platform.bytes.assign(qt.constBits(), qt.constBits() + qt.sizeInBytes());
    }
};

} // namespace

TEST(SwatchPaletteImages, RoundPalettesHaveFourteenDistinctOpaqueSwatches)
{
    for (int index = 1; index < SwatchPalette::count; ++index) {
        const std::string& title = SwatchPalette::entries()[std::size_t(index)].title;
        Shipped l(index);
        ASSERT_GE(l.qt.width(), 171) << title;
        ASSERT_GE(l.qt.height(), 51) << title;

        std::set<std::uint32_t> colours;
        RecordingLog log;
        for (const Point& spot : SwatchPalette::hotSpots) {
            EXPECT_EQ(qAlpha(l.qt.pixel(int(spot.x), int(spot.y))), 255) << title << " at " << spot.x << "," << spot.y;
            auto color = SwatchPalette::sample(l.platform, spot, 1, log);
            ASSERT_TRUE(color) << title;
            colours.insert(packColor(*color));
        }
        EXPECT_EQ(colours.size(), SwatchPalette::hotSpots.size()) << title;
        if (title == "grays" || title == "standard") {
            EXPECT_TRUE(colours.contains(0xFFFFFFFF)) << title;
            EXPECT_TRUE(colours.contains(0x000000FF)) << title;
        }
    }
}

TEST(SwatchPaletteImages, TheSpectrumIsContinuousFromLightToDark)
{
    Shipped l(SwatchPalette::spectrumIndex);
    ASSERT_EQ(l.qt.width(), 204);
    ASSERT_EQ(l.qt.height(), 74);

    auto step = [](QRgb a, QRgb b) {
        return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
    };
    int largest = 0;
    for (int y = 0; y < 74; ++y)
        for (int x = 0; x < 204; ++x) {
            const QRgb p = l.qt.pixel(x, y);
            ASSERT_EQ(qAlpha(p), 255) << x << "," << y;
            largest = std::max({largest, x < 203 ? step(p, l.qt.pixel(x + 1, y)) : 0,
                                y < 73 ? step(p, l.qt.pixel(x, y + 1)) : 0});
        }
    EXPECT_LE(largest, 12);

    // Light tints along the reachable top row, near black along the bottom one.
    for (int x = 2; x < 204; ++x) {
        QRgb top = l.qt.pixel(x, 2), bottom = l.qt.pixel(x, 73);
        EXPECT_GE(std::min({qRed(top), qGreen(top), qBlue(top)}), 200) << x;
        EXPECT_LE(std::max({qRed(bottom), qGreen(bottom), qBlue(bottom)}), 40) << x;
    }
}
