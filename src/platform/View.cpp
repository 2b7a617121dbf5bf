#include "platform/View.h"

#include "platform/Animator.h"
#include "platform/Application.h"
#include "platform/Painter.h"
#include "platform/ViewController.h"
#include "platform/Window.h"

#include <algorithm>

namespace platform {

namespace {

float lerp(float a, float b, float t) { return a + (b - a) * t; }
Point lerp(Point a, Point b, float t) { return {lerp(a.x, b.x, t), lerp(a.y, b.y, t)}; }
Rect lerp(const Rect& a, const Rect& b, float t)
{
    return {lerp(a.x(), b.x(), t), lerp(a.y(), b.y(), t), lerp(a.width(), b.width(), t), lerp(a.height(), b.height(), t)};
}

} // namespace

template <class T>
T Animated<T>::presented(double now) const
{
    if (duration <= 0 || now >= start + duration)
        return value;
    if (now <= start)
        return from;
    return lerp(from, value, easeInOut(float((now - start) / duration)));
}

template struct Animated<Rect>;
template struct Animated<Point>;
template struct Animated<float>;

View::View(Rect frame) { frame_.value = frame_.from = frame; }

View::~View()
{
    for (auto& sub : subviews_)
        sub->superview_ = nullptr;
}

template <class T>
void View::animate(Animated<T>& property, const T& value, T (View::*presentedNow)() const)
{
    // Where it shows before the change needs repainting in either case.
    setNeedsDisplay();
    Animator* animator = Application::exists() ? &Application::shared().animator() : nullptr;
    if (animator && animator->inBlock() && !weak_from_this().expired()) {
        // The application repaints what it moves frame by frame, from where it is now.
        Application::shared().trackAnimation(*this);
        // The first set in a block starts from what is on screen; later sets in the same block keep it.
        if (!property.awaitingCommit)
            property.from = (this->*presentedNow)();
        property.value = value;
        property.duration = 0;
        property.awaitingCommit = true;
        std::weak_ptr<View> self = weak_from_this();
        Animated<T>* target = &property;
        animator->registerChange([self, target](double start, double duration) {
            if (self.expired() || !target->awaitingCommit)
                return;
            target->start = start;
            target->duration = duration;
            target->awaitingCommit = false;
        });
        // Its new place may be off the screen: a field being edited in it stops now.
        Application::shared().setNeedsDisplayInRect({});
    } else {
        property.value = property.from = value;
        property.duration = 0;
        property.awaitingCommit = false;
        setNeedsDisplay();
    }
}

Rect View::presentedFrameNow() const
{
    return Application::exists() ? presentedFrame(Application::shared().animator().now()) : frame_.value;
}
Point View::presentedBoundsOriginNow() const
{
    return Application::exists() ? presentedBoundsOrigin(Application::shared().animator().now()) : boundsOrigin_.value;
}
float View::presentedAlphaNow() const
{
    return Application::exists() ? presentedAlpha(Application::shared().animator().now()) : alpha_.value;
}

void View::setFrame(const Rect& frame) { animate(frame_, frame, &View::presentedFrameNow); }

void View::setBounds(const Rect& bounds)
{
    if (bounds.size != frame_.value.size) {
        // Resizing through the bounds keeps the centre, as the platform does.
        Rect f = frame_.value;
        float cx = f.x() + f.width() / 2, cy = f.y() + f.height() / 2;
        setFrame({cx - bounds.width() / 2, cy - bounds.height() / 2, bounds.width(), bounds.height()});
    }
    animate(boundsOrigin_, bounds.origin, &View::presentedBoundsOriginNow);
}

void View::setAlpha(float alpha) { animate(alpha_, std::clamp(alpha, 0.0f, 1.0f), &View::presentedAlphaNow); }

void View::setHidden(bool hidden)
{
    if (hidden_ == hidden)
        return;
    setNeedsDisplay();
    hidden_ = hidden;
    setNeedsDisplay();
}

void View::setBackgroundColor(std::optional<Color> color)
{
    if (backgroundColor_ == color)
        return;
    backgroundColor_ = color;
    setNeedsDisplay();
}

void View::setCornerRadius(float radius)
{
    cornerRadius_ = radius;
    setNeedsDisplay();
}

void View::setClipsToBounds(bool clips)
{
    setNeedsDisplay();
    clipsToBounds_ = clips;
    setNeedsDisplay();
}

View* View::findByIdentifier(const std::string& id)
{
    if (identifier_ == id)
        return this;
    for (auto& sub : subviews_)
        if (View* found = sub->findByIdentifier(id))
            return found;
    return nullptr;
}

void View::detachFromSuperview()
{
    if (!superview_)
        return;
    auto& siblings = superview_->subviews_;
    std::erase_if(siblings, [this](const std::shared_ptr<View>& v) { return v.get() == this; });
    superview_ = nullptr;
}

void View::addSubview(std::shared_ptr<View> view)
{
    if (!view || view.get() == this)
        return;
    if (view->superview_) {
        view->setNeedsDisplay();
        view->detachFromSuperview();
    }
    view->superview_ = this;
    subviews_.push_back(view);
    view->didMoveToWindow();
    view->setNeedsDisplay();
}

void View::insertSubviewAbove(std::shared_ptr<View> view, const View& sibling)
{
    if (!view || view.get() == this)
        return;
    if (view->superview_) {
        view->setNeedsDisplay();
        view->detachFromSuperview();
    }
    auto it = std::find_if(subviews_.begin(), subviews_.end(), [&](auto& v) { return v.get() == &sibling; });
    view->superview_ = this;
    subviews_.insert(it == subviews_.end() ? it : it + 1, view);
    view->didMoveToWindow();
    view->setNeedsDisplay();
}

void View::bringSubviewToFront(const View& view)
{
    auto it = std::find_if(subviews_.begin(), subviews_.end(), [&](auto& v) { return v.get() == &view; });
    if (it == subviews_.end())
        return;
    std::rotate(it, it + 1, subviews_.end());
    view.setNeedsDisplay();
}

void View::sendSubviewToBack(const View& view)
{
    auto it = std::find_if(subviews_.begin(), subviews_.end(), [&](auto& v) { return v.get() == &view; });
    if (it == subviews_.end())
        return;
    std::rotate(subviews_.begin(), it, it + 1);
    view.setNeedsDisplay();
}

void View::removeFromSuperview()
{
    if (!superview_)
        return;
    // Keep this view alive until it is fully detached: the superview may hold the last reference.
    auto keep = shared_from_this();
    setNeedsDisplay();
    detachFromSuperview();
    didMoveToWindow();
    // After the detaching, so that a field being edited in here is seen to have left the screen.
    if (Application::exists())
        Application::shared().setNeedsDisplayInRect({});
}

bool View::isDescendantOf(const View& ancestor) const
{
    for (const View* v = this; v; v = v->superview_)
        if (v == &ancestor)
            return true;
    return false;
}

bool View::isEffectivelyVisible() const
{
    // What is left of this view, in the bounds space of each ancestor in turn.
    Rect shown = bounds();
    const View* v = this;
    for (;; v = v->superview_) {
        if (v->hidden_ || v->alpha_.value <= 0)
            return false;
        if (v->clipsToBounds_ || !v->superview_)
            shown = shown.intersection(v->bounds());
        if (shown.isEmpty())
            return false;
        if (!v->superview_)
            break;
        shown = shown.offsetBy(v->frame_.value.x() - v->boundsOrigin_.value.x, v->frame_.value.y() - v->boundsOrigin_.value.y);
    }
    return Application::exists() && v == static_cast<const View*>(&Application::shared().window());
}

Point View::convertFromWindow(Point p) const
{
    if (!superview_)
        return {p.x + boundsOrigin_.value.x - frame_.value.x(), p.y + boundsOrigin_.value.y - frame_.value.y()};
    Point s = superview_->convertFromWindow(p);
    return {s.x - frame_.value.x() + boundsOrigin_.value.x, s.y - frame_.value.y() + boundsOrigin_.value.y};
}

Point View::convertToWindow(Point p) const
{
    Point s{p.x - boundsOrigin_.value.x + frame_.value.x(), p.y - boundsOrigin_.value.y + frame_.value.y()};
    return superview_ ? superview_->convertToWindow(s) : s;
}

View* View::hitTest(Point p)
{
    if (hidden_ || alpha_.value <= 0.01f || !userInteractionEnabled_)
        return nullptr;
    if (!bounds().contains(p))
        return nullptr;
    for (auto it = subviews_.rbegin(); it != subviews_.rend(); ++it) {
        View& sub = **it;
        Point q{p.x - sub.frame_.value.x() + sub.boundsOrigin_.value.x, p.y - sub.frame_.value.y() + sub.boundsOrigin_.value.y};
        if (View* hit = sub.hitTest(q))
            return hit;
    }
    return this;
}

Responder* View::nextResponder() const
{
    if (controller_)
        return controller_;
    return superview_;
}

void View::draw(Painter& painter) const
{
    if (!backgroundColor_ || backgroundColor_->alpha <= 0)
        return;
    Rect local{0, 0, frame_.value.width(), frame_.value.height()};
    if (cornerRadius_ > 0)
        painter.fillRoundedRect(local, cornerRadius_, *backgroundColor_);
    else
        painter.fillRect(local, *backgroundColor_);
}

bool View::isAnimating(double now) const
{
    auto moving = [now](const auto& p) { return p.awaitingCommit || (p.duration > 0 && now < p.start + p.duration); };
    return moving(frame_) || moving(boundsOrigin_) || moving(alpha_);
}

namespace {

// Where a view and its subviews draw, in its superview's bounds space.
Rect extentInSuperview(const View& view, double now)
{
    if (view.isHidden() || view.presentedAlpha(now) <= 0)
        return {};
    const Rect frame = view.presentedFrame(now);
    if (view.clipsToBounds())
        return frame;
    Rect extent = frame.insetBy(-View::drawingOverhang, -View::drawingOverhang);
    const Point shift = view.presentedBoundsOrigin(now);
    for (const auto& sub : view.subviews())
        extent = extent.united(extentInSuperview(*sub, now).offsetBy(frame.x() - shift.x, frame.y() - shift.y));
    return extent;
}

} // namespace

Rect View::shownRectInWindow(double now) const
{
    if (!Application::exists())
        return {};
    Rect shown = extentInSuperview(*this, now);
    const View* v = this;
    for (const View* up = superview_; up && !shown.isEmpty(); v = up, up = up->superview_) {
        if (up->isHidden() || up->presentedAlpha(now) <= 0)
            return {};
        const Rect frame = up->presentedFrame(now);
        const Point shift = up->presentedBoundsOrigin(now);
        if (up->clipsToBounds())
            shown = shown.intersection({shift, frame.size});
        shown = shown.offsetBy(frame.x() - shift.x, frame.y() - shift.y);
    }
    if (shown.isEmpty() || v != static_cast<const View*>(&Application::shared().window()))
        return {};
    // The window's own frame places it on the screen.
    return shown.intersection({{0, 0}, Application::shared().screenSize()});
}

void View::setNeedsDisplay() const
{
    if (!Application::exists())
        return;
    auto& app = Application::shared();
    app.setNeedsDisplayInRect(shownRectInWindow(app.animator().now()));
}

Point Touch::locationInView(const View& view) const { return view.convertFromWindow(windowLocation); }

void drawViewTree(const View& view, Painter& painter, double now, const Rect* area)
{
    if (view.isHidden())
        return;
    float alpha = view.presentedAlpha(now);
    if (alpha <= 0)
        return;
    Rect frame = view.presentedFrame(now);
    const bool clips = view.clipsToBounds();
    const Rect reach = clips ? frame : frame.insetBy(-View::drawingOverhang, -View::drawingOverhang);
    const bool reachesArea = !area || !reach.intersection(*area).isEmpty();
    // A clipping view or a leaf draws nowhere else; other views' subviews may reach further.
    if (!reachesArea && (clips || view.subviews().empty() || extentInSuperview(view, now).intersection(*area).isEmpty()))
        return;
    painter.save();
    painter.translate(frame.origin);
    if (alpha < 1)
        painter.multiplyOpacity(alpha);
    const Point shift = view.presentedBoundsOrigin(now);
    // Contents sliding within a rounded view are cut along its corners; at rest they lie inside, and a
    // square cut keeps the smoothed edge the view draws itself.
    if (clips)
        painter.clipRect({0, 0, frame.width(), frame.height()}, shift == Point{} ? 0 : view.cornerRadius());
    if (reachesArea)
        view.draw(painter);
    if (!view.subviews().empty()) {
        painter.translate({-shift.x, -shift.y});
        // What of the subviews can show, in this view's bounds space: the area, and a clipping view's
        // bounds, so that the rows of a long list scrolled away cost nothing.
        Rect visible = clips ? Rect{shift, frame.size} : Rect{};
        std::optional<Rect> inside;
        if (area)
            inside = area->offsetBy(shift.x - frame.x(), shift.y - frame.y());
        if (clips)
            inside = inside ? inside->intersection(visible) : visible;
        for (const auto& sub : view.subviews())
            drawViewTree(*sub, painter, now, inside ? &*inside : nullptr);
    }
    painter.restore();
}

} // namespace platform
