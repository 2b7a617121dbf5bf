#pragma once

#include "platform/Geometry.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What a phone's lock screen draws over its wallpaper.
enum class RegionKind { Status, Cutout, Clock, Widgets, Notifications, Shortcuts, Gesture, Unlock };

std::optional<RegionKind> parseRegionKind(std::string_view text);
// As written in the catalogue: "status", "cutout", "clock", …
const char* formatRegionKind(RegionKind kind);
// Where a part lies that the region covers, in English: "under the status bar", "under the clock", …
const char* whereUnder(RegionKind kind);

struct CoveredRegion {
    RegionKind kind;
    platform::Rect rect; // in the screen's points

    bool operator==(const CoveredRegion&) const = default;
};

// One phone screen: its size in points (dp on Android), its own pixels, and the regions its lock
// screen covers.
struct Screen {
    std::string id;
    std::string name;
    std::string maker;
    std::string system; // "classic", "ios", "android", "linux" or "custom"
    platform::Size points;
    int pixelWidth = 0;
    int pixelHeight = 0;
    float ppi = 0;
    std::vector<CoveredRegion> regions;

    // Device pixels a point: 3 on most iPhones, 2.625 on a Pixel, 2.88 on a 13 mini.
    float scale() const { return float(pixelWidth) / points.width; }

    // The band, top to bottom, that nothing the lock screen draws at the top or the bottom reaches:
    // where the strip and its lettering belong.
    struct Band {
        float top = 0;
        float bottom = 0;
        float height() const { return bottom - top; }
    };
    Band freeBand() const;

    // The maker and name as the window shows them: a custom screen's in the user's language. The
    // command line's listings keep `maker` and `name`.
    std::string shownMaker() const;
    std::string shownName() const;

    // A screen of `WIDTHxHEIGHT@SCALE` (points and pixels a point, e.g. "390x844@3") with the regions
    // most lock screens cover; nothing when the text is not one or its figures are not a phone's.
    static std::optional<Screen> parseCustom(std::string_view text);
};
