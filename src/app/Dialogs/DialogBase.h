#pragma once

#include "platform/TextField.h"
#include "platform/ViewController.h"

#include <memory>
#include <utility>
#include <vector>

namespace platform {
class Button;
class View;
} // namespace platform
class DialogHost;

// What every dialog's builder hands its controller of the frame: the dialog's view and the common
// buttons, which editing hides.
struct DialogFrame {
    std::shared_ptr<platform::View> root;
    std::shared_ptr<platform::Button> backButton; // null at the bottom of the stack
    std::shared_ptr<platform::Button> hideButton;
    std::shared_ptr<platform::Button> saveButton;
};

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

protected:
    // Makes the frame's root the dialog's view and keeps its buttons; for loadView.
    void setDialogFrame(const DialogFrame& frame);
    // The text of a field confirmed with Return; its editing has ended.
    virtual void textEntered(platform::TextField&) {}
    void setFrameButtonsHidden(bool hidden);
    // While a finger changes the wallpaper through `kept` (a palette, a slider), the rest of the dialog
    // fades out, so that the strip it covers shows the change; endPeek brings it back.
    void peekAround(platform::View& kept);
    void endPeek();

private:
    DialogHost* preview_;
    // What peekAround faded, with the alpha each returns to.
    std::vector<std::pair<std::weak_ptr<platform::View>, float>> faded_;
    std::shared_ptr<platform::Button> backButton;
    std::shared_ptr<platform::Button> hideButton;
    std::shared_ptr<platform::Button> saveButton;
};
