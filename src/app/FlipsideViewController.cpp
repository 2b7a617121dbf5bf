#include "FlipsideViewController.h"

#include "Interfaces/FlipsideView.h"

#include "platform/Application.h"
#include "platform/Theme.h"
#include "platform/Translate.h"

using platform::Application;

namespace {

std::string escapeHtml(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&#39;"; break;
        default: out += c;
        }
    }
    return out;
}

} // namespace

FlipsideViewController::FlipsideViewController(std::string nibName) : ViewController(std::move(nibName)) {}

void FlipsideViewController::loadView()
{
    static_cast<FlipsideViewOutlets&>(*this) = buildFlipsideView(*this);
    setView(root);
}

void FlipsideViewController::viewDidLoad() { view()->setBackgroundColor(platform::theme::flipsideBackground); }

void FlipsideViewController::viewWillAppear(bool) { reload(); }

void FlipsideViewController::reload() { entryPage->loadRequest(entryURL); }

void FlipsideViewController::webViewDidStartLoad(platform::WebView&) { Application::shared().setNetworkActivityIndicatorVisible(true); }

void FlipsideViewController::webViewDidFinishLoad(platform::WebView&) { Application::shared().setNetworkActivityIndicatorVisible(false); }

void FlipsideViewController::didFailLoadWithError(platform::WebView& webView, const platform::WebError& error)
{
    Application::shared().setNetworkActivityIndicatorVisible(false);
    webView.loadHTMLString(errorPage(error.localizedDescription), {});
}

std::string FlipsideViewController::errorPage(const std::string& description)
{
    // The description near the text's own size: the page breaks a word only when it is wider than a
    // line, and a host name must not be.
    return "<html><center><font size=+3 color='red'>" +
           escapeHtml(platform::translate("FlipsideViewController", "An error occurred:")) +
           "</font><br><font size=+1 color='red'>" + escapeHtml(description) + "</font></center></html>";
}
