#include "Interfaces/FlipsideView.h"

#include "FlipsideViewController.h"
#include "Interfaces/NavigationBar.h"

#include "platform/Application.h"
#include "platform/Translate.h"
#include "platform/WebView.h"

using namespace platform;

FlipsideViewOutlets buildFlipsideView(FlipsideViewController& controller)
{
    const float width = Application::shared().screenSize().width;
    const float height = Application::shared().screenSize().height - Application::statusBarHeight;
    auto view = std::make_shared<View>(Rect{0, 0, width, height});
    view->setIdentifier("flipside");
    auto page = std::make_shared<WebView>(Rect{0, navigationBarHeight, width, height - navigationBarHeight});
    page->setIdentifier("flipside.page");
    page->setAccessibilityLabel(platform::translate("FlipsideView", "Web page"));
    page->setDelegate(&controller);
    view->addSubview(page);
    return {view, page};
}
