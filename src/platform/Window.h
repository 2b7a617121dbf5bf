#pragma once

#include "platform/View.h"

namespace platform {

// The full-screen window, root of the view tree. It turns the shell's pointer events into touches:
// the view under the finger at the start gets the whole touch, as on a touch screen.
class Window final : public View {
public:
    explicit Window(Size screen);

    void touchDown(Point windowLocation);
    void touchMove(Point windowLocation);
    void touchUp(Point windowLocation);
    void wheel(Point windowLocation, float dy);
    void magnify(Point windowLocation, float factor);
    bool isTracking() const { return !tracked_.expired(); }

private:
    std::weak_ptr<View> tracked_;
};

} // namespace platform
