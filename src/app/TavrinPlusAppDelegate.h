#pragma once

#include "Screen.h"

#include "platform/Application.h"
#include "platform/SettingsStore.h"

#include <functional>
#include <memory>
#include <optional>

namespace platform {
class Window;
}
class RootViewController;

class TavrinPlusAppDelegate final : public platform::ApplicationDelegate {
public:
    TavrinPlusAppDelegate();
    ~TavrinPlusAppDelegate() override;

    // Reaches the one delegate through the shared application.
    static TavrinPlusAppDelegate& shared();

    const std::shared_ptr<platform::Window>& window() const { return window_; }
    RootViewController& rootViewController() const { return *rootViewController_; }

    // Composes for this screen instead of the one the settings choose; before the launch.
    void setScreen(Screen screen) { screen_ = std::move(screen); }
    void applicationDidFinishLaunching(platform::Application& application) override;
    // Makes the screen anew for another phone: the window's size and every view. What is stored is
    // kept; what was on screen (open dialogs) starts afresh.
    void showScreen(const Screen& screen);
    // Told after showScreen, for the shell to follow the new size and the new views.
    std::function<void()> onScreenChanged;
    void AddDefaultUserSettings();
    void createDefaultUserValueIfEmpty(const std::string& key, platform::SettingsStore::Value defaultValue);
    platform::SettingsStore::Value getUserValueOrDefault(const std::string& key, platform::SettingsStore::Value defaultValue) const;

private:
    void followScreenChoices();

    std::shared_ptr<platform::Window> window_;
    std::unique_ptr<RootViewController> rootViewController_;
    std::optional<Screen> screen_;
};
