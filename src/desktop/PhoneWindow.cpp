#include "desktop/PhoneWindow.h"

#include "desktop/ViewAccessibility.h"

#include "desktop/AppRuntime.h"

#include "MainViewController.h"
#include "TavrinPlusAppDelegate.h"

#include "platform/Animator.h"
#include "platform/Application.h"
#include "platform/Window.h"

#include <QDateTime>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QNativeGestureEvent>
#include <QPaintEvent>
#include <QResizeEvent>
#include <QScreen>
#include <QCoreApplication>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <optional>

namespace desktop {

namespace {

const QString title = QStringLiteral("TavrinPlus");

// One wheel notch scrolls as far as a short finger flick would.
constexpr float pointsPerNotch = 40;
// What the window's title bar and borders may take of the screen's free area.
const QSize windowFrameAllowance(16, 48);

} // namespace

namespace {
PhoneWindow* shown = nullptr;
}

PhoneWindow* PhoneWindow::instance() { return shown; }

QRect PhoneWindow::screenRect(const platform::Rect& points) const
{
    const QPoint topLeft = mapToGlobal(origin_ + QPoint(int(std::lround(points.x() * zoom_)), int(std::lround(points.y() * zoom_))));
    return {topLeft, QSize(int(std::lround(points.width() * zoom_)), int(std::lround(points.height() * zoom_)))};
}

PhoneWindow::PhoneWindow(AppRuntime& runtime, float zoom) : runtime_(runtime), zoom_(zoom)
{
    shown = this;
    installViewAccessibility(runtime.application());
    setWindowTitle(title);
    // The first size fits the screen, however large the zoom asked for.
    const QRect available = screen()->availableGeometry();
    zoom_ = fittingZoom(runtime_.application().screenSize(), available.size() - windowFrameAllowance, zoom);
    resizeToZoom();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_InputMethodEnabled);
    setFocusPolicy(Qt::StrongFocus);

    frameTimer_.setTimerType(Qt::PreciseTimer);
    frameTimer_.setInterval(1000 / 120);
    connect(&frameTimer_, &QTimer::timeout, this, [this] { frame(); });
    clockTimer_.setSingleShot(true);
    connect(&clockTimer_, &QTimer::timeout, this, [this] {
        update();
        scheduleClockUpdate();
    });
    // Once the user stops resizing, the window takes the phone's shape again.
    aspectTimer_.setSingleShot(true);
    aspectTimer_.setInterval(300);
    connect(&aspectTimer_, &QTimer::timeout, this, [this] { resizeToZoom(); });

    auto& app = runtime_.application();
    app.onNeedsDisplay = [this] {
        repaintDamage();
        // A change made outside the window's own events (a file window's answer) may start an
        // animation once the change is committed: a frame is due either way, and it stops the
        // timer again when nothing moves.
        if (!frameTimer_.isActive())
            frameTimer_.start();
    };
    runtime_.onScreenChanged = [this] { setZoom(zoom_); };
    runtime_.fileChooser().setWindow(this, [this] { return zoom_; });
    scheduleClockUpdate();
    // Start-up already began animations (the main menu sliding in).
    scheduleFrames();
}

PhoneWindow::~PhoneWindow()
{
    shown = nullptr;
    runtime_.application().onFocusChanged = nullptr;
    runtime_.application().onViewChanged = nullptr;
    // The application outlives the window and still redraws while it is torn down.
    runtime_.application().onNeedsDisplay = nullptr;
    runtime_.onScreenChanged = nullptr;
    runtime_.fileChooser().setWindow(nullptr, nullptr);
}

float fittingZoom(platform::Size phone, QSize available, float wanted)
{
    const float fits = std::min(float(available.width()) / phone.width, float(available.height()) / phone.height);
    return std::clamp(std::min(wanted, fits), PhoneWindow::minZoom, PhoneWindow::maxZoom);
}

void PhoneWindow::resizeToZoom()
{
    const platform::Size phone = runtime_.application().screenSize();
    resize(int(std::lround(phone.width * zoom_)), int(std::lround(phone.height * zoom_)));
    setMinimumSize(int(std::ceil(phone.width * minZoom)), int(std::ceil(phone.height * minZoom)));
}

