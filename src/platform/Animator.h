#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace platform {

class Clock;
class View;

enum class AnimationTransition { None = 0, FlipFromLeft = 1, FlipFromRight = 2 };

// Runs the view animations. A property set while an Animation is alive reads back its new value at
// once; what is drawn moves from the old value to the new one over the animation's duration. The
// did-stop call is made from tick() once the duration has passed, so it always comes on a later turn
// of the event loop.
class Animator {
public:
    explicit Animator(const Clock& clock) : clock_(clock) {}

    bool inBlock() const { return !open_.empty(); }
    double now() const;
    // Views call this when a property is set inside an animation; the animation arms it with its
    // start and duration when it ends.
    void registerChange(std::function<void(double start, double duration)> arm);

    // Fires the did-stop calls that are due. Returns true while anything still moves or waits.
    bool tick();
    bool isBusy() const;

    struct ActiveTransition {
        std::weak_ptr<View> view;
        AnimationTransition transition;
        double start;
        double duration;
        std::shared_ptr<void> before; // the shell's picture of the view before the change
    };
    const std::vector<ActiveTransition>& transitions() const { return transitions_; }
    // Set by the shell: pictures a view as it is drawn now, for transitions.
    std::function<std::shared_ptr<void>(View&)> captureForTransition;

private:
    friend class Animation;
    struct Block {
        double duration = 0.2;
        std::function<void()> didStop;
        std::vector<std::function<void(double, double)>> changes;
        std::vector<ActiveTransition> transitions;
    };
    struct PendingStop {
        double due;
        std::function<void()> didStop;
    };
    void commit(Block block);

    const Clock& clock_;
    std::vector<Block> open_;
    std::vector<PendingStop> pending_;
    std::vector<ActiveTransition> transitions_;
    double busyUntil_ = 0;
};

// One animation block, committed when it goes out of scope. Blocks nest: changes belong to the
// innermost one alive.
//
//     {
//         Animation slide(animator, 0.5);
//         slide.onStop([&] { finished(); });
//         view.setFrame(target);
//     }
class Animation {
public:
    explicit Animation(Animator& animator, double duration = 0.2);
    ~Animation();
    Animation(const Animation&) = delete;
    Animation& operator=(const Animation&) = delete;

    // Called once the duration has passed.
    void onStop(std::function<void()> didStop);
    // The transition is drawn over `view` by the shell: it captures the view as it looks now.
    void setTransition(AnimationTransition transition, View& view);

private:
    Animator::Block& block();

    Animator& animator_;
    std::size_t depth_;
};

// The animation curve: ease in and out, as the platform's default.
float easeInOut(float t);

} // namespace platform
