#include "PackedColor.h"

#include <algorithm>
#include <cmath>

namespace {

// Clamped first: a component outside 0 to 1 would otherwise spill into the neighbouring channel.
std::uint32_t channel(float component)
{
    double c = std::clamp(static_cast<double>(component), 0.0, 1.0);
    return static_cast<std::uint32_t>(std::lround(c * 255.0));
}

float unitChannel(std::uint32_t byte) { return static_cast<float>(static_cast<double>(byte) / 255.0); }

} // namespace

std::uint32_t packColor(const platform::Color& color)
{
    return channel(color.red) << 24 | channel(color.green) << 16 | channel(color.blue) << 8 | channel(color.alpha);
}

platform::Color unpackColor(std::uint32_t v)
{
    return {unitChannel(v >> 24), unitChannel((v >> 16) & 0xFF), unitChannel((v >> 8) & 0xFF), unitChannel(v & 0xFF)};
}
