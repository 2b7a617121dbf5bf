#pragma once

#include "Dialogs/DialogBase.h"

#include "platform/Geometry.h"

#include <memory>

namespace platform {
class Button;
class Label;
class Slider;
class View;
} // namespace platform
class ContrastMark;
class StripOptionsDialogViewController;
class SwatchPaletteView;

// The three tab panels are not in the frame's view yet: the controller places them when it loads.
struct StripOptionsDialogOutlets {
    DialogFrame frame;
    std::shared_ptr<platform::View> tabColorView;
    std::shared_ptr<platform::Button> tabButtonColor;
    std::shared_ptr<platform::View> tabLayoutView;
    std::shared_ptr<platform::Button> tabButtonLayout;
    std::shared_ptr<platform::View> tabFadeView;
    std::shared_ptr<platform::Button> tabButtonFade;
    std::shared_ptr<platform::Button> whiteFontButton;
    std::shared_ptr<platform::Button> blackFontButton;
    // How well the number reads on what it stands on, and the one touch that makes every text read.
    std::shared_ptr<ContrastMark> contrastMark;
    std::shared_ptr<platform::Label> contrastRatio;
    std::shared_ptr<platform::Label> contrastLc;
    std::shared_ptr<platform::Button> contrastFixButton;
    std::shared_ptr<platform::View> swatchPaletteView;
    std::shared_ptr<SwatchPaletteView> colorSwatchImage;
    std::shared_ptr<platform::Label> swatchTitleLabel;
    std::shared_ptr<platform::View> opacityDialog;
    std::shared_ptr<platform::Slider> stripOpacitySlider;
    std::shared_ptr<platform::Button> classicLayoutButton;
    std::shared_ptr<platform::Button> splitLayoutButton;
    std::shared_ptr<platform::Button> noneLayoutButton;

    // Where the three panels lie on one another.
    platform::Point tabOrigin;
};

StripOptionsDialogOutlets buildStripOptionsDialog(StripOptionsDialogViewController& controller);
