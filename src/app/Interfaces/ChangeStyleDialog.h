#pragma once

#include <memory>

namespace platform {
class View;
}
class ChangeStyleDialogViewController;

std::shared_ptr<platform::View> buildChangeStyleDialog(ChangeStyleDialogViewController& controller);
