#pragma once

#include "Screen.h"
#include "WallpaperLayout.h"
#include "WallpaperStyle.h"

#include "platform/Image.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Whether the wallpaper's lettering can be read, by the two measures in use: the WCAG 2 contrast
// ratio and the APCA lightness contrast Lc. Each text is measured against the worst of what it
// stands on: the strip, at its opacity, over the background colour or over every pixel of the
// photograph under the text. Colours are packed 0xRRGGBBAA.
class Contrast {
public:
    struct Threshold {
        double ratio, lc;
    };
    // "TAVRIN:" and the number are large text; the information line is body text.
    static constexpr Threshold largeText{3, 45}, bodyText{4.5, 60};

    // One text of the wallpaper, measured.
    struct Reading {
        WallpaperLayout::Part part;
        // In English, as told to the user, and translated where shown: "the number"; "the strip",
        // "the strip over the photograph" …
        std::string text;
        std::string against;
        Threshold needed;
        double ratio = 21, lc = 0; // the lowest ratio and the Lc nearest 0 found

        bool passes() const;
        // To one decimal, "17.1:1" and "Lc -106.3"; a failing figure is never rounded up to its
        // threshold.
        std::string ratioText() const;
        std::string lcText() const;
    };

    // Of two colours, their alpha ignored.
    static double ratio(std::uint32_t a, std::uint32_t b);
    // Of lettering on a background, their alpha ignored: positive for dark on light.
    static double lc(std::uint32_t text, std::uint32_t background);
    // `top` drawn at its alpha over `below`, whose alpha is ignored, to eight bits a channel.
    static std::uint32_t over(std::uint32_t top, std::uint32_t below);

    // On `screen`, behind the strip the photograph as the wallpaper shows it (aspect fill over the
    // whole screen), or none.
    Contrast(const Screen& screen, platform::ImageRef photograph);

    // Each text the style shows, in reading order; none for no layout.
    std::vector<Reading> readings(const WallpaperStyle& style) const;
    bool passes(const WallpaperStyle& style) const;
    // One change that makes every text pass when some does not: white or black lettering, the one
    // of greater contrast where both pass; else the least strip opacity, in steps of 5%, at which
    // the lettering worn passes, or failing that white, or black. Nothing when all pass or nothing
    // helps.
    std::optional<WallpaperStyle> fix(const WallpaperStyle& style) const;

private:
    struct Text;
    static std::vector<Text> textsOf(const WallpaperStyle& style);
    // Where the style's strips stand: higher in the band when a scan code needs the room below.
    WallpaperLayout layoutFor(const WallpaperStyle& style) const;
    // Calls visit(colour, luminance, screen Y) with each colour the text stands on; of the
    // photograph, every `stride`th pixel across and down.
    template <class Visit>
    void forEachBackdrop(const WallpaperLayout& layout, const Text& text, const WallpaperStyle& style, int stride,
                         Visit visit) const;
    // For each lettering colour, whether every text passes on the style's strip and background.
    std::vector<bool> passEach(const WallpaperLayout& layout, const WallpaperStyle& style,
                               const std::vector<std::uint32_t>& letterings, int stride = 1) const;

    WallpaperLayout layout_; // with no scan code
    platform::ImageRef photograph_; // none when it cannot be read
};
