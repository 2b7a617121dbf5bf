#include "SwatchPaletteView.h"

#include "SwatchPalette.h"

using namespace platform;

namespace {

constexpr float markRadius = 4.5f;
constexpr float markWidth = 2;

// A circle of this radius about the middle of a pixel.
Rect around(Point pixel, float radius)
{
    return {pixel.x + 0.5f - radius, pixel.y + 0.5f - radius, 2 * radius, 2 * radius};
}

// Black on light colours, white on dark ones, so that the ring shows on every swatch.
Color contrasting(const Color& c)
{
    return 0.299f * c.red + 0.587f * c.green + 0.114f * c.blue > 0.55f ? Color::black() : Color::white();
}

} // namespace

void SwatchPaletteView::showPalette(ImageRef image, std::vector<Swatch> swatches)
{
    swatches_ = std::move(swatches);
    mark_.reset();
    setImage(std::move(image));
}

void SwatchPaletteView::setMark(std::optional<Swatch> mark)
{
    if (mark == mark_)
        return;
    mark_ = mark;
    setNeedsDisplay();
}

void SwatchPaletteView::draw(Painter& painter) const
{
    View::draw(painter);
    const Rect local{0, 0, frame().width(), frame().height()};
    if (swatches_.empty() && image() && !image()->isNull())
        painter.drawImage(local, *image(), ImageFit::Fill, ImageSampling::Nearest);
    for (const Swatch& swatch : swatches_)
        painter.fillEllipse(around(swatch.pixel, SwatchPalette::swatchRadius), swatch.color.withAlpha(1));
    if (!mark_)
        return;
    // A ring at the spectrum's edge is cut by the edge rather than drawn outside the palette.
    painter.save();
    painter.clipRect(local);
    painter.strokeRoundedRect(around(mark_->pixel, markRadius), markRadius, markWidth, contrasting(mark_->color));
    painter.restore();
}
