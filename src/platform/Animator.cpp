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

void Animator::registerChange(std::function<void(double, double)> arm)
{
    if (!open_.empty())
        open_.back().changes.push_back(std::move(arm));
}

void Animator::commit(Block block)
{
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
        pending_.push_back({start + block.duration, std::move(block.didStop)});
}

Animation::Animation(Animator& animator, double duration) : animator_(animator), depth_(animator.open_.size())
{
    Animator::Block block;
    block.duration = std::max(0.0, duration);
    animator_.open_.push_back(std::move(block));
}

Animation::~Animation()
{
    // Scopes end innermost first, so this block is the last one open.
    Animator::Block block = std::move(animator_.open_.back());
    animator_.open_.pop_back();
    animator_.commit(std::move(block));
}

Animator::Block& Animation::block() { return animator_.open_[depth_]; }

void Animation::onStop(std::function<void()> didStop) { block().didStop = std::move(didStop); }

void Animation::setTransition(AnimationTransition transition, View& view)
{
    if (transition == AnimationTransition::None)
        return;
    std::shared_ptr<void> before = animator_.captureForTransition ? animator_.captureForTransition(view) : nullptr;
    block().transitions.push_back({view.weak_from_this(), transition, 0, 0, std::move(before)});
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
        stop.didStop();
    return isBusy();
}

bool Animator::isBusy() const { return clock_.now() < busyUntil_ || !pending_.empty(); }

} // namespace platform
