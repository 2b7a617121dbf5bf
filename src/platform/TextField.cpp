#include "platform/TextField.h"

#include "platform/Application.h"
#include "platform/Theme.h"
#include "platform/Translate.h"

#include <algorithm>
#include <vector>

namespace platform {

namespace {

constexpr float clearButtonSize = 28;
constexpr float padding = 8;

bool isContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Keeps only well-formed UTF-8 from the keyboard: a stray byte could split a character in two.
std::string validUtf8(const std::string& s)
{
    std::string out;
    for (std::size_t i = 0; i < s.size();) {
        auto c = static_cast<unsigned char>(s[i]);
        std::size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
        bool ok = n > 0 && i + n <= s.size();
        for (std::size_t k = 1; ok && k < n; ++k)
            ok = isContinuationByte(s[i + k]);
        if (ok && (n > 1 || c >= 0x20))
            out.append(s, i, n);
        i += ok ? n : 1;
    }
    return out;
}

} // namespace

TextField::TextField(Rect frame) : View(frame) {}

TextField::~TextField()
{
    if (Application::exists() && Application::shared().firstResponder() == this)
        Application::shared().setFirstResponder(nullptr);
}

void TextField::setText(std::string text)
{
    std::string before = std::move(text_);
    text_ = validUtf8(text);
    cursor_ = text_.size();
    selection_ = {};
    setNeedsDisplay();
    if (before != text_)
        Application::viewChanged(*this, {Application::ViewChange::Text, 0, std::move(before), text_});
}

void TextField::setPlaceholder(std::string placeholder)
{
    placeholder_ = std::move(placeholder);
    setNeedsDisplay();
}

void TextField::setFont(const Font& font)
{
    font_ = font;
    setNeedsDisplay();
}

void TextField::setClearButtonMode(ClearButtonMode mode)
{
    clearMode_ = mode;
    setNeedsDisplay();
}

bool TextField::isEditing() const { return Application::exists() && Application::shared().firstResponder() == this; }

bool TextField::becomeFirstResponder()
{
    if (isEditing())
        return true;
    auto& app = Application::shared();
    if (TextField* other = app.firstResponder())
        other->resignFirstResponder();
    app.setFirstResponder(this);
    cursor_ = text_.size();
    selection_ = {};
    if (delegate_)
        delegate_->textFieldDidBeginEditing(*this);
    return true;
}

bool TextField::resignFirstResponder()
{
    if (!isEditing())
        return true;
    Application::shared().setFirstResponder(nullptr);
    selection_ = {};
    setNeedsDisplay();
    if (delegate_)
        delegate_->textFieldDidEndEditing(*this);
    return true;
}

bool TextField::isClearButtonShown() const
{
    if (text_.empty())
        return false;
    switch (clearMode_) {
    case ClearButtonMode::Never:
        return false;
    case ClearButtonMode::WhileEditing:
        return isEditing();
    case ClearButtonMode::UnlessEditing:
        return !isEditing();
    case ClearButtonMode::Always:
        return true;
    }
    return false;
}

Rect TextField::clearButtonRect() const
{
    // At the end of the line: on the left in a language read from the right.
    const float x = isRightToLeft() ? 4 : frame().width() - clearButtonSize - 4;
    return {x, (frame().height() - clearButtonSize) / 2, clearButtonSize, clearButtonSize};
}

void TextField::replace(TextRange range, const std::string& replacement)
{
    std::string clean = validUtf8(replacement);
    if (delegate_ && !delegate_->shouldChangeCharactersInRange(*this, range, clean))
        return;
    std::string removed = text_.substr(range.location, range.length);
    text_.replace(range.location, range.length, clean);
    cursor_ = range.location + clean.size();
    selection_ = {};
    setNeedsDisplay();
    Application::viewChanged(*this, {Application::ViewChange::Text, range.location, std::move(removed), clean});
    if (delegate_)
        delegate_->textFieldDidChange(*this);
}

void TextField::insertText(const std::string& text)
{
    if (!isEditing() || text.empty())
        return;
    replace(selection_.length > 0 ? selection_ : TextRange{cursor_, 0}, text);
}

void TextField::deleteBackward()
{
    if (!isEditing())
        return;
    if (selection_.length > 0) {
        replace(selection_, "");
        return;
    }
    if (cursor_ == 0)
        return;
    std::size_t start = cursor_ - 1;
    while (start > 0 && isContinuationByte(text_[start]))
        --start;
    replace({start, cursor_ - start}, "");
}

void TextField::moveCursorTo(std::size_t position)
{
    cursor_ = position;
    selection_ = {};
    setNeedsDisplay();
}

void TextField::moveCursorLeft()
{
    std::size_t position = cursor_;
    if (position > 0)
        --position;
    while (position > 0 && isContinuationByte(text_[position]))
        --position;
    moveCursorTo(position);
}

void TextField::moveCursorRight()
{
    std::size_t position = cursor_;
    if (position < text_.size())
        ++position;
    while (position < text_.size() && isContinuationByte(text_[position]))
        ++position;
    moveCursorTo(position);
}

void TextField::selectAll()
{
    if (!isEditing())
        return;
    selection_ = {0, text_.size()};
    cursor_ = text_.size();
    setNeedsDisplay();
}

void TextField::cancelEditing()
{
    if (!isEditing())
        return;
    if (delegate_)
        delegate_->textFieldDidCancelEditing(*this);
    resignFirstResponder();
}

namespace {

void collectFields(View& view, std::vector<TextField*>& fields)
{
    if (auto* field = dynamic_cast<TextField*>(&view); field && field->isEffectivelyVisible() && field->isUserInteractionEnabled())
        fields.push_back(field);
    for (const auto& sub : view.subviews())
        collectFields(*sub, fields);
}

} // namespace

void TextField::moveToNeighbour(bool backwards)
{
    // The fields of the same screen or dialog: the nearest view a controller owns.
    View* root = this;
    while (root->superview() && !root->controller())
        root = root->superview();
    std::vector<TextField*> fields;
    collectFields(*root, fields);
    auto here = std::find(fields.begin(), fields.end(), this);
    if (fields.size() < 2 || here == fields.end())
        return;
    const std::size_t count = fields.size(), index = std::size_t(here - fields.begin());
    TextField* next = fields[(index + (backwards ? count - 1 : 1)) % count];
    if (next->delegate_ && !next->delegate_->textFieldShouldBeginEditing(*next))
        return;
    next->becomeFirstResponder();
}

bool TextField::pressKey(Key key)
{
    switch (key) {
    case Key::Return: returnKey(); break;
    case Key::Escape: cancelEditing(); break;
    case Key::Tab: moveToNeighbour(false); break;
    case Key::BackTab: moveToNeighbour(true); break;
    case Key::Backspace: deleteBackward(); break;
    case Key::Left: moveCursorLeft(); break;
    case Key::Right: moveCursorRight(); break;
    case Key::Home: moveCursorToStart(); break;
    case Key::End: moveCursorToEnd(); break;
    case Key::SelectAll: selectAll(); break;
    // Space is typed text; Up, Down and the pages mean nothing on one line.
    case Key::Space:
    case Key::Up:
    case Key::Down:
    case Key::PageUp:
    case Key::PageDown: return false;
    }
    return true;
}

void TextField::returnKey()
{
    if (!isEditing())
        return;
    if (delegate_)
        delegate_->textFieldShouldReturn(*this);
}

void TextField::clearButtonTapped()
{
    if (delegate_ && !delegate_->textFieldShouldClear(*this))
        return;
    text_.clear();
    cursor_ = 0;
    selection_ = {};
    setNeedsDisplay();
    if (delegate_)
        delegate_->textFieldDidChange(*this);
}

void TextField::touchesBegan(const Touch&) {}

void TextField::touchesEnded(const Touch& touch)
{
    Point p = touch.locationInView(*this);
    if (!bounds().contains(p))
        return;
    if (isClearButtonShown() && clearButtonRect().insetBy(-6, -6).contains(p)) {
        clearButtonTapped();
        return;
    }
    beginEditing();
}

bool TextField::keyDown(Key key)
{
    if (key != Key::Return && key != Key::Space)
        return false;
    beginEditing();
    return true;
}

void TextField::beginEditing()
{
    if (isEditing())
        return;
    if (delegate_ && !delegate_->textFieldShouldBeginEditing(*this))
        return;
    becomeFirstResponder();
}

void TextField::draw(Painter& painter) const
{
    Rect local{0, 0, frame().width(), frame().height()};
    painter.fillRoundedRect(local, 7, theme::fieldFill);
    if (isEditing())
        painter.strokeRoundedRect(local.insetBy(1, 1), 6, 2, theme::accent);
    const bool rightToLeft = isRightToLeft();
    float left = padding, right = local.width() - padding;
    if (isClearButtonShown())
        (rightToLeft ? left : right) = rightToLeft ? clearButtonRect().maxX() + 2 : clearButtonRect().x() - 2;
    Rect textRect{left, 0, right - left, local.height()};
    TextStyle style;
    style.font = font_;
    style.alignment = rightToLeft ? TextAlignment::Right : TextAlignment::Left;
    style.color = text_.empty() ? theme::placeholderText : theme::fieldText;
    painter.save();
    painter.clipRect(textRect);
    if (!isEditing() || text_.empty()) {
        style.minimumFontSize = font_.size * 0.7f;
        painter.drawText(textRect, text_.empty() ? placeholder_ : text_, style);
    } else {
        // The whole text at its size from the line's start, moved along as far as keeps the caret in view.
        constexpr float caretWidth = 2;
        const float caretX = painter.caretX(text_, cursor_, font_);
        const float width = painter.textWidth(text_, font_) + 1;
        const float x = rightToLeft ? std::max(textRect.maxX() - width, textRect.x() - caretX)
                                    : textRect.x() - std::max(0.0f, caretX + caretWidth + 1 - textRect.width());
        if (selection_.length > 0) {
            // Its ends, whichever way the text runs between them.
            const float atStart = painter.caretX(text_, selection_.location, font_);
            const float atEnd = painter.caretX(text_, selection_.location + selection_.length, font_);
            const float from = std::min(atStart, atEnd), to = std::max(atStart, atEnd);
            painter.fillRect({x + from, (local.height() - font_.size * 1.3f) / 2, to - from, font_.size * 1.3f},
                             theme::accent.withAlpha(0.3f));
        }
        style.alignment = TextAlignment::Left;
        painter.drawText({x, 0, width, local.height()}, text_, style);
        painter.fillRect({x + caretX, (local.height() - font_.size * 1.2f) / 2, caretWidth, font_.size * 1.2f}, theme::accent);
    }
    painter.restore();
    if (isClearButtonShown()) {
        Rect c = clearButtonRect().insetBy(5, 5);
        painter.fillEllipse(c, Color::rgb255(160, 160, 168));
        Point m{c.x() + c.width() / 2, c.y() + c.height() / 2};
        float d = c.width() * 0.22f;
        painter.drawLine({m.x - d, m.y - d}, {m.x + d, m.y + d}, 2, Color::white());
        painter.drawLine({m.x - d, m.y + d}, {m.x + d, m.y - d}, 2, Color::white());
    }
}

} // namespace platform
