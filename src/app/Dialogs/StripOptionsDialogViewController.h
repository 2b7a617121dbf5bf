#pragma once

#include "Dialogs/DialogBase.h"
#include "SwatchPicker.h"

#include "platform/Geometry.h"

#include <memory>

namespace platform {
class Button;
class ImageView;
class Label;
class Slider;
class View;
} // namespace platform

// Styles the strip: its colour from the palettes, the lettering, the layout and the opacity, on
// three tab panels of which one is shown. Changes show at once and are stored unless a finger is
// still dragging.
class StripOptionsDialogViewController final : public DialogBase {
public:
    static constexpr float opacityStep = 0.2f;

    StripOptionsDialogViewController(std::string nibName, DialogHost& preview);
    ~StripOptionsDialogViewController() override;

    void viewDidLoad() override;
    // Brings the slider, font and layout buttons up to date with the wallpaper.
    void viewWillAppear(bool animated) override;

    void tabButtonColorClick();
    void tabButtonLayoutClick();
    void tabButtonFadeClick();
    void hideSelectedTab();

    void setFontWhite();
    void setFontBlack();

    void classicStripSelected();
    void splitStripSelected();
    void noneStripSelected();

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

    // Outlets, connected by the interface description "StripOptionsDialog".
    std::shared_ptr<platform::View> tabColorView;
    std::shared_ptr<platform::Button> tabButtonColor;
    std::shared_ptr<platform::View> tabLayoutView;
    std::shared_ptr<platform::Button> tabButtonLayout;
    std::shared_ptr<platform::View> tabFadeView;
    std::shared_ptr<platform::Button> tabButtonFade;
    std::shared_ptr<platform::Button> whiteFontButton;
    std::shared_ptr<platform::Button> blackFontButton;
    std::shared_ptr<platform::View> swatchPaletteView;
    std::shared_ptr<platform::ImageView> colorSwatchImage;
    std::shared_ptr<platform::Label> swatchTitleLabel;
    std::shared_ptr<platform::View> opacityDialog;
    std::shared_ptr<platform::Slider> stripOpacitySlider;
    std::shared_ptr<platform::Button> classicLayoutButton;
    std::shared_ptr<platform::Button> splitLayoutButton;
    std::shared_ptr<platform::Button> noneLayoutButton;

    // Where the three panels lie on one another; the interface description sets it.
    platform::Point tabOrigin;

protected:
    void loadView() override;

private:
    void selectTab(platform::Button& button, platform::View& panel);
    void selectLayoutButton(const platform::Button* chosen);
    void setOpacity(float opacity, bool save);
    void followTouch(const platform::Touch& touch, bool save);

    SwatchPicker picker;
};
