#pragma once

#include <memory>

namespace platform {
class View;
}
class FlipsideViewController;

// The web side: the page under the root controller's navigation bar. Connects `entryPage`.
std::shared_ptr<platform::View> buildFlipsideView(FlipsideViewController& controller);
