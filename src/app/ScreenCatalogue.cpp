#include "ScreenCatalogue.h"

#include <nlohmann/json.hpp>

#include <map>

using nlohmann::json;

// Generated at build time from resources/screens.json.
extern const char* const builtInScreenCatalogue;

namespace {

float number(const json& object, const char* key, const std::string& where)
{
    auto it = object.find(key);
    if (it == object.end() || !it->is_number())
        throw ScreenCatalogue::Malformed(where + ": " + key + " is not a number");
    return it->get<float>();
}

// A region is placed like an absolutely positioned box: top or bottom, left or right, and a width
// that spans the screen between left and right when absent.
platform::Rect placeRegion(const json& r, platform::Size screen, const std::string& where)
{
    auto optional = [&](const char* key) -> std::optional<float> {
        return r.contains(key) ? std::optional(number(r, key, where)) : std::nullopt;
    };
    const float height = number(r, "height", where);
    const auto top = optional("top"), bottom = optional("bottom");
    const auto left = optional("left"), right = optional("right"), width = optional("width");
    if (top.has_value() == bottom.has_value())
        throw ScreenCatalogue::Malformed(where + ": a region needs either top or bottom");
    const float y = top ? *top : screen.height - *bottom - height;
    float x = left.value_or(0);
    float w = width ? *width : screen.width - x - right.value_or(0);
    if (width && right && !left)
        x = screen.width - *right - w;
    platform::Rect rect{x, y, w, height};
    if (rect.isEmpty() || rect.x() < 0 || rect.y() < 0 || rect.maxX() > screen.width + 0.01f ||
        rect.maxY() > screen.height + 0.01f)
        throw ScreenCatalogue::Malformed(where + ": a region lies outside the screen");
    return rect;
}

bool isCatalogueId(const std::string& id)
{
    return !id.empty() && std::all_of(id.begin(), id.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
    });
}

} // namespace

ScreenCatalogue::ScreenCatalogue(std::string_view text)
{
    json document = json::parse(text, nullptr, false);
    if (!document.is_object() || !document.contains("screens") || !document["screens"].is_array())
        throw Malformed("the catalogue has no list of screens");

    std::map<std::string, json> seen;
    for (json entry : document["screens"]) {
        if (!entry.is_object() || !entry.contains("id") || !entry["id"].is_string())
            throw Malformed("a screen has no id");
        const std::string id = entry["id"];
        if (!isCatalogueId(id) || seen.contains(id))
            throw Malformed(id + ": the id is not lower case letters, digits and hyphens, or not unique");
        if (auto like = entry.find("like"); like != entry.end()) {
            auto base = seen.find(like->is_string() ? like->get<std::string>() : "");
            if (base == seen.end())
                throw Malformed(id + ": it is like a screen listed nowhere before it");
            json merged = base->second;
            merged.update(entry);
            entry = std::move(merged);
        }
        seen[id] = entry;

        Screen screen;
        screen.id = id;
        for (auto [field, key] : {std::pair{&screen.name, "name"}, {&screen.maker, "maker"}, {&screen.system, "system"}}) {
            if (!entry.contains(key) || !entry[key].is_string())
                throw Malformed(id + ": " + key + " is not text");
            *field = entry[key];
        }
        const json& points = entry.value("points", json());
        const json& pixels = entry.value("pixels", json());
        if (!points.is_array() || points.size() != 2 || !pixels.is_array() || pixels.size() != 2 ||
            !points[0].is_number() || !points[1].is_number() || !pixels[0].is_number_integer() || !pixels[1].is_number_integer())
            throw Malformed(id + ": points and pixels are not pairs of numbers");
        screen.points = {points[0].get<float>(), points[1].get<float>()};
        screen.pixelWidth = pixels[0];
        screen.pixelHeight = pixels[1];
        screen.ppi = number(entry, "ppi", id);
        if (screen.points.width <= 0 || screen.pixelWidth <= 0 || screen.pixelHeight <= 0 ||
            std::abs(screen.scale() - screen.pixelHeight / screen.points.height) > 0.01f)
            throw Malformed(id + ": the pixels are not the points at one scale");
        for (const json& r : entry.value("regions", json::array())) {
            auto kind = parseRegionKind(r.value("kind", ""));
            if (!kind)
                throw Malformed(id + ": a region of no known kind");
            screen.regions.push_back({*kind, placeRegion(r, screen.points, id)});
        }
        screens_.push_back(std::move(screen));
    }
    if (screens_.empty() || screens_.front().id != "classic")
        throw Malformed("the catalogue does not start with the classic screen");
}

const ScreenCatalogue& ScreenCatalogue::builtIn()
{
    static const ScreenCatalogue catalogue(builtInScreenCatalogue);
    return catalogue;
}

const Screen* ScreenCatalogue::find(std::string_view id) const
{
    for (const auto& screen : screens_)
        if (screen.id == id)
            return &screen;
    return nullptr;
}

std::optional<Screen> ScreenCatalogue::resolve(std::string_view choice) const
{
    if (const Screen* screen = find(choice))
        return *screen;
    return Screen::parseCustom(choice);
}

Screen ScreenCatalogue::screenFor(const std::optional<std::string>& choice) const
{
    if (choice)
        if (auto screen = resolve(*choice))
            return *screen;
    return classic();
}
