#pragma once

#include "platform/TextField.h"
#include "platform/ViewController.h"

namespace platform {
class Button;
}
class DialogHost;

// The base of every dialog on the stack: the way back to the main screen, the three common actions,
// and the editing of the dialog's text fields. While one is being edited the dialog is slid up and
// its frame buttons are hidden; when the editing ends, by Return or by the field leaving the screen,
// both come back. Only Return hands the text to the dialog.
class DialogBase : public platform::ViewController, public platform::TextFieldDelegate {
public:
    // `preview` is the main screen the dialog floats over; it outlives every dialog.
    DialogBase(std::string nibName, DialogHost& preview);
    ~DialogBase() override;

    DialogHost& preview() const { return *preview_; }

    void hideButtonClick();
    void saveButtonClick();
    void backButtonClick();

    void textFieldDidBeginEditing(platform::TextField& field) override;
    bool textFieldShouldReturn(platform::TextField& field) override;
    void textFieldDidEndEditing(platform::TextField& field) override;

    // Outlets of the dialog's frame, connected by its interface description; held by the view tree.
    platform::Button* backButton = nullptr;
    platform::Button* saveButton = nullptr;
    platform::Button* hideButton = nullptr;

protected:
    // The text of a field confirmed with Return; its editing has ended.
    virtual void textEntered(platform::TextField&) {}
    void setFrameButtonsHidden(bool hidden);

private:
    DialogHost* preview_;
};
