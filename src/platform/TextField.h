#pragma once

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
    virtual bool shouldChangeCharactersInRange(TextField&, TextRange, const std::string& /*replacement*/) { return true; }
    virtual bool textFieldShouldClear(TextField&) { return true; }
};

enum class ClearButtonMode { Never = 0, WhileEditing = 1, UnlessEditing = 2, Always = 3 };

// A one-line text field. A tap begins editing (when the delegate agrees); the shell's keyboard then
// reaches the field through the application's first responder, for as long as the field is on screen.
class TextField : public View {
public:
    explicit TextField(Rect frame = {});
    ~TextField() override;

    const std::string& text() const { return text_; }
    void setText(std::string text);
    void setPlaceholder(std::string placeholder);
    void setFont(const Font& font);
    ClearButtonMode clearButtonMode() const { return clearMode_; }
    void setClearButtonMode(ClearButtonMode mode);
    void setDelegate(TextFieldDelegate* delegate) { delegate_ = delegate; }

    bool isEditing() const;
    bool becomeFirstResponder();
    bool resignFirstResponder();
    std::size_t cursor() const { return cursor_; }
    bool isClearButtonShown() const;

    // Keyboard input, from the shell or a test.
    void insertText(const std::string& text);
    void deleteBackward();
    void moveCursorLeft();
    void moveCursorRight();
    void moveCursorToStart() { cursor_ = 0; setNeedsDisplay(); }
    void moveCursorToEnd() { cursor_ = text_.size(); setNeedsDisplay(); }
    void returnKey();
    void clearButtonTapped();

    void touchesBegan(const Touch& touch) override;
    void touchesEnded(const Touch& touch) override;
    void draw(Painter& painter) const override;

private:
    Rect clearButtonRect() const;
    void replace(TextRange range, const std::string& replacement);

    std::string text_;
    std::string placeholder_;
    Font font_{17, false};
    ClearButtonMode clearMode_ = ClearButtonMode::Never;
    TextFieldDelegate* delegate_ = nullptr;
    std::size_t cursor_ = 0;
};

} // namespace platform
