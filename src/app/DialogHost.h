#pragma once

#include "Screen.h"
#include "WallpaperStyle.h"

#include "platform/Color.h"
#include "platform/Image.h"

#include <cstdint>
#include <string>

namespace platform {
class ViewController;
}
class DialogBase;

// What a dialog may ask of the screen it floats over: the dialog stack, the capture, modal pickers
// and the wallpaper's style. Handed to each dialog when it is made.
class DialogHost {
public:
    virtual ~DialogHost() = default;

    virtual void pushDialog(DialogBase& dialog) = 0;
    virtual void popDialog() = 0;
    virtual void hideTopDialog() = 0;
    // Moves the dialog's top edge up under the status bar while a text field is edited, and back.
    virtual void slideDialogUp(DialogBase& dialog) = 0;
    virtual void slideDialogDown(DialogBase& dialog) = 0;
    // Starts the wallpaper's capture with its instructions.
    virtual void saveCurrentWallpaperClick() = 0;

    virtual void presentModalViewController(platform::ViewController& modal, bool animated) = 0;
    virtual void dismissModalViewControllerAnimated(bool animated) = 0;

    // The refresh: re-reads every setting and redraws the wallpaper, after texts were stored.
    virtual void viewWillAppear(bool animated) = 0;

    // The style. Each setter redraws at once; the flag says whether the value is also stored, which
    // dialogs withhold while a finger still drags. The one-argument forms store.
    virtual const WallpaperStyle& style() const = 0;
    virtual void setBGColor(const platform::Color& color, bool saveToDefaults) = 0;
    virtual void setStripColor(const platform::Color& color, bool saveToDefaults) = 0;
    virtual void setFontFaceColor(const platform::Color& color, bool saveToDefaults) = 0;
    virtual void setFontHighlightColor(const platform::Color& color, bool saveToDefaults) = 0;
    void setBGColor(const platform::Color& color) { setBGColor(color, true); }
    void setStripColor(const platform::Color& color) { setStripColor(color, true); }
    void setFontFaceColor(const platform::Color& color) { setFontFaceColor(color, true); }
    void setFontHighlightColor(const platform::Color& color) { setFontHighlightColor(color, true); }
    virtual void setLayout(StripLayout layout, bool saveToDefaults) = 0;
    void setClassicLayout() { setLayout(StripLayout::Classic, true); }
    void setSplitLayout() { setLayout(StripLayout::Split, true); }
    void setNoLayout() { setLayout(StripLayout::None, true); }
    virtual void setSelectedStyleName(const std::string& name) = 0;

    virtual platform::Color BGColor() const = 0;
    virtual platform::Color stripColor() const = 0;
    virtual platform::Color fontFaceColor() const = 0;
    virtual bool isWhiteFont() const = 0;
    bool isBlackFont() const { return !isWhiteFont(); }
    virtual bool isClassicLayout() const = 0;
    virtual bool isSplitLayout() const = 0;
    virtual bool isNoneLayout() const = 0;
    virtual std::uint32_t colorNumber(const platform::Color& color) const = 0;

    // The photograph behind the strip: the one shown, showing another, and storing it.
    virtual platform::ImageRef wallpaperImage() const = 0;
    virtual void setWallpaperImage(platform::ImageRef image) = 0;
    // False when it could not be written; the earlier file is kept.
    virtual bool saveImage(const platform::Image& image) = 0;
    // Keeps the photograph as chosen and the part of it framed, to frame it anew for another phone.
    virtual void keepOriginalPhotograph(const platform::Image& original, platform::Rect crop) = 0;
    // Shows the background colour again and deletes the stored photograph; false when its file could
    // not be deleted.
    virtual bool removePhotograph() = 0;

    // The phone the wallpaper is composed for. Choosing another stores it; the screen is made anew
    // for it once the current event is over, so the dialog that chose it is gone by then.
    virtual const Screen& screen() const = 0;
    virtual void chooseScreen(const Screen& screen) = 0;
    // The phone's own lock screen drawn over the wallpaper as a guide; shown at start, not stored.
    virtual bool isLockScreenShown() const = 0;
    virtual void setLockScreenShown(bool shown) = 0;
    // A few sample notifications where the phone's lock screen lists them; not stored either.
    virtual bool areNotificationsShown() const = 0;
    virtual void setNotificationsShown(bool shown) = 0;
};
