#include "TavrinPlusAppDelegate.h"

#include "MainViewController.h"
#include "RootViewController.h"
#include "ScreenCatalogue.h"
#include "SettingsKeys.h"

#include "platform/Animator.h"
#include "platform/View.h"
#include "platform/Window.h"

#include <cassert>
#include <cstdint>

using platform::Application;

TavrinPlusAppDelegate::TavrinPlusAppDelegate()
    : window_(Application::shared().windowRef())
    , rootViewController_(std::make_unique<RootViewController>())
{
}

TavrinPlusAppDelegate::~TavrinPlusAppDelegate() = default;

TavrinPlusAppDelegate& TavrinPlusAppDelegate::shared()
{
    auto* delegate = static_cast<TavrinPlusAppDelegate*>(Application::shared().delegate());
    assert(delegate);
    return *delegate;
}

void TavrinPlusAppDelegate::applicationDidFinishLaunching(Application& application)
{
    const Screen screen =
        screen_ ? *screen_ : ScreenCatalogue::builtIn().screenFor(application.settings().stringForKey(keys::device));
    application.setScreenSize(screen.points);
    rootViewController_->setScreen(screen);
    window_->addSubview(rootViewController_->view());
    followScreenChoices();
    application.setStatusBarStyle(Application::statusBarStyleBlackTranslucent, false);
}

void TavrinPlusAppDelegate::showScreen(const Screen& screen)
{
    auto& application = Application::shared();
    application.setFirstResponder(nullptr);
    // The guide stays as the user left it, to compare phones with it on or off.
    const MainViewController& before = rootViewController_->mainViewController();
    const bool lockScreenShown = before.isLockScreenShown();
    const bool notificationsShown = before.areNotificationsShown();
    rootViewController_->view()->removeFromSuperview();
    rootViewController_ = std::make_unique<RootViewController>();
    application.setScreenSize(screen.points);
    rootViewController_->setScreen(screen);
    window_->addSubview(rootViewController_->view());
    MainViewController& after = rootViewController_->mainViewController();
    after.setLockScreenShown(lockScreenShown);
    after.setNotificationsShown(notificationsShown);
    followScreenChoices();
    application.setNeedsDisplay();
    if (onScreenChanged)
        onScreenChanged();
}

void TavrinPlusAppDelegate::followScreenChoices()
{
    rootViewController_->onScreenChosen = [this](const Screen& screen) {
        // The views that asked are torn down by the change: wait until their event is over.
        platform::Animation afterThisEvent(Application::shared().animator(), 0);
        afterThisEvent.onStop([this, screen] { showScreen(screen); });
    };
}

void TavrinPlusAppDelegate::AddDefaultUserSettings()
{
    createDefaultUserValueIfEmpty(keys::stripLayout, defaults::stripLayout);
    createDefaultUserValueIfEmpty(keys::phonePreference, defaults::phonePreference);
    createDefaultUserValueIfEmpty(keys::otherPreference, "");
    createDefaultUserValueIfEmpty(keys::fontFace, defaults::fontFace);
    createDefaultUserValueIfEmpty(keys::fontHighlight, defaults::fontHighlight);
    createDefaultUserValueIfEmpty(keys::stripColor, defaults::stripColor);
    createDefaultUserValueIfEmpty(keys::bgColor, defaults::bgColor);
    createDefaultUserValueIfEmpty(keys::styleName, defaults::styleName);
}

void TavrinPlusAppDelegate::createDefaultUserValueIfEmpty(const std::string& key, platform::SettingsStore::Value defaultValue)
{
    auto& settings = Application::shared().settings();
    if (!settings.valueForKey(key))
        settings.setObject(key, std::move(defaultValue));
}

platform::SettingsStore::Value TavrinPlusAppDelegate::getUserValueOrDefault(const std::string& key,
                                                                           platform::SettingsStore::Value defaultValue) const
{
    const auto* value = Application::shared().settings().valueForKey(key);
    return value ? *value : defaultValue;
}
