#include "platform/WebView.h"

#include "platform/Application.h"

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

constexpr Color pageBackground = Color::rgb255(250, 250, 248);
constexpr Color loadingText = Color::rgb255(140, 140, 148);
// A finger that moves less than this is a tap, not a scroll.
constexpr float tapSlop = 8;

} // namespace

WebView::WebView(Rect frame) : View(frame)
{
    setClipsToBounds(true);
    setBackgroundColor(pageBackground);
}

void WebView::loadRequest(const std::string& url)
{
    std::uint64_t number = ++*generation_;
    loading_ = true;
    setNeedsDisplay();
    if (delegate_)
        delegate_->webViewDidStartLoad(*this);
    auto answer = [this, weak = std::weak_ptr<std::uint64_t>(generation_), number](WebPage result) {
        auto current = weak.lock();
        if (!current || *current != number)
            return;
        loading_ = false;
        setNeedsDisplay();
        if (!result.ok) {
            if (delegate_)
                delegate_->didFailLoadWithError(*this, WebError{result.errorDescription});
            return;
        }
        show(std::move(result.body), std::move(result.url));
        if (delegate_)
            delegate_->webViewDidFinishLoad(*this);
    };
    WebLoader* loader = Application::shared().services().webLoader;
    if (!loader) {
        answer(WebPage{false, url, {}, "This device has no network access."});
        return;
    }
    loader->load(url, std::move(answer));
}

void WebView::loadHTMLString(const std::string& html, const std::string& baseURL)
{
    ++*generation_;
    loading_ = false;
    show(html, baseURL);
}

void WebView::show(std::string html, std::string url)
{
    html_ = std::move(html);
    url_ = std::move(url);
    layout_ = {};
    offset_ = 0;
    setNeedsDisplay();
}

void WebView::setContentOffset(float offset)
{
    float max = std::max(0.0f, layout_.height - frame().height());
    offset_ = std::clamp(offset, 0.0f, max);
    setNeedsDisplay();
}

void WebView::touchesBegan(const Touch& touch)
{
    dragStart_ = touch.windowLocation;
    dragStartOffset_ = offset_;
    dragged_ = false;
}

void WebView::touchesMoved(const Touch& touch)
{
    if (std::hypot(touch.windowLocation.x - dragStart_.x, touch.windowLocation.y - dragStart_.y) >= tapSlop)
        dragged_ = true;
    if (dragged_)
        setContentOffset(dragStartOffset_ - (touch.windowLocation.y - dragStart_.y));
}

void WebView::touchesEnded(const Touch& touch)
{
    touchesMoved(touch);
    if (!dragged_)
        openLinkAt(touch.locationInView(*this));
}

void WebView::scrollWheel(const Touch&, float dy) { setContentOffset(offset_ + dy); }

void WebView::openLinkAt(Point point)
{
    Point onPage{point.x, point.y + offset_};
    auto link = std::find_if(layout_.links.begin(), layout_.links.end(), [&](const HtmlLink& l) { return l.rect.contains(onPage); });
    if (link == layout_.links.end())
        return;
    if (auto* opener = Application::shared().services().urlOpener)
        opener->openURL(link->href, url_);
}

void WebView::draw(Painter& painter) const
{
    View::draw(painter);
    Rect area{0, 0, frame().width(), frame().height()};
    if (html_.empty()) {
        TextStyle style;
        style.font = {15, false};
        style.color = loadingText;
        style.alignment = TextAlignment::Center;
        painter.drawText(area, loading_ ? "Loading\u2026" : "", style);
        return;
    }
    layout_ = painter.drawHtml(area, html_, offset_);
    float max = layout_.height - area.height();
    if (max > 0) {
        // A thin scroll indicator, so the reader sees there is more.
        float h = area.height();
        float barH = std::max(24.0f, h * h / (h + max));
        float barY = (h - barH) * std::clamp(offset_ / max, 0.0f, 1.0f);
        painter.fillRoundedRect({area.width() - 5, barY + 2, 3, barH - 4}, 1.5f, Color::black(0.35f));
    }
}

} // namespace platform
