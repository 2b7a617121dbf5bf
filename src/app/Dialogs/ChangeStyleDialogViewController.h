#pragma once

#include "Dialogs/DialogBase.h"
#include "Interfaces/ChangeStyleDialog.h"

#include <memory>

class NewStyleDialogViewController;
class StyleLibraryDialogViewController;

// The style menu: the current style's name, the style library and the new-style menu.
class ChangeStyleDialogViewController final : public DialogBase, private ChangeStyleDialogOutlets {
public:
    ChangeStyleDialogViewController(std::string nibName, DialogHost& preview);
    ~ChangeStyleDialogViewController() override;

    // Brings the current style's name up to date each time the menu becomes the top dialog.
    void viewWillAppear(bool animated) override;

    void styleLibraryButtonClick();
    void newStyleButtonClick();

protected:
    void loadView() override;

private:
    StyleLibraryDialogViewController& styleLibrary();

    std::unique_ptr<StyleLibraryDialogViewController> dlgStyleLibrary;
    std::unique_ptr<NewStyleDialogViewController> dlgNewStyle;
};
