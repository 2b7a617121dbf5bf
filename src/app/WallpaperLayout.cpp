#include "WallpaperLayout.h"

#include "platform/Translate.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

using platform::Rect;

namespace {

struct Design {
    const char* name; // as told to the user
    Rect rect;        // in the design's box; strips reach across the whole screen
    float fontSize;   // 0 for a strip
};

// Indexed by WallpaperLayout::Part; lettering sits inside its strip.
constexpr Design designs[] = {
    {QT_TRANSLATE_NOOP("WallpaperLayout", "the strip"), {0, 50, 320, 168}, 0},
    {QT_TRANSLATE_NOOP("WallpaperLayout", "\"TAVRIN:\""), {14, 60, 292, 40}, 30},
    {QT_TRANSLATE_NOOP("WallpaperLayout", "the number"), {14, 100, 292, 64}, 50},
    // Two lines' height about the middle of the one line it was drawn for.
    {QT_TRANSLATE_NOOP("WallpaperLayout", "the information line"), {14, 160, 292, 52}, 22},
    {QT_TRANSLATE_NOOP("WallpaperLayout", "the upper strip"), {0, 16, 320, 92}, 0},
    {QT_TRANSLATE_NOOP("WallpaperLayout", "the number"), {12, 16, 296, 92}, 38},
    {QT_TRANSLATE_NOOP("WallpaperLayout", "the lower strip"), {0, 160, 320, 92}, 0},
    {QT_TRANSLATE_NOOP("WallpaperLayout", "the information line"), {12, 160, 296, 92}, 28},
};

const Design& design(WallpaperLayout::Part part) { return designs[static_cast<int>(part)]; }

std::string wholePoints(float points)
{
    char text[16];
    std::snprintf(text, sizeof text, "%g", std::round(points));
    return text;
}

} // namespace

std::optional<WallpaperLayout::CodePlace> WallpaperLayout::codePlace(StripLayout layout, bool withInformation,
                                                                      int modules) const
{
    const Screen::Band band = screen_.freeBand();
    float stripsEnd = band.top, headroom = 0;
    if (layout == StripLayout::Classic) {
        stripsEnd = frameOf(Part::ClassicStrip).maxY();
        headroom = frameOf(Part::ClassicStrip).y() - band.top;
    } else if (layout == StripLayout::Split) {
        stripsEnd = frameOf(withInformation ? Part::SplitLowerStrip : Part::SplitUpperStrip).maxY();
        headroom = frameOf(Part::SplitUpperStrip).y() - band.top;
    }
    // Half a millimetre a module at the least, for cameras that focus close; up to a millimetre, which
    // reads from further away, as the room allows: below the strips where they stand, or else with
    // the strips lifted to the band's top.
    auto pixelsFor = [&](float millimetres) { return std::ceil(millimetres * screen_.ppi / 25.4f - 1e-4f); };
    const float gap = 4 * scale_; // under the strip; the band's foot is already clear of the lock screen
    CodePlace place;
    place.captionHeight = std::ceil(14 * scale_);
    for (float lift : {0.0f, std::max(0.0f, headroom)}) {
        const float top = stripsEnd - lift + gap, room = band.bottom - top;
        for (float pixels = pixelsFor(1.0f); pixels >= pixelsFor(0.5f); --pixels) {
            place.modulePoints = pixels / screen_.scale();
            const float side = float(modules + 2 * quietZoneModules) * place.modulePoints;
            const float height = side + place.captionHeight;
            if (height > room || side > screen_.points.width)
                continue;
            // On whole pixels of the screen, so that every module is the same whole number of them.
            auto onPixels = [&](float points) { return std::round(points * screen_.scale()) / screen_.scale(); };
            place.plate = {onPixels((screen_.points.width - side) / 2), onPixels(top + (room - height) / 2), side, height};
            place.lift = lift;
            return place;
        }
    }
    return std::nullopt;
}

WallpaperLayout WallpaperLayout::liftedBy(float points) const
{
    WallpaperLayout lifted = *this;
    lifted.box_ = box_.offsetBy(0, -points);
    return lifted;
}

platform::TextStyle WallpaperLayout::CodePlace::captionStyle() const
{
    platform::TextStyle style;
    style.font = {captionHeight * 0.7f, true};
    style.alignment = platform::TextAlignment::Center;
    style.color = platform::Color::black();
    style.minimumFontSize = captionHeight * 0.4f;
    return style;
}

