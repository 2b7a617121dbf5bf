#include "SwatchPicker.h"

#include "SwatchPalette.h"
#include "SwatchPaletteView.h"

#include "platform/Application.h"
#include "platform/Label.h"
#include "platform/Translate.h"

#include <cmath>

using namespace platform;

void SwatchPicker::loadSwatchPalette(int index)
{
    const SwatchEntry& entry = SwatchPalette::entries()[std::size_t(index)];
    if (swatchTitleLabel)
        swatchTitleLabel->setText(platform::translate("SwatchPalette", entry.title.c_str()));

    const Services& services = Application::shared().services();
    auto path = services.paths->resourcePath(entry.image, "png");
    if (!path)
        return;
    ImageRef image = services.codec->decodeFile(*path);
    if (!image || image->isNull())
        return;

    _colorSwatchRaw = image;
    if (!colorSwatchImage)
        return;
    // A round palette is drawn from the colours its image holds where touches snap to.
    std::vector<Swatch> swatches;
    if (index != SwatchPalette::spectrumIndex) {
        for (const Point& spot : SwatchPalette::hotSpots)
            if (auto color = SwatchPalette::sample(*image, spot, 1, *services.log))
                swatches.push_back({spot, *color});
    }
    // One point per pixel, so that touch coordinates are pixel coordinates; whole points keep the
    // swatches crisp.
    Rect old = colorSwatchImage->frame();
    float width = float(image->width);
    float height = float(image->height);
    float x = std::round(old.x() + 0.5f * (old.width() - width));
    float y = std::round(old.y() + 0.5f * (old.height() - height));
    colorSwatchImage->showPalette(image, std::move(swatches));
    colorSwatchImage->setFrame({x, y, width, height});
    markChosen();
}

void SwatchPicker::showChosen(const Color& color)
{
    _chosen = color;
    markChosen();
}

void SwatchPicker::markChosen()
{
    if (!colorSwatchImage || !_colorSwatchRaw || !_chosen)
        return;
    auto at = SwatchPalette::find(_currentSwatch, *_colorSwatchRaw, *_chosen, *Application::shared().services().log);
    colorSwatchImage->setMark(at ? std::optional<Swatch>({*at, *_chosen}) : std::nullopt);
}

void SwatchPicker::nextSwatchButtonClicked()
{
    _currentSwatch = SwatchPalette::nextIndex(_currentSwatch);
    loadSwatchPalette(_currentSwatch);
}

void SwatchPicker::previousSwatchButtonClicked()
{
    _currentSwatch = SwatchPalette::previousIndex(_currentSwatch);
    loadSwatchPalette(_currentSwatch);
}

bool SwatchPicker::track(const Touch& touch)
{
    if (!colorSwatchImage)
        return false;
    _touchPoint = touch.locationInView(*colorSwatchImage);
    return colorSwatchImage->bounds().contains(_touchPoint);
}

std::optional<Color> SwatchPicker::colorByTouch(float alpha)
{
    if (!_colorSwatchRaw)
        return std::nullopt;
    auto snapped = SwatchPalette::applyCoordinateMask(_currentSwatch, _touchPoint.x, _touchPoint.y);
    if (!snapped)
        return std::nullopt;
    auto color = SwatchPalette::sample(*_colorSwatchRaw, *snapped, alpha, *Application::shared().services().log);
    if (color) {
        _chosen = color;
        if (colorSwatchImage)
            colorSwatchImage->setMark(Swatch{{std::floor(snapped->x), std::floor(snapped->y)}, *color});
    }
    return color;
}
