#pragma once

#include "platform/Keys.h"
#include "platform/Painter.h"
#include "platform/View.h"

#include <cstddef>

namespace platform {

class TextField;

// A range of the text in UTF-8 bytes, always on character boundaries.
struct TextRange {
    std::size_t location = 0;
    std::size_t length = 0;
};

class TextFieldDelegate {
public:
    virtual ~TextFieldDelegate() = default;
    virtual bool textFieldShouldBeginEditing(TextField&) { return true; }
    virtual void textFieldDidBeginEditing(TextField&) {}
    // On resigning, on another field taking over (before that one begins) and on leaving the screen.
    virtual void textFieldDidEndEditing(TextField&) {}
    virtual bool textFieldShouldReturn(TextField&) { return true; }
    // Escape: the editing ends without confirming; before it ends, the delegate may put back the text.
    virtual void textFieldDidCancelEditing(TextField&) {}
    // After the user changed the text (typing, deleting, the clear button).
    virtual void textFieldDidChange(TextField&) {}
    virtual bool shouldChangeCharactersInRange(TextField&, TextRange, const std::string& /*replacement*/) { return true; }
    virtual bool textFieldShouldClear(TextField&) { return true; }
};

enum class ClearButtonMode { Never = 0, WhileEditing = 1, UnlessEditing = 2, Always = 3 };

// A one-line text field. A tap begins editing (when the delegate agrees); the shell's keyboard then
// reaches the field through the application's first responder, for as long as the field is on screen.
// While edited, the text scrolls sideways to keep the caret in view. Return confirms, Escape cancels,
// Tab and Shift+Tab move to the next and previous field of the same controller's view, and a touch
// anywhere else ends the editing.
class TextField : public View {
public:
    explicit TextField(Rect frame = {});
    ~TextField() override;

    const std::string& text() const { return text_; }
    void setText(std::string text);
    void setPlaceholder(std::string placeholder);
    const std::string& placeholder() const { return placeholder_; }
    void setFont(const Font& font);
    ClearButtonMode clearButtonMode() const { return clearMode_; }
    void setClearButtonMode(ClearButtonMode mode);
    void setDelegate(TextFieldDelegate* delegate) { delegate_ = delegate; }

    bool isEditing() const;
    bool becomeFirstResponder();
    bool resignFirstResponder();
    std::size_t cursor() const { return cursor_; }
    // The selected text; empty when none is.
    TextRange selection() const { return selection_; }
    bool isClearButtonShown() const;

    // Keyboard input, from the shell or a test.
    void insertText(const std::string& text);
    void deleteBackward();
    void moveCursorLeft();
    void moveCursorRight();
    void moveCursorToStart() { moveCursorTo(0); }
    void moveCursorToEnd() { moveCursorTo(text_.size()); }
    void selectAll();
    void returnKey();
    void cancelEditing();
    // Begins editing the next (or previous) field, in the order of the view tree, wrapping around.
    void moveToNeighbour(bool backwards);
    // A key from the shell while this field is edited; false when it is not one a field takes.
    bool pressKey(Key key);
    void clearButtonTapped();

    bool canBecomeFocused() const override { return true; }
    // Return and Space begin the editing, as a tap would.
    bool keyDown(Key key) override;
    void touchesBegan(const Touch& touch) override;
    void touchesEnded(const Touch& touch) override;
    void draw(Painter& painter) const override;

private:
    Rect clearButtonRect() const;
    void replace(TextRange range, const std::string& replacement);
    void moveCursorTo(std::size_t position);
    void beginEditing();

    std::string text_;
    std::string placeholder_;
    Font font_{17, false};
    ClearButtonMode clearMode_ = ClearButtonMode::Never;
    TextFieldDelegate* delegate_ = nullptr;
    std::size_t cursor_ = 0;
    TextRange selection_;
};

} // namespace platform
