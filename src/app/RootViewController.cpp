#include "RootViewController.h"

#include "MainViewController.h"

#include "platform/Application.h"
#include "platform/View.h"

using platform::Application;

RootViewController::RootViewController() : ViewController("MainWindow") {}

RootViewController::~RootViewController() = default;

void RootViewController::loadView()
{
    // The root view is the screen below the status bar.
    setView(std::make_shared<platform::View>(platform::Rect{0, Application::statusBarHeight, Application::screenWidth,
                                                            Application::screenHeight - Application::statusBarHeight}));
}

void RootViewController::viewDidLoad()
{
    mainViewController_ = std::make_unique<MainViewController>("MainView");
    view()->addSubview(mainViewController_->view());
}

void RootViewController::toggleView() {}
