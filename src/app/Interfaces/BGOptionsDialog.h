#pragma once

#include <memory>

namespace platform {
class View;
}
class BGOptionsDialogViewController;

std::shared_ptr<platform::View> buildBGOptionsDialog(BGOptionsDialogViewController& controller);
