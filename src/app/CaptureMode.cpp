#include "CaptureMode.h"

#include "DialogStack.h"
#include "Dialogs/DialogBase.h"

#include "Screen.h"

#include "platform/Application.h"
#include "platform/Button.h"
#include "platform/Label.h"
#include "platform/View.h"
#include "platform/Translate.h"

#include <algorithm>
#include <cmath>

using platform::Application;

namespace {

constexpr double fadeDuration = 0.25;
constexpr double noticeDuration = 6;

} // namespace

CaptureMode::CaptureMode(Views views, const DialogStack& stack, std::function<void()> wallpaperAlone)
    : views_(std::move(views)), stack_(stack), wallpaperAlone_(std::move(wallpaperAlone))
{
}

float CaptureMode::pixelsPerPoint(const Screen& screen, float windowPixelsPerPoint)
{
    if (screen.system != "classic")
        return screen.scale();
    // A hair over a whole step (rounding in the window's size) is that step.
    return std::clamp(std::ceil(windowPixelsPerPoint - 0.01f), 1.0f, 4.0f);
}

void CaptureMode::showInstructions()
{
    auto& app = Application::shared();
    app.setStatusBarHidden(true, true);
    {
        platform::Animation fade(app.animator(), fadeDuration);
        views_.launcher->setAlpha(0);
        views_.guide->setAlpha(0);
        views_.notice->setAlpha(0);
        if (DialogBase* top = stack_.top())
            top->view()->setAlpha(0);
    }
    views_.instructions->setFrame(
        {{0, -Application::statusBarHeight}, app.screenSize()});
    views_.instructions->setBounds({{0, 0}, app.screenSize()});
    views_.instructions->setHidden(false);
    state_ = State::Instructions;
    opener_ = app.focusedViewRef();
    // On Continue, what a second Return is most likely meant for, rather than the first control, which
    // would hand the picture to the lock screen or a phone.
    app.focusShown(*views_.instructions, views_.instructions->findByIdentifier("capture.continue"));
}

void CaptureMode::showWallpaperAlone()
{
    views_.instructions->setHidden(true);
    views_.screen->bringSubviewToFront(*views_.doneButton);
    state_ = State::Capture;
    Application::shared().focusShown(*views_.doneButton);
    if (wallpaperAlone_)
        wallpaperAlone_();
}

void CaptureMode::leave()
{
    auto& app = Application::shared();
    views_.instructions->setHidden(true);
    hideNotice();
    {
        platform::Animation fade(app.animator(), fadeDuration);
        views_.launcher->setAlpha(stack_.isMinimized() ? 1 : 0);
        views_.guide->setAlpha(1);
        views_.notice->setAlpha(1);
        if (DialogBase* top = stack_.top())
            top->view()->setAlpha(stack_.isMinimized() ? 0 : 1);
    }
    app.setStatusBarHidden(false, true);
    views_.screen->sendSubviewToBack(*views_.doneButton);
    state_ = State::Normal;
    app.focusReturned(opener_);
}

void CaptureMode::setAsLockScreen()
{
    saved_.clear();
    showWallpaperAlone();
    // Not saved: the notice says why, over the wallpaper alone, as after Continue.
    if (saved_.empty())
        return;
    const std::filesystem::path picture = saved_;
    leave();
    showNotice(platform::fillIn(platform::translate("CaptureMode", "Setting %1 as the lock screen picture…"),
                                {picture.filename().string()}),
               false);
    Application::shared().services().lockScreen->setPicture(
        picture, [this, alive = std::weak_ptr(noticesShown_)](platform::LockScreenOutcome outcome) {
            // The screen may have been made anew for another phone in the meantime.
            if (alive.lock())
                showNotice(outcome.set ? outcome.message
                                       : platform::fillIn(platform::translate("CaptureMode", "Lock screen not set: %1"),
                                                          {outcome.message}),
                           true);
        });
}

void CaptureMode::showSaved(const std::filesystem::path& file)
{
    saved_ = file;
    savedFolder_ = file.parent_path();
    showNotice(platform::fillIn(platform::translate("CaptureMode", "Saved %1"), {file.filename().string()}), true);
}

void CaptureMode::showNotSaved(const std::string& reason) 
{
    showNotice(platform::fillIn(platform::translate("CaptureMode", "Not saved: %1"), {reason}), false);
}

void CaptureMode::hideNotice()
{
    if (notice_.root)
        notice_.root->removeFromSuperview();
}

void CaptureMode::showNotice(const std::string& message, bool canShowFolder)
{
    if (!notice_.root)
        notice_ = buildCaptureNotice(views_.screen->bounds().size, [this] {
            if (auto* opener = Application::shared().services().folderOpener)
                opener->openFolder(savedFolder_);
        });
    setCaptureNoticeMessage(notice_, message, canShowFolder);
    // Over everything, the capture's done button too.
    views_.screen->addSubview(notice_.root);
    const int shown = ++*noticesShown_;
    platform::Animation wait(Application::shared().animator(), noticeDuration);
    // Weak: the screen may be made anew for another phone before the time is up.
    wait.onStop([root = std::weak_ptr(notice_.root), latest = std::weak_ptr(noticesShown_), shown] {
        auto view = root.lock();
        auto count = latest.lock();
        if (view && count && *count == shown)
            view->removeFromSuperview();
    });
}
