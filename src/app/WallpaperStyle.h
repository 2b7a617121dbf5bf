#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {
class SettingsStore;
}

enum class StripLayout { Classic, Split, None };

// "classic", "split" or "none", as stored; anything else is no layout of ours.
std::optional<StripLayout> parseStripLayout(std::string_view text);
const char* formatStripLayout(StripLayout layout);

// The scan code on the wallpaper: none, a call to the contact's number, or the user's address.
enum class QrCodeKind { None, Tel, Url };
std::optional<QrCodeKind> parseQrCodeKind(std::string_view text);
const char* formatQrCodeKind(QrCodeKind kind);

// The wallpaper as data: what the main screen shows, with no views. Colours are packed 0xRRGGBBAA,
// the form in which they are stored and compared.
struct WallpaperStyle {
    StripLayout layout = StripLayout::None;
    std::uint32_t stripColor = 0, backgroundColor = 0, fontFaceColor = 0, fontHighlightColor = 0;
    std::string contact, information;
    std::string styleName;
    bool hasPhotograph = false; // set by whoever knows the photograph's file; the store does not
    QrCodeKind qrCode = QrCodeKind::None;
    std::string qrUrl;

    bool operator==(const WallpaperStyle&) const = default;

    // The style the settings describe, read as the wallpaper reads them: a missing or unknown layout
    // is none, a colour that is not a 32-bit number is the first start's default, text that is not
    // text is empty.
    static WallpaperStyle read(const platform::SettingsStore& store);
};
