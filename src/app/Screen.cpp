#include "Screen.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace {

constexpr std::array<std::pair<RegionKind, const char*>, 8> regionNames{{
    {RegionKind::Status, "status"},
    {RegionKind::Cutout, "cutout"},
    {RegionKind::Clock, "clock"},
    {RegionKind::Widgets, "widgets"},
    {RegionKind::Notifications, "notifications"},
    {RegionKind::Shortcuts, "shortcuts"},
    {RegionKind::Gesture, "gesture"},
    {RegionKind::Unlock, "unlock"},
}};

std::optional<float> parseNumber(std::string_view text)
{
    float value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

std::optional<RegionKind> parseRegionKind(std::string_view text)
{
    for (auto [kind, name] : regionNames)
        if (text == name)
            return kind;
    return std::nullopt;
}

const char* formatRegionKind(RegionKind kind)
{
    for (auto [k, name] : regionNames)
        if (k == kind)
            return name;
    return "?";
}

Screen::Band Screen::freeBand() const
{
    // A region belongs to the top or the bottom of the lock screen by where its middle lies.
    Band band{0, points.height};
    for (const auto& region : regions) {
        const platform::Rect& r = region.rect;
        if (r.y() + r.height() / 2 < points.height / 2)
            band.top = std::max(band.top, r.maxY());
        else
            band.bottom = std::min(band.bottom, r.y());
    }
    return band;
}

std::optional<Screen> Screen::parseCustom(std::string_view text)
{
    auto times = text.find('x');
    auto at = text.find('@');
    if (times == std::string_view::npos || at == std::string_view::npos || at < times)
        return std::nullopt;
    auto width = parseNumber(text.substr(0, times));
    auto height = parseNumber(text.substr(times + 1, at - times - 1));
    auto scale = parseNumber(text.substr(at + 1));
    // From the smallest phone screen ever sold to a folded-open tablet; a scale of 1 to 5.
    if (!width || !height || !scale || *width < 240 || *height < 320 || *width > 1200 || *height > 2000 ||
        *scale < 1 || *scale > 5)
        return std::nullopt;

    Screen screen;
    screen.id = std::string(text);
    screen.name = "Custom " + std::string(text);
    screen.maker = "Custom";
    screen.system = "custom";
    screen.points = {*width, *height};
    screen.pixelWidth = int(std::lround(*width * *scale));
    screen.pixelHeight = int(std::lround(*height * *scale));
    screen.ppi = 160 * *scale; // the density the scale stands for on Android
    // What today's lock screens have in common: a status bar, a large clock and the bottom controls.
    const float w = *width, h = *height;
    screen.regions = {
        {RegionKind::Status, {0, 0, w, 48}},
        {RegionKind::Clock, {0, 48, w, std::round(h * 0.28f) - 48}},
        {RegionKind::Unlock, {0, std::round(h * 0.86f), w, h - std::round(h * 0.86f)}},
    };
    return screen;
}
