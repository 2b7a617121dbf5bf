#include "SwatchPalette.h"

#include "platform/Services.h"
#include "platform/Translate.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

using platform::Color;
using platform::Point;

namespace {

// Farther than this from every swatch is a miss, not a pick.
constexpr float maxReach = 300.0f;

// The float differences squared in double, rounded back to float: ties between equidistant
// swatches must come out exactly equal so that scan order settles them.
float distance(float x, float y, Point centre)
{
    float dx = x - centre.x;
    float dy = y - centre.y;
    return static_cast<float>(std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy));
}

// A channel as the eight bits it is stored in.
int eightBits(float channel) { return static_cast<int>(std::lround(std::clamp(channel, 0.0f, 1.0f) * 255.0f)); }

bool sameColour(const Color& a, const Color& b)
{
    return eightBits(a.red) == eightBits(b.red) && eightBits(a.green) == eightBits(b.green) &&
           eightBits(a.blue) == eightBits(b.blue);
}

} // namespace

const std::vector<SwatchEntry>& SwatchPalette::entries()
{
    static const std::vector<SwatchEntry> all{
        {QT_TRANSLATE_NOOP("SwatchPalette", "spectrum"), "palette_spectrum"},
        {QT_TRANSLATE_NOOP("SwatchPalette", "earth tones"), "palette_round_earthtones"},
        {QT_TRANSLATE_NOOP("SwatchPalette", "earth tones dark"), "palette_round_earthtones_dark"},
        {QT_TRANSLATE_NOOP("SwatchPalette", "earth tones light"), "palette_round_earthtones_light"},
        {QT_TRANSLATE_NOOP("SwatchPalette", "grays"), "palette_round_grays"},
        {QT_TRANSLATE_NOOP("SwatchPalette", "standard"), "palette_round_std"},
        {QT_TRANSLATE_NOOP("SwatchPalette", "standard dark"), "palette_round_std_dark"},
        {QT_TRANSLATE_NOOP("SwatchPalette", "standard light"), "palette_round_std_light"},
    };
    return all;
}

int SwatchPalette::nextIndex(int current)
{
    int wrapped = current % count;
    if (wrapped < 0)
        wrapped += count;
    return (wrapped + 1) % count;
}

int SwatchPalette::previousIndex(int current)
{
    int wrapped = current % count;
    if (wrapped < 0)
        wrapped += count;
    return (wrapped + count - 1) % count;
}

std::optional<Point> SwatchPalette::applyCoordinateMask(int index, float x, float y)
{
    if (index == spectrumIndex)
        return Point{std::clamp(x, spectrumMinX, spectrumMaxX), std::clamp(y, spectrumMinY, spectrumMaxY)};

    float best = maxReach;
    std::optional<Point> picked;
    for (const Point& centre : hotSpots) {
        float d = distance(x, y, centre);
        if (d < best) {
            best = d;
            picked = centre;
        }
    }
    return picked;
}

std::optional<Color> SwatchPalette::sample(const platform::Image& image, Point snapped, float alpha, platform::Log& log)
{
    // Compared as floats before truncating so that NaN and huge values never reach the int
    // conversion; truncation toward zero keeps (-1, 0) as column 0.
    if (!(snapped.x > -1.0f) || !(snapped.y > -1.0f))
        return std::nullopt;
    if (!(snapped.x < static_cast<float>(image.width)) || !(snapped.y < static_cast<float>(image.height)))
        return std::nullopt;
    const int px = static_cast<int>(snapped.x);
    const int py = static_cast<int>(snapped.y);

    const std::int64_t offset =
        static_cast<std::int64_t>(py) * image.bytesPerRow + static_cast<std::int64_t>(px) * (image.bitsPerPixel / 8);
    if (offset < 0 || offset + 2 >= static_cast<std::int64_t>(image.bytes.size()))
        return std::nullopt;
    const auto at = static_cast<std::size_t>(offset);
    const std::uint8_t b0 = image.bytes[at];
    const std::uint8_t b1 = image.bytes[at + 1];
    const std::uint8_t b2 = image.bytes[at + 2];

    switch (image.alphaInfo) {
    case platform::AlphaPremultipliedLast:
    case platform::AlphaLast:
    case platform::AlphaNoneSkipLast:
        // Deliberately 1/256, not 1/255: full intensity reads as 0.99609375 on these layouts.
        return Color{float(b0) * 0.00390625f, float(b1) * 0.00390625f, float(b2) * 0.00390625f, alpha};
    case platform::AlphaPremultipliedFirst:
    case platform::AlphaFirst:
    case platform::AlphaNoneSkipFirst:
        // Alpha-first pixels sit in memory little-endian, so blue comes first.
        return Color{float(b2) / 255.0f, float(b1) / 255.0f, float(b0) / 255.0f, alpha};
    default: {
        // Kept static so a bad layout still costs no allocation per touch.
        static const std::string unknown = "unknown Alpha format";
        log.log(unknown);
        return std::nullopt;
    }
    }
}

std::optional<Point> SwatchPalette::find(int index, const platform::Image& image, const Color& color, platform::Log& log)
{
    std::vector<Point> cells(hotSpots.begin(), hotSpots.end());
    if (index == spectrumIndex) {
        cells.clear();
        for (float y = spectrumMinY; y <= spectrumMaxY; ++y)
            for (float x = spectrumMinX; x <= spectrumMaxX; ++x)
                cells.push_back({x, y});
    }
    for (const Point& cell : cells) {
        auto there = sample(image, cell, 1, log);
        // A palette that cannot be read is given up on at its first cell, logged once.
        if (!there)
            return std::nullopt;
        if (sameColour(*there, color))
            return cell;
    }
    return std::nullopt;
}
