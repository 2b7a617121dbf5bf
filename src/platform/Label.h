#pragma once

#include "platform/Painter.h"
#include "platform/View.h"

namespace platform {

// Plain text on one line, or a few; never interpreted as markup. Long texts shrink to fit, then elide.
class Label : public View {
public:
    explicit Label(Rect frame = {});

    const std::string& text() const { return text_; }
    void setText(std::string text);
    Color textColor() const { return style_.color; }
    void setTextColor(const Color& color);
    std::optional<Color> shadowColor() const { return style_.shadowColor; }
    void setShadowColor(std::optional<Color> color);
    void setShadowOffset(Point offset);
    const Font& font() const { return style_.font; }
    void setFont(const Font& font);
    void setAlignment(TextAlignment alignment);
    // Lets a long text shrink down to this size before it is elided.
    void setMinimumFontSize(float size);
    void setWraps(bool wraps);
    // Lets a long text break onto up to this many lines before it shrinks.
    void setMaximumLines(int lines, bool shrinksBeforeBreaking = false);
    void setKeepsTrailingNumberWhole(bool keeps);
    const TextStyle& textStyle() const { return style_; }
    // The least height, no less than a line, at which the text shows whole at this width, as the
    // shell's renderer measures it; `most` when even that is too little.
    float heightShowingWholeText(float width, float most) const;

    void draw(Painter& painter) const override;

private:
    std::string text_;
    TextStyle style_;
};

} // namespace platform
