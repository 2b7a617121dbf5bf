#include "QrCodeView.h"

void QrCodeView::show(QrCode code, const WallpaperLayout::CodePlace& place, std::string caption, platform::Point offset)
{
    code_ = std::move(code);
    place_ = place;
    caption_ = std::move(caption);
    setFrame(place.plate.offsetBy(offset.x, offset.y));
    setNeedsDisplay();
}

void QrCodeView::draw(platform::Painter& painter) const
{
    if (!code_)
        return;
    const float m = place_.modulePoints;
    const platform::Rect plate{0, 0, frame().width(), frame().height()};
    painter.fillRoundedRect(plate, m * 2, platform::Color::white());
    // A row's dark modules side by side are one rectangle: no seam between them at any scale.
    const float origin = WallpaperLayout::quietZoneModules * m;
    for (int y = 0; y < code_->size(); ++y)
        for (int x = 0; x < code_->size();) {
            if (!code_->isDark(x, y)) {
                ++x;
                continue;
            }
            int end = x;
            while (end < code_->size() && code_->isDark(end, y))
                ++end;
            painter.fillRect({origin + float(x) * m, origin + float(y) * m, float(end - x) * m, m}, platform::Color::black());
            x = end;
        }
    const float side = plate.width();
    painter.drawText({0, side, side, place_.captionHeight}, caption_, place_.captionStyle());
}
