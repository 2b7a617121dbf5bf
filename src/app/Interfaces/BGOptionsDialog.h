#pragma once

#include "Dialogs/DialogBase.h"

#include <memory>

class BGOptionsDialogViewController;
class SwatchPaletteView;
namespace platform {
class Label;
}

struct BGOptionsDialogOutlets {
    DialogFrame frame;
    std::shared_ptr<SwatchPaletteView> colorSwatchImage;
    std::shared_ptr<platform::Label> swatchTitleLabel;
};

BGOptionsDialogOutlets buildBGOptionsDialog(BGOptionsDialogViewController& controller);
