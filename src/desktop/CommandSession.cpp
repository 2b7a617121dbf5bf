#include "desktop/CommandSession.h"

#include "MainViewController.h"
#include "ScreenCatalogue.h"
#include "SettingsKeys.h"
#include "TavrinPlusAppDelegate.h"
#include "WallpaperStyle.h"
#include "platform/Translate.h"

#include <QStringDecoder>

namespace desktop {

Session::Session(std::ostream& err, Start start, const std::optional<Screen>& screen)
    : err_(err), log_(err), runtime_(clock_, log_)
{
    auto& store = settings();
    // Defaults in place of settings that exist but cannot be read would be a wrong answer.
    // A command waits its turn behind the others, however many there are.
    if (store.isUnreadable() || !store.begin(std::chrono::minutes(1)))
        throw CommandFailure{store.problem() + " (" + store.file().string() + ")"};
    if (start == Start::WithViews) {
        if (screen)
            runtime_.delegate().setScreen(*screen);
        runtime_.launch();
        return;
    }
    // What the start-up writes without views: the missing defaults, and the lettering colours the
    // first refresh stores as it shows them.
    runtime_.delegate().AddDefaultUserSettings();
    WallpaperStyle shown = WallpaperStyle::read(store);
    store.setObject(keys::fontFace, shown.fontFaceColor);
    store.setObject(keys::fontHighlight, shown.fontHighlightColor);
}

Session::~Session()
{
    if (!finished_)
        settings().commit();
}

int Session::finish(int status)
{
    auto& store = settings();
    finished_ = true;
    store.commit();
    if (status != 0 || !store.hasUnsavedChanges())
        return status;
    err_ << "tavrin-plus: " << store.problem() << " (" << store.file().string() << ")\n";
    return 1;
}

MainViewController& Session::main() { return runtime_.mainViewController(); }

void Session::settle()
{
    auto& animator = runtime_.application().animator();
    for (int i = 0; i < 600 && animator.tick(); ++i)
        clock_.advance(1.0 / 60);
}

void Session::showWallpaperAlone()
{
    MainViewController& shown = main();
    bool alone = false;
    shown.onCaptureStateEntered = [&] { alone = true; };
    // The same steps as the save button and the instructions' continue button.
    shown.saveCurrentWallpaperClick();
    settle();
    shown.saveInstructionsContinueButtonClick();
    settle();
    if (!alone)
        throw CommandFailure{platform::translate("CommandSession", "the capture mode did not reach the wallpaper alone")};
}

QImage Session::wallpaperAlone(float pixelsAPoint)
{
    showWallpaperAlone();
    return runtime_.renderer().renderScreen(runtime_.application(), pixelsAPoint);
}

std::filesystem::path Session::wallpaperIntoAlbum(float pixelsAPoint)
{
    showWallpaperAlone();
    std::string error;
    auto path = runtime_.captureScreenToAlbum(error, pixelsAPoint);
    if (!path)
        throw CommandFailure{error};
    return *path;
}

void requireUtf8(const std::string& arg, const char* what)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString ignored = decoder(QByteArrayView(arg.data(), qsizetype(arg.size())));
    if (decoder.hasError())
        throw UsageError{platform::fillIn(platform::translate("CommandSession", "%1 is not valid UTF-8 text"), {what})};
}

std::string escaped(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (unsigned char c : text) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\t')
            out += "\\t";
        else if (c == '\n')
            out += "\\n";
        else if (c < 0x20 || c == 0x7F) {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        } else
            out += char(c);
    }
    return out;
}

Screen screenNamed(const std::string& choice)
{
    requireUtf8(choice, "--device");
    auto screen = ScreenCatalogue::builtIn().resolve(choice);
    if (!screen)
        throw UsageError{platform::fillIn(platform::translate("CommandSession", "there is no screen '%1'; 'tavrin-plus devices' lists "
                                                                "them, or give WIDTHxHEIGHT@SCALE in points"),
                                          {escaped(choice)})};
    return *screen;
}

Screen storedScreen(const platform::SettingsStore& store, std::ostream& err)
{
    const auto choice = store.stringForKey(keys::device);
    if (!choice)
        return ScreenCatalogue::builtIn().classic();
    if (auto screen = ScreenCatalogue::builtIn().resolve(*choice))
        return *screen;
    err << "tavrin-plus: "
        << platform::fillIn(platform::translate("CommandSession", "note: device holds '%1', no screen known; the classic one is used"),
                            {escaped(*choice)})
        << "\n";
    return ScreenCatalogue::builtIn().classic();
}

} // namespace desktop
