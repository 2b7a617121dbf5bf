#include "desktop/QtViewRenderer.h"

#include "desktop/QtImageCodec.h"
#include "desktop/QtPainter.h"

#include "platform/Animator.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/Theme.h"
#include "platform/Window.h"

#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace desktop {

namespace {

constexpr float transitionScale = 2;
// The eye's distance from a turning view, as a fraction of Qt's 1024: about 520 points.
constexpr double perspectiveScale = 1024.0 / 520.0;

} // namespace

QImage QtViewRenderer::renderView(const platform::View& view, float scale)
{
    platform::Size size = view.bounds().size;
    QImage image(std::max(1, int(std::lround(size.width * scale))), std::max(1, int(std::lround(size.height * scale))),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.scale(scale, scale);
    // The view's own frame origin places it in its superview; here it is the whole picture.
    platform::Point origin = view.presentedFrame(clock_.now()).origin;
    p.translate(-origin.x, -origin.y);
    QtPainter painter(p);
    platform::drawViewTree(view, painter, clock_.now());
    return image;
}

QtViewRenderer::QtViewRenderer(const platform::Clock& clock) : clock_(clock) {}

platform::ImageRef QtViewRenderer::render(const platform::View& view, float scale)
{
    return toPlatformImage(renderView(view, scale), scale);
}

bool QtViewRenderer::showsWholeText(const platform::Rect& rect, const std::string& text, const platform::TextStyle& style)
{
    return QtPainter::showsWholeText(rect, text, style);
}

QImage QtViewRenderer::renderScreen(platform::Application& app, float scale)
{
    const platform::Size screen = app.screenSize();
    QImage image(int(std::lround(screen.width * scale)), int(std::lround(screen.height * scale)),
                 QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.scale(scale, scale);
    paintScreen(app, p);
    return image;
}

void QtViewRenderer::paintScreen(platform::Application& app, QPainter& p) { paintAt(app, p, clock_.now(), nullptr); }

QRegion QtViewRenderer::deviceRegion(const std::vector<platform::Rect>& rects, float scale)
{
    QRegion region;
    for (const auto& r : rects) {
        // Out to whole pixels: a pixel an edge passes through is repainted whole.
        int left = int(std::floor(r.x() * scale)), top = int(std::floor(r.y() * scale));
        int right = int(std::ceil(r.maxX() * scale)), bottom = int(std::ceil(r.maxY() * scale));
        region += QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
    }
    return region;
}

void QtViewRenderer::paintRegion(platform::Application& app, QPainter& p, float scale, const QRegion& region)
{
    if (region.isEmpty())
        return;
    const QRect bounds = region.boundingRect();
    const platform::Rect area{float(bounds.x() / scale), float(bounds.y() / scale), float(bounds.width() / scale),
                              float(bounds.height() / scale)};
    p.save();
    p.setClipRegion(region);
    p.scale(scale, scale);
    paintAt(app, p, app.displayTime(), &area);
    // Only on the window: the keyboard's focus is never part of a capture.
    if (auto ring = app.focusRing()) {
        QtPainter painter(p);
        const float outset = platform::Application::focusRingOutset;
        const platform::Rect around = ring->rect.insetBy(-outset, -outset);
        painter.strokeRoundedRect(around, ring->cornerRadius + outset, 4.5f, platform::theme::focusRingEdge);
        painter.strokeRoundedRect(around, ring->cornerRadius + outset, 2.5f, platform::theme::focusRing);
    }
    p.restore();
}

void QtViewRenderer::paintAt(platform::Application& app, QPainter& p, double now, const platform::Rect* area)
{
    p.fillRect(QRectF(0, 0, app.screenSize().width, app.screenSize().height), Qt::black);
    {
        QtPainter painter(p);
        platform::drawViewTree(app.window(), painter, now, area);
    }
    paintTransitions(app, p, now);
    if (!app.isStatusBarHidden()) {
        // Today's phones draw their own status bar, around the camera, in the lock-screen guide.
        if (app.screenSize() == platform::Application::classicScreenSize)
            paintStatusBar(app, p);
        paintSettingsNotice(app, p);
    }
}

// A settings problem stays in view, under the status bar, until it is over. It goes with the status
// bar, so the capture mode's picture never carries it.
void QtViewRenderer::paintSettingsNotice(platform::Application& app, QPainter& p)
{
    const std::string& problem = app.settings().problem();
    if (problem.empty())
        return;
    const qreal margin = 8, padding = 8;
    const qreal width = app.screenSize().width - 2 * margin;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(QtPainter::qFont({12, true}, 12));
    QString text = QString::fromStdString(problem);
    QRectF textRect = p.boundingRect(QRectF(0, 0, width - 2 * padding, 400), Qt::TextWordWrap, text);
    QRectF box(margin, platform::Application::statusBarHeight + 6, width, textRect.height() + 2 * padding);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(176, 32, 32, 235));
    p.drawRoundedRect(box, 8, 8);
    p.setPen(Qt::white);
    p.drawText(box.adjusted(padding, padding, -padding, -padding), Qt::TextWordWrap | Qt::AlignVCenter, text);
    p.restore();
}

void QtViewRenderer::attach(platform::Application& app)
{
    app.animator().captureForTransition = [this](platform::View& view) -> std::shared_ptr<void> {
        return std::make_shared<QImage>(renderView(view, transitionScale));
    };
}

// A flip turns the view about its vertical axis: the old picture for the first half turn, the new
// contents for the second.
void QtViewRenderer::paintTransitions(platform::Application& app, QPainter& p, double now)
{
    for (const auto& t : app.animator().transitions()) {
        auto view = t.view.lock();
        if (!view || now < t.start || now >= t.start + t.duration || t.duration <= 0)
            continue;
        float progress = platform::easeInOut(float((now - t.start) / t.duration));
        bool firstHalf = progress < 0.5f;
        QImage picture = firstHalf && t.before ? *std::static_pointer_cast<QImage>(t.before)
                                               : renderView(*view, transitionScale);
        platform::Point origin = view->convertToWindow(view->bounds().origin);
        QRectF target(origin.x, origin.y, view->bounds().width(), view->bounds().height());
        double angle = progress * 180.0;
        if (!firstHalf)
            angle -= 180.0;
        if (t.transition == platform::AnimationTransition::FlipFromRight)
            angle = -angle;
        p.save();
        p.fillRect(target, Qt::black);
        // Qt projects a turn as seen from 1024 units away, which leaves a phone-sized view looking
        // almost flat; turning an enlarged copy and scaling it back down brings the eye closer.
        QTransform turn;
        turn.translate(target.center().x(), target.center().y());
        turn.scale(1 / perspectiveScale, 1 / perspectiveScale);
        turn.rotate(angle, Qt::YAxis);
        turn.scale(perspectiveScale, perspectiveScale);
        turn.translate(-target.center().x(), -target.center().y());
        p.setTransform(turn, true);
        p.drawImage(target, picture);
        // Shade the face as it turns away from the light.
        p.fillRect(target, QColor(0, 0, 0, int(160 * std::sin(progress * std::numbers::pi))));
        p.restore();
    }
}

void QtViewRenderer::paintStatusBar(platform::Application& app, QPainter& p)
{
    const qreal w = app.screenSize().width, h = platform::Application::statusBarHeight;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.fillRect(QRectF(0, 0, w, h), QColor(0, 0, 0, app.statusBarStyle() == 1 ? 128 : 255));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (int i = 0; i < 4; ++i)
        p.drawRoundedRect(QRectF(6 + i * 5, 13 - i * 2.5, 3.5, 3.5 + i * 2.5), 0.8, 0.8);
    if (app.isNetworkActivityIndicatorVisible()) {
        // A spinner of fading spokes turning with the clock.
        double turn = std::fmod(clock_.now() * 1.2, 1.0);
        for (int i = 0; i < 8; ++i) {
            double a = (i / 8.0 + turn) * 2 * std::numbers::pi;
            p.setPen(QPen(QColor(255, 255, 255, 60 + 24 * i), 1.4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(34 + 3 * std::cos(a), 10 + 3 * std::sin(a)), QPointF(34 + 6 * std::cos(a), 10 + 6 * std::sin(a)));
        }
    }
    QFont font = QtPainter::qFont({12, true}, 12);
    p.setFont(font);
    p.setPen(Qt::white);
    std::string time = app.services().timeFormatter->formatLocalTime(clock_.wallTime(), "H:mm");
    p.drawText(QRectF(0, 0, w, h), Qt::AlignCenter, QString::fromStdString(time));
    // Battery.
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(w - 32, 5.5, 22, 10), 2.5, 2.5);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(w - 30, 7.5, 16, 6), 1.2, 1.2);
    p.drawRoundedRect(QRectF(w - 9.5, 8.5, 2, 4), 0.8, 0.8);
    p.restore();
}

} // namespace desktop
