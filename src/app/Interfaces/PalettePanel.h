#pragma once

#include "platform/Geometry.h"

#include <functional>
#include <memory>
#include <string>

class SwatchPaletteView;
namespace platform {
class Label;
class View;
} // namespace platform

// The palette both colour dialogs show alike: a well holding the palette, and under it the arrows
// that page between palettes with the palette's name between them. Identifiers start with `prefix`:
// .palette, .paletteImage, .previousPalette, .paletteTitle, .nextPalette.
struct PalettePanel {
    static constexpr float wellHeight = 84; // the spectrum's 74 pixels and a little air
    static constexpr float height = wellHeight + 6 + 44;

    std::shared_ptr<platform::View> well;
    std::shared_ptr<SwatchPaletteView> image;
    std::shared_ptr<platform::Label> title;
};

// Adds the palette to `parent` with its top left corner at `origin`.
PalettePanel addPalettePanel(platform::View& parent, platform::Point origin, float width, const std::string& prefix,
                             std::function<void()> previous, std::function<void()> next);
