#pragma once

#include "platform/Keys.h"
#include "platform/View.h"

#include <string>
#include <vector>

namespace platform {

class AlertView;

class AlertViewDelegate {
public:
    virtual ~AlertViewDelegate() = default;
    virtual void didDismissWithButtonIndex(AlertView& alert, int buttonIndex) = 0;
};

// A modal alert box over the whole screen. The cancel-role button has index 0, the others follow.
class AlertView : public View {
public:
    AlertView(std::string title, std::string message, AlertViewDelegate* delegate, std::string cancelButtonTitle,
              std::vector<std::string> otherButtonTitles);

    const std::string& title() const { return title_; }
    const std::string& message() const { return message_; }
    int numberOfButtons() const { return int(buttonTitles_.size()); }
    const std::string& buttonTitleAtIndex(int index) const { return buttonTitles_.at(size_t(index)); }

    // Puts the alert on top of the window; the window keeps it alive until it is dismissed. While the
    // keyboard is in use, the button Return presses has the focus until then.
    void show();
    void dismissWithClickedButtonIndex(int index, bool animated);
    // Escape is the button titled Cancel, or else the cancel-role one; Return the first other button,
    // which confirms (the only button when there is one). No key reaches what lies under the alert.
    bool pressKey(Key key);

private:
    void build();
    // The buttons Escape and Return press.
    struct KeyButtons {
        int cancel, confirm;
    };
    KeyButtons keyButtons() const;

    std::string title_;
    std::string message_;
    AlertViewDelegate* delegate_;
    std::vector<std::string> buttonTitles_;
    // What had the keyboard's focus before the alert took it.
    std::weak_ptr<View> opener_;
};

} // namespace platform
