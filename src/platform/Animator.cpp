#include "platform/Animator.h"

#include "platform/Clock.h"
#include "platform/View.h"

#include <algorithm>

namespace platform {

float easeInOut(float t)
{
    t = std::clamp(t, 0.0f, 1.0f);
    return t * t * (3 - 2 * t);
}

double Animator::now() const { return clock_.now(); }

void Animator::beginAnimations(std::string animationID, std::any context)
{
    Block block;
    block.id = std::move(animationID);
    block.context = std::move(context);
    open_.push_back(std::move(block));
}

void Animator::setAnimationDuration(double seconds)
{
    if (!open_.empty())
        open_.back().duration = std::max(0.0, seconds);
}

void Animator::setAnimationDidStop(DidStop didStop)
{
    if (!open_.empty())
        open_.back().didStop = std::move(didStop);
}

void Animator::setAnimationTransition(AnimationTransition transition, View& view, bool)
{
    if (open_.empty() || transition == AnimationTransition::None)
        return;
    std::shared_ptr<void> before = captureForTransition ? captureForTransition(view) : nullptr;
    open_.back().transitions.push_back({view.weak_from_this(), transition, 0, 0, std::move(before)});
}

void Animator::registerChange(std::function<void(double, double)> arm)
{
    if (!open_.empty())
        open_.back().changes.push_back(std::move(arm));
}

void Animator::commitAnimations()
{
    if (open_.empty())
        return;
    Block block = std::move(open_.back());
    open_.pop_back();
    double start = clock_.now();
    for (auto& arm : block.changes)
        arm(start, block.duration);
    for (auto& t : block.transitions) {
        t.start = start;
        t.duration = block.duration;
        transitions_.push_back(std::move(t));
    }
    busyUntil_ = std::max(busyUntil_, start + block.duration);
    if (block.didStop)
        pending_.push_back({start + block.duration, block.id, block.context, block.didStop});
}

bool Animator::tick()
{
    double t = clock_.now();
    std::erase_if(transitions_, [t](const ActiveTransition& a) { return t >= a.start + a.duration || a.view.expired(); });
    // Collect first: a did-stop call may start new animations.
    std::vector<PendingStop> due;
    for (auto it = pending_.begin(); it != pending_.end();) {
        if (it->due <= t) {
            due.push_back(std::move(*it));
            it = pending_.erase(it);
        } else {
            ++it;
        }
    }
    for (auto& stop : due)
        stop.didStop(stop.id, true, stop.context);
    return isBusy();
}

bool Animator::isBusy() const { return clock_.now() < busyUntil_ || !pending_.empty(); }

} // namespace platform
