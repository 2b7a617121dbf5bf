#pragma once

#include "desktop/QtCamera.h"
#include "desktop/DesktopLockScreen.h"
#include "desktop/QtFileChooser.h"
#include "desktop/QtFolderOpener.h"
#include "desktop/QtImageCodec.h"
#include "desktop/QtPictureSender.h"
#include "desktop/QtTimeFormatter.h"
#include "desktop/QtUrlOpener.h"
#include "desktop/QtViewRenderer.h"
#include "desktop/QtWebLoader.h"

#include "platform/Application.h"
#include "platform/AtomicFile.h"
#include "platform/StandardPaths.h"

#include <filesystem>
#include <functional>
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
    // A command draws and saves alone; only the window hands pictures on to the desktop.
    enum class Use { Command, Window };
    AppRuntime(platform::Clock& clock, platform::Log& log, Use use = Use::Command);
    ~AppRuntime();

    // The start-up: the delegate's applicationDidFinishLaunching, which loads the main screen. From
    // then on the capture mode's wallpaper alone is captured into the album.
    void launch();
    // Told after the screen was made anew for another phone.
    std::function<void()> onScreenChanged;

    platform::Application& application() { return *application_; }
    TavrinPlusAppDelegate& delegate() { return *delegate_; }
    MainViewController& mainViewController();
    QtViewRenderer& renderer() { return renderer_; }
    QtImageCodec& codec() { return codec_; }
    QtFileChooser& fileChooser() { return fileChooser_; }

    // The device's screen capture: the screen as shown now, as a PNG in the photo album folder under a
    // new name. The path written, or nothing with the reason in `error`.
    // At the phone's own pixels unless a scale is given.
    std::optional<std::filesystem::path> captureScreenToAlbum(std::string& error, std::optional<float> scale = {});
    // Why the picture cannot be saved: the scan code the wallpaper shows does not read back from its
    // pixels as what it carries. Nothing when it does, or when there is none.
    std::optional<std::string> codeMismatchIn(const QImage& picture);
    // The capture the window takes (Print, Ctrl+Shift+S, the capture mode): at the capture's density
    // for the window's pixels a point, then a notice on the screen names the picture or says why it
    // was not saved. The same picture again is not written twice.
    void captureScreen();
    // The window's pixels a point: its zoom times the display's pixel ratio.
    float windowPixelsPerPoint = 1;

private:
    // The main screen's ties to the shell: the capture taken when the wallpaper is alone, and the
    // picture Send to Phone offers. Made anew with the screen.
    void connectMainView();
    // The screen as shown now as a PNG, its scan code read back first; empty with the reason in
    // `error` when it cannot be.
    QByteArray screenPng(float pixelsAPoint, std::string& error);

    QtImageCodec codec_;
    QtTimeFormatter timeFormatter_;
    QtViewRenderer renderer_;
    QtFileChooser fileChooser_;
    QtCamera camera_;
    QtWebLoader webLoader_;
    QtUrlOpener urlOpener_;
    QtFolderOpener folderOpener_;
    QtPictureSender pictureSender_;
    DesktopLockScreen lockScreen_;
    platform::StandardPaths paths_;
    std::unique_ptr<platform::Application> application_;
    std::unique_ptr<TavrinPlusAppDelegate> delegate_;
    // The last picture written to the album, to know the same one again.
    struct Capture {
        std::filesystem::path file;
        QByteArray png;
        platform::FileIdentity identity;
    };
    std::optional<Capture> lastCapture_;
};

} // namespace desktop
