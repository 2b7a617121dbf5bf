#pragma once

#include "platform/ViewController.h"

class MainViewController;

// The base of every dialog on the stack: the way back to the main screen and the three common actions.
class DialogBase : public platform::ViewController {
public:
    using ViewController::ViewController;

    MainViewController& preview() const;

    void hideButtonClick();
    void saveButtonClick();
    void backButtonClick();
};
