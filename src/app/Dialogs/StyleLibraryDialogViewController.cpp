#include "Dialogs/StyleLibraryDialogViewController.h"

#include "Interfaces/StyleLibraryDialog.h"

StyleLibraryDialogViewController::StyleLibraryDialogViewController(std::string nibName) : DialogBase(std::move(nibName)) {}

StyleLibraryDialogViewController::~StyleLibraryDialogViewController() = default;

void StyleLibraryDialogViewController::loadView() { setView(buildStyleLibraryDialog(*this)); }

void StyleLibraryDialogViewController::refreshThemes() {}

bool StyleLibraryDialogViewController::styleIsModified(const std::string&) { return true; }
