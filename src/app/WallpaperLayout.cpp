#include "WallpaperLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

using platform::Rect;

namespace {

// The parts of the three layouts in the design's box; lettering sits inside its strip.
constexpr Rect classicStrip{0, 50, 320, 168};
constexpr Rect classicContact{14, 100, 292, 64};
constexpr Rect classicInfo{14, 166, 292, 40};
constexpr Rect classicTavrin{14, 60, 292, 40};
constexpr Rect splitUpperStrip{0, 16, 320, 92};
constexpr Rect splitContact{12, 16, 296, 92};
constexpr Rect splitLowerStrip{0, 160, 320, 92};
constexpr Rect splitInfo{12, 160, 296, 92};

std::string pointsRange(float from, float to)
{
    char text[64];
    std::snprintf(text, sizeof text, "points %g to %g", std::round(from), std::round(to));
    return text;
}

} // namespace

WallpaperLayout::WallpaperLayout(const Screen& screen) : screen_(screen)
{
    const Screen::Band band = screen.freeBand();
    scale_ = std::max(smallestScale, std::min(screen.points.width / designWidth, band.height() / designHeight));
    const float height = designHeight * scale_;
    box_ = {0, band.top + (band.height() - height) / 2, screen.points.width, height};
}

Rect WallpaperLayout::place(Rect design) const
{
    const float left = (screen_.points.width - designWidth * scale_) / 2;
    return {left + design.x() * scale_, box_.y() + design.y() * scale_, design.width() * scale_,
            design.height() * scale_};
}

Rect WallpaperLayout::placeAcross(float designY, float designHeight) const
{
    return {0, box_.y() + designY * scale_, screen_.points.width, designHeight * scale_};
}

std::vector<WallpaperLayout::Part> WallpaperLayout::visibleParts(StripLayout layout, bool withInformation) const
{
    auto across = [&](Rect design) { return placeAcross(design.y(), design.height()); };
    switch (layout) {
    case StripLayout::Classic: {
        std::vector<Part> parts{{"the strip", across(classicStrip)},
                                {"\"TAVRIN:\"", place(classicTavrin)},
                                {"the number", place(classicContact)}};
        if (withInformation)
            parts.push_back({"the information line", place(classicInfo)});
        return parts;
    }
    case StripLayout::Split: {
        std::vector<Part> parts{{"the upper strip", across(splitUpperStrip)}, {"the number", place(splitContact)}};
        if (withInformation) {
            parts.push_back({"the lower strip", across(splitLowerStrip)});
            parts.push_back({"the information line", place(splitInfo)});
        }
        return parts;
    }
    case StripLayout::None: return {};
    }
    return {};
}

std::vector<std::string> WallpaperLayout::problems(StripLayout layout, bool withInformation) const
{
    // Half a point of overlap is rounding, not a covered part.
    constexpr float tolerance = 0.5f;
    std::vector<std::string> found;
    for (const Part& part : visibleParts(layout, withInformation)) {
        const Rect& r = part.rect;
        if (r.x() < -tolerance || r.y() < -tolerance || r.maxX() > screen_.points.width + tolerance ||
            r.maxY() > screen_.points.height + tolerance) {
            found.push_back(part.name + " reaches beyond the screen's edge");
            continue;
        }
        for (const CoveredRegion& region : screen_.regions) {
            Rect covered = r.intersection(region.rect);
            if (covered.width() > tolerance && covered.height() > tolerance)
                found.push_back(part.name + " lies under the " + describeRegionKind(region.kind) + " (" +
                                pointsRange(covered.y(), covered.maxY()) + " from the top)");
        }
    }
    return found;
}
