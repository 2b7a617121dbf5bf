#pragma once

#include "platform/Color.h"

// The look shared by the platform's controls: a dark, translucent phone style.
namespace platform::theme {

inline constexpr Color accent = Color::rgb255(10, 132, 255);
// A light line on a dark edge: the focus ring shows over any colour a wallpaper or dialog has.
inline constexpr Color focusRing = Color::rgb255(120, 200, 255);
inline constexpr Color focusRingEdge = Color::rgb255(0, 0, 0, 0.55f);
inline constexpr Color controlFill = Color::rgb255(255, 255, 255, 0.14f);
inline constexpr Color controlSelectedFill = Color::rgb255(10, 132, 255);
inline constexpr Color controlText = Color::white();
inline constexpr Color disabledText = Color::rgb255(255, 255, 255, 0.35f);
inline constexpr Color highlightOverlay = Color::rgb255(255, 255, 255, 0.22f);
inline constexpr Color fieldFill = Color::rgb255(255, 255, 255);
inline constexpr Color fieldText = Color::rgb255(20, 20, 22);
inline constexpr Color placeholderText = Color::rgb255(140, 140, 148);
inline constexpr Color separator = Color::rgb255(255, 255, 255, 0.12f);
inline constexpr float controlRadius = 8;
// Behind a page reached by flipping the screen over.
inline constexpr Color flipsideBackground = Color::rgb255(31, 33, 38);

} // namespace platform::theme