void PhoneWindow::zoomBy(int steps)
{
    // Whole and half zooms, so that each step lands on one of them.
    constexpr float levels[] = {0.5f, 0.75f, 1, 1.25f, 1.5f, 2, 2.5f, 3, 4};
    float next = zoom_;
    if (steps > 0) {
        auto up = std::upper_bound(std::begin(levels), std::end(levels), zoom_ + 0.01f);
        next = up == std::end(levels) ? levels[std::size(levels) - 1] : *up;
    } else {
        auto down = std::lower_bound(std::begin(levels), std::end(levels), zoom_ - 0.01f);
        next = down == std::begin(levels) ? levels[0] : *(down - 1);
    }
    setZoom(next);
}

void PhoneWindow::setZoom(float zoom)
{
    const QRect available = screen()->availableGeometry();
    zoom_ = fittingZoom(runtime_.application().screenSize(), available.size() - windowFrameAllowance, zoom);
    resizeToZoom();
}

void PhoneWindow::captureScreen() { runtime_.captureScreen(); }

void PhoneWindow::resizeEvent(QResizeEvent* event)
{
    const platform::Size phone = runtime_.application().screenSize();
    const QSize size = event->size();
    zoom_ = std::max(minZoom, std::min(float(size.width()) / phone.width, float(size.height()) / phone.height));
    // The phone keeps its shape, centred; the rest of the window stays black until it fits again.
    origin_ = QPoint(int(std::lround((size.width() - phone.width * zoom_) / 2)),
                     int(std::lround((size.height() - phone.height * zoom_) / 2)));
    runtime_.windowPixelsPerPoint = zoom_ * float(devicePixelRatioF());
    if (origin_ != QPoint(0, 0))
        aspectTimer_.start();
    update();
}

void PhoneWindow::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    const platform::Size phone = runtime_.application().screenSize();
    const QRect shown(origin_, QSize(int(std::lround(phone.width * zoom_)), int(std::lround(phone.height * zoom_))));
    for (const QRect& outside : (event->region() - shown))
        p.fillRect(outside, Qt::black);
    p.translate(origin_);
    runtime_.renderer().paintRegion(runtime_.application(), p, zoom_, event->region().translated(-origin_) & shown.translated(-origin_));
    // For the start-up benchmark: the process ends once the first frame is on screen.
    static const bool quitAfterFirstFrame = qEnvironmentVariableIsSet("TAVRIN_QUIT_AFTER_FIRST_FRAME");
    if (quitAfterFirstFrame)
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
}

void PhoneWindow::scheduleFrames()
{
    auto& app = runtime_.application();
    if ((app.animator().isBusy() || app.isNetworkActivityIndicatorVisible()) && !frameTimer_.isActive())
        frameTimer_.start();
}

void PhoneWindow::frame()
{
    auto& app = runtime_.application();
    bool busy = app.animator().tick();
    // The status bar's spinner turns with the clock.
    if (app.isNetworkActivityIndicatorVisible())
        app.setNeedsDisplayInRect({0, 0, app.screenSize().width, platform::Application::statusBarHeight});
    repaintDamage();
    // Told once nothing moves, so that a slide does not flood the accessibility bus.
    if (!busy)
        announceTreeChanges();
    if (!busy && !app.isNetworkActivityIndicatorVisible())
        frameTimer_.stop();
}

// Only what changed is repainted; Qt gathers the rectangles until the next paint.
void PhoneWindow::repaintDamage()
{
    auto& app = runtime_.application();
    QRegion region = QtViewRenderer::deviceRegion(app.takeDamage(app.animator().now()), zoom_).translated(origin_);
    if (!region.isEmpty())
        update(region);
}

// The status bar shows the time: repaint once at the start of each minute, and not otherwise.
void PhoneWindow::scheduleClockUpdate()
{
    QTime now = QTime::currentTime();
    clockTimer_.start((60 - now.second()) * 1000 - now.msec() + 20);
}

platform::Point PhoneWindow::toPoints(QPointF position) const
{
    return {float((position.x() - origin_.x()) / zoom_), float((position.y() - origin_.y()) / zoom_)};
}

void PhoneWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    runtime_.application().window().touchDown(toPoints(event->position()));
    scheduleFrames();
}

void PhoneWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        runtime_.application().window().touchMove(toPoints(event->position()));
}

void PhoneWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    runtime_.application().window().touchUp(toPoints(event->position()));
    scheduleFrames();
}

void PhoneWindow::wheelEvent(QWheelEvent* event)
{
    float dy = event->pixelDelta().isNull() ? event->angleDelta().y() / 120.0f * pointsPerNotch
                                            : float(event->pixelDelta().y()) / zoom_;
    runtime_.application().window().wheel(toPoints(event->position()), dy);
    scheduleFrames();
}

namespace {

std::optional<platform::Key> platformKey(const QKeyEvent& event)
{
    if (event.matches(QKeySequence::SelectAll))
        return platform::Key::SelectAll;
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return platform::Key::Return;
    case Qt::Key_Escape: return platform::Key::Escape;
    case Qt::Key_Tab: return event.modifiers() & Qt::ShiftModifier ? platform::Key::BackTab : platform::Key::Tab;
    case Qt::Key_Backtab: return platform::Key::BackTab;
    case Qt::Key_Backspace: return platform::Key::Backspace;
    case Qt::Key_Left: return platform::Key::Left;
    case Qt::Key_Right: return platform::Key::Right;
    case Qt::Key_Up: return platform::Key::Up;
    case Qt::Key_Down: return platform::Key::Down;
    case Qt::Key_Space: return platform::Key::Space;
    case Qt::Key_Home: return platform::Key::Home;
    case Qt::Key_End: return platform::Key::End;
    case Qt::Key_PageUp: return platform::Key::PageUp;
    case Qt::Key_PageDown: return platform::Key::PageDown;
    default: return std::nullopt;
    }
}

} // namespace

bool PhoneWindow::event(QEvent* event)
{
    // Tab and Shift+Tab belong to the phone's fields, not to the moving of Qt's focus.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    if (event->type() == QEvent::NativeGesture) {
        auto* gesture = static_cast<QNativeGestureEvent*>(event);
        if (gesture->gestureType() == Qt::ZoomNativeGesture) {
            runtime_.application().window().magnify(toPoints(gesture->position()), float(1 + gesture->value()));
            scheduleFrames();
            return true;
        }
    }
    return QWidget::event(event);
}

void PhoneWindow::keyPressEvent(QKeyEvent* event)
{
    const bool control = event->modifiers() & Qt::ControlModifier;
    if (event->matches(QKeySequence::ZoomIn) || (control && (event->key() == Qt::Key_Plus || event->key() == Qt::Key_Equal))) {
        zoomBy(1);
        return;
    }
    if (event->matches(QKeySequence::ZoomOut) || (control && event->key() == Qt::Key_Minus)) {
        zoomBy(-1);
        return;
    }
    if (control && event->key() == Qt::Key_0) {
        setZoom(1);
        return;
    }
    if (event->key() == Qt::Key_Print ||
        (event->key() == Qt::Key_S && event->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier))) {
        captureScreen();
        return;
    }
    if (auto key = platformKey(*event); key && runtime_.application().pressKey(*key)) {
        scheduleFrames();
        return;
    }
    QString text = event->text();
    if (runtime_.application().firstResponder() && !text.isEmpty() && text.at(0).isPrint() &&
        !(event->modifiers() & Qt::ControlModifier)) {
        runtime_.application().insertText(text.toStdString());
        scheduleFrames();
        return;
    }
    QWidget::keyPressEvent(event);
}

void PhoneWindow::inputMethodEvent(QInputMethodEvent* event)
{
    if (!event->commitString().isEmpty())
        runtime_.application().insertText(event->commitString().toStdString());
    event->accept();
}

QVariant PhoneWindow::inputMethodQuery(Qt::InputMethodQuery query) const
{
    if (query == Qt::ImEnabled)
        return runtime_.application().firstResponder() != nullptr;
    return QWidget::inputMethodQuery(query);
}

} // namespace desktop
