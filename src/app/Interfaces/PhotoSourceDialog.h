#pragma once

#include <memory>

namespace platform {
class View;
}
class PhotoSourceDialogViewController;

std::shared_ptr<platform::View> buildPhotoSourceDialog(PhotoSourceDialogViewController& controller);
