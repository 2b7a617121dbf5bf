#pragma once

#include "platform/Geometry.h"

#include <memory>

namespace platform {
class Button;
class ImageView;
class Label;
class View;
} // namespace platform
class ContrastMark;
class ThemeCellViewController;

// A style row fills the style library's table.
inline constexpr platform::Size themeCellSize{256, 52};

struct ThemeCellOutlets {
    std::shared_ptr<platform::View> root;
    std::shared_ptr<platform::ImageView> selectionBar;
    std::shared_ptr<platform::Label> themeName;
    std::shared_ptr<platform::Label> stripColor;
    std::shared_ptr<platform::Label> bgColor;
    std::shared_ptr<platform::Label> fontColor;
    std::shared_ptr<ContrastMark> faintMark; // shown when the style's lettering would be hard to read
    std::shared_ptr<platform::Button> actionButton;
};

ThemeCellOutlets buildThemeCell(ThemeCellViewController& controller);
