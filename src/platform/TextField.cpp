#include "platform/TextField.h"

#include "platform/Application.h"
#include "platform/Theme.h"

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
    text_ = validUtf8(text);
    cursor_ = text_.size();
    setNeedsDisplay();
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
    if (delegate_)
        delegate_->textFieldDidBeginEditing(*this);
    return true;
}

bool TextField::resignFirstResponder()
{
    if (!isEditing())
        return true;
    Application::shared().setFirstResponder(nullptr);
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
    return {frame().width() - clearButtonSize - 4, (frame().height() - clearButtonSize) / 2, clearButtonSize, clearButtonSize};
}

void TextField::replace(TextRange range, const std::string& replacement)
{
    std::string clean = validUtf8(replacement);
    if (delegate_ && !delegate_->shouldChangeCharactersInRange(*this, range, clean))
        return;
    text_.replace(range.location, range.length, clean);
    cursor_ = range.location + clean.size();
    setNeedsDisplay();
}

void TextField::insertText(const std::string& text)
{
    if (!isEditing() || text.empty())
        return;
    replace({cursor_, 0}, text);
}

void TextField::deleteBackward()
{
    if (!isEditing() || cursor_ == 0)
        return;
    std::size_t start = cursor_ - 1;
    while (start > 0 && isContinuationByte(text_[start]))
        --start;
    replace({start, cursor_ - start}, "");
}

void TextField::moveCursorLeft()
{
    if (cursor_ == 0)
        return;
    --cursor_;
    while (cursor_ > 0 && isContinuationByte(text_[cursor_]))
        --cursor_;
    setNeedsDisplay();
}

void TextField::moveCursorRight()
{
    if (cursor_ >= text_.size())
        return;
    ++cursor_;
    while (cursor_ < text_.size() && isContinuationByte(text_[cursor_]))
        ++cursor_;
    setNeedsDisplay();
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
    setNeedsDisplay();
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
    float right = isClearButtonShown() ? clearButtonRect().x() - 2 : local.width() - padding;
    Rect textRect{padding, 0, right - padding, local.height()};
    TextStyle style;
    style.font = font_;
    style.color = text_.empty() ? theme::placeholderText : theme::fieldText;
    style.minimumFontSize = font_.size * 0.7f;
    painter.save();
    painter.clipRect(textRect);
    painter.drawText(textRect, text_.empty() ? placeholder_ : text_, style);
    if (isEditing()) {
        float x = padding + painter.textWidth(text_.substr(0, cursor_), font_);
        x = std::min(x, right - 1);
        painter.fillRect({x, (local.height() - font_.size * 1.2f) / 2, 2, font_.size * 1.2f}, theme::accent);
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
