#pragma once

#include "platform/Services.h"

#include <QImage>

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
    QImage renderView(const platform::View& view, float scale);
    // The whole 320 by 480 screen as it is shown now.
    QImage renderScreen(platform::Application& app, float scale);
    // Paints the screen with a painter already scaled to points.
    void paintScreen(platform::Application& app, QPainter& painter);

    // Lets the animator picture a view before a flip.
    void attach(platform::Application& app);

private:
    void paintTransitions(platform::Application& app, QPainter& painter, double now);
    void paintSettingsNotice(platform::Application& app, QPainter& p);
    void paintStatusBar(platform::Application& app, QPainter& painter);

    const platform::Clock& clock_;
};

} // namespace desktop
