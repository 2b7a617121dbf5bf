#include "Dialogs/BGOptionsDialogViewController.h"

#include "Interfaces/BGOptionsDialog.h"
#include "DialogHost.h"
#include "SwatchPaletteView.h"

using namespace platform;

BGOptionsDialogViewController::BGOptionsDialogViewController(std::string nibName, DialogHost& preview)
    : DialogBase(std::move(nibName), preview) {}

BGOptionsDialogViewController::~BGOptionsDialogViewController() = default;

void BGOptionsDialogViewController::loadView()
{
    static_cast<BGOptionsDialogOutlets&>(*this) = buildBGOptionsDialog(*this);
    setDialogFrame(frame);
}

void BGOptionsDialogViewController::viewDidLoad()
{
    DialogBase::viewDidLoad();
    picker.colorSwatchImage = colorSwatchImage.get();
    colorSwatchImage->onKeyPick = [this](Point windowPoint) { followTouch(Touch{windowPoint}, true); };
    picker.swatchTitleLabel = swatchTitleLabel.get();
    loadSwatchPalette(0);
}

void BGOptionsDialogViewController::viewWillAppear(bool)
{
    picker.showChosen(preview().BGColor());
}

void BGOptionsDialogViewController::colorByTouchSaveToDefaults(bool save)
{
    if (auto color = picker.colorByTouch(1.0f))
        preview().setBGColor(*color, save);
}

bool BGOptionsDialogViewController::followTouch(const Touch& touch, bool save)
{
    if (!picker.track(touch))
        return false;
    colorByTouchSaveToDefaults(save);
    return true;
}

void BGOptionsDialogViewController::touchesBegan(const Touch& touch)
{
    if (followTouch(touch, false))
        peekAround(*colorSwatchImage->superview());
}

void BGOptionsDialogViewController::touchesMoved(const Touch& touch) { followTouch(touch, false); }

void BGOptionsDialogViewController::touchesEnded(const Touch& touch)
{
    followTouch(touch, true);
    endPeek();
}
