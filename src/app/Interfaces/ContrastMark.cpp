#include "Interfaces/ContrastMark.h"

#include "platform/Painter.h"

#include <algorithm>

using namespace platform;

namespace {

constexpr Color readable = Color::rgb255(48, 209, 88);
constexpr Color faint = Color::rgb255(255, 159, 10);
constexpr Color ink = Color::rgb255(20, 20, 22);

} // namespace

ContrastMark::ContrastMark(Rect frame) : View(frame) { setUserInteractionEnabled(false); }

void ContrastMark::setPasses(bool passes)
{
    if (passes == passes_)
        return;
    passes_ = passes;
    setNeedsDisplay();
}

void ContrastMark::draw(Painter& painter) const
{
    const float side = std::min(frame().width(), frame().height());
    const float cx = frame().width() / 2, cy = frame().height() / 2, u = side / 16;
    painter.fillEllipse({cx - side / 2, cy - side / 2, side, side}, passes_ ? readable : faint);
    if (passes_) {
        painter.drawLine({cx - 4 * u, cy}, {cx - u, cy + 3.5f * u}, 2 * u, ink);
        painter.drawLine({cx - u, cy + 3.5f * u}, {cx + 4.5f * u, cy - 3.5f * u}, 2 * u, ink);
    } else {
        painter.drawLine({cx, cy - 4.5f * u}, {cx, cy + 1.5f * u}, 2.2f * u, ink);
        painter.fillEllipse({cx - 1.2f * u, cy + 3 * u, 2.4f * u, 2.4f * u}, ink);
    }
}
