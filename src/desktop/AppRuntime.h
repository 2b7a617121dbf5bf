#pragma once

#include "desktop/QtFileChooser.h"
#include "desktop/QtImageCodec.h"
#include "desktop/QtTimeFormatter.h"
#include "desktop/QtViewRenderer.h"

#include "platform/Application.h"
#include "platform/StandardPaths.h"

#include <memory>

class TavrinPlusAppDelegate;
class MainViewController;

namespace desktop {

// One running application, the same for the window, the command line and the tests: the shell's
// services, the platform's application object and the application delegate.
class AppRuntime {
public:
    AppRuntime(platform::Clock& clock, platform::Log& log);
    ~AppRuntime();

    // The start-up: the delegate's applicationDidFinishLaunching, which loads the main screen.
    void launch();

    platform::Application& application() { return *application_; }
    TavrinPlusAppDelegate& delegate() { return *delegate_; }
    MainViewController& mainViewController();
    QtViewRenderer& renderer() { return renderer_; }
    QtImageCodec& codec() { return codec_; }

private:
    QtImageCodec codec_;
    QtTimeFormatter timeFormatter_;
    QtViewRenderer renderer_;
    QtFileChooser fileChooser_;
    platform::StandardPaths paths_;
    std::unique_ptr<platform::Application> application_;
    std::unique_ptr<TavrinPlusAppDelegate> delegate_;
};

} // namespace desktop
