#pragma once

#include <cstdint>

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
inline constexpr const char* device = "device"; // the phone screen composed for; absent is "classic"
inline constexpr const char* qrCode = "qr_code";  // "none", "tel" or "url"; absent is "none"
inline constexpr const char* qrUrl = "qr_url";    // the https address a "url" code carries
} // namespace keys

// What the first start writes, and what a missing or unreadable value falls back to.
namespace defaults {
inline constexpr const char* stripLayout = "split";
inline constexpr const char* phonePreference = "911";
inline constexpr std::uint32_t fontFace = 0xFFFFFFFF;
inline constexpr std::uint32_t fontHighlight = 0x000000FF;
inline constexpr std::uint32_t stripColor = 0x1B1C1CFF;
inline constexpr std::uint32_t bgColor = 0xA8A8A8FF;
inline constexpr const char* styleName = "Artsy Photograph";
} // namespace defaults
