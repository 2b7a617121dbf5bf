#pragma once

#include "platform/Painter.h"
#include "platform/ScrollView.h"

#include <cstdint>
#include <memory>
#include <string>

namespace platform {

class WebView;

struct WebError {
    std::string localizedDescription;
};

class WebViewDelegate {
public:
    virtual ~WebViewDelegate() = default;
    virtual void webViewDidStartLoad(WebView&) {}
    virtual void webViewDidFinishLoad(WebView&) {}
    virtual void didFailLoadWithError(WebView&, const WebError&) {}
};

// Shows a web page as rich text. Pages come through the shell's WebLoader; a tap on a link opens it
// in the desktop's browser. It scrolls as far as the page laid out at the last drawing reaches.
class WebView : public ScrollView {
public:
    explicit WebView(Rect frame = {});

    void setDelegate(WebViewDelegate* delegate) { delegate_ = delegate; }
    WebViewDelegate* delegate() const { return delegate_; }

    // Starts loading; the delegate hears of the start at once and of the end later. A newer load
    // replaces one still under way, whose answer is then ignored. The page shown stays until then.
    void loadRequest(const std::string& url);
    // Shows the given HTML at once; its links are taken relative to `baseURL`.
    void loadHTMLString(const std::string& html, const std::string& baseURL);
    bool isLoading() const { return loading_; }

    const std::string& html() const { return html_; }
    // The address of the page shown, after redirects; the base address for a page given as a string.
    const std::string& url() const { return url_; }

    void draw(Painter& painter) const override;
    // The keyboard reads the page: Up and Down scroll a line, Page Up, Page Down and Space a screenful,
    // Home and End to either end.
    bool canBecomeFocused() const override { return !html_.empty(); }
    bool keyDown(Key key) override;

protected:
    float contentHeight() const override { return layout_.height; }
    // Opens the link under the finger.
    void tapped(const Touch& touch) override;

private:
    void show(std::string html, std::string url);

    WebViewDelegate* delegate_ = nullptr;
    std::string html_;
    std::string url_;
    bool loading_ = false;
    // Answers to loads that were replaced find their number changed; the pointer outlives no view.
    std::shared_ptr<std::uint64_t> generation_ = std::make_shared<std::uint64_t>(0);
    // What the last drawing laid out: how far the page reaches and where its links are.
    mutable HtmlLayout layout_;
};

} // namespace platform
