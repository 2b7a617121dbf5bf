#include "StyleLibrary.h"

#include "SettingsKeys.h"
#include "TextOrder.h"

#include "platform/SettingsStore.h"

#include <algorithm>
#include <limits>

using Value = platform::SettingsStore::Value;

namespace {

// In the order they are added; sorting puts them in name order.
const StyleRecord builtInStyles[] = {
    {"Sahara Dunes", 0x4C483BFF, 0xFFEB9BFF, 0xFFFFFFFF, 0x000000FF},
    {"Blue Velvet", 0x1B3872FF, 0x092C7EFF, 0xFFFFFFFF, 0x000000FF},
    {"A Tisket, A Tasket", 0xFFEA00FF, 0x4BC600FF, 0x000000FF, 0x00000000},
    {"Autumn Line", 0x85530DFF, 0x9C2F1DFF, 0xFFFFFFFF, 0x000000FF},
    {"Samurai Jill", 0xA70000FF, 0x000000FF, 0xFFFFFFFF, 0x000000FF},
    {"Hello Princess", 0xF89DBFFF, 0xFD327EFF, 0xFFFFFFFF, 0x000000FF},
    {"Artsy Photograph", 0x1B1C1CFF, 0xA8A8A8FF, 0xFFFFFFFF, 0x000000FF},
    {"Purpular", 0x5000B4FF, 0x57268FFF, 0xFFFFFFFF, 0x000000FF},
};

// A colour that is missing, or not a 32-bit unsigned number, reads as 0 (transparent black).
std::uint32_t storedColor(const Value& entry, const char* key)
{
    auto it = entry.find(key);
    if (it == entry.end() || !it->is_number_unsigned())
        return 0;
    auto v = it->get<std::uint64_t>();
    return v > std::numeric_limits<std::uint32_t>::max() ? 0 : std::uint32_t(v);
}

// The saved styles as stored, or an empty array when there are none (or the value is not an array).
Value storedStyles(const platform::SettingsStore& store)
{
    const Value* stored = store.arrayForKey(keys::userSavedThemes);
    return stored ? *stored : Value::array();
}

} // namespace

bool StyleRecord::matches(const WallpaperStyle& style) const
{
    return stripColor == style.stripColor && backgroundColor == style.backgroundColor &&
           fontFaceColor == style.fontFaceColor;
}

StyleLibrary::StyleLibrary(platform::SettingsStore& store) : store_(store) { reload(); }

void StyleLibrary::reload()
{
    styles_.assign(std::begin(builtInStyles), std::end(builtInStyles));
    // Entries this application never writes are left out of the list, and left as they are in the store.
    for (const Value& entry : storedStyles(store_)) {
        if (!entry.is_object())
            continue;
        auto name = entry.find(keys::themeName);
        if (name == entry.end() || !name->is_string())
            continue;
        styles_.push_back({name->get<std::string>(), storedColor(entry, keys::stripColor),
                           storedColor(entry, keys::bgColor), storedColor(entry, keys::fontFace),
                           storedColor(entry, keys::fontHighlight), true});
    }
    std::stable_sort(styles_.begin(), styles_.end(),
                     [](const StyleRecord& a, const StyleRecord& b) { return compareFoldingCase(a.name, b.name) < 0; });
}

std::optional<std::size_t> StyleLibrary::find(std::string_view name, bool userOnly) const
{
    for (std::size_t i = 0; i < styles_.size(); ++i)
        if (styles_[i].name == name && (styles_[i].isUserStyle || !userOnly))
            return i;
    return std::nullopt;
}

bool StyleLibrary::isModified(std::string_view name, const WallpaperStyle& current) const
{
    auto at = find(name);
    return !at || !styles_[*at].matches(current);
}

void StyleLibrary::save(const std::string& name, const WallpaperStyle& colours)
{
    platform::SettingsStore::Transaction oneWrite(store_);
    Value entry = Value::object();
    entry[keys::stripColor] = colours.stripColor;
    entry[keys::bgColor] = colours.backgroundColor;
    entry[keys::fontFace] = colours.fontFaceColor;
    entry[keys::fontHighlight] = colours.fontHighlightColor;
    entry[keys::themeName] = name;
    store_.setObject(keys::styleName, name);
    Value saved = storedStyles(store_);
    saved.push_back(std::move(entry));
    store_.setObject(keys::userSavedThemes, std::move(saved));
    reload();
}

void StyleLibrary::remove(const std::string& name)
{
    platform::SettingsStore::Transaction oneWrite(store_);
    Value saved = storedStyles(store_);
    std::erase_if(saved.get_ref<Value::array_t&>(), [&](const Value& entry) {
        if (!entry.is_object())
            return false;
        auto it = entry.find(keys::themeName);
        return it != entry.end() && it->is_string() && it->get_ref<const std::string&>() == name;
    });
    store_.setObject(keys::userSavedThemes, std::move(saved));
    reload();
    // The colours worn stay, but no longer under the name of a style that is gone.
    if (store_.stringForKey(keys::styleName) == name && !find(name))
        store_.setObject(keys::styleName, std::string());
}

void StyleLibrary::apply(const StyleRecord& style)
{
    platform::SettingsStore::Transaction oneWrite(store_);
    store_.setObject(keys::bgColor, style.backgroundColor);
    store_.setObject(keys::stripColor, style.stripColor);
    store_.setObject(keys::fontFace, style.fontFaceColor);
    store_.setObject(keys::fontHighlight, style.fontHighlightColor);
    store_.setObject(keys::styleName, style.name);
}
