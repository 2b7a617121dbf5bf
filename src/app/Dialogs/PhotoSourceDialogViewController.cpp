#include "Dialogs/PhotoSourceDialogViewController.h"

#include "Interfaces/PhotoSourceDialog.h"

PhotoSourceDialogViewController::PhotoSourceDialogViewController(std::string nibName) : DialogBase(std::move(nibName)) {}

PhotoSourceDialogViewController::~PhotoSourceDialogViewController() = default;

void PhotoSourceDialogViewController::loadView() { setView(buildPhotoSourceDialog(*this)); }

void PhotoSourceDialogViewController::cameraButtonClick() {}

void PhotoSourceDialogViewController::libraryButtonClick() {}

bool PhotoSourceDialogViewController::isCameraAvailable() { return false; }
