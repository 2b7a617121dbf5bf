#pragma once

#include "platform/ViewController.h"

#include <memory>

class MainViewController;

// Holds the two sides of the application: the main screen and, behind it, the web page side.
class RootViewController final : public platform::ViewController {
public:
    RootViewController();
    ~RootViewController() override;

    MainViewController& mainViewController() const { return *mainViewController_; }

    void viewDidLoad() override;
    // Flips between the main screen and the web page side; the web side is not built yet.
    void toggleView();

protected:
    void loadView() override;

private:
    std::unique_ptr<MainViewController> mainViewController_;
};
