#include "desktop/QtPainter.h"

#include "desktop/QtImageCodec.h"

#include <QAbstractTextDocumentLayout>
#include <QPainterPath>
#include <QTextLayout>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>
#include <cmath>
#include <deque>
#include <map>
#include <memory>
#include <tuple>

namespace desktop {

namespace {

QColor qColor(const platform::Color& c)
{
    return QColor::fromRgbF(std::clamp(c.red, 0.0f, 1.0f), std::clamp(c.green, 0.0f, 1.0f), std::clamp(c.blue, 0.0f, 1.0f),
                            std::clamp(c.alpha, 0.0f, 1.0f));
}

QRectF qRect(const platform::Rect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

// A paragraph's direction, from its first letter that has one (a text of digits reads left to right).
Qt::LayoutDirection paragraphDirection(const QString& text) { return text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight; }

// A scaled copy of an image for one target size in device pixels, kept with the image: the wallpaper
// photograph is drawn at the same size every frame, and scaling it each time would cost milliseconds.
struct ScaledCache {
    QSize target;
    QRect source;
    Qt::TransformationMode mode;
    QImage scaled;
};

bool isOpaque(const QImage& image)
{
    if (!image.hasAlphaChannel())
        return true;
    if (image.format() != QImage::Format_ARGB32_Premultiplied && image.format() != QImage::Format_ARGB32)
        return false;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(row[x]) != 255)
                return false;
    }
    return true;
}

QRect sourceRectFor(const QSize& imageSize, const QSizeF& targetSize, platform::ImageFit fit)
{
    if (fit != platform::ImageFit::AspectFill || targetSize.isEmpty())
        return {QPoint(0, 0), imageSize};
    double scale = std::max(targetSize.width() / imageSize.width(), targetSize.height() / imageSize.height());
    double w = targetSize.width() / scale, h = targetSize.height() / scale;
    return QRectF((imageSize.width() - w) / 2, (imageSize.height() - h) / 2, w, h).toAlignedRect() & QRect(QPoint(0, 0), imageSize);
}

// One corner of a rounded rectangle, filled or stroked, in device pixels, as the top-left corner
// mirrored to the given one. Rounded rectangles are drawn from these and plain rectangles: Qt
// rasterizes a rounded path anew on every call, which at three pixels per point cost more than the
// rest of a frame.
const QImage& cornerImage(int radius, int lineWidth, QRgb color, bool right, bool bottom)
{
    using Key = std::tuple<int, int, QRgb, bool, bool>;
    static std::map<Key, QImage> cache;
    Key key{radius, lineWidth, color, right, bottom};
    if (auto it = cache.find(key); it != cache.end())
        return it->second;
    if (cache.size() > 512) // sizes and colours of a few dialogs; never grows without bound
        cache.clear();

    int size = radius + lineWidth;
    QImage corner(size, size, QImage::Format_ARGB32_Premultiplied);
    corner.fill(Qt::transparent);
    {
        QPainter p(&corner);
        p.setRenderHint(QPainter::Antialiasing);
        QRectF shape(0, 0, 4.0 * size, 4.0 * size);
        if (lineWidth > 0) {
            p.setPen(QPen(QColor::fromRgba(color), lineWidth));
            p.setBrush(Qt::NoBrush);
            shape.adjust(lineWidth / 2.0, lineWidth / 2.0, 0, 0);
        } else {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor::fromRgba(color));
        }
        p.drawRoundedRect(shape, radius, radius);
    }
    return cache.emplace(key, corner.mirrored(right, bottom)).first->second;
}

// A page's document never reaches outside the page: not the network, not a local file named by an
// image or a style sheet.
class SealedDocument final : public QTextDocument {
protected:
    QVariant loadResource(int, const QUrl&) override { return {}; }
};

constexpr float htmlMargin = 12;

