#pragma once

#include <memory>

namespace platform {
class View;
}
class MainDialogViewController;

std::shared_ptr<platform::View> buildMainDialog(MainDialogViewController& controller);
