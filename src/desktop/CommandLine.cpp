#include "desktop/CommandLine.h"

#include "desktop/AppRuntime.h"
#include "desktop/CommandSession.h"
#include "desktop/LockScreenCommand.h"
#include "desktop/SendCommand.h"

#include "Contrast.h"
#include "MainViewController.h"
#include "PhotographStore.h"
#include "ScreenCatalogue.h"
#include "WallpaperCode.h"
#include "WallpaperLayout.h"
#include "SettingsKeys.h"
#include "StyleLibrary.h"
#include "TavrinPlusAppDelegate.h"
#include "WallpaperStyle.h"

#include "platform/Animator.h"
#include "platform/AtomicFile.h"
#include "platform/ImagePickerController.h"
#include "platform/SettingsStore.h"
#include "platform/Translate.h"

#include <QByteArray>

#include <algorithm>
#include <charconv>
#include <functional>
#include <map>
#include <optional>

namespace desktop {

namespace {

constexpr const char* colorKeys[] = {keys::stripColor, keys::bgColor, keys::fontFace, keys::fontHighlight};
constexpr const char* listedKeys[] = {keys::stripLayout, keys::phonePreference, keys::otherPreference,
                                      keys::fontFace, keys::fontHighlight, keys::stripColor, keys::bgColor,
                                      keys::styleName, keys::lastStyleName, keys::userSavedThemes, keys::device,
                                      keys::qrCode, keys::qrUrl};

bool isColorKey(const std::string& key)
{
    for (const char* k : colorKeys)
        if (key == k)
            return true;
    return false;
}

std::string hexColor(std::uint32_t value)
{
    char text[11];
    std::snprintf(text, sizeof text, "0x%08X", value);
    return text;
}

std::optional<std::uint32_t> parseColor(const std::string& text)
{
    if (text.size() != 10 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X'))
        return std::nullopt;
    std::uint32_t value = 0;
    auto [end, ec] = std::from_chars(text.data() + 2, text.data() + text.size(), value, 16);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string json(const platform::SettingsStore::Value& value)
{
    return value.dump(-1, ' ', false, platform::SettingsStore::Value::error_handler_t::replace);
}

std::uint32_t defaultColor(const std::string& key)
{
    if (key == keys::stripColor)
        return defaults::stripColor;
    if (key == keys::bgColor)
        return defaults::bgColor;
    return key == keys::fontFace ? defaults::fontFace : defaults::fontHighlight;
}

// A stored value as the application uses it, and, when the stored one is not of its kind, a note
// saying what is stored instead.
struct InEffect {
    std::string text;
    std::string note;
};

InEffect inEffect(const std::string& key, const platform::SettingsStore::Value& value)
{
    const std::string whole = json(value);
    const std::string stored = whole.size() > 60 ? whole.substr(0, 57) + "..." : whole;
    if (isColorKey(key)) {
        if (value.is_number_unsigned() && value.get<std::uint64_t>() <= 0xFFFFFFFFu)
            return {hexColor(value.get<std::uint32_t>()), {}};
        return {hexColor(defaultColor(key)), platform::fillIn(platform::translate("CommandLine", "%1 holds %2, not a colour; the default is used"), {escaped(key), escaped(stored)})};
    }
    if (key == keys::stripLayout) {
        if (value.is_string() && parseStripLayout(value.get_ref<const std::string&>()))
            return {value.get<std::string>(), {}};
        return {"none", platform::fillIn(platform::translate("CommandLine", "%1 holds %2, not classic, split or none; no strip is shown"), {escaped(key), escaped(stored)})};
    }
    if (key == keys::qrCode) {
        if (value.is_string() && parseQrCodeKind(value.get_ref<const std::string&>()))
            return {value.get<std::string>(), {}};
        return {"none", platform::fillIn(platform::translate("CommandLine", "%1 holds %2, not none, tel or url; no scan code is shown"), {escaped(key), escaped(stored)})};
    }
    if (key == keys::userSavedThemes)
        return value.is_array() ? InEffect{whole, {}}
                                : InEffect{"[]", platform::fillIn(platform::translate("CommandLine", "%1 holds %2, not a list of styles; none are offered"), {escaped(key), escaped(stored)})};
    if (value.is_string())
        return {value.get<std::string>(), {}};
    if (std::find(std::begin(listedKeys), std::end(listedKeys), key) != std::end(listedKeys))
        return {"", platform::fillIn(platform::translate("CommandLine", "%1 holds %2, not text; it reads as empty"), {escaped(key), escaped(stored)})};
    return {whole, {}};
}

int get(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    bool asJson = args.size() == 2 && args[1] == "--json";
    if (args.size() > 2)
        throw UsageError{platform::translate("CommandLine", "get takes one KEY or --json")};
    if (args.size() == 2 && !asJson)
        requireUtf8(args[1], "KEY");
    Session session(err);
    auto& settings = session.settings();
    auto print = [&](const std::string& key, const platform::SettingsStore::Value& value, bool named) {
        InEffect shown = inEffect(key, value);
        if (!shown.note.empty())
            err << "tavrin-plus: " << platform::fillIn(platform::translate("CommandLine", "note: %1"), {shown.note}) << "\n";
        out << (named ? key + "\t" : "") << escaped(shown.text) << "\n";
    };
    if (asJson) {
        out << json(settings.all()) << "\n";
    } else if (args.size() == 2) {
        const auto* value = settings.valueForKey(args[1]);
        if (!value)
            throw UsageError{platform::fillIn(platform::translate("CommandLine", "no setting named '%1'"), {escaped(args[1])})};
        print(args[1], *value, false);
    } else {
        for (const char* key : listedKeys)
            if (const auto* value = settings.valueForKey(key))
                print(key, *value, true);
    }
    return session.finish();
}

int set(const std::vector<std::string>& args, std::ostream&, std::ostream& err)
{
    if (args.size() != 3)
        throw UsageError{platform::translate("CommandLine", "set takes KEY and VALUE")};
    const std::string& key = args[1];
    const std::string& value = args[2];
    requireUtf8(key, "KEY");
    requireUtf8(value, "VALUE");
    if (key == keys::stripLayout && !parseStripLayout(value))
        throw UsageError{platform::translate("CommandLine", "strip_layout is classic, split or none")};
    if (key == keys::device && !ScreenCatalogue::builtIn().resolve(value))
        throw UsageError{platform::translate("CommandLine", "device is a screen that 'tavrin-plus devices' lists, or "
                                                           "WIDTHxHEIGHT@SCALE in points, for example 390x844@3")};
    if (key == keys::qrCode && !parseQrCodeKind(value))
        throw UsageError{platform::translate("CommandLine", "qr_code is none, tel or url")};
    if (key == keys::qrUrl && !WallpaperCode::isAllowedUrl(value))
        throw UsageError{platform::translate("CommandLine", "qr_url is an https address, for example https://example.com/found")};
    std::optional<std::uint32_t> packed;
    if (isColorKey(key) && !(packed = parseColor(value)))
        throw UsageError{platform::translate("CommandLine", "a colour is written 0xRRGGBBAA, for example 0x1B1C1CFF")};
    if (key == keys::phonePreference || key == keys::otherPreference || key == keys::stripLayout ||
        key == keys::device || key == keys::qrCode || key == keys::qrUrl || packed) {
        Session session(err);
        if (packed)
            session.settings().setObject(key, *packed);
        else
            session.settings().setObject(key, value);
        return session.finish();
    }
    throw UsageError{platform::fillIn(platform::translate("CommandLine", "'%1' cannot be set; settable are phone_preference, "
                                                                 "other_preference, strip_layout, strip_color, bg_color, "
                                                                 "font_face, font_highlight, device, qr_code and qr_url"),
                                 {escaped(key)})};
}

int exportWallpaper(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    std::optional<std::string> file;
    std::optional<float> scale;
    std::optional<Screen> screen;
    for (size_t i = 1; i < args.size(); ++i) {
        if ((args[i] == "-o" || args[i] == "--output") && i + 1 < args.size()) {
            file = args[++i];
        } else if (args[i] == "--device" && i + 1 < args.size()) {
            screen = screenNamed(args[++i]);
        } else if (args[i] == "--scale" && i + 1 < args.size()) {
            const std::string& s = args[++i];
            int n = 0;
            auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), n);
            if (ec != std::errc() || end != s.data() + s.size() || n < 1 || n > 4)
                throw UsageError{platform::translate("CommandLine", "--scale is a whole number from 1 to 4")};
            scale = float(n);
        } else {
            throw UsageError{platform::fillIn(platform::translate("CommandLine", "export takes [-o FILE] [--device ID] [--scale N], not '%1'"), {escaped(args[i])})};
        }
    }
    const char* format = "PNG";
    if (file) {
        std::string lower = *file;
        for (char& c : lower)
            c = char(std::tolower(static_cast<unsigned char>(c)));
        auto endsWith = [&](const char* suffix) {
            std::string s = suffix;
            return lower.size() > s.size() && lower.compare(lower.size() - s.size(), s.size(), s) == 0;
        };
        if (endsWith(".jpg") || endsWith(".jpeg"))
            format = "JPEG";
        else if (!endsWith(".png"))
            throw UsageError{platform::translate("CommandLine", "the output file ends in .png, .jpg or .jpeg")};
    }

    Session session(err, Session::Start::WithViews, screen);
    auto& main = session.main();
    // A phone's picture is made at its own pixels; the scale is for the classic screen alone.
    if (scale && main.screen().system != "classic") {
        err << "tavrin-plus: "
            << platform::fillIn(platform::translate("CommandLine", "--scale is for the classic screen; %1's picture is made at its own pixels"), {escaped(main.screen().name)}) << "\n";
        return session.finish(2);
    }
    const float pixelsAPoint = scale.value_or(main.screen().scale());
    std::filesystem::path written;
    if (file) {
        QImage picture = session.wallpaperAlone(pixelsAPoint);
        if (auto mismatch = session.runtime().codeMismatchIn(picture)) {
            err << "tavrin-plus: " << *mismatch << "\n";
            return 1;
        }
        QByteArray bytes = encodeScreen(picture, format);
        std::string error = platform::translate("CommandLine", "cannot encode the picture");
        if (bytes.isEmpty() ||
            !platform::writeFileAtomically(*file, std::string_view(bytes.constData(), size_t(bytes.size())), error)) {
            err << "tavrin-plus: " << platform::fillIn(platform::translate("CommandLine", "cannot write %1: %2"), {escaped(*file), error}) << "\n";
            return 1;
        }
        written = *file;
    } else {
        written = session.wallpaperIntoAlbum(pixelsAPoint);
    }
    out << written.string() << "\n";
    return session.finish();
}

// Sets the photograph framed to fill the stored phone's screen, as Choose in the framing editor
// would without moving it; or removes it. A file that cannot be read changes nothing.
int photo(const std::vector<std::string>& args, std::ostream&, std::ostream& err)
{
    if (args.size() != 2 || args[1].empty())
        throw UsageError{platform::translate("CommandLine", "photo takes FILE or --remove")};
    if (args[1] == "--remove") {
        Session session(err);
        return session.finish(PhotographStore().remove() ? 0 : 1);
    }
    const std::string& file = args[1];
    QtImageCodec codec;
    platform::ImageRef picture = codec.decodePhotoFile(file, platform::ImagePickerController::maxPhotoSide);
    if (!picture || picture->isNull()) {
        err << "tavrin-plus: "
            << platform::fillIn(std::filesystem::exists(file)
                                    ? platform::translate("CommandLine", "%1 is not a picture that can be read")
                                    : platform::translate("CommandLine", "%1: no such file"),
                                {escaped(file)})
            << "\n";
        return 1;
    }
    Session session(err);
    const Screen screen = storedScreen(session.settings(), err);
    const platform::PhotoFraming framing({float(picture->width), float(picture->height)}, screen.points, screen.scale());
    PhotographStore store;
    // A photograph that cannot be written keeps the earlier one; the log has said why.
    if (!store.save(*platform::ImagePickerController::framedPicture(picture, framing)))
        return session.finish(1);
    store.keepOriginal(*picture, framing.cropRect());
    return session.finish();
}

std::string oneName(const std::vector<std::string>& args)
{
    if (args.size() != 2)
        throw UsageError{platform::fillIn(platform::translate("CommandLine", "%1 takes one NAME (quote a name with spaces)"), {args[0]})};
    requireUtf8(args[1], "NAME");
    return args[1];
}

int styles(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() != 1)
        throw UsageError{platform::translate("CommandLine", "styles takes no arguments")};
    Session session(err);
    const WallpaperStyle current = WallpaperStyle::read(session.settings());
    const StyleLibrary library(session.settings());
    for (const StyleRecord& style : library.styles()) {
        out << (style.matches(current) ? '*' : ' ') << ' ' << escaped(style.name);
        for (std::uint32_t color : {style.stripColor, style.backgroundColor, style.fontFaceColor, style.fontHighlightColor})
            out << '\t' << hexColor(color);
        out << '\t' << (style.isUserStyle ? "user" : "built-in") << "\n";
    }
    return session.finish();
}

int applyStyle(const std::vector<std::string>& args, std::ostream&, std::ostream& err)
{
    std::string name = oneName(args);
    Session session(err);
    StyleLibrary library(session.settings());
    auto at = library.find(name);
    if (!at) {
        err << "tavrin-plus: "
            << platform::fillIn(platform::translate("CommandLine", "there is no style named '%1'; 'tavrin-plus styles' lists them"), {escaped(name)}) << "\n";
        return session.finish(2);
    }
    library.apply(library.styles()[*at]);
    return session.finish();
}

int saveStyle(const std::vector<std::string>& args, std::ostream&, std::ostream& err)
{
    std::string name = oneName(args);
    if (name.empty())
        throw UsageError{platform::translate("CommandLine", "a style needs a name")};
    Session session(err);
    StyleLibrary(session.settings()).save(name, WallpaperStyle::read(session.settings()));
    return session.finish();
}

int deleteStyle(const std::vector<std::string>& args, std::ostream&, std::ostream& err)
{
    std::string name = oneName(args);
    Session session(err);
    StyleLibrary library(session.settings());
    if (!library.find(name, true)) {
        if (library.find(name))
            err << "tavrin-plus: "
                << platform::fillIn(platform::translate("CommandLine", "'%1' is a built-in style; only saved styles can be deleted"), {escaped(name)}) << "\n";
        else
            err << "tavrin-plus: " << platform::fillIn(platform::translate("CommandLine", "there is no saved style named '%1'"), {escaped(name)}) << "\n";
        return session.finish(2);
    }
    library.remove(name);
    return session.finish();
}

// Needs no settings: the catalogue is part of the application.
int devices(const std::vector<std::string>& args, std::ostream& out, std::ostream&)
{
    if (args.size() != 1)
        throw UsageError{platform::translate("CommandLine", "devices takes no arguments")};
    for (const Screen& screen : ScreenCatalogue::builtIn().screens())
        out << screen.id << '\t' << screen.name << '\t' << screen.pixelWidth << 'x' << screen.pixelHeight << '\t'
            << screen.ppi << " ppi\n";
    return 0;
}

// One line for each text that cannot be read well enough, or with `all` for every text; true when
// any fails.
bool printContrast(const std::string& screenName, const std::vector<Contrast::Reading>& readings, bool all, std::ostream& out)
{
    bool failed = false;
    for (const Contrast::Reading& r : readings) {
        failed = failed || !r.passes();
        if (!all && r.passes())
            continue;
        char ratio[24], lc[24];
        std::snprintf(ratio, sizeof ratio, "%g:1", r.needed.ratio);
        std::snprintf(lc, sizeof lc, "Lc %g", r.needed.lc);
        const std::string line = platform::fillIn(
            r.passes() ? platform::translate("CommandLine", "%1: contrast %2 (%3) meets %4 (%5) against %6")
                       : platform::translate("CommandLine", "%1: contrast %2 (%3) is below %4 (%5) against %6"),
            {platform::translate("Contrast", r.text.c_str()), r.ratioText(), r.lcText(), ratio, lc,
             platform::translate("Contrast", r.against.c_str())});
        out << escaped(screenName) << ": " << line << "\n";
    }
    return failed;
}

int check(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    std::optional<Screen> screen;
    bool verbose = false;
    for (size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--verbose")
            verbose = true;
        else if (args[i] == "--device" && i + 1 < args.size() && !screen)
            screen = screenNamed(args[++i]);
        else
            throw UsageError{platform::translate("CommandLine", "check takes [--device ID] [--verbose]")};
    }
    Session session(err);
    if (!screen)
        screen = storedScreen(session.settings(), err);
    const WallpaperStyle style = WallpaperStyle::read(session.settings());
    const WallpaperLayout layout(*screen);
    auto problems = layout.problems(style.layout, !style.information.empty());
    WallpaperCode code = WallpaperCode::of(style);
    const auto placed = code.placeOn(layout, style);
    if (!code.problem().empty())
        problems.push_back(code.problem());
    for (const std::string& problem : problems)
        out << escaped(screen->shownName()) << ": " << problem << "\n";
    if (verbose && placed) {
        const int pixels = int(std::round(placed->place.modulePoints * screen->scale()));
        char millimetres[16];
        std::snprintf(millimetres, sizeof millimetres, "%.2f", double(float(pixels) * 25.4f / screen->ppi));
        out << escaped(screen->shownName()) << ": "
            << platform::fillIn(platform::translate("CommandLine", "the scan code: %1 modules a side, each %2 mm (%3 pixels)"),
                                {std::to_string(placed->code.size()), millimetres, std::to_string(pixels)})
            << "\n";
    }
    const Contrast contrast(*screen, PhotographStore().load(screen->points, screen->scale()));
    const bool unreadable = printContrast(screen->shownName(), contrast.readings(style), verbose, out);
    return session.finish(problems.empty() && !unreadable ? 0 : 1);
}

const std::map<std::string, std::function<int(const std::vector<std::string>&, std::ostream&, std::ostream&)>>&
commands()
{
    static const std::map<std::string, std::function<int(const std::vector<std::string>&, std::ostream&, std::ostream&)>>
        table = {
            {"export", exportWallpaper},
            {"get", get},
            {"set", set},
            {"styles", styles},
            {"apply", applyStyle},
            {"save-style", saveStyle},
            {"delete-style", deleteStyle},
            {"devices", devices},
            {"check", check},
            {"photo", photo},
            {"set-lockscreen", setLockScreen},
            {"send", sendToPhone},
        };
    return table;
}

} // namespace

