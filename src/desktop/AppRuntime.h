#pragma once

#include "desktop/QtFileChooser.h"
#include "desktop/QtImageCodec.h"
#include "desktop/QtTimeFormatter.h"
#include "desktop/QtUrlOpener.h"
#include "desktop/QtViewRenderer.h"
#include "desktop/QtWebLoader.h"

#include "platform/Application.h"
#include "platform/StandardPaths.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

class TavrinPlusAppDelegate;
class MainViewController;

namespace desktop {

// The first free album name for a capture stamped `stamp`: wallpaper-<stamp>.png, then -2, -3 ...
std::optional<std::filesystem::path> albumFileName(const std::filesystem::path& dir, const std::string& stamp);

// A rendered screen as a "PNG" or "JPEG" file's bytes; empty when it cannot be encoded.
QByteArray encodeScreen(const QImage& screen, const char* format);

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

    // The device's screen capture: the screen as shown now, as a PNG in the photo album folder under a
    // new name. The path written, or nothing with the reason in `error`.
    // At the phone's own pixels unless a scale is given.
    std::optional<std::filesystem::path> captureScreenToAlbum(std::string& error, std::optional<float> scale = {});

private:
    QtImageCodec codec_;
    QtTimeFormatter timeFormatter_;
    QtViewRenderer renderer_;
    QtFileChooser fileChooser_;
    QtWebLoader webLoader_;
    QtUrlOpener urlOpener_;
    platform::StandardPaths paths_;
    std::unique_ptr<platform::Application> application_;
    std::unique_ptr<TavrinPlusAppDelegate> delegate_;
};

} // namespace desktop
