#include "PackedColor.h"
#include "SwatchPalette.h"
#include "platform/Services.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QString>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

using platform::Color;
using platform::Image;
using platform::Point;

namespace {

struct RecordingLog : platform::Log {
    std::vector<std::string> lines;
    void log(const std::string& line) override { lines.push_back(line); }
};

// One pixel holding b0, b1, b2 and an opaque fourth byte.
Image onePixel(int alphaInfo, std::uint8_t b0, std::uint8_t b1, std::uint8_t b2)
{
    Image image;
    image.width = image.height = 1;
    image.bytesPerRow = 4;
    image.bitsPerPixel = 32;
    image.alphaInfo = alphaInfo;
    image.bytes = {b0, b1, b2, 0xFF};
    return image;
}

// Every pixel's first byte is its column and its second its row, so a sample shows which pixel
// was read. Read as alpha-first, the column comes back as blue and the row as green.
Image coordinateGrid(int width, int height, int bitsPerPixel, int rowPadding)
{
    Image image;
    image.width = width;
    image.height = height;
    image.bitsPerPixel = bitsPerPixel;
    image.alphaInfo = platform::AlphaFirst;
    const int step = bitsPerPixel / 8;
    image.bytesPerRow = width * step + rowPadding;
    image.bytes.assign(std::size_t(image.bytesPerRow * height), 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            auto at = std::size_t(y * image.bytesPerRow + x * step);
            image.bytes[at] = std::uint8_t(x);
            image.bytes[at + 1] = std::uint8_t(y);
        }
    return image;
}

std::uint32_t gridPixel(int x, int y) { return std::uint32_t(y) << 16 | std::uint32_t(x) << 8 | 0xFF; }

} // namespace

TEST(SwatchPalette, IndexSteppingWrapsBothWays)
{
    struct Case {
        int current, next, previous;
    } cases[] = {
        {0, 1, 7},
        {7, 0, 6},
        {4, 5, 3},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SwatchPalette::nextIndex(c.current), c.next) << c.current;
        EXPECT_EQ(SwatchPalette::previousIndex(c.current), c.previous) << c.current;
    }
}

TEST(SwatchPalette, SpectrumTouchesAreClampedAndKeepTheirFractions)
{
    struct Case {
        Point touch, snapped;
    } cases[] = {
        {{0.4f, 80}, {2, 73}},
        {{150.7f, 30.2f}, {150.7f, 30.2f}},
        {{250, -5}, {203, 2}},
        {{2, 73}, {2, 73}},
    };
    for (const auto& c : cases) {
        auto snapped = SwatchPalette::applyCoordinateMask(SwatchPalette::spectrumIndex, c.touch.x, c.touch.y);
        ASSERT_TRUE(snapped) << c.touch.x << "," << c.touch.y;
        EXPECT_EQ(*snapped, c.snapped) << c.touch.x << "," << c.touch.y;
    }
}

TEST(SwatchPalette, RoundTouchesSnapToTheNearestCentreFirstVisitedWinningTies)
{
    struct Case {
        Point touch;
        std::optional<Point> snapped;
    } cases[] = {
        {{30, 20}, Point{30, 30}},
        {{30, 10}, Point{10, 10}},  // 20 from (10,10), (50,10) and (30,30)
        {{90, 30}, Point{90, 10}},  // 20 from four centres; the top row is visited first
        {{110, 40}, Point{110, 30}},
        {{175, 59}, Point{170, 50}},
        {{0, 0}, Point{10, 10}},
        {{10, -289.5f}, Point{10, 10}},
        {{10, -290}, std::nullopt}, // exactly 300 away is out of reach
        {{500, 500}, std::nullopt},
    };
    for (int index = 1; index < SwatchPalette::count; ++index)
        for (const auto& c : cases)
            EXPECT_EQ(SwatchPalette::applyCoordinateMask(index, c.touch.x, c.touch.y), c.snapped)
                << "palette " << index << " touch " << c.touch.x << "," << c.touch.y;
}

TEST(SwatchPalette, DecodesEachLayoutByItsOwnByteOrderAndScale)
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

TEST(SwatchPalette, UnknownLayoutsAreLoggedAndGiveNothing)
{
    for (int alphaInfo : {0, 7, 8, -1}) {
        RecordingLog log;
        EXPECT_FALSE(SwatchPalette::sample(onePixel(alphaInfo, 1, 2, 3), {0, 0}, 1, log)) << alphaInfo;
        EXPECT_EQ(log.lines, std::vector<std::string>{"unknown Alpha format"}) << alphaInfo;
    }
}

