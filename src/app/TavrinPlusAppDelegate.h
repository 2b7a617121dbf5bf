#pragma once

#include "Screen.h"

#include "platform/Application.h"
#include "platform/SettingsStore.h"

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
    void AddDefaultUserSettings();
    void createDefaultUserValueIfEmpty(const std::string& key, platform::SettingsStore::Value defaultValue);
    platform::SettingsStore::Value getUserValueOrDefault(const std::string& key, platform::SettingsStore::Value defaultValue) const;

private:
    std::shared_ptr<platform::Window> window_;
    std::unique_ptr<RootViewController> rootViewController_;
    std::optional<Screen> screen_;
};
