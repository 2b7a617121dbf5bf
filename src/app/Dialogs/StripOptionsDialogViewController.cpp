#include "Dialogs/StripOptionsDialogViewController.h"

#include "Interfaces/StripOptionsDialog.h"

StripOptionsDialogViewController::StripOptionsDialogViewController(std::string nibName) : DialogBase(std::move(nibName)) {}

StripOptionsDialogViewController::~StripOptionsDialogViewController() = default;

void StripOptionsDialogViewController::loadView() { setView(buildStripOptionsDialog(*this)); }
