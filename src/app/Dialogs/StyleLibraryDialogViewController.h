#pragma once

#include "Dialogs/DialogBase.h"

#include <string>

class StyleLibraryDialogViewController final : public DialogBase {
public:
    explicit StyleLibraryDialogViewController(std::string nibName);
    ~StyleLibraryDialogViewController() override;

    // Rebuilds the list of built-in and saved styles.
    void refreshThemes();
    // True when no style bears this name, or the first that does differs from the current colours.
    bool styleIsModified(const std::string& name);

protected:
    void loadView() override;
};
