#pragma once

#include <functional>
#include <memory>

namespace platform {
class View;
}
class DialogStack;

// The capture mode: the status bar, the dialogs and every control fade out and instructions show;
// then the wallpaper is alone on screen with a done button, for the device's screen capture; done
// brings back what was shown.
class CaptureMode {
public:
    enum class State { Normal, Instructions, Capture };

    struct Views {
        std::shared_ptr<platform::View> screen, launcher, guide, notice, instructions, doneButton;
    };
    // `wallpaperAlone` is told when the Capture state begins.
    CaptureMode(Views views, const DialogStack& stack, std::function<void()> wallpaperAlone);

    State state() const { return state_; }
    void showInstructions();
    void showWallpaperAlone();
    void leave();

private:
    Views views_;
    const DialogStack& stack_;
    std::function<void()> wallpaperAlone_;
    State state_ = State::Normal;
};
