#pragma once

#include "Dialogs/DialogBase.h"

class PhotoSourceDialogViewController final : public DialogBase {
public:
    explicit PhotoSourceDialogViewController(std::string nibName);
    ~PhotoSourceDialogViewController() override;

    void cameraButtonClick();
    void libraryButtonClick();
    // Whether the platform offers the camera source.
    static bool isCameraAvailable();

protected:
    void loadView() override;
};
