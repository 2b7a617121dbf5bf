#include "Dialogs/StripOptionsDialogViewController.h"

#include "Interfaces/StripOptionsDialog.h"
#include "DialogHost.h"
#include "Interfaces/ContrastMark.h"
#include "PackedColor.h"
#include "SwatchPaletteView.h"

#include "platform/Application.h"

#include "platform/Button.h"
#include "platform/ImageView.h"
#include "platform/Label.h"
#include "platform/Slider.h"
#include "platform/Translate.h"
#include "platform/ReadingDirection.h"

#include <algorithm>
#include <cmath>

using namespace platform;

namespace {

constexpr std::uint32_t whiteLettering = 0xFFFFFFFF;

// What the fix changes, short enough for its button: "Use White", "Opacity 65%", "Black, 40%".
std::string fixTitle(const WallpaperStyle& from, const WallpaperStyle& to)
{
    const std::string lettering = to.fontFaceColor == from.fontFaceColor ? ""
                                  : to.fontFaceColor == whiteLettering   ? platform::translate("StripOptionsDialogViewController", "White")
                                                                         : platform::translate("StripOptionsDialogViewController", "Black");
    const std::uint32_t opacity = to.stripColor & 0xFF;
    if (opacity == (from.stripColor & 0xFF))
        return platform::fillIn(platform::translate("StripOptionsDialogViewController", "Use %1"), {lettering});
    const std::string percent = std::to_string(std::lround(opacity * 100 / 255.0)) + "%";
    return platform::fillIn(lettering.empty() ? platform::translate("StripOptionsDialogViewController", "Opacity %1")
                                             : platform::translate("StripOptionsDialogViewController", "%1, %2"),
                            lettering.empty() ? std::initializer_list<std::string>{percent}
                                              : std::initializer_list<std::string>{lettering, percent});
}

} // namespace

StripOptionsDialogViewController::StripOptionsDialogViewController(std::string nibName, DialogHost& preview)
    : DialogBase(std::move(nibName), preview) {}

StripOptionsDialogViewController::~StripOptionsDialogViewController() = default;

void StripOptionsDialogViewController::loadView()
{
    static_cast<StripOptionsDialogOutlets&>(*this) = buildStripOptionsDialog(*this);
    setDialogFrame(frame);
    // The tab panels join the view only once it has loaded.
    for (const auto& panel : {tabColorView, tabLayoutView, tabFadeView})
        platform::layOutForReadingDirection(*panel);
}

void StripOptionsDialogViewController::viewDidLoad()
{
    DialogBase::viewDidLoad();
    for (const auto& panel : {tabColorView, tabLayoutView, tabFadeView}) {
        view()->addSubview(panel);
        Rect f = panel->frame();
        panel->setFrame({tabOrigin, f.size});
    }
    tabButtonColor->setSelected(true);
    tabColorView->setHidden(false);
    tabLayoutView->setHidden(true);
    tabFadeView->setHidden(true);

    picker.colorSwatchImage = colorSwatchImage.get();
    colorSwatchImage->onKeyPick = [this](Point windowPoint) { followTouch(Touch{windowPoint}, true); };
    picker.swatchTitleLabel = swatchTitleLabel.get();
    loadSwatchPalette(0);
}

void StripOptionsDialogViewController::viewWillAppear(bool)
{
    DialogHost& main = preview();
    stripOpacitySlider->setValue(main.stripColor().alpha);
    whiteFontButton->setSelected(main.isWhiteFont());
    blackFontButton->setSelected(main.isBlackFont());
    classicLayoutButton->setSelected(main.isClassicLayout());
    splitLayoutButton->setSelected(main.isSplitLayout());
    noneLayoutButton->setSelected(main.isNoneLayout());
    picker.showChosen(main.stripColor());
    showContrast(true);
}

// Tabs.

void StripOptionsDialogViewController::tabButtonColorClick() { selectTab(*tabButtonColor, *tabColorView); }
void StripOptionsDialogViewController::tabButtonLayoutClick() { selectTab(*tabButtonLayout, *tabLayoutView); }
void StripOptionsDialogViewController::tabButtonFadeClick() { selectTab(*tabButtonFade, *tabFadeView); }

void StripOptionsDialogViewController::hideSelectedTab()
{
    std::pair<Button*, View*> tabs[] = {
        {tabButtonColor.get(), tabColorView.get()},
        {tabButtonLayout.get(), tabLayoutView.get()},
        {tabButtonFade.get(), tabFadeView.get()},
    };
    for (auto [button, panel] : tabs) {
        if (button->isSelected()) {
            panel->setHidden(true);
            button->setSelected(false);
        }
    }
}

void StripOptionsDialogViewController::selectTab(Button& button, View& panel)
{
    if (button.isSelected())
        return;
    hideSelectedTab();
    panel.setHidden(false);
    button.setSelected(true);
}

// Lettering.

void StripOptionsDialogViewController::setFontWhite()
{
    preview().setFontFaceColor(Color::white());
    preview().setFontHighlightColor(Color::black());
    whiteFontButton->setSelected(true);
    blackFontButton->setSelected(false);
    showContrast(true);
}

void StripOptionsDialogViewController::setFontBlack()
{
    preview().setFontFaceColor(Color::black());
    preview().setFontHighlightColor(Color::clear());
    whiteFontButton->setSelected(false);
    blackFontButton->setSelected(true);
    showContrast(true);
}

