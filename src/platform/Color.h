#pragma once

namespace platform {

// A colour as four single-precision components from 0 to 1; all four always exist.
struct Color {
    float red = 0;
    float green = 0;
    float blue = 0;
    float alpha = 1;

    static constexpr Color rgba(float r, float g, float b, float a = 1) { return {r, g, b, a}; }
    // From 8-bit channel values, as the interface descriptions write them.
    static constexpr Color rgb255(int r, int g, int b, float a = 1)
    {
        return {float(r / 255.0), float(g / 255.0), float(b / 255.0), a};
    }
    static constexpr Color white(float a = 1) { return {1, 1, 1, a}; }
    static constexpr Color black(float a = 1) { return {0, 0, 0, a}; }
    static constexpr Color clear() { return {0, 0, 0, 0}; }

    constexpr Color withAlpha(float a) const { return {red, green, blue, a}; }

    friend bool operator==(const Color&, const Color&) = default;
};

} // namespace platform
