#include "platform/Slider.h"

#include "platform/Application.h"
#include "platform/Painter.h"
#include "platform/Theme.h"

#include <algorithm>

namespace platform {

namespace {
constexpr float thumbRadius = 13;
}

Slider::Slider(Rect frame) : View(frame) {}

void Slider::setValue(float value)
{
    const float to = std::clamp(value, 0.0f, 1.0f);
    if (to == value_)
        return;
    value_ = to;
    setNeedsDisplay();
    Application::viewChanged(*this, Application::ViewChange::Value);
}

float Slider::trackStart() const { return thumbRadius + 1; }
float Slider::trackLength() const { return std::max(1.0f, frame().width() - 2 * trackStart()); }

float Slider::valueAt(const Touch& touch) const
{
    return std::clamp((touch.locationInView(*this).x - trackStart()) / trackLength(), 0.0f, 1.0f);
}

void Slider::touchesBegan(const Touch& touch)
{
    tracking_ = true;
    setValue(valueAt(touch));
    if (valueChanged_)
        valueChanged_();
}

bool Slider::keyDown(Key key)
{
    constexpr float step = 0.05f;
    float to = value_;
    if (key == Key::Left || key == Key::Down)
        to = std::max(0.0f, value_ - step);
    else if (key == Key::Right || key == Key::Up)
        to = std::min(1.0f, value_ + step);
    else
        return false;
    if (to != value_) {
        setValue(to);
        if (valueChanged_)
            valueChanged_();
        if (end_)
            end_();
    }
    return true;
}

void Slider::touchesMoved(const Touch& touch)
{
    if (!tracking_)
        return;
    float v = valueAt(touch);
    if (v == value_)
        return;
    setValue(v);
    if (valueChanged_)
        valueChanged_();
}

void Slider::touchesEnded(const Touch& touch)
{
    if (!tracking_)
        return;
    tracking_ = false;
    setValue(valueAt(touch));
    if (end_)
        end_();
}

void Slider::draw(Painter& painter) const
{
    View::draw(painter);
    float mid = frame().height() / 2;
    float x0 = trackStart(), len = trackLength();
    float thumbX = x0 + value_ * len;
    painter.fillRoundedRect({x0, mid - 2, len, 4}, 2, Color::white(0.25f));
    painter.fillRoundedRect({x0, mid - 2, thumbX - x0, 4}, 2, theme::accent);
    painter.fillEllipse({thumbX - thumbRadius, mid - thumbRadius + 1, 2 * thumbRadius, 2 * thumbRadius}, Color::black(0.25f));
    painter.fillEllipse({thumbX - thumbRadius, mid - thumbRadius, 2 * thumbRadius, 2 * thumbRadius}, Color::white());
}

} // namespace platform
