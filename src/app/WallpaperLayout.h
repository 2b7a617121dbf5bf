#pragma once

#include "Screen.h"
#include "WallpaperStyle.h"

#include "platform/Geometry.h"

#include <string>
#include <vector>

// Where the wallpaper's strips and lettering lie on a screen, in its points from the top left.
// The layouts are drawn for the original 320 by 480 screen; on another they are scaled with the
// width, never more than the band its lock screen leaves free allows, and centred in that band.
// The strips reach from edge to edge.
class WallpaperLayout {
public:
    // The design's size: the three layouts share one 320 by 268 box.
    static constexpr float designWidth = 320;
    static constexpr float designHeight = 268;
    // Below this the lettering grows too small to read; the layout overflows its band instead.
    static constexpr float smallestScale = 0.75f;

    explicit WallpaperLayout(const Screen& screen);

    const Screen& screen() const { return screen_; }
    float scale() const { return scale_; }
    // The box the three layouts share: from edge to edge, as tall as the scaled design.
    platform::Rect box() const { return box_; }
    // A rectangle of the design's box, in screen points. Horizontally the design is centred.
    platform::Rect place(platform::Rect design) const;
    // Where a part reaching across the whole design lies: from edge to edge of the screen.
    platform::Rect placeAcross(float designY, float designHeight) const;

    // The parts a finder must see, as they lie for `layout` (the split layout's lower strip is left
    // out when it holds no information line).
    struct Part {
        std::string name; // "the number", "the strip", "the information line", …
        platform::Rect rect;
    };
    std::vector<Part> visibleParts(StripLayout layout, bool withInformation) const;

    // Every part that lies under a region the lock screen covers or beyond the screen's edge, one
    // line each, e.g. "the number lies under the clock (points 59 to 194)".
    std::vector<std::string> problems(StripLayout layout, bool withInformation) const;

private:
    Screen screen_;
    float scale_ = 1;
    platform::Rect box_;
};
