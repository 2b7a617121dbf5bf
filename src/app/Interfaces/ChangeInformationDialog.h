#pragma once

#include <memory>

namespace platform {
class View;
}
class ChangeInformationDialogViewController;

std::shared_ptr<platform::View> buildChangeInformationDialog(ChangeInformationDialogViewController& controller);
