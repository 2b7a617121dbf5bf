#include "LockScreenGuide.h"

#include "platform/Application.h"
#include "platform/Painter.h"
#include "platform/Translate.h"

#include <algorithm>

using platform::Color;
using platform::Painter;
using platform::Point;
using platform::Rect;
using platform::TextAlignment;
using platform::TextStyle;

namespace {

TextStyle lettering(float size, bool bold, TextAlignment alignment = TextAlignment::Center, float alpha = 0.92f)
{
    TextStyle style;
    style.font = {size, bold};
    style.color = Color::white(alpha);
    style.alignment = alignment;
    return style;
}

std::string localTime(const char* pattern)
{
    const auto& services = platform::Application::shared().services();
    return services.timeFormatter->formatLocalTime(services.clock->wallTime(), pattern);
}

// A round button of the lock screen's bottom corners: a torch on the left, a camera on the right.
void drawShortcut(Painter& painter, Rect r, bool left)
{
    painter.fillEllipse(r, Color::black(0.38f));
    const Point c{r.x() + r.width() / 2, r.y() + r.height() / 2};
    const float u = r.width() / 50;
    const Color glyph = Color::white(0.9f);
    if (left) {
        // A torch: a wide head over a narrow handle with its switch.
        painter.fillRoundedRect({c.x - 6 * u, c.y - 12 * u, 12 * u, 4 * u}, 1 * u, glyph);
        painter.drawLine({c.x - 5 * u, c.y - 7 * u}, {c.x - 3 * u, c.y - 2 * u}, 2 * u, glyph);
        painter.drawLine({c.x + 5 * u, c.y - 7 * u}, {c.x + 3 * u, c.y - 2 * u}, 2 * u, glyph);
        painter.strokeRoundedRect({c.x - 3 * u, c.y - 2 * u, 6 * u, 14 * u}, 1.5f * u, 1.6f * u, glyph);
        painter.fillEllipse({c.x - 1.2f * u, c.y + 1 * u, 2.4f * u, 2.4f * u}, glyph);
    } else {
        painter.fillRoundedRect({c.x - 12 * u, c.y - 7 * u, 24 * u, 17 * u}, 3 * u, glyph);
        painter.fillRoundedRect({c.x - 5 * u, c.y - 10 * u, 10 * u, 4 * u}, 1 * u, glyph);
        painter.fillEllipse({c.x - 5 * u, c.y - 3.5f * u, 10 * u, 10 * u}, Color::black(0.6f));
    }
}

void drawNotification(Painter& painter, Rect r, const std::string& app, const std::string& text)
{
    painter.fillRoundedRect(r, 18, Color::rgb255(40, 40, 46, 0.82f));
    painter.fillRoundedRect({r.x() + 12, r.y() + 12, 30, 30}, 7, Color::rgb255(52, 199, 89));
    painter.drawText({r.x() + 52, r.y() + 10, r.width() - 110, 18}, app, lettering(14, true, TextAlignment::Left));
    painter.drawText({r.maxX() - 60, r.y() + 10, 48, 18}, platform::translate("LockScreenGuide", "now"), lettering(13, false, TextAlignment::Right, 0.6f));
    painter.drawText({r.x() + 52, r.y() + 30, r.width() - 64, 18}, text, lettering(14, false, TextAlignment::Left, 0.85f));
}

} // namespace

LockScreenGuide::LockScreenGuide(Screen screen)
    : View(Rect{0, 0, screen.points.width, screen.points.height}), screen_(std::move(screen))
{
    setUserInteractionEnabled(false);
}

void LockScreenGuide::setScreen(Screen screen)
{
    screen_ = std::move(screen);
    setNeedsDisplay();
}

void LockScreenGuide::setShowsNotifications(bool shown)
{
    notifications_ = shown;
    setNeedsDisplay();
}

void LockScreenGuide::draw(Painter& painter) const
{
    if (screen_.system == "classic") {
        drawClassic(painter);
        return;
    }
    for (const CoveredRegion& region : screen_.regions)
        drawRegion(painter, region);
}

// The original lock screen: a shaded clock band at the top and the unlock slider at the bottom.
void LockScreenGuide::drawClassic(Painter& painter) const
{
    const float w = frame().width();
    painter.fillRect({0, 0, w, 116}, Color::black(0.32f));
    TextStyle clock = lettering(50, false, TextAlignment::Center, 0.9f);
    painter.drawText({0, 18, w, 62}, localTime("H:mm"), clock);
    painter.drawText({0, 80, w, 22}, localTime(
                         //: The classic lock screen's date: dddd the day's name, MMMM the month's, d its day.
                         platform::translate("LockScreenGuide", "dddd, MMMM d").c_str()), lettering(15, true, TextAlignment::Center, 0.9f));

    float top = frame().height() - 96;
    painter.fillRect({0, top, w, 96}, Color::black(0.32f));
    Rect track{20, top + 24, w - 40, 48};
    painter.fillRoundedRect(track, 12, Color::black(0.35f));
    painter.strokeRoundedRect(track, 12, 1, Color::white(0.18f));
    painter.fillRoundedRect({track.x() + 4, track.y() + 4, 64, 40}, 9, Color::white(0.85f));
    const Color arrow = Color::rgb255(120, 120, 128);
    painter.drawLine({track.x() + 26, track.y() + 24}, {track.x() + 46, track.y() + 24}, 3, arrow);
    painter.drawLine({track.x() + 38, track.y() + 16}, {track.x() + 46, track.y() + 24}, 3, arrow);
    painter.drawLine({track.x() + 38, track.y() + 32}, {track.x() + 46, track.y() + 24}, 3, arrow);
    painter.drawText({track.x() + 68, track.y(), track.width() - 72, track.height()}, platform::translate("LockScreenGuide", "slide to unlock"),
                     lettering(19, false, TextAlignment::Center, 0.55f));
}

