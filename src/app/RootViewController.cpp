#include "RootViewController.h"

#include "FlipsideViewController.h"
#include "Dialogs/MainDialogViewController.h"
#include "Interfaces/NavigationBar.h"
#include "MainViewController.h"
#include "ScreenCatalogue.h"

#include "platform/Application.h"
#include "platform/View.h"
#include "platform/Translate.h"

using platform::Application;

namespace {

constexpr double flipDuration = 1.0;

} // namespace

RootViewController::RootViewController() : ViewController("MainWindow"), screen_(ScreenCatalogue::builtIn().classic()) {}

RootViewController::~RootViewController() = default;

void RootViewController::loadView()
{
    // The root view is the screen below the status bar.
    const platform::Size screen = Application::shared().screenSize();
    setView(std::make_shared<platform::View>(
        platform::Rect{0, Application::statusBarHeight, screen.width, screen.height - Application::statusBarHeight}));
    // The bar shows only over the web side, which exists by then.
    flipsideNavigationBar_ = makeNavigationBar(screen.width, "TavrinPlus", "flipside",
                                               {platform::translate("RootViewController", "Reload"), "reload", [this] { flipsideViewController_->reload(); }},
                                               {platform::translate("RootViewController", "Done"), "done", [this] { toggleView(); }});
}

void RootViewController::viewDidLoad()
{
    mainViewController_ = std::make_unique<MainViewController>("MainView", screen_);
    view()->addSubview(mainViewController_->view());
    mainViewController_->mainDialog().onWebPage = [this] { toggleView(); };
    mainViewController_->onScreenChosen = [this](const Screen& screen) {
        if (onScreenChosen)
            onScreenChosen(screen);
    };
}

void RootViewController::loadFlipsideViewController()
{
    flipsideViewController_ = std::make_unique<FlipsideViewController>("FlipsideView");
}

void RootViewController::toggleView()
{
    if (!flipsideViewController_)
        loadFlipsideViewController();
    auto& mainController = *mainViewController_;
    auto& flipController = *flipsideViewController_;
    std::shared_ptr<platform::View> mainView = mainController.view();
    std::shared_ptr<platform::View> flipView = flipController.view();

    platform::Animation flip(Application::shared().animator(), flipDuration);
    bool mainShowing = mainView->superview() != nullptr;
    flip.setTransition(mainShowing ? platform::AnimationTransition::FlipFromRight : platform::AnimationTransition::FlipFromLeft,
                       *view());
    if (mainShowing) {
        flipController.viewWillAppear(true);
        mainController.viewWillDisappear(true);
        mainView->removeFromSuperview();
        view()->addSubview(flipView);
        view()->insertSubviewAbove(flipsideNavigationBar_, *flipView);
        mainController.viewDidDisappear(true);
        flipController.viewDidAppear(true);
    } else {
        mainController.viewWillAppear(true);
        flipController.viewWillDisappear(true);
        flipView->removeFromSuperview();
        flipsideNavigationBar_->removeFromSuperview();
        view()->addSubview(mainView);
        flipController.viewDidDisappear(true);
        mainController.viewDidAppear(true);
    }
}
