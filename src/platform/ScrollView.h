#pragma once

#include "platform/View.h"

#include <optional>
#include <vector>

namespace platform {

// A view whose content is taller than itself and slides vertically: under the finger, on after a
// flick (slowing down on the animator's clock), and by the wheel, always kept within the content.
// The offset is the bounds origin, so subviews move with it. A touch that never moved as far as the
// drag threshold is a tap.
class ScrollView : public View {
public:
    // How far a finger moves before a touch becomes a scroll rather than a tap.
    static constexpr float dragThreshold = 8;

    explicit ScrollView(Rect frame = {});

    float contentOffset() const { return bounds().y(); }
    // Kept between the top and the end of the content; stops a flick.
    void setContentOffset(float offset);
    float maximumContentOffset() const;

    void touchesBegan(const Touch& touch) override;
    void touchesMoved(const Touch& touch) override;
    void touchesEnded(const Touch& touch) override;
    // The shell's dy is positive for the wheel rolled away from the user, which shows what is above.
    void scrollWheel(const Touch& touch, float dy) override;

protected:
    virtual float contentHeight() const = 0;
    // The touch ended without scrolling.
    virtual void tapped(const Touch& touch) = 0;
    void drawScrollIndicator(Painter& painter, Color color) const;

private:
    struct Sample {
        double time;
        float y;
    };
    struct Drag {
        Point start;
        float startOffset = 0;
        bool scrolling = false;
        // The touch stopped a flick: it is no tap.
        bool caughtFlick = false;
        // Where the finger was lately, for the speed it lifts off at.
        std::vector<Sample> samples;

        void addSample(double time, float y);
        // In points per second, positive downwards.
        float fingerVelocity() const;
    };
    struct Flick {
        unsigned number;
        double start;
        float from;
        float velocity; // points of offset per second at the start
    };

    void moveTo(float offset);
    void startFlick(float velocity);
    void scheduleFlickStep();
    void stepFlick();

    std::optional<Drag> drag_;
    std::optional<Flick> flick_;
    // Tells a flick's pending step from that of one since stopped.
    unsigned flicks_ = 0;
};

} // namespace platform
