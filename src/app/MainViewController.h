#pragma once

#include "CaptureMode.h"
#include "PhotographStore.h"
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

namespace platform {
class Button;
class ImageView;
class Label;
class View;
} // namespace platform

class DialogBase;
class DialogStack;
class MainDialogViewController;

// The main screen: the wallpaper being composed, the dialog stack over it and the capture mode.
class MainViewController final : public platform::ViewController {
public:
    explicit MainViewController(std::string nibName);
    ~MainViewController() override;

    void viewDidLoad() override;
    // The refresh: re-reads every setting and redraws the wallpaper.
    void viewWillAppear(bool animated) override;

    // Style state.
    void setClassicLayout() { setClassicLayoutSaveDefaults(true); }
    void setSplitLayout() { setSplitLayoutSaveDefaults(true); }
    void setNoLayout() { setNoLayoutSaveDefaults(true); }
    void setClassicLayoutSaveDefaults(bool save);
    void setSplitLayoutSaveDefaults(bool save);
    void setNoLayoutSaveDefaults(bool save);
    bool isClassicLayout() const;
    bool isSplitLayout() const;
    bool isNoneLayout() const;

    void setBGColor(const platform::Color& color) { setBGColor(color, true); }
    void setBGColor(const platform::Color& color, bool saveToDefaults);
    void setStripColor(const platform::Color& color) { setStripColor(color, true); }
    void setStripColor(const platform::Color& color, bool saveToDefaults);
    void setFontFaceColor(const platform::Color& color) { setFontFaceColor(color, true); }
    void setFontFaceColor(const platform::Color& color, bool saveToDefaults);
    void setFontHighlightColor(const platform::Color& color) { setFontHighlightColor(color, true); }
    void setFontHighlightColor(const platform::Color& color, bool saveToDefaults);
    platform::Color BGColor() const;
    platform::Color stripColor() const;
    platform::Color fontFaceColor() const;
    platform::Color fontHighlightColor() const;
    bool isWhiteFont() const;
    bool isBlackFont() const { return !isWhiteFont(); }
    void setSelectedStyleName(const std::string& name);
    // The wallpaper as data, kept in step with the views by every setter and the refresh.
    const WallpaperStyle& style() const { return style_; }
    std::uint32_t colorNumber(const platform::Color& color) const;

    // Previews.
    platform::ImageRef getLayoutPreview(const std::string& layout);
    void createLayoutPreviews();

    // The dialog stack.
    void pushDialog(DialogBase& dialog);
    void popDialog();
    DialogBase* CurrentDialog() const;
    void positionDialog(DialogBase* dialog);
    void hideTopDialog();
    void showTopDialog();
    void showButtonClick();
    void slideDialogUp(DialogBase& dialog);
    void slideDialogDown(DialogBase& dialog);
    // What the pop's slide does when it ends: takes the dialog's view away unless it was pushed again.
    void popDialogAnimationFinished(std::string_view animationID, bool finished, DialogBase* context);
    const std::vector<DialogBase*>& dialogStack() const;
    bool isDialogMinimized() const;

    // Capture mode and the photograph.
    using CaptureState = CaptureMode::State;
    CaptureState captureState() const;
    void saveCurrentWallpaperClick();
    void saveInstructionsContinueButtonClick();
    void saveInstructionsCancelButtonClick();
    void saveScreenshotDoneButtonClick();
    // Called when the Capture state begins, once the screen shows the wallpaper alone. The shell takes
    // the screen capture here, as the device's buttons would.
    std::function<void()> onCaptureStateEntered;
    // Writes "wallpaper.jpg"; false when it could not be written (the earlier file is kept).
    bool saveImage(const platform::Image& image);
    platform::ImageRef loadImage();
    // True when "wallpaper.jpg" is not the file last shown or saved here: another process replaced it.
    bool photoChangedOnDisk() const;
    platform::ImageRef getSnapshot();
    // Where the shell's screen captures go; shown in the instructions.
    static std::string photoAlbumDescription();

    MainDialogViewController& mainDialog() const { return *dlgMain; }

    // Outlets, connected by the interface description "MainView".
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
    std::shared_ptr<platform::View> overlayImage; // the lock screen's clock and slider, as a guide
    std::unique_ptr<MainDialogViewController> dlgMain;

protected:
    void loadView() override;

private:
    void setLayoutVisibility(bool split, bool topOnly, bool classic);

    PhotographStore photograph_;
    std::unique_ptr<DialogStack> stack_;
    std::unique_ptr<CaptureMode> capture_;
    WallpaperStyle style_;
};
