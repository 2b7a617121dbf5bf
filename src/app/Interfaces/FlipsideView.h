#pragma once

#include <memory>

namespace platform {
class View;
class WebView;
} // namespace platform
class FlipsideViewController;

struct FlipsideViewOutlets {
    std::shared_ptr<platform::View> root;
    std::shared_ptr<platform::WebView> entryPage;
};

// The web side: the page under the root controller's navigation bar.
FlipsideViewOutlets buildFlipsideView(FlipsideViewController& controller);
