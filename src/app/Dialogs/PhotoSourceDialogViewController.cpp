#include "Dialogs/PhotoSourceDialogViewController.h"

#include "Interfaces/PhotoSourceDialog.h"
#include "DialogHost.h"

#include "platform/Button.h"
#include "platform/ImageView.h"

using namespace platform;

PhotoSourceDialogViewController::PhotoSourceDialogViewController(std::string nibName, DialogHost& preview)
    : DialogBase(std::move(nibName), preview) {}

PhotoSourceDialogViewController::~PhotoSourceDialogViewController() = default;

void PhotoSourceDialogViewController::loadView()
{
    static_cast<PhotoSourceDialogOutlets&>(*this) = buildPhotoSourceDialog(*this);
    setDialogFrame(frame);
}

void PhotoSourceDialogViewController::viewWillAppear(bool)
{
    // The main menu may open the library without this dialog ever having been shown.
    if (!iconPreview)
        return;
    iconPreview->setImage(preview().wallpaperImage());
    // A camera may have been plugged in or out since the dialog was last shown.
    cameraButton->setEnabled(ImagePickerController::isSourceTypeAvailable(ImagePickerController::Camera));
    removeButton->setEnabled(preview().wallpaperImage() != nullptr);
}

void PhotoSourceDialogViewController::cameraButtonClick() { openPicker(ImagePickerController::Camera); }

void PhotoSourceDialogViewController::libraryButtonClick() { openPicker(ImagePickerController::PhotoLibrary); }

void PhotoSourceDialogViewController::removeButtonClick()
{
    // A file that could not be deleted comes back at the next start; the log says so.
    preview().removePhotograph();
    viewWillAppear(false);
}

void PhotoSourceDialogViewController::openPicker(ImagePickerController::SourceType source)
{
    if (!ImagePickerController::isSourceTypeAvailable(source))
        return;
    picker_ = std::make_unique<ImagePickerController>();
    picker_->setSourceType(source);
    picker_->setDelegate(this);
    picker_->setAllowsImageEditing(true);
    picker_->setPixelsPerPoint(preview().screen().scale());
    preview().presentModalViewController(*picker_, true);
}

void PhotoSourceDialogViewController::didFinishPickingImage(ImagePickerController& picker, ImageRef image,
                                                            const ImageEditingInfo& info)
{
    DialogHost& main = preview();
    main.setWallpaperImage(image);
    viewWillAppear(false);
    // A failed write keeps the earlier file; the new photograph stays on screen regardless.
    if (main.saveImage(*image) && info.originalImage)
        main.keepOriginalPhotograph(*info.originalImage, info.cropRect);
    if (ViewController* presenter = picker.parentViewController())
        presenter->dismissModalViewControllerAnimated(false);
    picker_.reset();
}
