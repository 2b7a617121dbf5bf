#pragma once

#include "platform/Geometry.h"

#include <memory>

namespace platform {
class View;
}
class ThemeCellViewController;

// A style row fills the style library's table.
inline constexpr platform::Size themeCellSize{256, 52};

std::shared_ptr<platform::View> buildThemeCell(ThemeCellViewController& controller);
