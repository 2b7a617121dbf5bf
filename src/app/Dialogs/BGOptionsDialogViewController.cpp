#include "Dialogs/BGOptionsDialogViewController.h"

#include "Interfaces/BGOptionsDialog.h"

BGOptionsDialogViewController::BGOptionsDialogViewController(std::string nibName) : DialogBase(std::move(nibName)) {}

BGOptionsDialogViewController::~BGOptionsDialogViewController() = default;

void BGOptionsDialogViewController::loadView() { setView(buildBGOptionsDialog(*this)); }
