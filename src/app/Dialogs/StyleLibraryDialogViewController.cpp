#include "Dialogs/StyleLibraryDialogViewController.h"

#include "Contrast.h"
#include "Interfaces/StyleLibraryDialog.h"
#include "DialogHost.h"
#include "PackedColor.h"
#include "StyleLibrary.h"
#include "SettingsKeys.h"
#include "ThemeCellViewController.h"

#include "platform/Application.h"

#include <algorithm>
#include <cstdint>
#include <limits>


namespace {

platform::SettingsStore& settings() { return platform::Application::shared().settings(); }

} // namespace

StyleLibraryDialogViewController::StyleLibraryDialogViewController(std::string nibName, DialogHost& preview)
    : DialogBase(std::move(nibName), preview) {}

StyleLibraryDialogViewController::~StyleLibraryDialogViewController() = default;

void StyleLibraryDialogViewController::loadView()
{
    static_cast<StyleLibraryDialogOutlets&>(*this) = buildStyleLibraryDialog(*this);
    setDialogFrame(frame);
}

void StyleLibraryDialogViewController::viewWillAppear(bool) { refreshThemes(); }

void StyleLibraryDialogViewController::refreshThemes()
{
    StyleLibrary library(settings());
    // Each style is judged as it would be worn: on this screen, in this layout, over this photograph.
    const Contrast contrast(preview().screen(), preview().wallpaperImage());
    themes.clear();
    themes.reserve(library.styles().size());
    for (const StyleRecord& style : library.styles()) {
        WallpaperStyle worn = preview().style();
        worn.stripColor = style.stripColor;
        worn.backgroundColor = style.backgroundColor;
        worn.fontFaceColor = style.fontFaceColor;
        worn.fontHighlightColor = style.fontHighlightColor;
        auto theme = std::make_unique<ThemeCellViewController>("ThemeCell");
        theme->name = style.name;
        theme->strip = unpackColor(style.stripColor);
        theme->bg = unpackColor(style.backgroundColor);
        theme->fnt = unpackColor(style.fontFaceColor);
        theme->hgh = unpackColor(style.fontHighlightColor);
        theme->isUserTheme = style.isUserStyle;
        theme->isReadable = contrast.passes(worn);
        theme->themeManager(this);
        if (style.isUserStyle)
            theme->view();
        themes.push_back(std::move(theme));
    }
    if (themeSelectionTable)
        themeSelectionTable->reloadData();
    themeOfCurrentColorsExistsSelect(true);
}

bool StyleLibraryDialogViewController::isCurrentTheme(const ThemeCellViewController& theme) const
{
    // The font highlight is deliberately not compared.
    const DialogHost& main = preview();
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
    return StyleLibrary(settings()).isModified(name, preview().style());
}

void StyleLibraryDialogViewController::saveStyleToUserDefaults(const std::string& name)
{
    platform::SettingsStore::Transaction oneWrite(settings());
    preview().setSelectedStyleName(name);
    StyleLibrary(settings()).save(name, preview().style());
}

void StyleLibraryDialogViewController::deleteTheme(const std::string& name)
{
    platform::SettingsStore::Transaction oneWrite(settings());
    StyleLibrary(settings()).remove(name);
    // Already stored (deleting the selected style clears it): the main screen's model follows.
    preview().setSelectedStyleName(settings().stringForKey(keys::styleName).value_or(""));
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
    theme.setRowIdentifier(id);
    return cell;
}

void StyleLibraryDialogViewController::didSelectRowAtIndexPath(platform::TableView& table, platform::IndexPath path)
{
    platform::SettingsStore::Transaction oneWrite(settings());
    DialogHost& main = preview();
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
