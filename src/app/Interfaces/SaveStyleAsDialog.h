#pragma once

#include <memory>

namespace platform {
class View;
}
class SaveStyleAsDialogViewController;

std::shared_ptr<platform::View> buildSaveStyleAsDialog(SaveStyleAsDialogViewController& controller);
