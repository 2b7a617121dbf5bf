#include "platform/ViewController.h"

#include "platform/Application.h"
#include "platform/View.h"
#include "platform/Window.h"

namespace platform {

namespace {
constexpr double modalSlideDuration = 0.3;
}

ViewController::ViewController(std::string nibName) : nibName_(std::move(nibName)) {}

ViewController::~ViewController()
{
    if (modal_)
        modal_->parent_ = nullptr;
    if (parent_ && parent_->modal_ == this)
        parent_->modal_ = nullptr;
    if (view_) {
        view_->setController(nullptr);
        view_->removeFromSuperview();
    }
}

const std::shared_ptr<View>& ViewController::view()
{
    if (!view_) {
        loadView();
        if (!view_)
            setView(std::make_shared<View>(Rect{0, 0, Application::shared().screenSize().width,
                                                Application::shared().screenSize().height - Application::statusBarHeight}));
        viewDidLoad();
    }
    return view_;
}

void ViewController::loadView() {}

void ViewController::setView(std::shared_ptr<View> view)
{
    if (view_)
        view_->setController(nullptr);
    view_ = std::move(view);
    if (view_)
        view_->setController(this);
}

Responder* ViewController::nextResponder() const { return view_ ? view_->superview() : nullptr; }

void ViewController::presentModalViewController(ViewController& modal, bool animated)
{
    if (modal_)
        return;
    modal_ = &modal;
    modal.parent_ = this;
    auto& app = Application::shared();
    const auto& v = modal.view();
    const Size screen = app.screenSize();
    Rect place{0, Application::statusBarHeight, screen.width, screen.height - Application::statusBarHeight};
    modal.viewWillAppear(animated);
    app.window().addSubview(v);
    modalOpener_ = app.focusedViewRef();
    auto takeFocus = [shown = std::weak_ptr<View>(v)] {
        if (auto view = shown.lock())
            Application::shared().focusShown(*view);
    };
    if (animated) {
        v->setFrame(place.offsetBy(0, place.height()));
        Animation slide(app.animator(), modalSlideDuration);
        slide.onStop(takeFocus);
        v->setFrame(place);
    } else {
        v->setFrame(place);
        takeFocus();
    }
    modal.viewDidAppear(animated);
}

void ViewController::dismissModalViewControllerAnimated(bool animated)
{
    // Sent to the modal itself, it dismisses itself, as on the platform.
    if (!modal_ && parent_) {
        parent_->dismissModalViewControllerAnimated(animated);
        return;
    }
    if (!modal_)
        return;
    ViewController* modal = modal_;
    modal_ = nullptr;
    modal->parent_ = nullptr;
    modal->viewWillDisappear(animated);
    std::shared_ptr<View> v = modal->view();
    if (animated) {
        Animation slide(Application::shared().animator(), modalSlideDuration);
        std::weak_ptr<View> weak = v;
        slide.onStop([weak, opener = modalOpener_] {
            if (auto view = weak.lock(); view && view->frame().y() >= Application::shared().screenSize().height)
                view->removeFromSuperview();
            Application::shared().focusReturned(opener);
        });
        v->setFrame(v->frame().offsetBy(0, Application::shared().screenSize().height));
    } else {
        v->removeFromSuperview();
        Application::shared().focusReturned(modalOpener_);
    }
    modal->viewDidDisappear(animated);
}

} // namespace platform
