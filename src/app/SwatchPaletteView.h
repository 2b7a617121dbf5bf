#pragma once

#include "platform/ImageView.h"

#include <functional>
#include <optional>
#include <vector>

// One cell of a palette: the pixel a touch snaps to and the colour read there.
struct Swatch {
    platform::Point pixel;
    platform::Color color;
    friend bool operator==(const Swatch&, const Swatch&) = default;
};

// Shows a colour picker's palette sharp at any density, one point a pixel of its image: a round
// palette as discs of the colours read at its swatches, the spectrum pixel for pixel, each pixel a
// block of its own colour; and a ring on the cell chosen. The image stays what touches are read from.
class SwatchPaletteView final : public platform::ImageView {
public:
    // Unlike a plain image, it takes touches (passing them on to its dialog) and the keyboard's focus.
    explicit SwatchPaletteView(platform::Rect frame) : ImageView(frame) { setUserInteractionEnabled(true); }

    // The palette's image and, for a round palette, its swatches; none draws the image itself.
    void showPalette(platform::ImageRef image, std::vector<Swatch> swatches);
    const std::vector<Swatch>& swatches() const { return swatches_; }

    const std::optional<Swatch>& mark() const { return mark_; }
    void setMark(std::optional<Swatch> mark);

    void draw(platform::Painter& painter) const override;

    // The keyboard: an arrow picks the next cell that way from the chosen one (the nearest swatch of a
    // round palette, a few points on across the spectrum), told as a touch there, in window points.
    std::function<void(platform::Point windowPoint)> onKeyPick;
    bool canBecomeFocused() const override { return image() && onKeyPick; }
    bool keyDown(platform::Key key) override;

private:
    platform::Point keyStart() const;

    std::vector<Swatch> swatches_;
    std::optional<Swatch> mark_;
    std::optional<platform::Point> keyPoint_;
};
