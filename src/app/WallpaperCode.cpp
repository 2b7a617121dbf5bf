#include "WallpaperCode.h"

#include "platform/Translate.h"

#include <algorithm>

WallpaperCode WallpaperCode::of(const WallpaperStyle& style)
{
    WallpaperCode code;
    switch (style.qrCode) {
    case QrCodeKind::None: break;
    case QrCodeKind::Tel:
        if (auto number = dialableNumber(style.contact)) {
            code.text_ = "tel:" + *number;
            code.caption_ = platform::translate("WallpaperCode", "Scan to call");
        } else {
            code.problem_ = platform::translate("WallpaperCode", "no code to call: the contact text holds no number to dial");
        }
        break;
    case QrCodeKind::Url:
        if (isAllowedUrl(style.qrUrl)) {
            code.text_ = style.qrUrl;
            code.caption_ = platform::translate("WallpaperCode", "Scan me");
        } else {
            code.problem_ = platform::translate("WallpaperCode", "no code: its address must start with https://");
        }
        break;
    }
    return code;
}

std::optional<WallpaperCode::Placed> WallpaperCode::placeOn(const WallpaperLayout& layout, const WallpaperStyle& style)
{
    if (!isShown())
        return std::nullopt;
    auto code = QrCode::encode(text_);
    auto place = code ? layout.codePlace(style.layout, !style.information.empty(), code->size()) : std::nullopt;
    if (!place) {
        problem_ = platform::translate("WallpaperCode", "the scan code does not fit below the strips (fewer strips or a shorter address leave room)");
        return std::nullopt;
    }
    return Placed{std::move(*code), *place};
}

std::optional<std::string> WallpaperCode::dialableNumber(const std::string& contact)
{
    auto inNumber = [](char c) { return (c >= '0' && c <= '9') || std::string_view("+-.()/ ").find(c) != std::string_view::npos; };
    for (std::size_t start = 0; start < contact.size();) {
        if (!inNumber(contact[start])) {
            ++start;
            continue;
        }
        std::size_t end = start;
        while (end < contact.size() && inNumber(contact[end]))
            ++end;
        std::string digits;
        bool plus = false;
        for (std::size_t i = start; i < end; ++i) {
            if (contact[i] >= '0' && contact[i] <= '9')
                digits += contact[i];
            else if (contact[i] == '+' && digits.empty())
                plus = true;
        }
        if (digits.size() >= 3)
            return (plus ? "+" : "") + digits;
        start = end;
    }
    return std::nullopt;
}

bool WallpaperCode::isAllowedUrl(const std::string& url)
{
    constexpr std::string_view scheme = "https://";
    if (url.size() <= scheme.size() || url.size() > 512 || !std::equal(scheme.begin(), scheme.end(), url.begin()))
        return false;
    const char host = url[scheme.size()];
    if (host == '/' || host == '?' || host == '#')
        return false;
    // Printable ASCII only: spaces, controls and look-alike letters have no place in an address a
    // finder is sent to.
    return std::all_of(url.begin(), url.end(), [](char c) { return c > ' ' && c < 0x7F; });
}
