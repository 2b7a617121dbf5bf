#pragma once

#include "Interfaces/ThemeCell.h"

#include "platform/AlertView.h"
#include "platform/Color.h"
#include "platform/ViewController.h"

#include <memory>
#include <string>

class ThemeCellManager;

// One style of the style list and the controller of its row: the name, the four colours, whether the
// user saved it, and the row's controls.
class ThemeCellViewController final : public platform::ViewController,
                                      public platform::AlertViewDelegate,
                                      private ThemeCellOutlets {
public:
    explicit ThemeCellViewController(std::string nibName);
    ~ThemeCellViewController() override;

    // Copies the style into the row's controls.
    void updateControls();
    void themeManager(ThemeCellManager* manager) { _thmManager = manager; }
    void setSelectionMarkShown(bool shown);
    // Names the row's views after the row: <id>.name, .mark, .strip, .background, .font, .faint,
    // .delete.
    void setRowIdentifier(const std::string& id);
    // The delete button: asks for confirmation first.
    void actionButtonClicked();
    void didDismissWithButtonIndex(platform::AlertView& alert, int buttonIndex) override;

    std::string name;
    platform::Color strip;
    platform::Color bg;
    platform::Color fnt;
    platform::Color hgh;
    bool isUserTheme = false;
    // Whether the style's lettering reads well enough on the wallpaper as it is.
    bool isReadable = true;

protected:
    void loadView() override;

private:
    ThemeCellManager* _thmManager = nullptr;
    // The confirmation on screen, if any; it points back at this row, so it goes when the row goes.
    std::shared_ptr<platform::AlertView> alert_;
};
