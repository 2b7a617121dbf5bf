#pragma once

#include "platform/Geometry.h"

#include <QTimer>
#include <QWidget>

namespace desktop {

class AppRuntime;

// The largest zoom, up to `wanted`, at which a phone `phone` points large fits in `available` pixels.
float fittingZoom(platform::Size phone, QSize available, float wanted);

// The desktop window showing the phone screen, `zoom` times its size in points, as far as the screen
// allows. It can be resized, and zoomed with Ctrl+plus, Ctrl+minus and Ctrl+0; the phone keeps its
// shape. The mouse is the finger and the keyboard types into the text field being edited. It repaints
// only what changed and ticks the animator only while an animation runs, so an idle window costs no
// CPU.
class PhoneWindow final : public QWidget {
public:
    static constexpr float minZoom = 0.5f, maxZoom = 4;

    PhoneWindow(AppRuntime& runtime, float zoom);
    ~PhoneWindow() override;

    // The device's screen capture, as its buttons would take it (Print, Ctrl+Shift+S, capture mode).
    void captureScreen();

    // The window shown, if any: assistive technology asks it where things are.
    static PhoneWindow* instance();
    // A rectangle of the phone screen, in points, on the desktop's screen.
    QRect screenRect(const platform::Rect& points) const;
    // Something other than the mouse and keyboard acted on the screen: run what it started.
    void acted() { scheduleFrames(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    // Touchpad pinches arrive as native gestures.
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

private:
    // Takes the phone screen's size at the zoom.
    void resizeToZoom();
    // The zoom, as far as the screen allows, and the size for it.
    void setZoom(float zoom);
    // To the next whole or half zoom up (steps > 0) or down.
    void zoomBy(int steps);
    platform::Point toPoints(QPointF position) const;
    void scheduleFrames();
    void frame();
    void repaintDamage();
    void scheduleClockUpdate();

    AppRuntime& runtime_;
    float zoom_;
    // Where the phone's top left corner lies in the window: off the corner while the window is not
    // the phone's shape.
    QPoint origin_;
    QTimer frameTimer_;
    QTimer clockTimer_;
    QTimer aspectTimer_;
};

} // namespace desktop
