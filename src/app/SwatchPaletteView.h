#pragma once

#include "platform/ImageView.h"

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
    using ImageView::ImageView;

    // The palette's image and, for a round palette, its swatches; none draws the image itself.
    void showPalette(platform::ImageRef image, std::vector<Swatch> swatches);
    const std::vector<Swatch>& swatches() const { return swatches_; }

    const std::optional<Swatch>& mark() const { return mark_; }
    void setMark(std::optional<Swatch> mark);

    void draw(platform::Painter& painter) const override;

private:
    std::vector<Swatch> swatches_;
    std::optional<Swatch> mark_;
};
