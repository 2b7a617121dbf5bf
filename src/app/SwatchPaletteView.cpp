#include "SwatchPaletteView.h"

#include "SwatchPalette.h"

#include "platform/Application.h"

#include <algorithm>
#include <cmath>

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
    keyPoint_.reset();
    setImage(std::move(image));
}

void SwatchPaletteView::setMark(std::optional<Swatch> mark)
{
    if (mark == mark_)
        return;
    mark_ = mark;
    setNeedsDisplay();
    Application::viewChanged(*this, Application::ViewChange::Selection);
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

Point SwatchPaletteView::keyStart() const
{
    // A round palette's cells are its swatches, so the mark is where the arrows start; the spectrum's
    // blocks are coarser than a step, so its own last point is.
    if (mark_ && !swatches_.empty())
        return {mark_->pixel.x + 0.5f, mark_->pixel.y + 0.5f};
    if (keyPoint_)
        return *keyPoint_;
    if (mark_)
        return {mark_->pixel.x + 0.5f, mark_->pixel.y + 0.5f};
    return {frame().width() / 2, frame().height() / 2};
}

bool SwatchPaletteView::keyDown(Key key)
{
    constexpr float spectrumStep = 6;
    Point way;
    switch (key) {
    case Key::Left: way = {-1, 0}; break;
    case Key::Right: way = {1, 0}; break;
    case Key::Up: way = {0, -1}; break;
    case Key::Down: way = {0, 1}; break;
    default: return false;
    }
    if (!onKeyPick)
        return false;
    const Point from = keyStart();
    Point to{from.x + way.x * spectrumStep, from.y + way.y * spectrumStep};
    if (!swatches_.empty()) {
        // The nearest swatch within 45 degrees of the arrow's way; none: stay.
        std::optional<float> best;
        for (const Swatch& s : swatches_) {
            const float dx = s.pixel.x + 0.5f - from.x, dy = s.pixel.y + 0.5f - from.y;
            const float along = dx * way.x + dy * way.y, across = std::abs(dx * way.y - dy * way.x);
            if (along < 1 || across > along)
                continue;
            const float distance = along * along + across * across * 4;
            if (!best || distance < *best) {
                best = distance;
                to = {s.pixel.x + 0.5f, s.pixel.y + 0.5f};
            }
        }
        if (!best)
            return true;
    }
    to = {std::clamp(to.x, 0.5f, frame().width() - 0.5f), std::clamp(to.y, 0.5f, frame().height() - 0.5f)};
    keyPoint_ = to;
    onKeyPick(convertToWindow(to));
    return true;
}
