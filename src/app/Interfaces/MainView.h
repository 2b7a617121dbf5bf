#pragma once

#include "DialogStack.h"
#include "WallpaperLayout.h"

#include <memory>
#include <string>
#include <vector>

namespace platform {
class Button;
class ImageView;
class Label;
class View;
} // namespace platform
class LockScreenGuide;
class QrCodeView;
class MainViewController;

// The views of the main screen its controller works with. The strips and backgrounds are labels
// only for their colour.
struct MainViewOutlets {
    std::shared_ptr<platform::View> root;
    std::shared_ptr<platform::ImageView> wallpaper;
    std::shared_ptr<platform::View> menuLauncher;
    std::shared_ptr<platform::View> saveInstructions;
    std::shared_ptr<platform::Button> saveScreenshotDoneButton;
    std::shared_ptr<platform::Button> showButton;
    std::shared_ptr<platform::Label> upperBackgroundColor;
    std::shared_ptr<platform::Label> lowerBackgroundColor;
    std::shared_ptr<platform::View> classicLayout;
    std::shared_ptr<platform::Label> classicTavrin;
    std::shared_ptr<platform::Label> classicContact;
    std::shared_ptr<platform::Label> classicInfo;
    std::shared_ptr<platform::Label> classicStripColor;
    std::shared_ptr<platform::View> splitLayout;
    std::shared_ptr<platform::Label> splitContact;
    std::shared_ptr<platform::Label> splitInfo;
    std::shared_ptr<platform::Label> splitStripUpperColor;
    std::shared_ptr<platform::Label> splitStripLowerColor;
    std::shared_ptr<platform::View> splitLayoutTopOnly;
    std::shared_ptr<platform::Label> splitTopOnlyContact;
    std::shared_ptr<platform::Label> splitStripTopOnlyColor;
    std::shared_ptr<LockScreenGuide> overlayImage; // the phone's own lock screen, as a guide
    std::shared_ptr<platform::Label> safeZoneNotice; // what of the wallpaper the lock screen would cover
    std::shared_ptr<QrCodeView> qrCode;              // hidden unless the wallpaper carries a scan code
};

// Builds the main screen's views and connects their actions to `controller`.
MainViewOutlets buildMainView(MainViewController& controller);

// Shows what of the wallpaper `screen`'s lock screen would cover, one line each, or nothing.
void showLayoutProblems(platform::Label& notice, const Screen& screen, const std::vector<std::string>& problems);

// Places the layouts' strips and lettering and the launcher for the screen, and tells where the
// dialogs go over them.
DialogStack::Places layOutMainView(MainViewOutlets& outlets, const WallpaperLayout& layout);
