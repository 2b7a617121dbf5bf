#pragma once

#include "QrCode.h"
#include "WallpaperLayout.h"
#include "WallpaperStyle.h"

#include <optional>
#include <string>

// What the wallpaper's scan code carries: a call to the contact's number, or an https address the
// owner gives (a "found" page that keeps the number private); or why the wallpaper shows none.
class WallpaperCode {
public:
    static WallpaperCode of(const WallpaperStyle& style);

    bool isShown() const { return !text_.empty(); }
    // What a reader decodes, e.g. "tel:+15550100199".
    const std::string& text() const { return text_; }
    // Under the code, in the lettering's font, in the owner's language: a finder most likely shares it.
    const std::string& caption() const { return caption_; }
    // Why a code asked for is not shown; empty when it is, or when none is asked for.
    const std::string& problem() const { return problem_; }

    // The code encoded and placed below the strips of `layout`; nothing when none is shown, and then
    // the problem says why if one was asked for.
    struct Placed {
        QrCode code;
        WallpaperLayout::CodePlace place;
    };
    std::optional<Placed> placeOn(const WallpaperLayout& layout, const WallpaperStyle& style);

    // The number a phone dials from a contact text: the first run of a number's characters with at
    // least three digits, as its digits, after a + written before them ("+1 (555) 010-0199" gives
    // "+15550100199"). Nothing when there is no such run.
    static std::optional<std::string> dialableNumber(const std::string& contact);
    // Only an https address with a host is encoded: anything else could send a finder anywhere.
    static bool isAllowedUrl(const std::string& url);

private:
    std::string text_, caption_, problem_;
};
