#include "Dialogs/MainDialogViewController.h"

#include "Interfaces/MainDialog.h"

MainDialogViewController::MainDialogViewController(std::string nibName) : DialogBase(std::move(nibName)) {}

MainDialogViewController::~MainDialogViewController() = default;

void MainDialogViewController::loadView() { setView(buildMainDialog(*this)); }

void MainDialogViewController::changeInformationButtonClick() {}

void MainDialogViewController::changeStyleButtonClick() {}

void MainDialogViewController::photoButtonClick() {}

void MainDialogViewController::gruvoButtonClick() {}