TEST(SwatchPalette, ReadsThePixelUnderTheTruncatedPointWhateverTheRowLayout)
{
    struct Case {
        int bitsPerPixel, rowPadding;
        Point at;
        int px, py;
    } cases[] = {
        {32, 0, {150.7f, 30.2f}, 150, 30},
        {32, 12, {150.7f, 30.2f}, 150, 30},
        {24, 0, {150.7f, 30.2f}, 150, 30},
        {24, 3, {203, 73}, 203, 73},
        {32, 0, {-0.5f, -0.9f}, 0, 0}, // truncates toward zero
    };
    for (const auto& c : cases) {
        RecordingLog log;
        auto color = SwatchPalette::sample(coordinateGrid(204, 74, c.bitsPerPixel, c.rowPadding), c.at, 1, log);
        ASSERT_TRUE(color) << c.bitsPerPixel << " bpp, padding " << c.rowPadding;
        EXPECT_EQ(packColor(*color), gridPixel(c.px, c.py)) << c.bitsPerPixel << " bpp, padding " << c.rowPadding;
    }

}

TEST(SwatchPalette, PointsOutsideThePixelsGiveNothing)
{
    Image grid = coordinateGrid(4, 3, 32, 0);
    Image shortBuffer = grid; // claims 4x3 but the last pixel's blue/red bytes are missing
    shortBuffer.bytes.resize(shortBuffer.bytes.size() - 2);
    Image justEnough = grid; // the fourth byte is never read, so it need not exist
    justEnough.bytes.resize(justEnough.bytes.size() - 1);

    struct Case {
        const char* name;
        const Image* image;
        Point at;
        bool found;
    } cases[] = {
        {"left of the image", &grid, {-1, 0}, false},
        {"above the image", &grid, {0, -1.5f}, false},
        {"right of the image", &grid, {4, 0}, false},
        {"below the image", &grid, {0, 3}, false},
        {"far away", &grid, {1e30f, 1e30f}, false},
        {"not a number", &grid, {std::nanf(""), 0}, false},
        {"last pixel", &grid, {3.9f, 2.9f}, true},
        {"buffer shorter than its rows", &shortBuffer, {3, 2}, false},
        {"buffer without the last fourth byte", &justEnough, {3, 2}, true},
    };
    for (const auto& c : cases) {
        RecordingLog log;
        EXPECT_EQ(SwatchPalette::sample(*c.image, c.at, 1, log).has_value(), c.found) << c.name;
        EXPECT_TRUE(log.lines.empty()) << c.name;
    }
}

namespace {

// A shipped palette, decoded the way the shell's codec hands it over.
struct Shipped {
    QImage qt;
    Image platform;
};

Shipped loadShipped(int index)
{
    const std::string& name = SwatchPalette::entries().at(std::size_t(index)).image;
    Shipped l;
    l.qt = QImage(QString::fromStdString(TAVRIN_SOURCE_DIR "/resources/palettes/" + name + ".png"))
               .convertToFormat(QImage::Format_ARGB32);
    l.platform.width = l.qt.width();
    l.platform.height = l.qt.height();
    l.platform.bytesPerRow = int(l.qt.bytesPerLine());
    l.platform.bitsPerPixel = 32;
    l.platform.alphaInfo = platform::AlphaFirst;
    l.platform.bytes.assign(l.qt.constBits(), l.qt.constBits() + l.qt.sizeInBytes());
    return l;
}

} // namespace

TEST(SwatchPaletteImages, RoundPalettesHaveFourteenDistinctOpaqueSwatches)
{
    for (int index = 1; index < SwatchPalette::count; ++index) {
        const std::string& title = SwatchPalette::entries()[std::size_t(index)].title;
        Shipped l = loadShipped(index);
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
    Shipped l = loadShipped(SwatchPalette::spectrumIndex);
    ASSERT_EQ(l.qt.width(), 204);
    ASSERT_EQ(l.qt.height(), 74);

    auto step = [](QRgb a, QRgb b) {
        return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
    };
    int largest = 0;
    for (int y = 0; y < l.qt.height(); ++y)
        for (int x = 0; x < l.qt.width(); ++x) {
            ASSERT_EQ(qAlpha(l.qt.pixel(x, y)), 255) << x << "," << y;
            if (x + 1 < l.qt.width())
                largest = std::max(largest, step(l.qt.pixel(x, y), l.qt.pixel(x + 1, y)));
            if (y + 1 < l.qt.height())
                largest = std::max(largest, step(l.qt.pixel(x, y), l.qt.pixel(x, y + 1)));
        }
    EXPECT_LE(largest, 12);

    // Light tints along the reachable top row, near black along the bottom one.
    for (int x = 2; x < l.qt.width(); ++x) {
        QRgb top = l.qt.pixel(x, 2), bottom = l.qt.pixel(x, 73);
        EXPECT_GE(std::min({qRed(top), qGreen(top), qBlue(top)}), 200) << x;
        EXPECT_LE(std::max({qRed(bottom), qGreen(bottom), qBlue(bottom)}), 40) << x;
    }
}
