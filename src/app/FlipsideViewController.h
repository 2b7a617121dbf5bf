#pragma once

#include "Interfaces/FlipsideView.h"

#include "platform/ViewController.h"
#include "platform/WebView.h"

#include <string>

// The web side: the maker's mobile web page, loaded afresh each time the side is about to appear.
class FlipsideViewController final : public platform::ViewController,
                                     public platform::WebViewDelegate,
                                     private FlipsideViewOutlets {
public:
    static constexpr const char* host = "m.tavrinplus.com";

    explicit FlipsideViewController(std::string nibName);

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    // Loads the entry page again; after a failure that is the address that failed, not the error page.
    void reload();

    void webViewDidStartLoad(platform::WebView& webView) override;
    void webViewDidFinishLoad(platform::WebView& webView) override;
    void didFailLoadWithError(platform::WebView& webView, const platform::WebError& error) override;

    // The red page shown when a load fails; the description is escaped, so it shows as text.
    static std::string errorPage(const std::string& description);

    // The address loaded on every appearance; tests point it at a server of their own.
    std::string entryURL = std::string("https://") + host + "/entry/";

protected:
    void loadView() override;
};
