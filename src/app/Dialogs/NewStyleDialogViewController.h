#pragma once

#include "Dialogs/DialogBase.h"

#include <memory>

class BGOptionsDialogViewController;
class SaveStyleAsDialogViewController;
class StripOptionsDialogViewController;

// The new-style menu: strip options, background options and saving the result as a style.
class NewStyleDialogViewController final : public DialogBase {
public:
    NewStyleDialogViewController(std::string nibName, DialogHost& preview);
    ~NewStyleDialogViewController() override;

    void stripButtonClick();
    void bgButtonClick();
    void saveStyleAsClick();

protected:
    void loadView() override;

private:
    std::unique_ptr<StripOptionsDialogViewController> dlgStrip;
    std::unique_ptr<BGOptionsDialogViewController> dlgBG;
    std::unique_ptr<SaveStyleAsDialogViewController> dlgSaveStyleAs;
};
