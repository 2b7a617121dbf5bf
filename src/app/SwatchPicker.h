#pragma once

#include "platform/Color.h"
#include "platform/Geometry.h"
#include "platform/Image.h"

#include <optional>

namespace platform {
class ImageView;
class Label;
struct Touch;
} // namespace platform

// What a colour dialog keeps of its palettes: the one shown, its decoded pixels and the last touch.
// Decoding happens only when the palette changes, so a touch costs one snap and three byte reads.
class SwatchPicker {
public:
    // The image view the palettes are shown in and, if the dialog shows one, the palette's title.
    platform::ImageView* colorSwatchImage = nullptr;
    platform::Label* swatchTitleLabel = nullptr;

    int currentSwatch() const { return _currentSwatch; }
    const platform::ImageRef& colorSwatchRaw() const { return _colorSwatchRaw; }
    platform::Point touchPoint() const { return _touchPoint; }

    // Shows the palette at `index` at its natural size, centred where the image view sits. A palette
    // whose image cannot be had leaves the previous one shown, though the index and title move on.
    void loadSwatchPalette(int index);
    void nextSwatchButtonClicked();
    void previousSwatchButtonClicked();

    // Remembers where the touch is on the palette. True when it lies on the shown image view.
    bool track(const platform::Touch& touch);
    // The colour under the last touch with the given alpha, or nothing when it picks no colour.
    std::optional<platform::Color> colorByTouch(float alpha) const;

private:
    int _currentSwatch = 0;
    // The shown palette's decoded pixels and their layout; shared with the image view, never changed.
    platform::ImageRef _colorSwatchRaw;
    platform::Point _touchPoint;
};
