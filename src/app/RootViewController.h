#pragma once

#include "Screen.h"

#include "platform/ViewController.h"

#include <functional>
#include <memory>

class FlipsideViewController;
class MainViewController;

// Holds the two sides of the application: the main screen and, behind it, the web page side.
class RootViewController final : public platform::ViewController {
public:
    RootViewController();
    ~RootViewController() override;

    MainViewController& mainViewController() const { return *mainViewController_; }
    // The phone the wallpaper is composed for; set before the view is loaded.
    void setScreen(Screen screen) { screen_ = std::move(screen); }
    // Told of a phone chosen on the main screen.
    std::function<void(const Screen&)> onScreenChosen;
    // Absent until the first flip.
    FlipsideViewController* flipsideViewController() const { return flipsideViewController_.get(); }

    void viewDidLoad() override;
    void loadFlipsideViewController();
    // Flips over to the side not shown, in one second.
    void toggleView();

protected:
    void loadView() override;

private:
    std::unique_ptr<MainViewController> mainViewController_;
    std::unique_ptr<FlipsideViewController> flipsideViewController_;
    std::shared_ptr<platform::View> flipsideNavigationBar_;
    Screen screen_;
};
