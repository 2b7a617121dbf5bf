#pragma once

#include "Dialogs/DialogBase.h"
#include "Interfaces/StyleLibraryDialog.h"
#include "ThemeCellManager.h"

#include "platform/Color.h"
#include "platform/TableView.h"

#include <memory>
#include <string>
#include <vector>

class ThemeCellViewController;

// The style list: the eight built-in styles and the user's saved ones, sorted by name, shown one row
// each. Touching a row applies its style; a user style's row can delete it.
class StyleLibraryDialogViewController final : public DialogBase,
                                               public ThemeCellManager,
                                               public platform::TableViewDataSource,
                                               public platform::TableViewDelegate,
                                               private StyleLibraryDialogOutlets {
public:
    StyleLibraryDialogViewController(std::string nibName, DialogHost& preview);
    ~StyleLibraryDialogViewController() override;

    void viewWillAppear(bool animated) override;

    // Rebuilds the list of built-in and saved styles.
    void refreshThemes();
    // Whether the style's strip, background and font-face colours are the current ones.
    bool isCurrentTheme(const ThemeCellViewController& theme) const;
    // Whether any style has the current colours; with select, marks exactly those rows.
    bool themeOfCurrentColorsExistsSelect(bool select);
    // True when no style bears this name, or the first that does differs from the current colours.
    bool styleIsModified(const std::string& name);
    // Stores the current colours as a new user style and makes it the selected style.
    void saveStyleToUserDefaults(const std::string& name);
    // Removes every user style of this name and rebuilds the list.
    void deleteTheme(const std::string& name) override;

    int numberOfRowsInSection(platform::TableView& table, int section) override;
    std::shared_ptr<platform::View> cellForRowAtIndexPath(platform::TableView& table, platform::IndexPath path) override;
    void didSelectRowAtIndexPath(platform::TableView& table, platform::IndexPath path) override;

protected:
    void loadView() override;

private:
    // In row order, as of the last refresh.
    std::vector<std::unique_ptr<ThemeCellViewController>> themes;
};
