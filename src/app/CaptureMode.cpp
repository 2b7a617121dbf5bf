#include "CaptureMode.h"

#include "DialogStack.h"
#include "Dialogs/DialogBase.h"

#include "platform/Application.h"
#include "platform/View.h"

using platform::Application;

namespace {

constexpr double fadeDuration = 0.25;

} // namespace

CaptureMode::CaptureMode(Views views, const DialogStack& stack, std::function<void()> wallpaperAlone)
    : views_(std::move(views)), stack_(stack), wallpaperAlone_(std::move(wallpaperAlone))
{
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
}

void CaptureMode::showWallpaperAlone()
{
    views_.instructions->setHidden(true);
    views_.screen->bringSubviewToFront(*views_.doneButton);
    state_ = State::Capture;
    if (wallpaperAlone_)
        wallpaperAlone_();
}

void CaptureMode::leave()
{
    auto& app = Application::shared();
    views_.instructions->setHidden(true);
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
}
