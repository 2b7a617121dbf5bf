#pragma once

#include "Contrast.h"
#include "Dialogs/DialogBase.h"
#include "Interfaces/StripOptionsDialog.h"
#include "SwatchPicker.h"
#include "WallpaperStyle.h"

// Styles the strip: its colour from the palettes, the lettering, the layout and the opacity, on
// three tab panels of which one is shown. Changes show at once and are stored unless a finger is
// still dragging.
class StripOptionsDialogViewController final : public DialogBase, private StripOptionsDialogOutlets {
public:
    static constexpr float opacityStep = 0.2f;

    StripOptionsDialogViewController(std::string nibName, DialogHost& preview);
    ~StripOptionsDialogViewController() override;

    void viewDidLoad() override;
    // Brings the slider, font and layout buttons and the palette's mark up to date with the wallpaper.
    void viewWillAppear(bool animated) override;

    void tabButtonColorClick();
    void tabButtonLayoutClick();
    void tabButtonFadeClick();
    void hideSelectedTab();

    void setFontWhite();
    void setFontBlack();
    // Makes every text readable in one change: white or black lettering, or the strip's opacity.
    void fixContrast();

    void classicStripSelected();
    void splitStripSelected();
    void noneStripSelected();
    // Held down, a layout button shows its layout on the wallpaper with the dialog faded round it; let
    // go on the button, the layout is chosen, elsewhere the one chosen before comes back.
    void layoutPressed(StripLayout layout, platform::View& button, bool pressed);

    void stripOpacitySliderValueChanged();
    void stripOpacitySliderEnd();
    void stripOpacityUpClick();
    void stripOpacityDownClick();

    void loadSwatchPalette(int index) { picker.loadSwatchPalette(index); }
    void nextSwatchButtonClicked() { picker.nextSwatchButtonClicked(); }
    void previousSwatchButtonClicked() { picker.previousSwatchButtonClicked(); }
    // Picks the colour under the last touch, with the slider's opacity.
    void colorByTouchSaveToDefaults(bool save);
    int currentSwatch() const { return picker.currentSwatch(); }

    void touchesBegan(const platform::Touch& touch) override;
    void touchesMoved(const platform::Touch& touch) override;
    void touchesEnded(const platform::Touch& touch) override;

protected:
    void loadView() override;

private:
    void selectTab(platform::Button& button, platform::View& panel);
    void selectLayoutButton(const platform::Button* chosen);
    void setOpacity(float opacity, bool save);
    // True when the touch is on the palette shown.
    bool followTouch(const platform::Touch& touch, bool save);
    // Shows the number's contrast on the wallpaper as it is now; once no finger drags (`settled`),
    // offers the fix when a text fails.
    void showContrast(bool settled);

    SwatchPicker picker;
    StripLayout chosenLayout_ = StripLayout::Split;
    std::optional<WallpaperStyle> fix_;
};
