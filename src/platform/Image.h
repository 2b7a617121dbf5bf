#pragma once

#include "platform/Geometry.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace platform {

// Pixel layout numbering of the alpha info, as the palette decoder reads it.
enum AlphaInfo : int {
    AlphaNone = 0,
    AlphaPremultipliedLast = 1,
    AlphaPremultipliedFirst = 2,
    AlphaLast = 3,
    AlphaFirst = 4,
    AlphaNoneSkipLast = 5,
    AlphaNoneSkipFirst = 6,
    AlphaOnly = 7,
};

// A decoded image: its pixel bytes and their layout. Images are immutable once made and shared.
struct Image {
    int width = 0;  // pixels
    int height = 0; // pixels
    float scale = 1; // pixels per point
    int bytesPerRow = 0;
    int bitsPerPixel = 32;
    int alphaInfo = AlphaPremultipliedFirst;
    std::vector<std::uint8_t> bytes;

    Size size() const { return {width / scale, height / scale}; }
    bool isNull() const { return width <= 0 || height <= 0; }

    // The shell may keep a converted copy here (for example a scaled pixmap); never part of the pixels.
    mutable std::shared_ptr<void> shellCache;
};

using ImageRef = std::shared_ptr<const Image>;

} // namespace platform
