#pragma once

#include "Dialogs/DialogBase.h"
#include "Interfaces/BGOptionsDialog.h"
#include "SwatchPicker.h"

// Picks the wallpaper's background colour on the palettes; every picked colour is opaque.
class BGOptionsDialogViewController final : public DialogBase, private BGOptionsDialogOutlets {
public:
    BGOptionsDialogViewController(std::string nibName, DialogHost& preview);
    ~BGOptionsDialogViewController() override;

    void viewDidLoad() override;
    // Marks the background colour worn on the palette.
    void viewWillAppear(bool animated) override;

    void loadSwatchPalette(int index) { picker.loadSwatchPalette(index); }
    void nextSwatchButtonClicked() { picker.nextSwatchButtonClicked(); }
    void previousSwatchButtonClicked() { picker.previousSwatchButtonClicked(); }
    void colorByTouchSaveToDefaults(bool save);
    int currentSwatch() const { return picker.currentSwatch(); }

    void touchesBegan(const platform::Touch& touch) override;
    void touchesMoved(const platform::Touch& touch) override;
    void touchesEnded(const platform::Touch& touch) override;

protected:
    void loadView() override;

private:
    // True when the touch is on the palette shown.
    bool followTouch(const platform::Touch& touch, bool save);

    SwatchPicker picker;
};
