#include "platform/Button.h"

#include "platform/Application.h"
#include "platform/Theme.h"

namespace platform {

namespace {
// A finger that slides a little off the button still counts, as on a touch screen.
constexpr float touchSlop = 24;
} // namespace

Button::Button(Rect frame) : View(frame), titleColor_(theme::controlText) {}

void Button::setTitle(std::string title)
{
    if (title == title_)
        return;
    title_ = std::move(title);
    setNeedsDisplay();
    Application::viewChanged(*this, Application::ViewChange::Name);
}

void Button::setImage(ImageRef image)
{
    image_ = std::move(image);
    setNeedsDisplay();
}

void Button::setFont(const Font& font)
{
    font_ = font;
    setNeedsDisplay();
}

void Button::setTitleColor(const Color& color)
{
    titleColor_ = color;
    setNeedsDisplay();
}

void Button::setSelectedBackgroundColor(std::optional<Color> color)
{
    selectedBackground_ = color;
    setNeedsDisplay();
}

void Button::setSelected(bool selected)
{
    if (selected_ == selected)
        return;
    selected_ = selected;
    setNeedsDisplay();
    Application::viewChanged(*this, Application::ViewChange::Selection);
}

void Button::setEnabled(bool enabled)
{
    if (enabled_ == enabled)
        return;
    enabled_ = enabled;
    if (!enabled)
        highlighted_ = false;
    setNeedsDisplay();
}

void Button::setHighlighted(bool highlighted)
{
    if (highlighted_ == highlighted)
        return;
    highlighted_ = highlighted;
    setNeedsDisplay();
    if (highlightAction_)
        highlightAction_(highlighted);
}

void Button::sendAction()
{
    // Copy: the action may replace itself or destroy this button's owner.
    if (auto action = action_)
        action();
}

bool Button::keyDown(Key key)
{
    if ((key != Key::Return && key != Key::Space) || !enabled_)
        return false;
    sendAction();
    return true;
}

bool Button::isNear(const Touch& touch) const
{
    Point p = touch.locationInView(*this);
    return bounds().insetBy(-touchSlop, -touchSlop).contains(p);
}

void Button::touchesBegan(const Touch&)
{
    if (enabled_)
        setHighlighted(true);
}

void Button::touchesMoved(const Touch& touch)
{
    if (enabled_)
        setHighlighted(isNear(touch));
}

void Button::touchesEnded(const Touch& touch)
{
    bool fire = enabled_ && highlighted_ && isNear(touch);
    setHighlighted(false);
    if (fire)
        sendAction();
}

void Button::draw(Painter& painter) const
{
    Rect local{0, 0, frame().width(), frame().height()};
    std::optional<Color> fill = selected_ && selectedBackground_ ? selectedBackground_ : backgroundColor();
    if (fill && fill->alpha > 0) {
        if (cornerRadius() > 0)
            painter.fillRoundedRect(local, cornerRadius(), *fill);
        else
            painter.fillRect(local, *fill);
    }
    if (image_ && !image_->isNull())
        painter.drawImage(local, *image_, ImageFit::AspectFit);
    if (!title_.empty()) {
        TextStyle style;
        style.font = font_;
        style.color = enabled_ ? titleColor_ : theme::disabledText;
        style.alignment = TextAlignment::Center;
        style.minimumFontSize = font_.size * 0.6f;
        painter.drawText(local.insetBy(4, 0), title_, style);
    }
    // A button that draws nothing (a transparent full-screen button) stays invisible when pressed.
    if (highlighted_ && ((fill && fill->alpha > 0) || image_ || !title_.empty()))
        painter.fillRoundedRect(local, cornerRadius(), theme::highlightOverlay);
}

} // namespace platform
