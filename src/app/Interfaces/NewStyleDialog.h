#pragma once

#include <memory>

namespace platform {
class View;
}
class NewStyleDialogViewController;

std::shared_ptr<platform::View> buildNewStyleDialog(NewStyleDialogViewController& controller);
