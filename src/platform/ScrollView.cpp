#include "platform/ScrollView.h"

#include "platform/Application.h"
#include "platform/Painter.h"

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

// A flick's speed falls by a factor e in this many seconds, so it travels speed × this in all.
constexpr double flickTimeConstant = 0.325;
// Slower than this, in points per second, a flick is over; a lift slower than this starts none.
constexpr float minimumFlickSpeed = 20;
// The finger's speed at the lift is measured over about this many seconds before it.
constexpr double velocityWindow = 0.1;

double now() { return Application::exists() ? Application::shared().animator().now() : 0; }

} // namespace

void ScrollView::Drag::addSample(double time, float y)
{
    samples.push_back({time, y});
    // Of the samples older than the window only the newest is needed: it starts the measure.
    auto inWindow = std::find_if(samples.begin(), samples.end(), [&](const Sample& s) { return s.time >= time - velocityWindow; });
    if (inWindow - samples.begin() > 1)
        samples.erase(samples.begin(), inWindow - 1);
}

float ScrollView::Drag::fingerVelocity() const
{
    double dt = samples.back().time - samples.front().time;
    return dt > 0 ? float((samples.back().y - samples.front().y) / dt) : 0;
}

ScrollView::ScrollView(Rect frame) : View(frame) { setClipsToBounds(true); }

float ScrollView::maximumContentOffset() const { return std::max(0.0f, contentHeight() - frame().height()); }

void ScrollView::setContentOffset(float offset)
{
    flick_.reset();
    moveTo(offset);
}

void ScrollView::moveTo(float offset)
{
    offset = std::clamp(offset, 0.0f, maximumContentOffset());
    setBounds({0, offset, frame().width(), frame().height()});
}

void ScrollView::touchesBegan(const Touch& touch)
{
    drag_ = Drag{touch.windowLocation, contentOffset(), false, flick_.has_value(), {}};
    flick_.reset();
    drag_->addSample(now(), touch.windowLocation.y);
}

void ScrollView::touchesMoved(const Touch& touch)
{
    if (!drag_)
        return;
    Point p = touch.windowLocation;
    drag_->addSample(now(), p.y);
    if (!drag_->scrolling && std::hypot(p.x - drag_->start.x, p.y - drag_->start.y) < dragThreshold)
        return;
    drag_->scrolling = true;
    moveTo(drag_->startOffset - (p.y - drag_->start.y));
}

void ScrollView::touchesEnded(const Touch& touch)
{
    if (!drag_)
        return;
    touchesMoved(touch);
    Drag drag = std::move(*drag_);
    drag_.reset();
    if (drag.scrolling)
        startFlick(-drag.fingerVelocity());
    else if (!drag.caughtFlick)
        tapped(touch);
}

void ScrollView::scrollWheel(const Touch&, float dy) { setContentOffset(contentOffset() - dy); }

void ScrollView::startFlick(float velocity)
{
    bool againstAnEnd = velocity < 0 ? contentOffset() <= 0 : contentOffset() >= maximumContentOffset();
    // The steps reach the view through a weak pointer: a view no one shares cannot be stepped.
    if (std::fabs(velocity) < minimumFlickSpeed || againstAnEnd || weak_from_this().expired())
        return;
    flick_ = Flick{++flicks_, now(), contentOffset(), velocity};
    scheduleFlickStep();
}

// The animator has no frame callback; an empty animation of no duration, whose did-stop comes with
// the next tick, stands in for one.
void ScrollView::scheduleFlickStep()
{
    Animation nextFrame(Application::shared().animator(), 0);
    nextFrame.onStop([self = weak_from_this(), number = flick_->number] {
        auto view = std::static_pointer_cast<ScrollView>(self.lock());
        if (view && view->flick_ && view->flick_->number == number)
            view->stepFlick();
    });
}

void ScrollView::stepFlick()
{
    // Worked out from the start, so a late frame lands where an on-time one would have.
    double decay = std::exp(-(now() - flick_->start) / flickTimeConstant);
    float target = flick_->from + float(flick_->velocity * flickTimeConstant * (1 - decay));
    moveTo(target);
    if (contentOffset() != target || std::fabs(flick_->velocity) * decay < minimumFlickSpeed)
        flick_.reset();
    else
        scheduleFlickStep();
}

void ScrollView::drawScrollIndicator(Painter& painter, Color color) const
{
    float max = maximumContentOffset();
    if (max <= 0)
        return;
    // Thin, so the user sees there is more without it covering anything.
    float h = frame().height();
    float barH = std::max(24.0f, h * h / (h + max));
    float barY = (h - barH) * std::clamp(contentOffset() / max, 0.0f, 1.0f);
    painter.fillRoundedRect({frame().width() - 5, barY + 2, 3, barH - 4}, 1.5f, color);
}

} // namespace platform
