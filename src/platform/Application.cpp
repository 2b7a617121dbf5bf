#include "platform/Application.h"

#include "platform/AlertView.h"
#include "platform/Button.h"
#include "platform/TextField.h"
#include "platform/Translate.h"
#include "platform/Window.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <utility>

namespace platform {

namespace {
Application* instance = nullptr;
}

Application::Application(Services services)
    : services_(services)
    , animator_(*services.clock)
    , settings_(services.paths->configDirectory() / "settings.json", *services.log)
{
    assert(!instance);
    instance = this;
    window_ = std::make_shared<Window>(screenSize_);
    displayTime_ = animator_.now();
}

void Application::setScreenSize(Size size)
{
    screenSize_ = size;
    window_->setFrame({0, 0, size.width, size.height});
    setNeedsDisplay();
}

Application::~Application()
{
    firstResponder_ = nullptr;
    window_.reset();
    instance = nullptr;
}

Application& Application::shared()
{
    assert(instance);
    return *instance;
}

bool Application::exists() { return instance != nullptr; }

void Application::setStatusBarStyle(int style, bool)
{
    statusBarStyle_ = style;
    setNeedsDisplay();
}

void Application::setStatusBarHidden(bool hidden, bool)
{
    statusBarHidden_ = hidden;
    setNeedsDisplay();
}

void Application::setNetworkActivityIndicatorVisible(bool visible)
{
    networkActivity_ = visible;
    setNeedsDisplay();
}

void Application::setFirstResponder(TextField* field)
{
    firstResponder_ = field;
    setNeedsDisplay();
}

AlertView* Application::alertShown() const
{
    for (auto it = window_->subviews().rbegin(); it != window_->subviews().rend(); ++it)
        if (auto* alert = dynamic_cast<AlertView*>(it->get()))
            return alert;
    return nullptr;
}

bool Application::pressKey(Key key)
{
    lastInputWasKey_ = true;
    if (keysHeld_ > 0) {
        waitingKeys_.push_back(key);
        return true;
    }
    // An alert is modal: the keys are its own while it shows.
    if (AlertView* alert = alertShown())
        return alert->pressKey(key);
    if (firstResponder_) {
        setFocusedView(firstResponder_);
        return firstResponder_->pressKey(key);
    }
    switch (key) {
    case Key::Tab:
    case Key::BackTab: moveFocus(key == Key::BackTab); return true;
    case Key::Escape:
        if (Button* way = buttonFor(Key::Escape)) {
            way->sendAction();
            return true;
        }
        return false;
    default: {
        View* focused = focusedView();
        if (!focused || !canReach(*focused))
            return false;
        // The ring may move inside its control (a list's row): repaint where it was and where it goes.
        const auto before = focusRing();
        const bool taken = focused->keyDown(key);
        if (before)
            setNeedsDisplayInRect(before->rect.insetBy(-focusRingOutset - 2, -focusRingOutset - 2));
        if (auto after = focusRing())
            setNeedsDisplayInRect(after->rect.insetBy(-focusRingOutset - 2, -focusRingOutset - 2));
        return taken;
    }
    }
}

namespace {

void collectFocusable(View& view, const std::function<bool(View&)>& reachable, std::vector<View*>& out)
{
    if (view.isHidden())
        return;
    if (view.canBecomeFocused() && reachable(view))
        out.push_back(&view);
    for (const auto& sub : view.subviews())
        collectFocusable(*sub, reachable, out);
}

} // namespace

bool Application::canReach(const View& view) const
{
    const Rect bounds = view.bounds();
    View* hit = window_->hitTest(view.convertToWindow({bounds.x() + bounds.width() / 2, bounds.y() + bounds.height() / 2}));
    return hit && hit->isDescendantOf(view);
}

Button* Application::buttonFor(Key key) const
{
    std::vector<View*> reachable;
    collectFocusable(*window_, [this](View& v) { return canReach(v); }, reachable);
    // The topmost: the last drawn.
    for (auto it = reachable.rbegin(); it != reachable.rend(); ++it)
        if (auto* button = dynamic_cast<Button*>(*it); button && button->keyEquivalent() == key)
            return button;
    return nullptr;
}

View* Application::focusedView() const { return focused_.lock().get(); }

void Application::setFocusedView(View* view)
{
    auto ringDamage = [this] {
        if (auto ring = focusRing())
            setNeedsDisplayInRect(ring->rect.insetBy(-focusRingOutset - 2, -focusRingOutset - 2));
    };
    if (view == focusedView())
        return;
    ringDamage();
    focused_ = view ? view->weak_from_this() : std::weak_ptr<View>();
    ringDamage();
    if (onFocusChanged)
        onFocusChanged(view);
}

std::vector<View*> Application::reachableControls(View& root) const
{
    std::vector<View*> order;
    collectFocusable(root, [this](View& v) { return canReach(v); }, order);
    // Reading order: row by row from the top, each row from the side the interface's language starts
    // its lines on.
    const bool fromRight = isRightToLeft();
    std::stable_sort(order.begin(), order.end(), [fromRight](const View* a, const View* b) {
        const Point pa = a->convertToWindow(a->bounds().origin), pb = b->convertToWindow(b->bounds().origin);
        if (std::abs(pa.y - pb.y) > 1)
            return pa.y < pb.y;
        if (!fromRight)
            return pa.x < pb.x;
        return pa.x + a->bounds().width() > pb.x + b->bounds().width();
    });
    return order;
}

void Application::moveFocus(bool backwards)
{
    const std::vector<View*> order = reachableControls(*window_);
    if (order.empty())
        return;
    auto here = std::find(order.begin(), order.end(), focusedView());
    std::size_t next;
    if (here == order.end())
        next = backwards ? order.size() - 1 : 0;
    else
        next = (std::size_t(here - order.begin()) + (backwards ? order.size() - 1 : 1)) % order.size();
    setFocusedView(order[next]);
}

void Application::releaseKeys()
{
    if (keysHeld_ == 0 || --keysHeld_ > 0)
        return;
    // A key may start another slide: those after it wait again.
    for (Key key : std::exchange(waitingKeys_, {}))
        pressKey(key);
}

void Application::touchBegan()
{
    lastInputWasKey_ = false;
    setFocusedView(nullptr);
}

void Application::focusShown(View& shown, View* control)
{
    if (!focusedView() && !lastInputWasKey_)
        return;
    if (!control) {
        const auto controls = reachableControls(shown);
        control = controls.empty() ? nullptr : controls.front();
    }
    if (control)
        setFocusedView(control);
}

void Application::focusReturned(const std::weak_ptr<View>& opener)
{
    // Left alone where a tap could reach it: what went next took it already.
    if (View* focused = focusedView(); (focused && canReach(*focused)) || (!focused && !lastInputWasKey_))
        return;
    if (auto back = opener.lock(); back && canReach(*back)) {
        setFocusedView(back.get());
        return;
    }
    const auto controls = reachableControls(*window_);
    setFocusedView(controls.empty() ? nullptr : controls.front());
}

void Application::viewChanged(View& view, const ViewChange& change)
{
    if (instance && instance->onViewChanged)
        instance->onViewChanged(view, change);
}

std::optional<Application::FocusRing> Application::focusRing() const
{
    View* focused = focusedView();
    if (!focused || !canReach(*focused))
        return std::nullopt;
    const Rect rect = focused->focusRect();
    return FocusRing{{focused->convertToWindow(rect.origin), rect.size}, focused->cornerRadius()};
}

void Application::insertText(const std::string& text)
{
    if (firstResponder_ && !alertShown())
        firstResponder_->insertText(text);
}

void Application::setNeedsDisplay()
{
    damagedAll_ = true;
    damage_.clear();
    setNeedsDisplayInRect({}); // for the field being edited
    if (onNeedsDisplay)
        onNeedsDisplay();
}

void Application::setNeedsDisplayInRect(const Rect& windowRect)
{
    // Whatever changed may have taken the field being edited off the screen: no keystroke may reach it.
    if (firstResponder_ && !firstResponder_->isEffectivelyVisible())
        firstResponder_->resignFirstResponder();
    if (addDamage(windowRect) && onNeedsDisplay)
        onNeedsDisplay();
}

bool Application::addDamage(const Rect& windowRect)
{
    const Rect rect = windowRect.intersection({{0, 0}, screenSize_});
    if (rect.isEmpty() || damagedAll_)
        return false;
    for (const Rect& r : damage_)
        if (r.intersection(rect) == rect)
            return false;
    std::erase_if(damage_, [&](const Rect& r) { return rect.intersection(r) == r; });
    damage_.push_back(rect);
    // Many scattered changes cost more as separate repaints than as one.
    constexpr size_t most = 16;
    if (damage_.size() > most) {
        Rect all;
        for (const Rect& r : damage_)
            all = all.united(r);
        damage_ = {all};
    }
    return true;
}

void Application::trackAnimation(const View& view)
{
    for (const Moving& m : moving_)
        if (m.view.lock().get() == &view)
            return;
    std::erase_if(moving_, [](const Moving& m) { return m.view.expired(); });
    // Shown where it is before the change, which is where its animation starts.
    moving_.push_back({view.weak_from_this(), view.shownRectInWindow(animator_.now())});
}

std::vector<Rect> Application::takeDamage(double now)
{
    displayTime_ = now;
    // A flip turns a picture over a whole view; its frames, and the one after, are repainted whole.
    const bool flipping = !animator_.transitions().empty();
    if (flipping || transitionShown_)
        damagedAll_ = true;
    transitionShown_ = flipping;
    for (auto it = moving_.begin(); it != moving_.end();) {
        auto view = it->view.lock();
        // Not yet started: it shows where it was, already damaged.
        if (view && view->awaitsAnimation()) {
            ++it;
            continue;
        }
        const Rect shown = view ? view->shownRectInWindow(now) : Rect{};
        addDamage(it->lastShown);
        addDamage(shown);
        it->lastShown = shown;
        if (!view || !view->isAnimating(now))
            it = moving_.erase(it);
        else
            ++it;
    }
    std::vector<Rect> damage;
    if (damagedAll_)
        damage = {Rect{{0, 0}, screenSize_}};
    else
        damage.swap(damage_);
    damagedAll_ = false;
    damage_.clear();
    return damage;
}

} // namespace platform
