#pragma once

#include "platform/Services.h"

#include <QImage>
#include <QRegion>

#include <vector>

class QPainter;

namespace platform {
class Application;
class Clock;
} // namespace platform

namespace desktop {

// Draws the phone screen with QPainter: the window's view tree as it is presented now, the flip
// transitions over it and the status bar. The window and every offscreen image use this one path.
class QtViewRenderer final : public platform::ViewRenderer {
public:
    explicit QtViewRenderer(const platform::Clock& clock);

    // A view alone, at its bounds size, in `scale` pixels per point.
    platform::ImageRef render(const platform::View& view, float scale) override;
    bool showsWholeText(const platform::Rect& rect, const std::string& text, const platform::TextStyle& style) override;
    QImage renderView(const platform::View& view, float scale);
    // The whole screen as it is shown now.
    QImage renderScreen(platform::Application& app, float scale);
    // Paints the whole screen as it is shown now, with a painter already scaled to points.
    void paintScreen(platform::Application& app, QPainter& painter);
    // Repaints `region` (device pixels) of a screen painted at `scale` pixels a point, as of the
    // application's display time; nothing outside it is touched. The painter is not yet scaled.
    void paintRegion(platform::Application& app, QPainter& painter, float scale, const QRegion& region);
    // The device pixels that window rectangles cover at `scale` pixels a point.
    static QRegion deviceRegion(const std::vector<platform::Rect>& rects, float scale);

    // Lets the animator picture a view before a flip.
    void attach(platform::Application& app);

private:
    void paintAt(platform::Application& app, QPainter& painter, double now, const platform::Rect* area);
    void paintTransitions(platform::Application& app, QPainter& painter, double now);
    void paintSettingsNotice(platform::Application& app, QPainter& p);
    void paintStatusBar(platform::Application& app, QPainter& painter);

    const platform::Clock& clock_;
};

} // namespace desktop
