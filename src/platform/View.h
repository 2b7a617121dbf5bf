#pragma once

#include "platform/Color.h"
#include "platform/Geometry.h"
#include "platform/Keys.h"
#include "platform/Responder.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

class Painter;
class ViewController;

// A value that the screen may still be moving towards: `value` is what reads back, `presented(t)`
// what is drawn at time t.
template <class T>
struct Animated {
    T value{};
    T from{};
    double start = 0;
    double duration = 0;
    bool awaitingCommit = false;

    T presented(double now) const;
};

// The retained view tree. A superview holds its subviews; later siblings are drawn above earlier ones.
class View : public Responder, public std::enable_shared_from_this<View> {
public:
    View() = default;
    explicit View(Rect frame);
    ~View() override;
    View(const View&) = delete;
    View& operator=(const View&) = delete;

    Rect frame() const { return frame_.value; }
    void setFrame(const Rect& frame);
    // The bounds size is the frame size; a bounds origin shifts the subviews: (-w, 0) draws them one
    // width to the right.
    Rect bounds() const { return {boundsOrigin_.value, frame_.value.size}; }
    void setBounds(const Rect& bounds);
    float alpha() const { return alpha_.value; }
    void setAlpha(float alpha);
    bool isHidden() const { return hidden_; }
    void setHidden(bool hidden);
    std::optional<Color> backgroundColor() const { return backgroundColor_; }
    void setBackgroundColor(std::optional<Color> color);
    float cornerRadius() const { return cornerRadius_; }
    void setCornerRadius(float radius);
    bool clipsToBounds() const { return clipsToBounds_; }
    void setClipsToBounds(bool clips);
    bool isUserInteractionEnabled() const { return userInteractionEnabled_; }
    void setUserInteractionEnabled(bool enabled) { userInteractionEnabled_ = enabled; }

    // What assistive technology reads for this view where its own text does not say it (an arrow, a
    // mark); empty: its text.
    const std::string& accessibilityLabel() const { return accessibilityLabel_; }
    void setAccessibilityLabel(std::string label) { accessibilityLabel_ = std::move(label); }

    // For tests and diagnostics: finds views without knowing the tree's shape.
    const std::string& identifier() const { return identifier_; }
    void setIdentifier(std::string id) { identifier_ = std::move(id); }
    View* findByIdentifier(const std::string& id);

    void addSubview(std::shared_ptr<View> view);
    void insertSubviewAbove(std::shared_ptr<View> view, const View& sibling);
    void bringSubviewToFront(const View& view);
    void sendSubviewToBack(const View& view);
    void removeFromSuperview();
    View* superview() const { return superview_; }
    const std::vector<std::shared_ptr<View>>& subviews() const { return subviews_; }
    bool isDescendantOf(const View& ancestor) const;
    // Visible on screen as far as the model goes: in the window, no hidden or transparent ancestor,
    // and not moved out of sight of the screen or of a clipping ancestor (a dialog slid sideways).
    bool isEffectivelyVisible() const;

    // Geometry in the bounds space of this view.
    Point convertFromWindow(Point windowPoint) const;
    Point convertToWindow(Point point) const;
    virtual View* hitTest(Point point);

    // What the screen shows now, part way through an animation.
    Rect presentedFrame(double now) const { return frame_.presented(now); }
    // Whether a property is still on its way to its value at `now`, or waits for its animation to start.
    bool isAnimating(double now) const;
    // Set inside an animation whose block is still open: it shows where it was until the block ends.
    bool awaitsAnimation() const { return frame_.awaitingCommit || boundsOrigin_.awaitingCommit || alpha_.awaitingCommit; }
    // The window rectangle this view and its subviews may draw into at `now`, clipped as the screen
    // clips it; empty when none of it shows. Repaints are limited to such rectangles.
    Rect shownRectInWindow(double now) const;
    // How far outside its frame a view may draw: text overhanging its line, a shadow's edge.
    static constexpr float drawingOverhang = 4;
    Point presentedBoundsOrigin(double now) const { return boundsOrigin_.presented(now); }
    float presentedAlpha(double now) const { return alpha_.presented(now); }

    // The controller whose view this is; it sees the view's touches before the superview does.
    ViewController* controller() const { return controller_; }
    void setController(ViewController* controller) { controller_ = controller; }
    Responder* nextResponder() const override;

    // The keyboard: whether Tab stops at this control, and a key pressed while it has the focus (false
    // when the key means nothing to it).
    virtual bool canBecomeFocused() const { return false; }
    virtual bool keyDown(Key) { return false; }
    // What the focus ring goes round, in the bounds space: the whole view unless a part has the focus.
    virtual Rect focusRect() const { return bounds(); }

    // Draws the view's own content in its local rectangle (0, 0, width, height). The default draws
    // the background colour.
    virtual void draw(Painter& painter) const;

protected:
    // Marks where this view shows now as needing a repaint. Changes that move or hide it call it both
    // before and after.
    void setNeedsDisplay() const;
    virtual void didMoveToWindow() {}

private:
    void detachFromSuperview();
    template <class T>
    void animate(Animated<T>& property, const T& value, T (View::*presentedNow)() const);
    Rect presentedFrameNow() const;
    Point presentedBoundsOriginNow() const;
    float presentedAlphaNow() const;

    Animated<Rect> frame_;
    Animated<Point> boundsOrigin_;
    Animated<float> alpha_{1, 1};
    bool hidden_ = false;
    std::optional<Color> backgroundColor_;
    float cornerRadius_ = 0;
    bool clipsToBounds_ = false;
    bool userInteractionEnabled_ = true;
    std::string identifier_;
    std::string accessibilityLabel_;
    View* superview_ = nullptr;
    ViewController* controller_ = nullptr;
    std::vector<std::shared_ptr<View>> subviews_;
};

// Draws a view and its subviews as the screen shows them at time `now`. With `area` (in the
// coordinates of the view's superview), views that cannot reach it are skipped.
void drawViewTree(const View& view, Painter& painter, double now, const Rect* area = nullptr);

} // namespace platform