std::string usage()
{
    // The commands and their options stay as typed; only what they do is the user's language.
    return platform::translate("CommandLine",
                               "Usage: tavrin-plus [--zoom N]        open the window (N from 1 to 4)\n"
                               "       tavrin-plus export [-o FILE] [--device ID] [--scale N]\n"
                               "                                     write the wallpaper as PNG or JPEG (into the photo\n"
                               "                                     album folder without -o) at the phone's pixels, or the\n"
                               "                                     classic screen's times N; prints the path\n"
                               "       tavrin-plus get [KEY]         print the settings in effect, colours as 0xRRGGBBAA;\n"
                               "                                     with backslash, tab, newline and control characters\n"
                               "                                     escaped (\\\\, \\t, \\n, \\xNN): one record a line\n"
                               "       tavrin-plus get --json        print the settings as stored, as one JSON object\n"
                               "       tavrin-plus set KEY VALUE     set phone_preference, other_preference, strip_layout\n"
                               "                                     (classic, split, none) or a colour: strip_color,\n"
                               "                                     bg_color, font_face, font_highlight; or device: an id\n"
                               "                                     that 'devices' lists or WIDTHxHEIGHT@SCALE in points;\n"
                               "                                     or qr_code (none, tel, url) and qr_url (https://...):\n"
                               "                                     a scan code below the strips that calls the number or\n"
                               "                                     opens the address\n"
                               "       tavrin-plus styles            list the styles: '*' when current, the name, the strip,\n"
                               "                                     background, font face and highlight colours, user or\n"
                               "                                     built-in\n"
                               "       tavrin-plus apply NAME        apply the first style of that name\n"
                               "       tavrin-plus save-style NAME   save the current colours as a style\n"
                               "       tavrin-plus delete-style NAME delete the saved styles of that name\n"
                               "       tavrin-plus devices           list the phone screens: id, name, pixels, pixels per inch\n"
                               "       tavrin-plus check [--device ID] [--verbose]\n"
                               "                                     print each part of the wallpaper its lock screen would\n"
                               "                                     cover and each text whose contrast is too low to read\n"
                               "                                     (below 3:1 and Lc 45 for the number, 4.5:1 and Lc 60\n"
                               "                                     for the information line), one a line, and exit 1;\n"
                               "                                     nothing and 0 when none. --verbose prints every\n"
                               "                                     figure measured, passing or not\n"
                               "       tavrin-plus photo FILE        set the photograph behind the strip, framed to fill the\n"
                               "                                     phone's screen as the framing editor first shows it\n"
                               "       tavrin-plus photo --remove    remove the photograph: the background colour shows\n"
                               "       tavrin-plus send [--device ID] [--timeout S] [--bind ADDRESS]\n"
                               "                                     offer the wallpaper for one download over the local\n"
                               "                                     network: prints its address as a QR code for the\n"
                               "                                     phone's camera; exits once downloaded, or 1 after S\n"
                               "                                     seconds (120 unless given)\n"
                               "       tavrin-plus set-lockscreen [--device ID]\n"
                               "                                     save the wallpaper into the photo album and set it as\n"
                               "                                     this desktop's lock screen picture: through the desktop\n"
                               "                                     portal, else KDE Plasma's or GNOME's own settings; exit 1\n"
                               "                                     with the reason when the desktop has no way to take it\n"
                               "       tavrin-plus --help | --version\n");
}

bool isCommand(const std::vector<std::string>& args)
{
    if (args.empty())
        return false;
    return args[0] == "--help" || args[0] == "-h" || args[0] == "--version" || commands().contains(args[0]);
}

int runCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.empty())
        return 2;
    if (args[0] == "--help" || args[0] == "-h") {
        out << usage();
        return 0;
    }
    if (args[0] == "--version") {
        out << "tavrin-plus " << TAVRIN_VERSION << "\n";
        return 0;
    }
    try {
        return commands().at(args[0])(args, out, err);
    } catch (const UsageError& e) {
        err << "tavrin-plus: " << e.message << "\n" << usage();
        return 2;
    } catch (const CommandFailure& e) {
        err << "tavrin-plus: " << e.message << "\n";
        return 1;
    }
}

} // namespace desktop
