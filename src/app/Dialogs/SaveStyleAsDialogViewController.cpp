#include "Dialogs/SaveStyleAsDialogViewController.h"

#include "Interfaces/SaveStyleAsDialog.h"

SaveStyleAsDialogViewController::SaveStyleAsDialogViewController(std::string nibName) : DialogBase(std::move(nibName)) {}

SaveStyleAsDialogViewController::~SaveStyleAsDialogViewController() = default;

void SaveStyleAsDialogViewController::loadView() { setView(buildSaveStyleAsDialog(*this)); }