// The link rectangles of a laid-out document, line by line.
std::vector<platform::HtmlLink> linksOf(QTextDocument& doc)
{
    std::vector<platform::HtmlLink> links;
    auto* layout = doc.documentLayout();
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        QTextLayout* lines = block.layout();
        if (!lines)
            continue;
        QPointF origin = layout->blockBoundingRect(block).topLeft();
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            QTextFragment fragment = it.fragment();
            QTextCharFormat format = fragment.charFormat();
            if (!format.isAnchor() || format.anchorHref().isEmpty())
                continue;
            int start = fragment.position() - block.position(), end = start + fragment.length();
            for (int i = 0; i < lines->lineCount(); ++i) {
                QTextLine line = lines->lineAt(i);
                int from = std::max(start, line.textStart()), to = std::min(end, line.textStart() + line.textLength());
                if (from >= to)
                    continue;
                double x1 = line.cursorToX(from), x2 = line.cursorToX(to);
                links.push_back({{float(origin.x() + std::min(x1, x2)), float(origin.y() + line.y()), float(std::abs(x2 - x1)),
                                  float(line.height())},
                                 format.anchorHref().toStdString()});
            }
        }
    }
    return links;
}

// Laying out a page takes milliseconds and a frame draws it again and again: the last few pages
// are kept laid out, by their HTML and width.
struct LaidOutPage {
    std::string html;
    float width;
    std::unique_ptr<QTextDocument> document;
    platform::HtmlLayout layout;
};

LaidOutPage& laidOut(const std::string& html, float width)
{
    // Never destroyed: at exit the Qt application that the documents' fonts belong to is gone first.
    static auto& pages = *new std::deque<LaidOutPage>;
    for (auto& page : pages)
        if (page.width == width && page.html == html)
            return page;
    if (pages.size() >= 4)
        pages.pop_back();
    auto doc = std::make_unique<SealedDocument>();
    doc->setDefaultFont(QtPainter::qFont({15, false}, 15));
    doc->setDocumentMargin(htmlMargin);
    doc->setHtml(QString::fromStdString(html));
    doc->setTextWidth(width);
    platform::HtmlLayout layout{float(doc->size().height()), linksOf(*doc)};
    pages.push_front({html, width, std::move(doc), std::move(layout)});
    return pages.front();
}

} // namespace

QtPainter::QtPainter(QPainter& painter) : p_(painter)
{
    p_.setRenderHint(QPainter::Antialiasing);
    p_.setRenderHint(QPainter::TextAntialiasing);
    p_.setRenderHint(QPainter::SmoothPixmapTransform);
}

