#pragma once

#include <memory>

namespace platform {
class View;
}
class StripOptionsDialogViewController;

std::shared_ptr<platform::View> buildStripOptionsDialog(StripOptionsDialogViewController& controller);
