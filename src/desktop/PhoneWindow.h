#pragma once

#include <QTimer>
#include <QWidget>

namespace desktop {

class AppRuntime;

// The desktop window showing the phone screen, `zoom` times its size in points. The mouse is the
// finger and the keyboard types into the text field being edited. It repaints only what changed and
// ticks the animator only while an animation runs, so an idle window costs no CPU.
class PhoneWindow final : public QWidget {
public:
    PhoneWindow(AppRuntime& runtime, int zoom);
    ~PhoneWindow() override;

    // The device's screen capture, as its buttons would take it (Print, Ctrl+Shift+S, capture mode).
    void captureScreen();

protected:
    void paintEvent(QPaintEvent* event) override;
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
    void fitScreen();
    void scheduleFrames();
    void frame();
    void repaintDamage();
    void scheduleClockUpdate();
    void flashTitle(const QString& message);

    AppRuntime& runtime_;
    int zoom_;
    QTimer frameTimer_;
    QTimer clockTimer_;
    QTimer titleTimer_;
};

} // namespace desktop
