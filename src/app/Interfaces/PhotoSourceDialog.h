#pragma once

#include "Dialogs/DialogBase.h"

#include <memory>

namespace platform {
class Button;
class ImageView;
} // namespace platform
class PhotoSourceDialogViewController;

struct PhotoSourceDialogOutlets {
    DialogFrame frame;
    std::shared_ptr<platform::ImageView> iconPreview;
    std::shared_ptr<platform::Button> cameraButton;
    std::shared_ptr<platform::Button> removeButton;
};

PhotoSourceDialogOutlets buildPhotoSourceDialog(PhotoSourceDialogViewController& controller);
