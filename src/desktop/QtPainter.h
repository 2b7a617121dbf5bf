#pragma once

#include "platform/Painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <map>

namespace desktop {

// The view tree's painter over a QPainter. Text is plain text in DejaVu Sans, a fixed face that keeps
// the wallpaper the same on every desktop, with emoji from Noto Color Emoji; only the web view asks for markup, through drawHtml.
class QtPainter final : public platform::Painter {
public:
    explicit QtPainter(QPainter& painter);

    void save() override;
    void restore() override;
    void translate(platform::Point offset) override;
    void clipRect(const platform::Rect& rect, float cornerRadius = 0) override;
    void multiplyOpacity(float opacity) override;

    void fillRect(const platform::Rect& rect, const platform::Color& color) override;
    void fillRoundedRect(const platform::Rect& rect, float radius, const platform::Color& color) override;
    void strokeRoundedRect(const platform::Rect& rect, float radius, float lineWidth, const platform::Color& color) override;
    void fillEllipse(const platform::Rect& rect, const platform::Color& color) override;
    void drawLine(platform::Point from, platform::Point to, float lineWidth, const platform::Color& color) override;
    void drawImage(const platform::Rect& rect, const platform::Image& image, platform::ImageFit fit,
                   platform::ImageSampling sampling) override;
    void drawText(const platform::Rect& rect, const std::string& text, const platform::TextStyle& style) override;
    platform::HtmlLayout drawHtml(const platform::Rect& rect, const std::string& html, float scrollOffset) override;
    float textWidth(const std::string& text, const platform::Font& font) override;
    float caretX(const std::string& text, std::size_t offset, const platform::Font& font) override;

    static QFont qFont(const platform::Font& font, float size);
    // Whether drawText would show the whole text, neither shortened nor cut off.
    static bool showsWholeText(const platform::Rect& rect, const std::string& text, const platform::TextStyle& style);

private:
    // The fast path for rounded rectangles on an unturned painter; false when it does not apply.
    bool drawRoundedFromCorners(const platform::Rect& rect, float radius, float lineWidth, const platform::Color& color);
    void drawScaledImage(const platform::Rect& rect, const platform::Image& image, platform::ImageFit fit,
                         Qt::TransformationMode mode);
    void drawTextLine(const QRectF& rect, const QString& text, const platform::TextStyle& style, const QFont& font,
                      int flags);
    void drawCachedTextLine(const QRectF& rect, const QString& text, const platform::TextStyle& style,
                            const QFont& font, int flags, qreal scale);
    void paintTextLine(const QRectF& rect, const QString& text, const platform::TextStyle& style, const QFont& font,
                       int flags);

    QPainter& p_;
};

} // namespace desktop
