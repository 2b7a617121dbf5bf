#pragma once

#include <functional>
#include <memory>
#include <string>

namespace platform {
class View;
}

struct NavigationBarButton {
    std::string title;
    std::string name; // its identifier is <prefix>.<name>
    std::function<void()> action;
};

// The bar across the top of a full-screen page: a title between two text buttons of one look; the
// right one, the way back, is pressed by Escape too.
// Identifiers: <prefix>.bar, <prefix>.title and the buttons' own.
std::shared_ptr<platform::View> makeNavigationBar(float width, const std::string& title, const std::string& identifierPrefix,
                                                  NavigationBarButton left, NavigationBarButton right);

inline constexpr float navigationBarHeight = 44;
