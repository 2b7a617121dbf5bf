#include "desktop/AppRuntime.h"

#include "desktop/QrCodeReader.h"
#include "desktop/ScreenPng.h"

#include "MainViewController.h"
#include "RootViewController.h"
#include "TavrinPlusAppDelegate.h"

#include "platform/AtomicFile.h"
#include "platform/SettingsStore.h"
#include "platform/Translate.h"

#include <QBuffer>

#include <cerrno>
#include <QFile>

namespace desktop {

AppRuntime::AppRuntime(platform::Clock& clock, platform::Log& log, Use use)
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
    services.camera = &camera_;
    services.webLoader = &webLoader_;
    services.urlOpener = &urlOpener_;
    services.folderOpener = &folderOpener_;
    services.pictureSender = &pictureSender_;
    if (use == Use::Window)
        services.lockScreen = &lockScreen_;
    application_ = std::make_unique<platform::Application>(services);
    delegate_ = std::make_unique<TavrinPlusAppDelegate>();
    application_->setDelegate(delegate_.get());
    renderer_.attach(*application_);
}

AppRuntime::~AppRuntime()
{
    // Controllers first: their views unhook from the window and the first responder.
    delegate_.reset();
    application_.reset();
}

void AppRuntime::launch()
{
    // The start-up writes the missing defaults as one group: one write, and no default replaces a value
    // another process has just written.
    platform::SettingsStore::Transaction startUp(application_->settings());
    delegate_->applicationDidFinishLaunching(*application_);
    connectMainView();
    delegate_->onScreenChanged = [this] {
        connectMainView();
        if (onScreenChanged)
            onScreenChanged();
    };
}

void AppRuntime::connectMainView()
{
    MainViewController& main = mainViewController();
    main.onCaptureStateEntered = [this] { captureScreen(); };
    main.wallpaperAlonePng = [this](std::string& why) {
        const QByteArray png = screenPng(mainViewController().screen().scale(), why);
        return std::vector<std::uint8_t>(png.begin(), png.end());
    };
}

QByteArray AppRuntime::screenPng(float pixelsAPoint, std::string& error)
{
    const QImage picture = renderer_.renderScreen(*application_, pixelsAPoint);
    if (auto mismatch = codeMismatchIn(picture)) {
        error = *mismatch;
        return {};
    }
    QByteArray png = encodeScreen(picture, "PNG");
    if (png.isEmpty())
        error = platform::translate("AppRuntime", "cannot encode the picture");
    return png;
}

void AppRuntime::captureScreen()
{
    MainViewController& main = mainViewController();
    CaptureMode& capture = main.captureMode();
    capture.hideNotice();
    std::string error;
    if (auto file = captureScreenToAlbum(error, CaptureMode::pixelsPerPoint(main.screen(), windowPixelsPerPoint))) {
        application_->log("saved the screen to " + file->string());
        capture.showSaved(*file);
    } else {
        application_->log("the screen capture was not saved: " + error);
        capture.showNotSaved(error);
    }
}

QByteArray encodeScreen(const QImage& screen, const char* format)
{
    // The screen is opaque, so it is stored without alpha. Photographs keep JPEG's best.
    if (qstrcmp(format, "PNG") == 0)
        return encodeScreenPng(screen);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!screen.convertToFormat(QImage::Format_RGB32).save(&buffer, format, 100))
        return {};
    return bytes;
}

MainViewController& AppRuntime::mainViewController() { return delegate_->rootViewController().mainViewController(); }

std::optional<std::filesystem::path> AppRuntime::captureScreenToAlbum(std::string& error, std::optional<float> scale)
{
    const QByteArray png = screenPng(scale.value_or(mainViewController().screen().scale()), error);
    if (png.isEmpty())
        return std::nullopt;
    std::filesystem::path dir = paths_.photoAlbumDirectory();
    // The same picture as the last one, still in the album as written: that file is the capture.
    if (lastCapture_ && lastCapture_->file.parent_path() == dir && lastCapture_->png == png &&
        platform::fileIdentity(lastCapture_->file) == lastCapture_->identity)
        return lastCapture_->file;
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) {
        error = platform::fillIn(platform::translate("AppRuntime", "cannot create %1: %2"), {dir.string(), ec.message()});
        return std::nullopt;
    }
    std::string stamp = timeFormatter_.formatLocalTime(application_->services().clock->wallTime(), "yyyy_MM_dd_HHmmss");
    auto name = albumFileName(dir, stamp);
    // Another capture may take the same name between the check and the write: then try the next one.
    for (int attempt = 0; name && attempt < 5; ++attempt, name = albumFileName(dir, stamp)) {
        std::string why;
        if (platform::writeNewFileAtomically(*name, std::string_view(png.constData(), size_t(png.size())), why)) {
            lastCapture_ = Capture{*name, png, platform::fileIdentity(*name)};
            return name;
        }
        if (errno != EEXIST) {
            error = platform::fillIn(platform::translate("AppRuntime", "cannot write %1: %2"), {name->string(), why});
            return std::nullopt;
        }
    }
    error = platform::fillIn(platform::translate("AppRuntime", "cannot find a free name in %1"), {dir.string()});
    return std::nullopt;
}

std::optional<std::string> AppRuntime::codeMismatchIn(const QImage& picture)
{
    // Only the wallpaper alone is the picture a finder scans; a capture of the dialogs over it is not.
    MainViewController& main = mainViewController();
    const std::string& expected = main.shownCodeText();
    if (expected.empty() || main.captureMode().state() != CaptureMode::State::Capture)
        return std::nullopt;
    const auto read = readQrCode(picture);
    if (read == expected)
        return std::nullopt;
    return read ? platform::fillIn(platform::translate("AppRuntime", "the scan code in the picture does not read back as '%1' (it reads "
                                                      "'%2'): nothing was saved"),
                                   {expected, *read})
                : platform::fillIn(platform::translate("AppRuntime", "the scan code in the picture does not read back as '%1' (it cannot be "
                                                      "read): nothing was saved"),
                                   {expected});
}

std::optional<std::filesystem::path> albumFileName(const std::filesystem::path& dir, const std::string& stamp)
{
    for (int n = 1; n < 1000; ++n) {
        // Built by appending: GCC 12's -Wrestrict misfires on `"-" + std::to_string(n)` at -O3.
        std::string name = "wallpaper-" + stamp;
        if (n > 1)
            name.append("-").append(std::to_string(n));
        auto path = dir / name.append(".png");
        if (!std::filesystem::exists(path))
            return path;
    }
    return std::nullopt;
}

} // namespace desktop
