#pragma once

#include <any>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace platform {

class Clock;
class View;

enum class AnimationTransition { None = 0, FlipFromLeft = 1, FlipFromRight = 2 };

// The view animation blocks. A property set inside a block reads back its new value at once; what is
// drawn moves from the old value to the new one over the block's duration. The did-stop call is made
// from tick() once the duration has passed, so it always comes on a later turn of the event loop.
class Animator {
public:
    using DidStop = std::function<void(const std::string& animationID, bool finished, const std::any& context)>;

    explicit Animator(const Clock& clock) : clock_(clock) {}

    void beginAnimations(std::string animationID, std::any context = {});
    void setAnimationDuration(double seconds);
    void setAnimationDidStop(DidStop didStop);
    // The transition is drawn over `view` by the shell: it captures the view as it looks now.
    void setAnimationTransition(AnimationTransition transition, View& view, bool cache);
    void commitAnimations();

    bool inBlock() const { return !open_.empty(); }
    double now() const;
    // Views call this when a property is set inside a block; the block arms it with its start and
    // duration when it is committed.
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
    struct Block {
        std::string id;
        std::any context;
        double duration = 0.2;
        DidStop didStop;
        std::vector<std::function<void(double, double)>> changes;
        std::vector<ActiveTransition> transitions;
    };
    struct PendingStop {
        double due;
        std::string id;
        std::any context;
        DidStop didStop;
    };

    const Clock& clock_;
    std::vector<Block> open_;
    std::vector<PendingStop> pending_;
    std::vector<ActiveTransition> transitions_;
    double busyUntil_ = 0;
};

// The animation curve: ease in and out, as the platform's default.
float easeInOut(float t);

} // namespace platform
