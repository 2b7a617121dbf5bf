#pragma once

#include "platform/Color.h"

#include <cstdint>

// The stored form of a colour: 0xRRGGBBAA, alpha in the lowest byte.
std::uint32_t packColor(const platform::Color& color);
platform::Color unpackColor(std::uint32_t packed);
