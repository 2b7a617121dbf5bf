#pragma once

#include "WallpaperStyle.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {
class SettingsStore;
}

// One named set of colours: a built-in style or one the user saved.
struct StyleRecord {
    std::string name;
    std::uint32_t stripColor = 0, backgroundColor = 0, fontFaceColor = 0, fontHighlightColor = 0;
    bool isUserStyle = false;

    // Whether the wallpaper wears this style: its strip, background and font-face colours. The
    // highlight is deliberately not compared.
    bool matches(const WallpaperStyle& style) const;
};

// The eight built-in styles and the user's saved ones (stored under "user_saved_themes"), with no
// views: the style list, the save-as dialog, the style menu's label and the command line share it.
class StyleLibrary {
public:
    // Reads the saved styles from the store.
    explicit StyleLibrary(platform::SettingsStore& store);

    // Sorted by name after full case folding, with no locale rules ("émile" equals "Émile"); equal
    // names keep the order they were added in: the built-ins first, then the saved ones as saved.
    const std::vector<StyleRecord>& styles() const { return styles_; }
    void reload();

    // The first style of exactly this name (of the user's own only, when asked), or nothing.
    std::optional<std::size_t> find(std::string_view name, bool userOnly = false) const;
    // True when no style bears the name, or the first that does is not what the wallpaper wears.
    bool isModified(std::string_view name, const WallpaperStyle& current) const;

    // Saves the colours as a new user style of that name and makes it the selected style.
    void save(const std::string& name, const WallpaperStyle& colours);
    // Deletes every user style of that name; built-in styles stay. When no style of the selected
    // name is left, the selection is cleared.
    void remove(const std::string& name);
    // Makes a style's colours and name the current ones, as a touch on its row does.
    void apply(const StyleRecord& style);

private:
    platform::SettingsStore& store_;
    std::vector<StyleRecord> styles_;
};
