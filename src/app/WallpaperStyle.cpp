#include "WallpaperStyle.h"

#include "SettingsKeys.h"

#include "platform/SettingsStore.h"

std::optional<StripLayout> parseStripLayout(std::string_view text)
{
    if (text == "classic")
        return StripLayout::Classic;
    if (text == "split")
        return StripLayout::Split;
    if (text == "none")
        return StripLayout::None;
    return std::nullopt;
}

std::optional<QrCodeKind> parseQrCodeKind(std::string_view text)
{
    if (text == "none")
        return QrCodeKind::None;
    if (text == "tel")
        return QrCodeKind::Tel;
    if (text == "url")
        return QrCodeKind::Url;
    return std::nullopt;
}

const char* formatQrCodeKind(QrCodeKind kind)
{
    switch (kind) {
    case QrCodeKind::Tel: return "tel";
    case QrCodeKind::Url: return "url";
    case QrCodeKind::None: break;
    }
    return "none";
}

const char* formatStripLayout(StripLayout layout)
{
    switch (layout) {
    case StripLayout::Classic: return "classic";
    case StripLayout::Split: return "split";
    case StripLayout::None: break;
    }
    return "none";
}

WallpaperStyle WallpaperStyle::read(const platform::SettingsStore& store)
{
    WallpaperStyle style;
    if (auto layout = store.stringForKey(keys::stripLayout))
        style.layout = parseStripLayout(*layout).value_or(StripLayout::None);
    style.stripColor = store.unsignedForKey(keys::stripColor).value_or(defaults::stripColor);
    style.backgroundColor = store.unsignedForKey(keys::bgColor).value_or(defaults::bgColor);
    style.fontFaceColor = store.unsignedForKey(keys::fontFace).value_or(defaults::fontFace);
    style.fontHighlightColor = store.unsignedForKey(keys::fontHighlight).value_or(defaults::fontHighlight);
    style.contact = store.stringForKey(keys::phonePreference).value_or("");
    style.information = store.stringForKey(keys::otherPreference).value_or("");
    style.styleName = store.stringForKey(keys::styleName).value_or("");
    if (auto code = store.stringForKey(keys::qrCode))
        style.qrCode = parseQrCodeKind(*code).value_or(QrCodeKind::None);
    style.qrUrl = store.stringForKey(keys::qrUrl).value_or("");
    return style;
}
