#include "platform/Application.h"

#include "platform/TextField.h"
#include "platform/Window.h"

#include <cassert>

namespace platform {

namespace {
Application* instance = nullptr;
}

Application::Application(Services services)
    : services_(services)
    , animator_(*services.clock)
    , settings_(services.paths->configDirectory() / "settings.json", *services.log)
{
    assert(!instance);
    instance = this;
    window_ = std::make_shared<Window>(screenSize_);
}

void Application::setScreenSize(Size size)
{
    screenSize_ = size;
    window_->setFrame({0, 0, size.width, size.height});
}

Application::~Application()
{
    firstResponder_ = nullptr;
    window_.reset();
    instance = nullptr;
}

Application& Application::shared()
{
    assert(instance);
    return *instance;
}

bool Application::exists() { return instance != nullptr; }

void Application::setStatusBarStyle(int style, bool)
{
    statusBarStyle_ = style;
    setNeedsDisplay();
}

void Application::setStatusBarHidden(bool hidden, bool)
{
    statusBarHidden_ = hidden;
    setNeedsDisplay();
}

void Application::setNetworkActivityIndicatorVisible(bool visible)
{
    networkActivity_ = visible;
    setNeedsDisplay();
}

void Application::setFirstResponder(TextField* field)
{
    firstResponder_ = field;
    setNeedsDisplay();
}

void Application::setNeedsDisplay()
{
    // Whatever changed may have taken the field being edited off the screen: no keystroke may reach it.
    if (firstResponder_ && !firstResponder_->isEffectivelyVisible())
        firstResponder_->resignFirstResponder();
    if (onNeedsDisplay)
        onNeedsDisplay();
}

} // namespace platform