QFont QtPainter::qFont(const platform::Font& font, float size)
{
    QFont f;
    // Emoji, which DejaVu Sans lacks or has only in outline, come from the colour emoji face, and
    // Chinese, Japanese and Korean from a face that has them, the same on every machine.
    f.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Color Emoji"), QStringLiteral("WenQuanYi Micro Hei")});
    // Pixel sizes, since the painter's unit is the phone screen's point.
    f.setPixelSize(std::max(1, int(std::lround(size))));
    f.setBold(font.bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

void QtPainter::save() { p_.save(); }
void QtPainter::restore() { p_.restore(); }
void QtPainter::translate(platform::Point offset) { p_.translate(offset.x, offset.y); }
void QtPainter::clipRect(const platform::Rect& rect, float cornerRadius)
{
    if (cornerRadius <= 0) {
        p_.setClipRect(qRect(rect), Qt::IntersectClip);
        return;
    }
    QPainterPath rounded;
    rounded.addRoundedRect(qRect(rect), cornerRadius, cornerRadius);
    p_.setClipPath(rounded, Qt::IntersectClip);
}
void QtPainter::multiplyOpacity(float opacity) { p_.setOpacity(p_.opacity() * opacity); }

void QtPainter::fillRect(const platform::Rect& rect, const platform::Color& color)
{
    if (color.alpha > 0)
        p_.fillRect(qRect(rect), qColor(color));
}

void QtPainter::fillRoundedRect(const platform::Rect& rect, float radius, const platform::Color& color)
{
    if (color.alpha <= 0 || drawRoundedFromCorners(rect, radius, 0, color))
        return;
    p_.setPen(Qt::NoPen);
    p_.setBrush(qColor(color));
    p_.drawRoundedRect(qRect(rect), radius, radius);
}

void QtPainter::strokeRoundedRect(const platform::Rect& rect, float radius, float lineWidth, const platform::Color& color)
{
    if (color.alpha <= 0 || drawRoundedFromCorners(rect, radius, lineWidth, color))
        return;
    p_.setPen(QPen(qColor(color), lineWidth));
    p_.setBrush(Qt::NoBrush);
    float inset = lineWidth / 2;
    p_.drawRoundedRect(qRect(rect).adjusted(inset, inset, -inset, -inset), radius, radius);
}

bool QtPainter::drawRoundedFromCorners(const platform::Rect& rect, float radius, float lineWidth, const platform::Color& color)
{
    const QTransform transform = p_.transform();
    // Flips turn the picture; those frames take the general path.
    if (transform.type() > QTransform::TxScale)
        return false;
    QRectF mapped = transform.mapRect(qRect(rect));
    int left = int(std::lround(mapped.left())), top = int(std::lround(mapped.top()));
    int w = int(std::lround(mapped.right())) - left, h = int(std::lround(mapped.bottom())) - top;
    int lw = lineWidth > 0 ? std::max(1, int(std::lround(lineWidth * transform.m11()))) : 0;
    int r = std::min(int(std::lround(radius * transform.m11())), std::min(w, h) / 2 - lw);
    if (w <= 0 || h <= 0 || r <= 0)
        return false;

    QRgb rgba = qColor(color).rgba();
    int c = r + lw; // a corner image's side
    p_.save();
    p_.resetTransform();
    p_.drawImage(QPoint(left, top), cornerImage(r, lw, rgba, false, false));
    p_.drawImage(QPoint(left + w - c, top), cornerImage(r, lw, rgba, true, false));
    p_.drawImage(QPoint(left, top + h - c), cornerImage(r, lw, rgba, false, true));
    p_.drawImage(QPoint(left + w - c, top + h - c), cornerImage(r, lw, rgba, true, true));
    QColor fill = QColor::fromRgba(rgba);
    if (lw == 0) {
        p_.fillRect(QRect(left + c, top, w - 2 * c, h), fill);
        p_.fillRect(QRect(left, top + c, c, h - 2 * c), fill);
        p_.fillRect(QRect(left + w - c, top + c, c, h - 2 * c), fill);
    } else {
        p_.fillRect(QRect(left + c, top, w - 2 * c, lw), fill);
        p_.fillRect(QRect(left + c, top + h - lw, w - 2 * c, lw), fill);
        p_.fillRect(QRect(left, top + c, lw, h - 2 * c), fill);
        p_.fillRect(QRect(left + w - lw, top + c, lw, h - 2 * c), fill);
    }
    p_.restore();
    return true;
}

void QtPainter::fillEllipse(const platform::Rect& rect, const platform::Color& color)
{
    p_.setPen(Qt::NoPen);
    p_.setBrush(qColor(color));
    p_.drawEllipse(qRect(rect));
}

void QtPainter::drawLine(platform::Point from, platform::Point to, float lineWidth, const platform::Color& color)
{
    p_.setPen(QPen(qColor(color), lineWidth, Qt::SolidLine, Qt::RoundCap));
    p_.drawLine(QPointF(from.x, from.y), QPointF(to.x, to.y));
}

void QtPainter::drawImage(const platform::Rect& rect, const platform::Image& image, platform::ImageFit fit,
                          platform::ImageSampling sampling)
{
    if (sampling == platform::ImageSampling::Nearest) {
        p_.save();
        p_.setRenderHint(QPainter::SmoothPixmapTransform, false);
        drawScaledImage(rect, image, fit, Qt::FastTransformation);
        p_.restore();
        return;
    }
    drawScaledImage(rect, image, fit, Qt::SmoothTransformation);
}

void QtPainter::drawScaledImage(const platform::Rect& rect, const platform::Image& image, platform::ImageFit fit,
                                Qt::TransformationMode mode)
{
    QImage source = toQImage(image);
    if (source.isNull() || rect.width() <= 0 || rect.height() <= 0)
        return;
    QRectF target = qRect(rect);
    if (fit == platform::ImageFit::AspectFit) {
        QSizeF s = QSizeF(source.size()).scaled(target.size(), Qt::KeepAspectRatio);
        target = QRectF(target.center() - QPointF(s.width() / 2, s.height() / 2), s);
    }
    QRect from = sourceRectFor(source.size(), target.size(), fit);
    const QTransform transform = p_.transform();
    if (mode == Qt::FastTransformation && transform.type() <= QTransform::TxScale) {
        // Sampled pixel for pixel, its edges go on whole pixels: a fractional edge would be drawn
        // differently by a whole repaint and by one clipped to what changed.
        const QRectF m = transform.mapRect(target);
        const QPoint topLeft(int(std::round(m.left())), int(std::round(m.top())));
        target = transform.inverted().mapRect(QRectF(
            topLeft, QSizeF(std::round(m.right()) - topLeft.x(), std::round(m.bottom()) - topLeft.y())));
    }
    QSize device = transform.mapRect(target).toAlignedRect().size();
    if (from.size() == device || transform.isRotating()) {
        p_.drawImage(target, source, from);
        return;
    }
    auto cache = std::static_pointer_cast<ScaledCache>(image.shellCache);
    if (!cache || cache->target != device || cache->source != from || cache->mode != mode) {
        // The part shown, read in place: a copy of it would be a second photograph in memory.
        const QImage part(source.constScanLine(from.y()) + std::ptrdiff_t(from.x()) * 4, from.width(), from.height(),
                          source.bytesPerLine(), source.format());
        QImage scaled = part.scaled(device, Qt::IgnoreAspectRatio, mode);
        // An opaque picture is copied row by row where a translucent one is blended pixel by pixel.
        if (isOpaque(scaled))
            scaled.convertTo(QImage::Format_RGB32);
        cache = std::make_shared<ScaledCache>(ScaledCache{device, from, mode, std::move(scaled)});
        image.shellCache = cache;
    }
    // Already at the device's pixels: placed on whole pixels it is a copy, where the painter's
    // scale would resample it (the wallpaper photograph every frame).
    const QRectF mapped = transform.mapRect(target);
    const QPointF corner(std::round(mapped.x()), std::round(mapped.y()));
    if (transform.type() <= QTransform::TxScale && std::abs(mapped.x() - corner.x()) < 1e-3 &&
        std::abs(mapped.y() - corner.y()) < 1e-3 && std::abs(mapped.width() - device.width()) < 1e-3 &&
        std::abs(mapped.height() - device.height()) < 1e-3) {
        p_.save();
        p_.resetTransform();
        p_.drawImage(corner, cache->scaled);
        p_.restore();
        return;
    }
    p_.drawImage(target, cache->scaled);
}

// Qt keeps glyphs up to 64 device pixels in its cache and draws larger ones as outlines on every
// call; the wallpaper's lettering is up to 150 pixels tall at three pixels per point, and every finger
// move over a palette repaints it. Such lines are drawn once into an image, kept by everything that
// shapes them, and copied after.
constexpr int largestCachedGlyph = 64;

struct TextImageKey {
    QString text;
    int pixelSize;
    bool bold;
    int flags;
    QSizeF size;
    QRgb color, shadow;
    QPointF shadowOffset;
    qreal scale;
    bool operator<(const TextImageKey& o) const
    {
        auto tie = [](const TextImageKey& k) {
            return std::tie(k.text, k.pixelSize, k.bold, k.flags, k.color, k.shadow, k.scale);
        };
        auto geometry = [](const TextImageKey& k) {
            return std::make_tuple(k.size.width(), k.size.height(), k.shadowOffset.x(), k.shadowOffset.y());
        };
        return tie(*this) < tie(o) || (tie(*this) == tie(o) && geometry(*this) < geometry(o));
    }
};

void QtPainter::drawTextLine(const QRectF& rect, const QString& text, const platform::TextStyle& style,
                             const QFont& font, int flags)
{
    const QTransform& t = p_.transform();
    qreal scale = t.m11();
    if (t.type() <= QTransform::TxScale && scale == t.m22() && font.pixelSize() * scale > largestCachedGlyph) {
        drawCachedTextLine(rect, text, style, font, flags, scale);
        return;
    }
    paintTextLine(rect, text, style, font, flags);
}

void QtPainter::drawCachedTextLine(const QRectF& rect, const QString& text, const platform::TextStyle& style,
                                   const QFont& font, int flags, qreal scale)
{
    static std::map<TextImageKey, QImage> cache;
    bool shadowed = style.shadowColor && style.shadowColor->alpha > 0;
    QPointF shadowOffset = shadowed ? QPointF(style.shadowOffset.x, style.shadowOffset.y) : QPointF();
    TextImageKey key{text, font.pixelSize(), font.bold(), flags, rect.size(), qColor(style.color).rgba(),
                     shadowed ? qColor(*style.shadowColor).rgba() : 0, shadowOffset, scale};
    // The image reaches past the rectangle by the shadow and a margin for glyphs that overhang it.
    qreal margin = 2 + std::max(std::abs(shadowOffset.x()), std::abs(shadowOffset.y()));
    // Wrapped lines may reach below the rectangle, as they do when drawn directly.
    const QRectF drawn = (flags & Qt::TextWordWrap) ? rect.united(QFontMetricsF(font).boundingRect(rect, flags, text)) : rect;
    QRectF area = drawn.adjusted(-margin, -margin, margin, margin);
    auto it = cache.find(key);
    if (it == cache.end()) {
        if (cache.size() > 64) // the few labels on screen in their current sizes
            cache.clear();
        QImage image(QSizeF(area.size() * scale).toSize() + QSize(1, 1), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHints(p_.renderHints());
        p.scale(scale, scale);
        QtPainter painter(p);
        painter.paintTextLine(rect.translated(-area.topLeft()), text, style, font, flags);
        p.end();
        it = cache.emplace(std::move(key), std::move(image)).first;
    }
    // Copied at whole device pixels, as the glyphs would have been placed.
    QPointF device = p_.transform().map(area.topLeft());
    p_.save();
    p_.resetTransform();
    p_.drawImage(QPointF(std::round(device.x()), std::round(device.y())), it->second);
    p_.restore();
}

void QtPainter::paintTextLine(const QRectF& rect, const QString& text, const platform::TextStyle& style,
                              const QFont& font, int flags)
{
    p_.setFont(font);
    // A painter on a widget starts left to right and one on an image guesses from the text: both are
    // told the paragraph's own direction, so that the window and a saved picture order it alike.
    p_.setLayoutDirection(paragraphDirection(text));
    if (style.shadowColor && style.shadowColor->alpha > 0) {
        p_.setPen(qColor(*style.shadowColor));
        p_.drawText(rect.translated(style.shadowOffset.x, style.shadowOffset.y), flags, text);
    }
    p_.setPen(qColor(style.color));
    p_.drawText(rect, flags, text);
}

namespace {

int alignmentFlags(platform::TextAlignment alignment)
{
    // Absolute: a right-to-left paragraph keeps the side its view asks for.
    int absolute = Qt::AlignAbsolute;
    return absolute | (alignment == platform::TextAlignment::Center  ? Qt::AlignHCenter
                       : alignment == platform::TextAlignment::Right ? Qt::AlignRight
                                                                     : Qt::AlignLeft);
}

struct TextLine {
    int start, length;
};

// Where a text breaks into lines no wider than `width`: between words, within a word too long for a line.
std::vector<TextLine> breakLines(const QString& text, const QFont& font, qreal width)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTextDirection(paragraphDirection(text));
    layout.setTextOption(option);
    std::vector<TextLine> lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines.push_back({line.textStart(), line.textLength()});
    }
    layout.endLayout();
    return lines;
}

// The text with the spaces inside the phone number it ends with made non-breaking: "TAVRIN: +1 555
// 0100" breaks after "TAVRIN:" rather than inside the number.
QString withTrailingNumberBound(QString text)
{
    auto inNumber = [](QChar c) { return c.isDigit() || QStringView(u"+-.() ").contains(c); };
    qsizetype start = text.size();
    while (start > 0 && inNumber(text[start - 1]))
        --start;
    while (start < text.size() && text[start] == u' ')
        ++start;
    for (qsizetype i = start; i < text.size(); ++i)
        if (text[i] == u' ')
            text[i] = QChar::Nbsp;
    return text;
}

// A text as it goes into a rectangle on one line or a few: the lines and their font.
struct FittedText {
    QFont font;
    QStringList lines;
    bool whole = true;
};

FittedText fitText(const QRectF& r, const QString& s, const platform::TextStyle& style)
{
    // No rectangle shows more than a few hundred characters: a longer text is fitted by its beginning,
    // so that a pasted book costs no more to draw than a line.
    constexpr qsizetype longestShown = 2048;
    if (s.size() > longestShown) {
        QString head = s.left(longestShown);
        if (head.back().isHighSurrogate())
            head.chop(1);
        FittedText fitted = fitText(r, head, style);
        fitted.whole = false;
        return fitted;
    }
    // On one line, at the size asked, then shrunk to the width down to the minimum size.
    float size = style.font.size;
    QFont font = QtPainter::qFont(style.font, size);
    qreal width = QFontMetricsF(font).horizontalAdvance(s);
    if (width <= r.width())
        return {font, {s}, true};
    const float minimum = style.minimumFontSize > 0 ? std::min(style.minimumFontSize, size) : size;
    if (style.maximumLines <= 1 || style.shrinksBeforeBreaking) {
        if (minimum < size) {
            size = std::max(minimum, float(std::floor(size * r.width() / width)));
            font = QtPainter::qFont(style.font, size);
            while (size > minimum && QFontMetricsF(font).horizontalAdvance(s) > r.width())
                font = QtPainter::qFont(style.font, --size);
            width = QFontMetricsF(font).horizontalAdvance(s);
        }
        if (width <= r.width())
            return {font, {s}, true};
        if (style.maximumLines <= 1)
            return {font, {QFontMetricsF(font).elidedText(s, Qt::ElideRight, r.width())}, false};
    }
    // On a few lines: broken at the size asked, then shrunk until they fit the rectangle; a number
    // kept whole first, and broken only when whole it cannot fit.
    auto linesOf = [](const QString& text, const std::vector<TextLine>& lines, std::size_t count) {
        QStringList texts;
        for (std::size_t i = 0; i < count; ++i)
            texts << text.mid(lines[i].start, lines[i].length).trimmed();
        return texts;
    };
    QStringList breakings{s};
    if (style.keepsTrailingNumberWhole)
        breakings.prepend(withTrailingNumberBound(s));
    for (const QString& text : breakings)
        for (float tried = style.font.size; tried >= minimum; tried = tried - 1) {
            font = QtPainter::qFont(style.font, tried);
            const auto lines = breakLines(text, font, r.width());
            const qreal height = qreal(lines.size()) * QFontMetricsF(font).lineSpacing();
            if (lines.size() <= std::size_t(style.maximumLines) && height <= r.height() + 0.5)
                return {font, linesOf(text, lines, lines.size()), true};
        }
    // At the smallest size, the lines the rectangle holds, the last one elided.
    font = QtPainter::qFont(style.font, minimum);
    const auto lines = breakLines(s, font, r.width());
    const std::size_t held = std::clamp<std::size_t>(std::size_t(r.height() / QFontMetricsF(font).lineSpacing()), 1,
                                                     std::size_t(style.maximumLines));
    QStringList texts = linesOf(s, lines, held - 1);
    texts << QFontMetricsF(font).elidedText(s.mid(lines[held - 1].start), Qt::ElideRight, r.width());
    return {font, texts, false};
}

} // namespace

void QtPainter::drawText(const platform::Rect& rect, const std::string& text, const platform::TextStyle& style)
{
    if (text.empty())
        return;
    const QString s = QString::fromStdString(text);
    const QRectF r = qRect(rect);
    const int align = alignmentFlags(style.alignment);
    if (style.wraps) {
        drawTextLine(r, s, style, qFont(style.font, style.font.size), align | Qt::AlignTop | Qt::TextWordWrap);
        return;
    }
    const FittedText fitted = fitText(r, s, style);
    if (fitted.lines.size() == 1) {
        drawTextLine(r, fitted.lines.front(), style, fitted.font, align | Qt::AlignVCenter | Qt::TextSingleLine);
        return;
    }
    // The lines as one block about the rectangle's middle.
    const qreal spacing = QFontMetricsF(fitted.font).lineSpacing();
    qreal y = r.center().y() - spacing * fitted.lines.size() / 2;
    // Each line drawn on its own keeps the direction of its paragraph (a mark of it leads a line that
    // would read the other way), and a value set apart that runs on from the line before stays apart.
    const bool rightToLeft = s.isRightToLeft();
    int isolatesOpen = 0;
    for (const QString& line : fitted.lines) {
        QString shown = QString(isolatesOpen, QChar(0x2068)) + line;
        for (QChar c : line)
            isolatesOpen += c.unicode() >= 0x2066 && c.unicode() <= 0x2068 ? 1 : c.unicode() == 0x2069 && isolatesOpen > 0 ? -1 : 0;
        if (shown.isRightToLeft() != rightToLeft)
            shown.prepend(QChar(rightToLeft ? 0x200F : 0x200E));
        drawTextLine(QRectF(r.x(), y, r.width(), spacing), shown, style, fitted.font,
                     align | Qt::AlignVCenter | Qt::TextSingleLine);
        y += spacing;
    }
}

bool QtPainter::showsWholeText(const platform::Rect& rect, const std::string& text, const platform::TextStyle& style)
{
    if (text.empty())
        return true;
    const QString s = QString::fromStdString(text);
    const QRectF r = qRect(rect);
    if (style.wraps) {
        const QFont font = qFont(style.font, style.font.size);
        return QFontMetricsF(font).boundingRect(r, Qt::TextWordWrap, s).height() <= r.height() + 0.5;
    }
    return fitText(r, s, style).whole;
}

platform::HtmlLayout QtPainter::drawHtml(const platform::Rect& rect, const std::string& html, float scrollOffset)
{
    LaidOutPage& page = laidOut(html, rect.width());
    p_.save();
    p_.setClipRect(qRect(rect), Qt::IntersectClip);
    p_.translate(rect.x(), rect.y() - scrollOffset);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, QColor(32, 32, 36));
    context.palette.setColor(QPalette::Link, QColor(0, 102, 204));
    context.clip = QRectF(0, scrollOffset, rect.width(), rect.height());
    page.document->documentLayout()->draw(&p_, context);
    p_.restore();
    return page.layout;
}

float QtPainter::textWidth(const std::string& text, const platform::Font& font)
{
    return float(QFontMetricsF(qFont(font, font.size)).horizontalAdvance(QString::fromStdString(text)));
}

float QtPainter::caretX(const std::string& text, std::size_t offset, const platform::Font& font)
{
    const QString s = QString::fromStdString(text);
    // Shaped as drawText shapes the line: the paragraph's own direction, held to the left edge.
    QTextLayout layout(s, qFont(font, font.size));
    QTextOption option(Qt::AlignLeft | Qt::AlignAbsolute);
    option.setTextDirection(paragraphDirection(s));
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(QFontMetricsF(layout.font()).horizontalAdvance(s) + 1);
    layout.endLayout();
    const int position = int(QString::fromStdString(text.substr(0, std::min(offset, text.size()))).size());
    return float(line.cursorToX(position));
}

} // namespace desktop
