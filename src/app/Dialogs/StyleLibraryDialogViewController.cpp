#include "Dialogs/StyleLibraryDialogViewController.h"

#include "Interfaces/StyleLibraryDialog.h"
#include "MainViewController.h"
#include "PackedColor.h"
#include "SettingsKeys.h"
#include "ThemeCellViewController.h"

#include "platform/Application.h"
#include "platform/Button.h"
#include "platform/ImageView.h"
#include "platform/Label.h"

#include <algorithm>
#include <cstdint>
#include <limits>

using platform::Color;
using Value = platform::SettingsStore::Value;

namespace {

struct BuiltInTheme {
    const char* name;
    std::uint32_t strip, background, fontFace, fontHighlight;
};

// In the order they are added; the sorted insertion puts them in name order.
constexpr BuiltInTheme builtInThemes[] = {
    {"Sahara Dunes", 0x4C483BFF, 0xFFEB9BFF, 0xFFFFFFFF, 0x000000FF},
    {"Blue Velvet", 0x1B3872FF, 0x092C7EFF, 0xFFFFFFFF, 0x000000FF},
    {"A Tisket, A Tasket", 0xFFEA00FF, 0x4BC600FF, 0x000000FF, 0x00000000},
    {"Autumn Line", 0x85530DFF, 0x9C2F1DFF, 0xFFFFFFFF, 0x000000FF},
    {"Samurai Jill", 0xA70000FF, 0x000000FF, 0xFFFFFFFF, 0x000000FF},
    {"Hello Princess", 0xF89DBFFF, 0xFD327EFF, 0xFFFFFFFF, 0x000000FF},
    {"Artsy Photograph", 0x1B1C1CFF, 0xA8A8A8FF, 0xFFFFFFFF, 0x000000FF},
    {"Purpular", 0x5000B4FF, 0x57268FFF, 0xFFFFFFFF, 0x000000FF},
};

platform::SettingsStore& settings() { return platform::Application::shared().settings(); }

// Character codes after folding A-Z to a-z; no locale rules.
int compareIgnoringCase(const std::string& a, const std::string& b)
{
    auto fold = [](char c) {
        auto u = static_cast<unsigned char>(c);
        return u >= 'A' && u <= 'Z' ? static_cast<unsigned char>(u - 'A' + 'a') : u;
    };
    std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        unsigned char x = fold(a[i]), y = fold(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

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
Value storedThemes()
{
    const Value* stored = settings().arrayForKey(keys::userSavedThemes);
    return stored ? *stored : Value::array();
}

} // namespace

StyleLibraryDialogViewController::StyleLibraryDialogViewController(std::string nibName) : DialogBase(std::move(nibName)) {}

StyleLibraryDialogViewController::~StyleLibraryDialogViewController() = default;

void StyleLibraryDialogViewController::loadView() { setView(buildStyleLibraryDialog(*this)); }

void StyleLibraryDialogViewController::viewWillAppear(bool) { refreshThemes(); }

void StyleLibraryDialogViewController::refreshThemes()
{
    themes.clear();
    themes.reserve(8);
    for (const BuiltInTheme& t : builtInThemes)
        addTheme(t.name, unpackColor(t.strip), unpackColor(t.background), unpackColor(t.fontFace),
                 unpackColor(t.fontHighlight));
    // Entries this application never writes are left out of the list, and left as they are in the store.
    for (const Value& entry : storedThemes()) {
        if (!entry.is_object())
            continue;
        auto name = entry.find(keys::themeName);
        if (name == entry.end() || !name->is_string())
            continue;
        addUserTheme(name->get<std::string>(), unpackColor(storedColor(entry, keys::stripColor)),
                     unpackColor(storedColor(entry, keys::bgColor)), unpackColor(storedColor(entry, keys::fontFace)),
                     unpackColor(storedColor(entry, keys::fontHighlight)));
    }
    if (themeSelectionTable)
        themeSelectionTable->reloadData();
    themeOfCurrentColorsExistsSelect(true);
}

std::unique_ptr<ThemeCellViewController> StyleLibraryDialogViewController::makeTheme(
    const std::string& name, const Color& strip, const Color& background, const Color& fontFace, const Color& fontHighlight)
{
    auto theme = std::make_unique<ThemeCellViewController>("ThemeCell");
    theme->name = name;
    theme->strip = strip;
    theme->bg = background;
    theme->fnt = fontFace;
    theme->hgh = fontHighlight;
    theme->themeManager(this);
    return theme;
}

void StyleLibraryDialogViewController::addTheme(const std::string& name, const Color& strip, const Color& background,
                                                const Color& fontFace, const Color& fontHighlight)
{
    auto theme = makeTheme(name, strip, background, fontFace, fontHighlight);
    theme->isUserTheme = false;
    addTheme(std::move(theme));
}

void StyleLibraryDialogViewController::addUserTheme(const std::string& name, const Color& strip, const Color& background,
                                                    const Color& fontFace, const Color& fontHighlight)
{
    auto theme = makeTheme(name, strip, background, fontFace, fontHighlight);
    theme->isUserTheme = true;
    theme->view();
    addTheme(std::move(theme));
}

void StyleLibraryDialogViewController::addTheme(std::unique_ptr<ThemeCellViewController> theme)
{
    // After every name that compares equal, so equal names keep the order they were added in.
    auto at = std::find_if(themes.begin(), themes.end(), [&](const auto& existing) {
        return compareIgnoringCase(existing->name, theme->name) > 0;
    });
    themes.insert(at, std::move(theme));
}

bool StyleLibraryDialogViewController::isCurrentTheme(const ThemeCellViewController& theme) const
{
    // The font highlight is deliberately not compared.
    const MainViewController& main = preview();
    return main.colorNumber(theme.strip) == main.colorNumber(main.stripColor()) &&
           main.colorNumber(theme.bg) == main.colorNumber(main.BGColor()) &&
           main.colorNumber(theme.fnt) == main.colorNumber(main.fontFaceColor());
}

bool StyleLibraryDialogViewController::themeOfCurrentColorsExistsSelect(bool select)
{
    bool exists = false;
    for (const auto& theme : themes) {
        bool current = isCurrentTheme(*theme);
        exists = exists || current;
        if (select)
            theme->setSelectionMarkShown(current);
        theme->updateControls();
    }
    return exists;
}

bool StyleLibraryDialogViewController::styleIsModified(const std::string& name)
{
    auto it = std::find_if(themes.begin(), themes.end(), [&](const auto& theme) { return theme->name == name; });
    return it == themes.end() || !isCurrentTheme(**it);
}

void StyleLibraryDialogViewController::saveStyleToUserDefaults(const std::string& name)
{
    platform::SettingsStore::Transaction oneWrite(settings());
    MainViewController& main = preview();
    Value entry = Value::object();
    entry[keys::stripColor] = main.colorNumber(main.stripColor());
    entry[keys::bgColor] = main.colorNumber(main.BGColor());
    entry[keys::fontFace] = main.colorNumber(main.fontFaceColor());
    entry[keys::fontHighlight] = main.colorNumber(main.fontHighlightColor());
    entry[keys::themeName] = name;
    main.setSelectedStyleName(name);
    Value saved = storedThemes();
    saved.push_back(std::move(entry));
    settings().setObject(keys::userSavedThemes, std::move(saved));
}

void StyleLibraryDialogViewController::deleteTheme(const std::string& name)
{
    platform::SettingsStore::Transaction oneWrite(settings());
    Value saved = storedThemes();
    std::erase_if(saved.get_ref<Value::array_t&>(), [&](const Value& entry) {
        if (!entry.is_object())
            return false;
        auto it = entry.find(keys::themeName);
        return it != entry.end() && it->is_string() && it->get_ref<const std::string&>() == name;
    });
    settings().setObject(keys::userSavedThemes, std::move(saved));
    refreshThemes();
}

int StyleLibraryDialogViewController::numberOfRowsInSection(platform::TableView&, int) { return int(themes.size()); }

std::shared_ptr<platform::View> StyleLibraryDialogViewController::cellForRowAtIndexPath(platform::TableView& table,
                                                                                        platform::IndexPath path)
{
    if (path.row < 0 || path.row >= int(themes.size()))
        return nullptr;
    ThemeCellViewController& theme = *themes[std::size_t(path.row)];
    auto cell = std::make_shared<platform::TableViewCell>();
    platform::Rect rowRect{0, 0, table.frame().width(), table.rowHeight()};
    cell->setFrame(rowRect);
    cell->contentView().setFrame(rowRect);
    cell->contentView().addSubview(theme.view());
    theme.setSelectionMarkShown(isCurrentTheme(theme));
    theme.updateControls();

    std::string id = "library.row." + std::to_string(path.row);
    cell->setIdentifier(id);
    theme.themeName->setIdentifier(id + ".name");
    theme.selectionBar->setIdentifier(id + ".mark");
    theme.actionButton->setIdentifier(id + ".delete");
    return cell;
}

void StyleLibraryDialogViewController::didSelectRowAtIndexPath(platform::TableView& table, platform::IndexPath path)
{
    platform::SettingsStore::Transaction oneWrite(settings());
    MainViewController& main = preview();
    for (std::size_t i = 0; i < themes.size(); ++i) {
        ThemeCellViewController& theme = *themes[i];
        bool touched = int(i) == path.row;
        theme.setSelectionMarkShown(touched);
        if (!touched)
            continue;
        main.setBGColor(theme.bg);
        main.setStripColor(theme.strip);
        main.setFontFaceColor(theme.fnt);
        main.setFontHighlightColor(theme.hgh);
        main.setSelectedStyleName(theme.name);
    }
    table.deselectRowAtIndexPath(path, false);
}
