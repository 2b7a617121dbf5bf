#pragma once

#include "platform/Application.h"
#include "platform/SettingsStore.h"

#include <memory>

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

    void applicationDidFinishLaunching(platform::Application& application) override;
    void AddDefaultUserSettings();
    void createDefaultUserValueIfEmpty(const std::string& key, platform::SettingsStore::Value defaultValue);
    platform::SettingsStore::Value getUserValueOrDefault(const std::string& key, platform::SettingsStore::Value defaultValue) const;

private:
    std::shared_ptr<platform::Window> window_;
    std::unique_ptr<RootViewController> rootViewController_;
};
