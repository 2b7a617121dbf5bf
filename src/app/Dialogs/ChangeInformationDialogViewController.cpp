#include "Dialogs/ChangeInformationDialogViewController.h"

#include "Interfaces/ChangeInformationDialog.h"

ChangeInformationDialogViewController::ChangeInformationDialogViewController(std::string nibName) : DialogBase(std::move(nibName)) {}

ChangeInformationDialogViewController::~ChangeInformationDialogViewController() = default;

void ChangeInformationDialogViewController::loadView() { setView(buildChangeInformationDialog(*this)); }