WallpaperLayout::WallpaperLayout(const Screen& screen) : screen_(screen)
{
    const Screen::Band band = screen.freeBand();
    scale_ = std::max(smallestScale, std::min(screen.points.width / designWidth, band.height() / designHeight));
    const float height = designHeight * scale_;
    box_ = {0, band.top + (band.height() - height) / 2, screen.points.width, height};
}

Rect WallpaperLayout::frameOf(Part part) const
{
    const Design& d = design(part);
    const float y = box_.y() + d.rect.y() * scale_, height = d.rect.height() * scale_;
    if (d.fontSize == 0)
        return {0, y, screen_.points.width, height};
    const float left = (screen_.points.width - designWidth * scale_) / 2;
    return {left + d.rect.x() * scale_, y, d.rect.width() * scale_, height};
}

float WallpaperLayout::fontSizeOf(Part part) const { return design(part).fontSize * scale_; }

platform::TextStyle WallpaperLayout::letteringStyleOf(Part part) const
{
    platform::TextStyle style;
    style.font = {fontSizeOf(part), true};
    style.alignment = platform::TextAlignment::Center;
    style.shadowOffset = {scale_, 1.5f * scale_};
    style.minimumFontSize = 12;
    if (part == Part::ClassicInfo || part == Part::SplitInfo)
        style.maximumLines = 2;
    if (part == Part::ClassicContact || part == Part::SplitContact) {
        style.minimumFontSize = fontSizeOf(part == Part::ClassicContact ? Part::ClassicInfo : Part::SplitInfo);
        style.maximumLines = 2;
        style.shrinksBeforeBreaking = true;
        style.keepsTrailingNumberWhole = true;
    }
    return style;
}

std::optional<WallpaperLayout::Part> WallpaperLayout::contactPartOf(StripLayout layout)
{
    switch (layout) {
    case StripLayout::Classic: return Part::ClassicContact;
    case StripLayout::Split: return Part::SplitContact;
    case StripLayout::None: return std::nullopt;
    }
    return std::nullopt;
}

std::optional<WallpaperLayout::Part> WallpaperLayout::infoPartOf(StripLayout layout)
{
    switch (layout) {
    case StripLayout::Classic: return Part::ClassicInfo;
    case StripLayout::Split: return Part::SplitInfo;
    case StripLayout::None: return std::nullopt;
    }
    return std::nullopt;
}

platform::Point WallpaperLayout::pillOrigin(StripLayout layout, platform::Size size) const
{
    const float x = screen_.points.width - 90;
    if (layout == StripLayout::Classic) // above the strip, and below the lock screen's top when the box overflows it
        return {x, std::max(box_.y() + 3 * scale_, screen_.freeBand().top)};
    // Midway between the split layout's strips.
    const float gapTop = design(Part::SplitUpperStrip).rect.maxY(), gapBottom = design(Part::SplitLowerStrip).rect.y();
    return {x, box_.y() + (gapTop + gapBottom) / 2 * scale_ - size.height / 2};
}

std::vector<std::string> WallpaperLayout::problems(StripLayout layout, bool withInformation) const
{
    std::vector<Part> shown;
    if (layout == StripLayout::Classic) {
        shown = {Part::ClassicStrip, Part::ClassicTavrin, Part::ClassicContact};
        if (withInformation)
            shown.push_back(Part::ClassicInfo);
    } else if (layout == StripLayout::Split) {
        shown = {Part::SplitUpperStrip, Part::SplitContact};
        if (withInformation)
            shown.insert(shown.end(), {Part::SplitLowerStrip, Part::SplitInfo});
    }
    // Half a point of overlap is rounding, not a covered part.
    constexpr float tolerance = 0.5f;
    std::vector<std::string> found;
    for (Part part : shown) {
        const Rect r = frameOf(part);
        const std::string name = platform::translate("WallpaperLayout", design(part).name);
        if (r.x() < -tolerance || r.y() < -tolerance || r.maxX() > screen_.points.width + tolerance ||
            r.maxY() > screen_.points.height + tolerance) {
            found.push_back(platform::fillIn(platform::translate("WallpaperLayout", "%1 reaches beyond the screen's edge"), {name}));
            continue;
        }
        for (const CoveredRegion& region : screen_.regions) {
            Rect covered = r.intersection(region.rect);
            if (covered.width() > tolerance && covered.height() > tolerance)
                found.push_back(platform::fillIn(platform::translate("WallpaperLayout", "%1 lies %2 (points %3 to %4 from the top)"),
                                                 {name, platform::translate("Screen", whereUnder(region.kind)),
                                                  wholePoints(covered.y()), wholePoints(covered.maxY())}));
        }
    }
    return found;
}
