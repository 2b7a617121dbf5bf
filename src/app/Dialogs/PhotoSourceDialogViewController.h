#pragma once

#include "Dialogs/DialogBase.h"
#include "Interfaces/PhotoSourceDialog.h"

#include "platform/ImagePickerController.h"

#include <memory>

// Puts a photograph behind the strip: from the camera or the photo library, with a small preview of
// the one in use. The picked photograph shows at once and is kept as "wallpaper.jpg"; removing it
// shows the background colour again.
class PhotoSourceDialogViewController final : public DialogBase,
                                              public platform::ImagePickerControllerDelegate,
                                              private PhotoSourceDialogOutlets {
public:
    PhotoSourceDialogViewController(std::string nibName, DialogHost& preview);
    ~PhotoSourceDialogViewController() override;

    // Shows the main screen's photograph in the preview; Camera only when there is one, Remove Photo
    // only when there is a photograph.
    void viewWillAppear(bool animated) override;

    void cameraButtonClick();
    void libraryButtonClick();
    void removeButtonClick();

    void didFinishPickingImage(platform::ImagePickerController& picker, platform::ImageRef image,
                               const platform::ImageEditingInfo& info) override;

protected:
    void loadView() override;

private:
    void openPicker(platform::ImagePickerController::SourceType source);

    // A new picker for every press, released once it has delivered.
    std::unique_ptr<platform::ImagePickerController> picker_;
};
