#include "Screen.h"

#include "platform/Translate.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace {

struct RegionName {
    RegionKind kind;
    const char* stored;
    const char* under; // where a part lies that it covers
};

constexpr std::array<RegionName, 8> regionNames{{
    {RegionKind::Status, "status", QT_TRANSLATE_NOOP("Screen", "under the status bar")},
    {RegionKind::Cutout, "cutout", QT_TRANSLATE_NOOP("Screen", "under the camera cut-out")},
    {RegionKind::Clock, "clock", QT_TRANSLATE_NOOP("Screen", "under the clock")},
    {RegionKind::Widgets, "widgets", QT_TRANSLATE_NOOP("Screen", "under the widgets")},
    {RegionKind::Notifications, "notifications", QT_TRANSLATE_NOOP("Screen", "under the notifications")},
    {RegionKind::Shortcuts, "shortcuts", QT_TRANSLATE_NOOP("Screen", "under the shortcut buttons")},
    {RegionKind::Gesture, "gesture", QT_TRANSLATE_NOOP("Screen", "under the home indicator")},
    {RegionKind::Unlock, "unlock", QT_TRANSLATE_NOOP("Screen", "under the unlock controls")},
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
    for (const RegionName& name : regionNames)
        if (text == name.stored)
            return name.kind;
    return std::nullopt;
}

const char* formatRegionKind(RegionKind kind)
{
    for (const RegionName& name : regionNames)
        if (name.kind == kind)
            return name.stored;
    return "?";
}

const char* whereUnder(RegionKind kind)
{
    for (const RegionName& name : regionNames)
        if (name.kind == kind)
            return name.under;
    return "?";
}

std::string Screen::shownMaker() const
{
    return system == "custom" ? platform::translate("Screen", "Custom") : maker;
}

std::string Screen::shownName() const
{
    return system == "custom" ? platform::fillIn(platform::translate("Screen", "Custom %1"), {id}) : name;
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
    // From the original screen, the smallest the dialogs fit, to a folded-open tablet; a scale of 1 to 5.
    if (!width || !height || !scale || *width < 320 || *height < 480 || *width > 1200 || *height > 2000 ||
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
    // What today's lock screens have in common, at the size they have whatever the screen: a status
    // bar, a large clock under it and the unlock controls at the bottom.
    const float w = *width, h = *height;
    screen.regions = {
        {RegionKind::Status, {0, 0, w, 24}},
        {RegionKind::Clock, {0, 24, w, 150}},
        {RegionKind::Unlock, {0, h - 96, w, 96}},
    };
    return screen;
}
