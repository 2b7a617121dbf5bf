#pragma once

#include "Interfaces/CaptureNotice.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace platform {
class View;
}
class DialogStack;
struct Screen;

// The capture mode: the status bar, the dialogs and every control fade out and instructions show;
// then the wallpaper is alone on screen with a done button, for the device's screen capture; done
// brings back what was shown. While the keyboard is in use, the instructions and then the done button
// take the focus, and leaving gives it back. A capture, in this mode or at any time, leaves a short
// notice.
class CaptureMode {
public:
    enum class State { Normal, Instructions, Capture };

    struct Views {
        std::shared_ptr<platform::View> screen, launcher, guide, notice, instructions, doneButton;
    };
    // `wallpaperAlone` is told when the Capture state begins.
    CaptureMode(Views views, const DialogStack& stack, std::function<void()> wallpaperAlone);

    // The capture's pixels a point: a phone's own; the classic screen's at least as many as the
    // window shows, in the whole steps the command line's export offers.
    static float pixelsPerPoint(const Screen& screen, float windowPixelsPerPoint);

    State state() const { return state_; }
    void showInstructions();
    void showWallpaperAlone();
    void leave();
    // From the instructions: the wallpaper alone captured as Continue would, then the capture mode
    // left and the picture handed to the desktop's lock screen; a notice says what the desktop did.
    void setAsLockScreen();

    // The notice names the picture saved, with a button showing its folder, or says why none was;
    // it goes after a few seconds, or when the capture mode is left.
    void showSaved(const std::filesystem::path& file);
    void showNotSaved(const std::string& reason);
    // Put away before the screen is captured: it is never part of the picture.
    void hideNotice();

private:
    void showNotice(const std::string& message, bool canShowFolder);

    Views views_;
    const DialogStack& stack_;
    std::function<void()> wallpaperAlone_;
    State state_ = State::Normal;
    // What had the keyboard's focus before the instructions took it, to give it back to on leaving.
    std::weak_ptr<platform::View> opener_;
    CaptureNoticeOutlets notice_;
    std::filesystem::path saved_, savedFolder_;
    // Each notice hides itself only if no later one took its place.
    std::shared_ptr<int> noticesShown_ = std::make_shared<int>(0);
};
