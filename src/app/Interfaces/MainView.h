#pragma once

#include <memory>

namespace platform {
class View;
}
class MainViewController;

std::shared_ptr<platform::View> buildMainView(MainViewController& controller);
