#pragma once

#include "platform/Geometry.h"

namespace platform {

class View;

// One finger on the screen. Its position is kept in window points and converted on request.
struct Touch {
    Point windowLocation;
    Point locationInView(const View& view) const;
};

// Touches go to the view under the finger, then up the chain: a view, its controller, its superview.
class Responder {
public:
    virtual ~Responder() = default;
    virtual Responder* nextResponder() const { return nullptr; }

    virtual void touchesBegan(const Touch& touch)
    {
        if (auto* next = nextResponder())
            next->touchesBegan(touch);
    }
    virtual void touchesMoved(const Touch& touch)
    {
        if (auto* next = nextResponder())
            next->touchesMoved(touch);
    }
    virtual void touchesEnded(const Touch& touch)
    {
        if (auto* next = nextResponder())
            next->touchesEnded(touch);
    }
    // A wheel turn over a view, in points: positive when the wheel is rolled away from the user (which
    // shows earlier content in a scrolling view, and zooms in where the wheel zooms).
    virtual void scrollWheel(const Touch& touch, float dy)
    {
        if (auto* next = nextResponder())
            next->scrollWheel(touch, dy);
    }
    // A pinch over a view: `factor` above 1 spreads the fingers apart.
    virtual void magnify(const Touch& touch, float factor)
    {
        if (auto* next = nextResponder())
            next->magnify(touch, factor);
    }
};

} // namespace platform
