#pragma once

#include "QrCode.h"
#include "WallpaperLayout.h"

#include "platform/View.h"

#include <optional>
#include <string>

// The wallpaper's scan code: dark modules on a light plate whatever the style, its caption beneath.
class QrCodeView final : public platform::View {
public:
    using View::View;

    // Shows `code` at `place`, in the superview's coordinates moved by `offset`.
    void show(QrCode code, const WallpaperLayout::CodePlace& place, std::string caption, platform::Point offset);

    void draw(platform::Painter& painter) const override;

private:
    std::optional<QrCode> code_;
    WallpaperLayout::CodePlace place_;
    std::string caption_;
};
