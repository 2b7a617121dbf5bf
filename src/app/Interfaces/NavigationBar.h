#pragma once

#include <functional>
#include <memory>
#include <string>

namespace platform {
class View;
}

// The bar across the top of a full-screen page: a title and, at the right, one text button.
// Identifiers: <prefix>.bar, <prefix>.title, <prefix>.done.
std::shared_ptr<platform::View> makeNavigationBar(float width, const std::string& title, const std::string& buttonTitle,
                                                  const std::string& identifierPrefix, std::function<void()> action);

inline constexpr float navigationBarHeight = 44;
