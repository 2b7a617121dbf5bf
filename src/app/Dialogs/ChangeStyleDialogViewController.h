#pragma once

#include "Dialogs/DialogBase.h"

#include <memory>

namespace platform {
class Label;
}
class NewStyleDialogViewController;
class StyleLibraryDialogViewController;

// The style menu: the current style's name, the style library and the new-style menu.
class ChangeStyleDialogViewController final : public DialogBase {
public:
    ChangeStyleDialogViewController(std::string nibName, DialogHost& preview);
    ~ChangeStyleDialogViewController() override;

    // Brings the current style's name up to date each time the menu becomes the top dialog.
    void viewWillAppear(bool animated) override;

    void styleLibraryButtonClick();
    void newStyleButtonClick();

    std::unique_ptr<StyleLibraryDialogViewController> dlgStyleLibrary;
    std::unique_ptr<NewStyleDialogViewController> dlgNewStyle;
    std::shared_ptr<platform::Label> currentStyleLabel;

protected:
    void loadView() override;

private:
    StyleLibraryDialogViewController& styleLibrary();
};