void LockScreenGuide::drawRegion(Painter& painter, const CoveredRegion& region) const
{
    const Rect r = region.rect;
    const bool ios = screen_.system == "ios";
    switch (region.kind) {
    case RegionKind::Status: {
        // Carrier or time on the left, battery on the right, in the bar's lower part beside the camera.
        const float baseline = std::max(0.0f, r.maxY() - 26);
        const std::string left = ios ? platform::translate("LockScreenGuide", "Carrier") : localTime("H:mm");
        painter.drawText({22, baseline, 90, 20}, left, lettering(15, true, TextAlignment::Left));
        Rect battery{r.maxX() - 46, baseline + 5, 25, 12};
        painter.strokeRoundedRect(battery, 3.5f, 1, Color::white(0.6f));
        painter.fillRoundedRect(battery.insetBy(2, 2), 2, Color::white(0.92f));
        break;
    }
    case RegionKind::Cutout:
        if (r.width() - r.height() < 4)
            painter.fillEllipse(r, Color::black());
        else
            painter.fillRoundedRect(r, r.height() / 2, Color::black());
        break;
    case RegionKind::Clock: {
        // The date over the clock on iOS, under it elsewhere.
        const float dateHeight = 24;
        const float clockSize = std::min(r.height() * (ios ? 0.62f : 0.5f), r.width() * 0.26f);
        Rect date{r.x(), r.y() + (ios ? 6 : r.height() - dateHeight - 10), r.width(), dateHeight};
        Rect clock{r.x(), ios ? date.maxY() : r.y() + 8, r.width(), ios ? r.height() - dateHeight - 12 : r.height() - dateHeight - 24};
        //: The lock screen's date over or under its clock: dddd the day's name, MMMM the month's, d its day.
        painter.drawText(date, localTime(platform::translate("LockScreenGuide", "dddd d MMMM").c_str()), lettering(19, true));
        painter.drawText(clock, localTime("H:mm"), lettering(clockSize, true));
        break;
    }
    case RegionKind::Widgets: {
        const float gap = 12, w = (r.width() - 3 * gap - 2 * 24) / 4;
        for (int i = 0; i < 4; ++i)
            painter.fillEllipse({r.x() + 24 + i * (w + gap), r.y() + (r.height() - w) / 2, w, w}, Color::white(0.22f));
        break;
    }
    case RegionKind::Notifications:
        if (notifications_) {
            const float h = 62, gap = 8;
            Rect card{r.x() + 10, r.maxY() - h, r.width() - 20, h};
            if (!ios)
                card = {r.x() + 10, r.y() + 6, r.width() - 20, h};
            drawNotification(painter, card, platform::translate("LockScreenGuide", "Messages"),
                             platform::translate("LockScreenGuide", "Are you the owner of this phone?"));
            card = card.offsetBy(0, ios ? -(h + gap) : h + gap);
            if (card.y() >= r.y() && card.maxY() <= r.maxY())
                drawNotification(painter, card, platform::translate("LockScreenGuide", "Calendar"),
                                 platform::translate("LockScreenGuide", "Dentist at 10:00"));
        }
        break;
    case RegionKind::Shortcuts: drawShortcut(painter, r, r.x() + r.width() / 2 < frame().width() / 2); break;
    case RegionKind::Gesture: {
        const float w = std::min(134.0f, r.width() * 0.36f);
        painter.fillRoundedRect({r.x() + (r.width() - w) / 2, r.maxY() - 13, w, 5}, 2.5f, Color::white(0.92f));
        break;
    }
    case RegionKind::Unlock:
        if (screen_.system == "android") {
            const float d = std::min(r.width(), r.height()) * 0.5f;
            Rect print{r.x() + (r.width() - d) / 2, r.y() + (r.height() - d) / 2, d, d};
            painter.strokeRoundedRect(print, d / 2, 2, Color::white(0.8f));
            painter.strokeRoundedRect(print.insetBy(d * 0.2f, d * 0.2f), d * 0.3f, 2, Color::white(0.8f));
        } else {
            painter.drawText(r, ios ? platform::translate("LockScreenGuide", "Press home to open")
                                 : platform::translate("LockScreenGuide", "Swipe up to unlock"),
                             lettering(15, false, TextAlignment::Center, 0.75f));
        }
        break;
    }
}
