#pragma once

#include "platform/Image.h"
#include "platform/Painter.h"
#include "platform/View.h"

#include <functional>

namespace platform {

// A push button with a title or an image. Its action runs when a touch that began on it ends on it.
class Button : public View {
public:
    explicit Button(Rect frame = {});

    const std::string& title() const { return title_; }
    void setTitle(std::string title);
    void setImage(ImageRef image);
    void setFont(const Font& font);
    void setTitleColor(const Color& color);
    // The fill while selected; the normal fill is the background colour.
    void setSelectedBackgroundColor(std::optional<Color> color);

    bool isSelected() const { return selected_; }
    void setSelected(bool selected);
    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled);
    bool isHighlighted() const { return highlighted_; }

    void setAction(std::function<void()> action) { action_ = std::move(action); }
    // Told when a finger starts or stops pressing the button, before the action of a press let go on it.
    void setHighlightAction(std::function<void(bool highlighted)> action) { highlightAction_ = std::move(action); }
    // Runs the action as a completed tap would.
    void sendAction();
    // A key that presses this button while a tap could reach it, whatever has the focus: Escape for
    // the ways back and out.
    std::optional<Key> keyEquivalent() const { return keyEquivalent_; }
    void setKeyEquivalent(Key key) { keyEquivalent_ = key; }
    bool canBecomeFocused() const override { return enabled_ && action_ != nullptr; }
    // Return and Space press it.
    bool keyDown(Key key) override;

    void touchesBegan(const Touch& touch) override;
    void touchesMoved(const Touch& touch) override;
    void touchesEnded(const Touch& touch) override;
    void draw(Painter& painter) const override;

private:
    bool isNear(const Touch& touch) const;
    void setHighlighted(bool highlighted);

    std::string title_;
    ImageRef image_;
    Font font_{16, true};
    Color titleColor_;
    std::optional<Color> selectedBackground_;
    bool selected_ = false;
    bool enabled_ = true;
    std::function<void(bool)> highlightAction_;
    bool highlighted_ = false;
    std::function<void()> action_;
    std::optional<Key> keyEquivalent_;
};

} // namespace platform
