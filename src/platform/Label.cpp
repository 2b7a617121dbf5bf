#include "platform/Label.h"

#include "platform/Application.h"

#include <algorithm>
#include <cmath>

namespace platform {

Label::Label(Rect frame) : View(frame) { setUserInteractionEnabled(false); }

void Label::setText(std::string text)
{
    if (text == text_)
        return;
    text_ = std::move(text);
    setNeedsDisplay();
    Application::viewChanged(*this, Application::ViewChange::Name);
}

void Label::setTextColor(const Color& color)
{
    style_.color = color;
    setNeedsDisplay();
}

void Label::setShadowColor(std::optional<Color> color)
{
    style_.shadowColor = color;
    setNeedsDisplay();
}

void Label::setShadowOffset(Point offset)
{
    style_.shadowOffset = offset;
    setNeedsDisplay();
}

void Label::setFont(const Font& font)
{
    style_.font = font;
    setNeedsDisplay();
}

void Label::setAlignment(TextAlignment alignment)
{
    style_.alignment = alignment;
    setNeedsDisplay();
}

void Label::setMinimumFontSize(float size)
{
    style_.minimumFontSize = size;
    setNeedsDisplay();
}

void Label::setWraps(bool wraps)
{
    style_.wraps = wraps;
    setNeedsDisplay();
}

void Label::setKeepsTrailingNumberWhole(bool keeps)
{
    style_.keepsTrailingNumberWhole = keeps;
    setNeedsDisplay();
}

void Label::setMaximumLines(int lines, bool shrinksBeforeBreaking)
{
    style_.maximumLines = lines;
    style_.shrinksBeforeBreaking = shrinksBeforeBreaking;
    setNeedsDisplay();
}

float Label::heightShowingWholeText(float width, float most) const
{
    if (text_.empty())
        return 0;
    const float oneLine = std::ceil(style_.font.size * 1.25f);
    ViewRenderer* renderer = Application::shared().services().renderer;
    if (!renderer || most <= oneLine)
        return std::clamp(most, 0.0f, oneLine);
    auto whole = [&](float height) { return renderer->showsWholeText({0, 0, width, height}, text_, style_); };
    if (!whole(most))
        return most;
    float tooShort = oneLine - 1, enough = most;
    while (enough - tooShort > 1) {
        const float middle = std::floor((tooShort + enough) / 2);
        (whole(middle) ? enough : tooShort) = middle;
    }
    return enough;
}

void Label::draw(Painter& painter) const
{
    View::draw(painter);
    if (!text_.empty())
        painter.drawText({0, 0, frame().width(), frame().height()}, text_, style_);
}

} // namespace platform
