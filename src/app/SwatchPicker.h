#pragma once

#include "platform/Color.h"
#include "platform/Geometry.h"
#include "platform/Image.h"

#include <optional>

class SwatchPaletteView;
namespace platform {
class Label;
struct Touch;
} // namespace platform

// What a colour dialog keeps of its palettes: the one shown, its decoded pixels, the last touch and
// the colour chosen, which the palette marks where it holds it. Decoding happens only when the
// palette changes, so a touch costs one snap and three byte reads.
class SwatchPicker {
public:
    // The image view the palettes are shown in and, if the dialog shows one, the palette's title.
    SwatchPaletteView* colorSwatchImage = nullptr;
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
    // The colour under the last touch with the given alpha, or nothing when it picks no colour. A
    // colour picked becomes the chosen one, marked where it was touched.
    std::optional<platform::Color> colorByTouch(float alpha);
    // The colour the dialog shows as chosen, marked on each palette that holds it.
    void showChosen(const platform::Color& color);

private:
    void markChosen();

    int _currentSwatch = 0;
    // The shown palette's decoded pixels and their layout; shared with the image view, never changed.
    platform::ImageRef _colorSwatchRaw;
    platform::Point _touchPoint;
    std::optional<platform::Color> _chosen;
};
