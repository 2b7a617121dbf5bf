#pragma once

#include "platform/Color.h"
#include "platform/Geometry.h"
#include "platform/Image.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace platform {
class Log;
}

// One selectable palette: its title as shown and the base name of its PNG (no extension).
struct SwatchEntry {
    std::string title;
    std::string image;
};

// The colour pickers' palettes, shared by every dialog that picks a colour: which palettes exist,
// how a touch snaps to a swatch, and how the colour under it is read.
class SwatchPalette {
public:
    static constexpr int count = 8;
    static constexpr int spectrumIndex = 0;

    // Touches on the spectrum are clamped to this box and then used as pixel coordinates.
    static constexpr float spectrumMinX = 2, spectrumMaxX = 203;
    static constexpr float spectrumMinY = 2, spectrumMaxY = 73;
    static constexpr int spectrumWidth = 204, spectrumHeight = 74;

    static constexpr int roundWidth = 180, roundHeight = 60;
    // The round swatches' radius about the middle of their hot spot's pixel.
    static constexpr float swatchRadius = 9;
    // Swatch centres of the round palettes, in the order they are tried: two full rows, then the
    // staggered middle row. The order decides ties.
    static constexpr std::array<platform::Point, 14> hotSpots{{
        {10, 10}, {50, 10}, {90, 10}, {130, 10}, {170, 10},
        {10, 50}, {50, 50}, {90, 50}, {130, 50}, {170, 50},
        {30, 30}, {70, 30}, {110, 30}, {150, 30},
    }};

    static const std::vector<SwatchEntry>& entries();

    static int nextIndex(int current);
    static int previousIndex(int current);

    // Where a touch at (x, y) lands on palette `index`, or nothing if it is nowhere near a swatch.
    static std::optional<platform::Point> applyCoordinateMask(int index, float x, float y);

    // The colour of the pixel under a snapped point, with the given alpha. Nothing if the point is
    // outside the image or the pixel layout is not one we can read.
    static std::optional<platform::Color> sample(const platform::Image& image, platform::Point snapped, float alpha,
                                                 platform::Log& log);

    // Where a touch would pick this colour (to eight bits a channel, alpha aside) on palette `index`
    // shown by `image`: the first hot spot, or the first spectrum pixel row by row; nothing if none.
    static std::optional<platform::Point> find(int index, const platform::Image& image, const platform::Color& color,
                                               platform::Log& log);
};