void StripOptionsDialogViewController::fixContrast()
{
    if (!fix_)
        return;
    const WallpaperStyle fixed = *fix_;
    const WallpaperStyle& worn = preview().style();
    SettingsStore::Transaction oneWrite(Application::shared().settings());
    if (fixed.fontFaceColor != worn.fontFaceColor)
        fixed.fontFaceColor == whiteLettering ? setFontWhite() : setFontBlack();
    if (fixed.stripColor != worn.stripColor) {
        const float opacity = unpackColor(fixed.stripColor).alpha;
        stripOpacitySlider->setValue(opacity);
        setOpacity(opacity, true);
    }
}

void StripOptionsDialogViewController::showContrast(bool settled)
{
    DialogHost& main = preview();
    const WallpaperStyle& style = main.style();
    const Contrast contrast(main.screen(), main.wallpaperImage());
    const auto readings = contrast.readings(style);
    const auto number = std::find_if(readings.begin(), readings.end(), [&](const Contrast::Reading& r) {
        return r.part == WallpaperLayout::contactPartOf(style.layout);
    });
    contrastMark->setHidden(number == readings.end());
    contrastMark->setPasses(std::all_of(readings.begin(), readings.end(), [](const auto& r) { return r.passes(); }));
    contrastRatio->setText(number == readings.end() ? platform::translate("StripOptionsDialogViewController", "None") : number->ratioText());
    contrastLc->setText(number == readings.end() ? platform::translate("StripOptionsDialogViewController", "no lettering") : number->lcText());
    // Finding the fix measures the photograph a score of times: not while a finger drags.
    fix_ = settled ? contrast.fix(style) : std::nullopt;
    contrastFixButton->setHidden(!fix_);
    if (fix_)
        contrastFixButton->setTitle(fixTitle(style, *fix_));
}

// Layout.

void StripOptionsDialogViewController::selectLayoutButton(const Button* chosen)
{
    for (Button* b : {classicLayoutButton.get(), splitLayoutButton.get(), noneLayoutButton.get()})
        b->setSelected(b == chosen);
}

void StripOptionsDialogViewController::classicStripSelected()
{
    selectLayoutButton(classicLayoutButton.get());
    preview().setClassicLayout();
    showContrast(true);
}

void StripOptionsDialogViewController::splitStripSelected()
{
    selectLayoutButton(splitLayoutButton.get());
    preview().setSplitLayout();
    showContrast(true);
}

void StripOptionsDialogViewController::noneStripSelected()
{
    selectLayoutButton(noneLayoutButton.get());
    preview().setNoLayout();
    showContrast(true);
}

void StripOptionsDialogViewController::layoutPressed(StripLayout layout, View& button, bool pressed)
{
    if (pressed) {
        chosenLayout_ = preview().style().layout;
        preview().setLayout(layout, false);
        peekAround(button);
    } else {
        preview().setLayout(chosenLayout_, false);
        endPeek();
    }
    showContrast(!pressed);
}

// Opacity: the alpha of the strip colour, so it is stored with it.

void StripOptionsDialogViewController::setOpacity(float opacity, bool save)
{
    DialogHost& main = preview();
    main.setStripColor(main.stripColor().withAlpha(opacity), save);
    showContrast(save);
}

void StripOptionsDialogViewController::stripOpacitySliderValueChanged()
{
    peekAround(*stripOpacitySlider);
    setOpacity(stripOpacitySlider->value(), false);
}

void StripOptionsDialogViewController::stripOpacitySliderEnd()
{
    setOpacity(stripOpacitySlider->value(), true);
    endPeek();
}

void StripOptionsDialogViewController::stripOpacityUpClick()
{
    float opacity = stripOpacitySlider->value() + opacityStep;
    if (opacity > 1.0f)
        opacity = 1.0f;
    stripOpacitySlider->setValue(opacity);
    setOpacity(opacity, true);
}

void StripOptionsDialogViewController::stripOpacityDownClick()
{
    float opacity = stripOpacitySlider->value() - opacityStep;
    if (opacity < 0.0f)
        opacity = 0.0f;
    stripOpacitySlider->setValue(opacity);
    setOpacity(opacity, true);
}

// The palette.

void StripOptionsDialogViewController::colorByTouchSaveToDefaults(bool save)
{
    if (auto color = picker.colorByTouch(stripOpacitySlider->value()))
        preview().setStripColor(*color, save);
    showContrast(save);
}

bool StripOptionsDialogViewController::followTouch(const Touch& touch, bool save)
{
    // The palette is only there to be touched while its tab is shown.
    if (!tabButtonColor->isSelected() || !picker.track(touch))
        return false;
    colorByTouchSaveToDefaults(save);
    return true;
}

void StripOptionsDialogViewController::touchesBegan(const Touch& touch)
{
    if (followTouch(touch, false))
        peekAround(*colorSwatchImage->superview());
}

void StripOptionsDialogViewController::touchesMoved(const Touch& touch) { followTouch(touch, false); }

void StripOptionsDialogViewController::touchesEnded(const Touch& touch)
{
    if (!followTouch(touch, true))
        showContrast(true);
    endPeek();
}
