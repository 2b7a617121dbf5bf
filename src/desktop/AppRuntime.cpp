#include "desktop/AppRuntime.h"

#include "MainViewController.h"
#include "RootViewController.h"
#include "TavrinPlusAppDelegate.h"

#include <QFile>

namespace desktop {

AppRuntime::AppRuntime(platform::Clock& clock, platform::Log& log)
    : renderer_(clock)
    , paths_(":/resources/")
{
    paths_.resourceExists = [](const std::string& path) { return QFile::exists(QString::fromStdString(path)); };
    platform::Services services;
    services.log = &log;
    services.codec = &codec_;
    services.paths = &paths_;
    services.clock = &clock;
    services.timeFormatter = &timeFormatter_;
    services.renderer = &renderer_;
    services.fileChooser = &fileChooser_;
    application_ = std::make_unique<platform::Application>(services);
    delegate_ = std::make_unique<TavrinPlusAppDelegate>();
    application_->setDelegate(delegate_.get());
}

AppRuntime::~AppRuntime()
{
    // Controllers first: their views unhook from the window and the first responder.
    delegate_.reset();
    application_.reset();
}

void AppRuntime::launch() { delegate_->applicationDidFinishLaunching(*application_); }

MainViewController& AppRuntime::mainViewController() { return delegate_->rootViewController().mainViewController(); }

} // namespace desktop
