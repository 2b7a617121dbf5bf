#pragma once

#include "platform/AlertView.h"
#include "platform/Color.h"
#include "platform/ViewController.h"

#include <memory>
#include <string>

namespace platform {
class Button;
class ImageView;
class Label;
} // namespace platform

class ThemeCellManager;

// One style of the style list and the controller of its row: the name, the four colours, whether the
// user saved it, and the row's controls.
class ThemeCellViewController final : public platform::ViewController, public platform::AlertViewDelegate {
public:
    explicit ThemeCellViewController(std::string nibName);
    ~ThemeCellViewController() override;

    // Copies the style into the row's controls.
    void updateControls();
    void themeManager(ThemeCellManager* manager) { _thmManager = manager; }
    void setSelectionMarkShown(bool shown);
    // The delete button: asks for confirmation first.
    void actionButtonClicked();
    void didDismissWithButtonIndex(platform::AlertView& alert, int buttonIndex) override;

    std::string name;
    platform::Color strip;
    platform::Color bg;
    platform::Color fnt;
    platform::Color hgh;
    bool isUserTheme = false;

    // Outlets, connected by the interface description "ThemeCell".
    std::shared_ptr<platform::ImageView> selectionBar;
    std::shared_ptr<platform::Label> themeName;
    std::shared_ptr<platform::Label> stripColor;
    std::shared_ptr<platform::Label> bgColor;
    std::shared_ptr<platform::Label> fontColor;
    std::shared_ptr<platform::Button> actionButton;

protected:
    void loadView() override;

private:
    ThemeCellManager* _thmManager = nullptr;
    // The confirmation on screen, if any; it points back at this row, so it goes when the row goes.
    std::shared_ptr<platform::AlertView> alert_;
};
