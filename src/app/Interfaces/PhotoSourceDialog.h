#pragma once

#include "Dialogs/DialogBase.h"

#include <memory>

namespace platform {
class ImageView;
}
class PhotoSourceDialogViewController;

struct PhotoSourceDialogOutlets {
    DialogFrame frame;
    std::shared_ptr<platform::ImageView> iconPreview;
};

PhotoSourceDialogOutlets buildPhotoSourceDialog(PhotoSourceDialogViewController& controller);
