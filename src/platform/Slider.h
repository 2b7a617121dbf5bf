#pragma once

#include "platform/View.h"

#include <functional>

namespace platform {

// A horizontal slider from 0 to 1. It reports each change while dragged, and the end when let go.
class Slider : public View {
public:
    explicit Slider(Rect frame = {});

    float value() const { return value_; }
    void setValue(float value);

    void setValueChangedAction(std::function<void()> action) { valueChanged_ = std::move(action); }
    void setEndAction(std::function<void()> action) { end_ = std::move(action); }

    bool canBecomeFocused() const override { return true; }
    // The arrow keys move it a twentieth of its length, as a drag let go there would.
    bool keyDown(Key key) override;
    void touchesBegan(const Touch& touch) override;
    void touchesMoved(const Touch& touch) override;
    void touchesEnded(const Touch& touch) override;
    void draw(Painter& painter) const override;

private:
    float valueAt(const Touch& touch) const;
    float trackStart() const;
    float trackLength() const;

    float value_ = 0;
    bool tracking_ = false;
    std::function<void()> valueChanged_;
    std::function<void()> end_;
};

} // namespace platform
