#pragma once

#include "Dialogs/DialogBase.h"

#include <memory>

namespace platform {
class ImageView;
}
class BGOptionsDialogViewController;

struct BGOptionsDialogOutlets {
    DialogFrame frame;
    std::shared_ptr<platform::ImageView> colorSwatchImage;
};

BGOptionsDialogOutlets buildBGOptionsDialog(BGOptionsDialogViewController& controller);
