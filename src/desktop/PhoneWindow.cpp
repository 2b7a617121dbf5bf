#include "desktop/PhoneWindow.h"

#include "desktop/AppRuntime.h"

#include "MainViewController.h"
#include "TavrinPlusAppDelegate.h"

#include "platform/Animator.h"
#include "platform/Application.h"
#include "platform/TextField.h"
#include "platform/Window.h"

#include <QDateTime>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QNativeGestureEvent>
#include <QPaintEvent>
#include <QCoreApplication>
#include <QTimer>
#include <QWheelEvent>

#include <iostream>
#include <optional>

namespace desktop {

namespace {

const QString title = QStringLiteral("TavrinPlus");

// One wheel notch scrolls as far as a short finger flick would.
constexpr float pointsPerNotch = 40;

} // namespace

PhoneWindow::PhoneWindow(AppRuntime& runtime, int zoom) : runtime_(runtime), zoom_(zoom)
{
    setWindowTitle(title);
    fitScreen();
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
    titleTimer_.setSingleShot(true);
    connect(&titleTimer_, &QTimer::timeout, this, [this] { setWindowTitle(title); });

    auto& app = runtime_.application();
    app.onNeedsDisplay = [this] {
        repaintDamage();
        scheduleFrames();
    };
    runtime_.mainViewController().onCaptureStateEntered = [this] { captureScreen(); };
    runtime_.delegate().onScreenChanged = [this] {
        fitScreen();
        runtime_.mainViewController().onCaptureStateEntered = [this] { captureScreen(); };
    };
    scheduleClockUpdate();
    // Start-up already began animations (the main menu sliding in).
    scheduleFrames();
}

PhoneWindow::~PhoneWindow()
{
    // The application outlives the window and still redraws while it is torn down.
    runtime_.application().onNeedsDisplay = nullptr;
    runtime_.mainViewController().onCaptureStateEntered = nullptr;
    runtime_.delegate().onScreenChanged = nullptr;
}

void PhoneWindow::fitScreen()
{
    const platform::Size screen = runtime_.application().screenSize();
    setFixedSize(int(std::lround(screen.width * float(zoom_))), int(std::lround(screen.height * float(zoom_))));
}

void PhoneWindow::captureScreen()
{
    std::string error;
    if (auto path = runtime_.captureScreenToAlbum(error)) {
        std::cerr << "tavrin-plus: saved the screen to " << path->string() << "\n";
        flashTitle(QStringLiteral("Saved %1").arg(QString::fromStdString(path->filename().string())));
    } else {
        std::cerr << "tavrin-plus: the screen capture was not saved: " << error << "\n";
        flashTitle(QStringLiteral("Screen capture not saved"));
    }
}

void PhoneWindow::flashTitle(const QString& message)
{
    setWindowTitle(title + QStringLiteral(" — ") + message);
    titleTimer_.start(4000);
}

void PhoneWindow::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    runtime_.renderer().paintRegion(runtime_.application(), p, float(zoom_), event->region());
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
    if (!busy && !app.isNetworkActivityIndicatorVisible())
        frameTimer_.stop();
}

// Only what changed is repainted; Qt gathers the rectangles until the next paint.
void PhoneWindow::repaintDamage()
{
    auto& app = runtime_.application();
    QRegion region = QtViewRenderer::deviceRegion(app.takeDamage(app.animator().now()), float(zoom_));
    if (!region.isEmpty())
        update(region);
}

// The status bar shows the time: repaint once at the start of each minute, and not otherwise.
void PhoneWindow::scheduleClockUpdate()
{
    QTime now = QTime::currentTime();
    clockTimer_.start((60 - now.second()) * 1000 - now.msec() + 20);
}

static platform::Point toPoints(QPointF position, int zoom)
{
    return {float(position.x() / zoom), float(position.y() / zoom)};
}

void PhoneWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    runtime_.application().window().touchDown(toPoints(event->position(), zoom_));
    scheduleFrames();
}

void PhoneWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        runtime_.application().window().touchMove(toPoints(event->position(), zoom_));
}

void PhoneWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    runtime_.application().window().touchUp(toPoints(event->position(), zoom_));
    scheduleFrames();
}

void PhoneWindow::wheelEvent(QWheelEvent* event)
{
    float dy = event->pixelDelta().isNull() ? event->angleDelta().y() / 120.0f * pointsPerNotch
                                            : float(event->pixelDelta().y()) / zoom_;
    runtime_.application().window().wheel(toPoints(event->position(), zoom_), dy);
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
    case Qt::Key_Home: return platform::Key::Home;
    case Qt::Key_End: return platform::Key::End;
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
            runtime_.application().window().magnify(toPoints(gesture->position(), zoom_), float(1 + gesture->value()));
            scheduleFrames();
            return true;
        }
    }
    return QWidget::event(event);
}

void PhoneWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Print ||
        (event->key() == Qt::Key_S && event->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier))) {
        captureScreen();
        return;
    }
    if (auto key = platformKey(*event); key && runtime_.application().pressKey(*key)) {
        scheduleFrames();
        return;
    }
    platform::TextField* field = runtime_.application().firstResponder();
    QString text = event->text();
    if (field && !text.isEmpty() && text.at(0).isPrint() && !(event->modifiers() & Qt::ControlModifier)) {
        field->insertText(text.toStdString());
        scheduleFrames();
        return;
    }
    QWidget::keyPressEvent(event);
}

void PhoneWindow::inputMethodEvent(QInputMethodEvent* event)
{
    if (auto* field = runtime_.application().firstResponder(); field && !event->commitString().isEmpty())
        field->insertText(event->commitString().toStdString());
    event->accept();
}

QVariant PhoneWindow::inputMethodQuery(Qt::InputMethodQuery query) const
{
    if (query == Qt::ImEnabled)
        return runtime_.application().firstResponder() != nullptr;
    return QWidget::inputMethodQuery(query);
}

} // namespace desktop
