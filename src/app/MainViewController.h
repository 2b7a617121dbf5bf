#pragma once

#include "CaptureMode.h"
#include "DialogHost.h"
#include "Interfaces/MainView.h"
#include "PhotographStore.h"
#include "Screen.h"
#include "WallpaperLayout.h"
#include "WallpaperStyle.h"

#include "platform/Color.h"
#include "platform/Geometry.h"
#include "platform/Image.h"
#include "platform/ViewController.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class DialogBase;
class DialogStack;
class MainDialogViewController;
class SendToPhonePanel;

// The main screen: the wallpaper being composed, the dialog stack over it and the capture mode. It is
// the host of every dialog.
class MainViewController final : public platform::ViewController, public DialogHost, private MainViewOutlets {
public:
    // `screen` is the phone the wallpaper is composed for; the views lay out for it once.
    MainViewController(std::string nibName, Screen screen);

    const Screen& screen() const override { return screen_; }
    void chooseScreen(const Screen& screen) override;
    // Told of a phone chosen here; whoever owns this controller makes the screen anew for it.
    std::function<void(const Screen&)> onScreenChosen;
    bool isLockScreenShown() const override;
    void setLockScreenShown(bool shown) override;
    bool areNotificationsShown() const override;
    void setNotificationsShown(bool shown) override;
    ~MainViewController() override;

    void viewDidLoad() override;
    // The refresh: re-reads every setting and redraws the wallpaper.
    void viewWillAppear(bool animated) override;

    // Style state.
    void setLayout(StripLayout layout, bool saveToDefaults) override;
    void setClassicLayoutSaveDefaults(bool save);
    void setSplitLayoutSaveDefaults(bool save);
    void setNoLayoutSaveDefaults(bool save);
    bool isClassicLayout() const override;
    bool isSplitLayout() const override;
    bool isNoneLayout() const override;

    using DialogHost::setBGColor;
    using DialogHost::setFontFaceColor;
    using DialogHost::setFontHighlightColor;
    using DialogHost::setStripColor;
    void setBGColor(const platform::Color& color, bool saveToDefaults) override;
    void setStripColor(const platform::Color& color, bool saveToDefaults) override;
    void setFontFaceColor(const platform::Color& color, bool saveToDefaults) override;
    void setFontHighlightColor(const platform::Color& color, bool saveToDefaults) override;
    platform::Color BGColor() const override;
    platform::Color stripColor() const override;
    platform::Color fontFaceColor() const override;
    platform::Color fontHighlightColor() const;
    bool isWhiteFont() const override;
    void setSelectedStyleName(const std::string& name) override;
    // The wallpaper as data, kept in step with the views by every setter and the refresh.
    const WallpaperStyle& style() const override { return style_; }
    std::uint32_t colorNumber(const platform::Color& color) const override;

    // Previews.
    // What the scan code on the wallpaper carries; empty when none is shown.
    const std::string& shownCodeText() const { return shownCodeText_; }
    platform::ImageRef getLayoutPreview(const std::string& layout);
    void createLayoutPreviews();

    // The dialog stack.
    void pushDialog(DialogBase& dialog) override;
    void popDialog() override;
    DialogBase* CurrentDialog() const;
    void positionDialog(DialogBase* dialog);
    void hideTopDialog() override;
    void showTopDialog();
    void showButtonClick();
    void slideDialogUp(DialogBase& dialog) override;
    void slideDialogDown(DialogBase& dialog) override;
    // What the pop's slide does when it ends: takes the dialog's view away unless it was pushed again.
    void popDialogAnimationFinished(std::string_view animationID, bool finished, DialogBase* context);
    const std::vector<DialogBase*>& dialogStack() const;
    bool isDialogMinimized() const;
    MainDialogViewController& mainDialog() const { return *dlgMain; }

    void presentModalViewController(platform::ViewController& modal, bool animated) override
    {
        ViewController::presentModalViewController(modal, animated);
    }
    void dismissModalViewControllerAnimated(bool animated) override
    {
        ViewController::dismissModalViewControllerAnimated(animated);
    }

    // Capture mode and the photograph.
    using CaptureState = CaptureMode::State;
    CaptureState captureState() const;
    // The shell puts the capture's notice away before it takes a picture, and shows it after.
    CaptureMode& captureMode() { return *capture_; }
    void saveCurrentWallpaperClick() override;
    void saveInstructionsContinueButtonClick();
    void saveInstructionsCancelButtonClick();
    void saveScreenshotDoneButtonClick();
    void setAsLockScreenButtonClick();
    // Send to Phone: the wallpaper alone offered for one download over the local network, on a panel
    // over the instructions.
    void sendToPhoneButtonClick();
    // The wallpaper alone as a PNG at the phone's pixels, drawn by the shell while the capture mode
    // shows it; empty, with the reason in `why`, when it cannot be made.
    std::function<std::vector<std::uint8_t>(std::string& why)> wallpaperAlonePng;
    // Called when the Capture state begins, once the screen shows the wallpaper alone. The shell takes
    // the screen capture here, as the device's buttons would.
    std::function<void()> onCaptureStateEntered;
    platform::ImageRef wallpaperImage() const override;
    void setWallpaperImage(platform::ImageRef image) override;
    bool saveImage(const platform::Image& image) override;
    void keepOriginalPhotograph(const platform::Image& original, platform::Rect crop) override;
    bool removePhotograph() override;
    platform::ImageRef loadImage();
    // True when "wallpaper.jpg" is not the file last shown or saved here: another process replaced it.
    bool photoChangedOnDisk() const;
    platform::ImageRef getSnapshot();

protected:
    void loadView() override;

private:
    void setLayoutVisibility(bool split, bool topOnly, bool classic);
    // Shows the scan code the style asks for below the strips; why it cannot, if it cannot.
    std::optional<std::string> showCode(const WallpaperLayout& layout);
    std::string shownCodeText_;
    // Says what of the wallpaper the phone's lock screen would cover, if anything.
    void showSafeZones();

    std::unique_ptr<MainDialogViewController> dlgMain;
    PhotographStore photograph_;
    std::unique_ptr<DialogStack> stack_;
    std::unique_ptr<CaptureMode> capture_;
    std::unique_ptr<SendToPhonePanel> sendToPhone_;
    WallpaperStyle style_;
    Screen screen_;
};
