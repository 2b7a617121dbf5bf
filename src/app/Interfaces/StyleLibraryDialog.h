#pragma once

#include <memory>

namespace platform {
class View;
}
class StyleLibraryDialogViewController;

std::shared_ptr<platform::View> buildStyleLibraryDialog(StyleLibraryDialogViewController& controller);
