#pragma once

#include "platform/Color.h"
#include "platform/Geometry.h"
#include "platform/Image.h"

#include <optional>
#include <string>
#include <vector>

namespace platform {

struct Font {
    float size = 17;
    bool bold = false;
    friend bool operator==(const Font&, const Font&) = default;
};

enum class TextAlignment { Left, Center, Right };

struct TextStyle {
    Font font;
    Color color = Color::black();
    std::optional<Color> shadowColor;
    Point shadowOffset{0, -1};
    TextAlignment alignment = TextAlignment::Left;
    // Long texts shrink to fit the width down to this size, then elide. 0 keeps the size.
    float minimumFontSize = 0;
    // Wraps onto as many lines as the rectangle holds instead of shrinking.
    bool wraps = false;
    // A long text first breaks onto up to this many lines at its size, then shrinks, then elides.
    int maximumLines = 1;
    // Instead, shrinks on one line down to the minimum size before it breaks onto more.
    bool shrinksBeforeBreaking = false;
    // A phone number at the text's end breaks only where it cannot fit a line whole.
    bool keepsTrailingNumberWhole = false;
};

// Where rich text put its links, in the coordinates of the laid-out page.
struct HtmlLink {
    Rect rect;
    std::string href; // as written in the page, possibly relative
};

struct HtmlLayout {
    float height = 0;
    std::vector<HtmlLink> links;
};

enum class ImageFit { Fill, AspectFill, AspectFit };
// Smooth blends neighbouring pixels when scaling (photographs); Nearest makes each pixel a block of
// its own colour (pictures whose pixels are data, such as the spectrum palette).
enum class ImageSampling { Smooth, Nearest };

// What the view tree draws with; the shell implements it. Coordinates are in points.
class Painter {
public:
    virtual ~Painter() = default;
    virtual void save() = 0;
    virtual void restore() = 0;
    virtual void translate(Point offset) = 0;
    // Clips to the rectangle, its corners rounded by `cornerRadius` when given.
    virtual void clipRect(const Rect& rect, float cornerRadius = 0) = 0;
    virtual void multiplyOpacity(float opacity) = 0;

    virtual void fillRect(const Rect& rect, const Color& color) = 0;
    virtual void fillRoundedRect(const Rect& rect, float radius, const Color& color) = 0;
    virtual void strokeRoundedRect(const Rect& rect, float radius, float lineWidth, const Color& color) = 0;
    virtual void fillEllipse(const Rect& rect, const Color& color) = 0;
    virtual void drawLine(Point from, Point to, float lineWidth, const Color& color) = 0;
    virtual void drawImage(const Rect& rect, const Image& image, ImageFit fit,
                           ImageSampling sampling = ImageSampling::Smooth) = 0;
    virtual void drawText(const Rect& rect, const std::string& text, const TextStyle& style) = 0;
    // Lays out an HTML page to the rectangle's width and draws it moved up by `scrollOffset`, clipped
    // to the rectangle. Nothing the page refers to (images, style sheets) is fetched.
    virtual HtmlLayout drawHtml(const Rect& rect, const std::string& html, float scrollOffset) = 0;
    // Width of a text in the given font at its full size, for cursors and layout.
    virtual float textWidth(const std::string& text, const Font& font) = 0;
    // Where the caret stands at a UTF-8 offset of a text drawn on one line from x = 0, ordered by its
    // own direction: in right-to-left and mixed text, where the next letter typed there appears.
    virtual float caretX(const std::string& text, std::size_t offset, const Font& font) = 0;
};

} // namespace platform
