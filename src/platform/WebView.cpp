#include "platform/WebView.h"

#include "platform/Application.h"
#include "platform/Translate.h"

#include <algorithm>

namespace platform {

namespace {

constexpr Color pageBackground = Color::rgb255(250, 250, 248);
constexpr Color loadingText = Color::rgb255(140, 140, 148);

} // namespace

WebView::WebView(Rect frame) : ScrollView(frame) { setBackgroundColor(pageBackground); }

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
        answer(WebPage{false, url, {}, translate("WebView", "This device has no network access.")});
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
    setContentOffset(0);
}

void WebView::tapped(const Touch& touch)
{
    // The bounds origin is the scroll offset: the point is already on the page.
    Point onPage = touch.locationInView(*this);
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
        painter.drawText(area, loading_ ? translate("WebView", "Loading\u2026") : "", style);
        return;
    }
    layout_ = painter.drawHtml(area, html_, contentOffset());
    drawScrollIndicator(painter, Color::black(0.35f));
}

bool WebView::keyDown(Key key)
{
    constexpr float line = 40;
    // A screenful keeps a line of the last one in sight.
    const float page = std::max(line, frame().height() - line);
    float to = contentOffset();
    switch (key) {
    case Key::Up: to -= line; break;
    case Key::Down: to += line; break;
    case Key::PageUp: to -= page; break;
    case Key::PageDown:
    case Key::Space: to += page; break;
    case Key::Home: to = 0; break;
    case Key::End: to = maximumContentOffset(); break;
    default: return false;
    }
    setContentOffset(to);
    return true;
}

} // namespace platform
