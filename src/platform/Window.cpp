#include "platform/Window.h"

#include "platform/Application.h"
#include "platform/TextField.h"

namespace platform {

Window::Window(Size screen) : View(Rect{{0, 0}, screen}) {}

void Window::touchDown(Point p)
{
    // A touch means the pointer is in use: the keyboard's focus ring goes.
    if (Application::exists())
        Application::shared().touchBegan();
    View* hit = hitTest(p);
    if (!hit) {
        tracked_.reset();
        return;
    }
    tracked_ = hit->weak_from_this();
    hit->touchesBegan(Touch{p});
}

void Window::touchMove(Point p)
{
    if (auto view = tracked_.lock())
        view->touchesMoved(Touch{p});
}

void Window::touchUp(Point p)
{
    auto view = tracked_.lock();
    tracked_.reset();
    TextField* editing = Application::exists() ? Application::shared().firstResponder() : nullptr;
    if (view)
        view->touchesEnded(Touch{p});
    // A touch outside the field being edited ends its editing, once the touched view has done its part
    // (another field takes the editing over itself).
    if (editing && editing == Application::shared().firstResponder() && !(view && view->isDescendantOf(*editing)))
        editing->resignFirstResponder();
}

void Window::wheel(Point p, float dy)
{
    if (View* hit = hitTest(p))
        hit->scrollWheel(Touch{p}, dy);
}

void Window::magnify(Point p, float factor)
{
    if (View* hit = hitTest(p))
        hit->magnify(Touch{p}, factor);
}

} // namespace platform
