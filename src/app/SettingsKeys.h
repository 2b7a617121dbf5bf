#pragma once

// The settings store's keys.
namespace keys {
inline constexpr const char* stripLayout = "strip_layout";
inline constexpr const char* phonePreference = "phone_preference";
inline constexpr const char* otherPreference = "other_preference";
inline constexpr const char* fontFace = "font_face";
inline constexpr const char* fontHighlight = "font_highlight";
inline constexpr const char* stripColor = "strip_color";
inline constexpr const char* bgColor = "bg_color";
inline constexpr const char* styleName = "style_name";
inline constexpr const char* userSavedThemes = "user_saved_themes";
inline constexpr const char* lastStyleName = "last_style_name";
inline constexpr const char* themeName = "theme_name";
} // namespace keys
