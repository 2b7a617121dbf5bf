#pragma once

#include "Screen.h"
#include "WallpaperStyle.h"

#include "platform/Geometry.h"
#include "platform/Painter.h"

#include <optional>
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
    // Never smaller than on the original screen, where it was made to be read: a layout too tall
    // for the band overflows it instead, and the problems say so.
    static constexpr float smallestScale = 1;
    // The light modules a scan code needs on every side.
    static constexpr int quietZoneModules = 4;

    // The parts of the layouts; the top-only layout is the split layout's upper half.
    enum class Part { ClassicStrip, ClassicTavrin, ClassicContact, ClassicInfo, SplitUpperStrip, SplitContact, SplitLowerStrip, SplitInfo };

    explicit WallpaperLayout(const Screen& screen);

    const Screen& screen() const { return screen_; }
    float scale() const { return scale_; }
    // The box the three layouts share: from edge to edge, as tall as the scaled design.
    platform::Rect box() const { return box_; }
    // Where a part lies on the screen, and the size of its lettering (0 for a strip).
    platform::Rect frameOf(Part part) const;
    float fontSizeOf(Part part) const;
    // How a part's lettering is drawn, but for its colours: bold and centred at its size. A long
    // information line breaks onto two lines before it shrinks; a long number shrinks down to the
    // information line's size, never smaller, then breaks onto two lines, and only then is shortened.
    platform::TextStyle letteringStyleOf(Part part) const;
    // The parts that show the number and the information line in a layout; none for no layout.
    static std::optional<Part> contactPartOf(StripLayout layout);
    static std::optional<Part> infoPartOf(StripLayout layout);
    // Where the menu pill of `size` goes over a layout: inside the box, clear of every part's
    // lettering (above the classic strip, between the split layout's strips) and so of whatever the
    // lock screen covers, at the right.
    platform::Point pillOrigin(StripLayout layout, platform::Size size) const;

    // Every part a finder must see that lies under a region the lock screen covers or beyond the
    // screen's edge, one line each, e.g. "the number lies under the clock (points 59 to 194 from the
    // top)". The split layout's lower half counts only when it holds an information line.
    std::vector<std::string> problems(StripLayout layout, bool withInformation) const;

    // Where a scan code of `modules` modules a side goes: on a light plate that holds its quiet zone
    // and, beneath, its caption; centred in the band below the lowest strip shown, on whole pixels of
    // the screen. A module is a whole number of the screen's pixels, half a millimetre to a millimetre wide.
    struct CodePlace {
        platform::Rect plate;
        float modulePoints = 0;
        float captionHeight = 0; // at the plate's foot, under the quiet zone
        float lift = 0;          // how far the strips move up to make room for it, at most to the band's top
        platform::TextStyle captionStyle() const;
    };
    // Nothing when the band below the strips cannot hold it.
    std::optional<CodePlace> codePlace(StripLayout layout, bool withInformation, int modules) const;
    // The same layout with the strips and lettering moved up.
    WallpaperLayout liftedBy(float points) const;

private:
    Screen screen_;
    float scale_ = 1;
    platform::Rect box_;
};
