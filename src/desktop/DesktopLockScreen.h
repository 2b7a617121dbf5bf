#pragma once

#include "platform/Services.h"

#include <optional>

namespace desktop {

// The Linux desktop's lock screen: the desktop portal's Wallpaper interface where a portal answers and
// takes it; else, on KDE Plasma, the screen locker's settings through kwriteconfig; else, on GNOME, the
// screen-saver picture through gsettings.
class DesktopLockScreen final : public platform::LockScreen {
public:
    bool canSetPicture() override;
    void setPicture(const std::filesystem::path& picture, std::function<void(platform::LockScreenOutcome)> done) override;

private:
    // Asked once: the desktop does not change under a running application.
    std::optional<bool> canSet_;
};

} // namespace desktop
