#include "support/TestApp.h"

#include "Dialogs/StripOptionsDialogViewController.h"
#include "MainViewController.h"
#include "PackedColor.h"
#include "SettingsKeys.h"
#include "SwatchPalette.h"

#include "platform/Application.h"
#include "platform/Button.h"
#include "platform/ImageView.h"
#include "platform/Label.h"
#include "platform/Slider.h"
#include "platform/Window.h"

#include <gtest/gtest.h>

using platform::Color;
using platform::Point;
using testing_support::TestApp;

namespace {

float midX(const platform::Rect& r) { return r.x() + r.width() / 2; }
float midY(const platform::Rect& r) { return r.y() + r.height() / 2; }

struct StripOptions : ::testing::Test {
    TestApp t;
    MainViewController& main = t.main();
    platform::SettingsStore& settings = t.app().settings();
    StripOptionsDialogViewController dialog{"StripOptionsDialog"};

    void open()
    {
        main.pushDialog(dialog);
        t.settle();
    }
    // A point on the shown palette image, in window points.
    Point onPalette(float x, float y) { return dialog.colorSwatchImage->convertToWindow({x, y}); }
    std::uint32_t stored(const char* key) { return settings.unsignedForKey(key).value_or(0xDEADBEEF); }
    Color shownStrip() { return *main.classicStripColor->backgroundColor(); }
    // What the shown palette holds at a pixel, with the given alpha.
    Color paletteColor(int x, int y, float alpha)
    {
        return *SwatchPalette::sample(*dialog.colorSwatchImage->image(), {float(x), float(y)}, alpha, t.log);
    }
    void setStoredStrip(Color color)
    {
        settings.setObject(keys::stripColor, packColor(color));
        main.viewWillAppear(false);
    }
    std::vector<bool> layoutButtons()
    {
        return {dialog.classicLayoutButton->isSelected(), dialog.splitLayoutButton->isSelected(),
                dialog.noneLayoutButton->isSelected()};
    }
};

} // namespace

TEST_F(StripOptions, OpensOnTheColourTabWithTheSpectrumAtNaturalSizeCentred)
{
    open();
    EXPECT_TRUE(t.isReachable("strip.palette"));
    EXPECT_FALSE(t.isReachable("strip.opacity"));
    EXPECT_FALSE(t.isReachable("strip.layout.split"));
    EXPECT_EQ(dialog.swatchTitleLabel->text(), "spectrum");

    platform::Rect image = dialog.colorSwatchImage->frame();
    platform::Rect area = dialog.swatchPaletteView->bounds();
    EXPECT_EQ(image.width(), SwatchPalette::spectrumWidth);
    EXPECT_EQ(image.height(), SwatchPalette::spectrumHeight);
    EXPECT_NEAR(midX(image), midX(area), 0.5f);
    EXPECT_NEAR(midY(image), midY(area), 0.5f);
}

TEST_F(StripOptions, PaletteArrowsStepThroughAllEightAndWrap)
{
    open();
    t.tap("strip.previousPalette");
    EXPECT_EQ(dialog.currentSwatch(), 7);
    EXPECT_EQ(dialog.swatchTitleLabel->text(), "standard light");
    EXPECT_EQ(dialog.colorSwatchImage->frame().width(), SwatchPalette::roundWidth);
    EXPECT_NEAR(midX(dialog.colorSwatchImage->frame()), midX(dialog.swatchPaletteView->bounds()), 0.5f);

    t.tap("strip.nextPalette");
    EXPECT_EQ(dialog.swatchTitleLabel->text(), "spectrum");
    for (int i = 1; i < SwatchPalette::count; ++i) {
        t.tap("strip.nextPalette");
        EXPECT_EQ(dialog.swatchTitleLabel->text(), SwatchPalette::entries()[std::size_t(i)].title);
    }
    t.tap("strip.nextPalette");
    EXPECT_EQ(dialog.currentSwatch(), 0);
}

TEST_F(StripOptions, DraggingPreviewsTheStripAndLiftingOverThePaletteStoresIt)
{
    setStoredStrip(Color::rgba(0, 0, 1, 0.5f));
    const std::uint32_t before = stored(keys::stripColor);
    open();

    t.drag(onPalette(20, 20), onPalette(150.7f, 30.2f), 8, /*lift=*/false);
    Color picked = paletteColor(150, 30, dialog.stripOpacitySlider->value());
    EXPECT_EQ(shownStrip(), picked);
    EXPECT_EQ(stored(keys::stripColor), before);

    t.app().window().touchUp(onPalette(150.7f, 30.2f));
    t.advance(0);
    EXPECT_EQ(stored(keys::stripColor), packColor(picked));
}

TEST_F(StripOptions, ADragThatEndsOffThePaletteKeepsThePreviewButStoresNothing)
{
    const std::uint32_t before = stored(keys::stripColor);
    open();
    t.drag(onPalette(100, 40), onPalette(100, -30));
    // The last point on the palette was the last colour shown; the spectrum clamps y into 2..73.
    EXPECT_NE(packColor(shownStrip()), before);
    EXPECT_EQ(stored(keys::stripColor), before);
}

TEST_F(StripOptions, RoundPalettesSnapToTheNearestSwatch)
{
    open();
    t.tap("strip.nextPalette"); // earth tones
    t.tapAt(onPalette(175, 59));
    EXPECT_EQ(stored(keys::stripColor), packColor(paletteColor(170, 50, shownStrip().alpha)));
    t.tapAt(onPalette(30, 20));
    EXPECT_EQ(stored(keys::stripColor), packColor(paletteColor(30, 30, shownStrip().alpha)));
}

TEST_F(StripOptions, APickedColourCarriesTheSlidersOpacity)
{
    setStoredStrip(Color::rgba(1, 0, 0, 0.4f));
    open();
    EXPECT_FLOAT_EQ(dialog.stripOpacitySlider->value(), 0.4f);
    t.tapAt(onPalette(60, 60));
    EXPECT_FLOAT_EQ(shownStrip().alpha, 0.4f);
    EXPECT_EQ(stored(keys::stripColor) & 0xFF, packColor(Color::black(0.4f)) & 0xFF);
}

TEST_F(StripOptions, OnlyTheSelectedTabShowsAndThePaletteCountsOnlyOnItsTab)
{
    open();
    const Point palette = onPalette(100, 40);
    const Color strip = shownStrip();
    const std::uint32_t before = stored(keys::stripColor);

    t.tap("strip.tab.color"); // already selected: nothing changes
    EXPECT_TRUE(dialog.tabButtonColor->isSelected());
    EXPECT_FALSE(dialog.tabColorView->isHidden());

    t.tap("strip.tab.layout");
    EXPECT_TRUE(dialog.tabColorView->isHidden());
    EXPECT_FALSE(dialog.tabLayoutView->isHidden());
    EXPECT_TRUE(dialog.tabFadeView->isHidden());
    EXPECT_FALSE(dialog.tabButtonColor->isSelected());
    t.drag(palette, {palette.x + 40, palette.y});
    EXPECT_EQ(shownStrip(), strip);

    t.tap("strip.tab.fade");
    EXPECT_TRUE(dialog.tabLayoutView->isHidden());
    EXPECT_FALSE(dialog.tabFadeView->isHidden());
    EXPECT_TRUE(t.isReachable("strip.opacity"));
    // Below the slider, where the fade tab has only its hint.
    const Point belowSlider = onPalette(100, 72);
    t.drag(belowSlider, {belowSlider.x + 40, belowSlider.y});
    EXPECT_EQ(stored(keys::stripColor), before);

    // All three panels share one origin.
    EXPECT_EQ(dialog.tabColorView->frame().origin, dialog.tabFadeView->frame().origin);
    EXPECT_EQ(dialog.tabLayoutView->frame().origin, dialog.tabFadeView->frame().origin);
}

TEST_F(StripOptions, TheSliderPreviewsWhileDraggedAndStoresWhenLetGo)
{
    setStoredStrip(Color::rgba(0, 1, 0, 1));
    const std::uint32_t before = stored(keys::stripColor);
    open();
    t.tap("strip.tab.fade");
    auto& slider = *dialog.stripOpacitySlider;
    platform::Rect f = slider.frame();
    Point left = slider.superview()->convertToWindow({f.x() + 14, midY(f)});
    Point middle = slider.superview()->convertToWindow({midX(f), midY(f)});

    t.drag(middle, left, 6, /*lift=*/false);
    EXPECT_FLOAT_EQ(shownStrip().alpha, 0.0f);
    EXPECT_EQ(shownStrip().green, 1.0f);
    EXPECT_EQ(stored(keys::stripColor), before);

    t.drag(left, middle, 6, /*lift=*/false);
    t.app().window().touchUp(middle);
    t.advance(0);
    EXPECT_NEAR(shownStrip().alpha, 0.5f, 0.01f);
    EXPECT_EQ(stored(keys::stripColor), packColor(shownStrip()));
    EXPECT_EQ(stored(keys::stripColor) >> 8, 0x00FF00u);
}

TEST_F(StripOptions, OpacityStepsAreSinglePrecisionAndStoreEvenAtTheBound)
{
    struct Case {
        float start;
        const char* button;
        int presses;
        float expected;
    };
    const Case cases[] = {
        {0.9f, "strip.opacityUp", 1, 1.0f},
        {1.0f, "strip.opacityUp", 1, 1.0f},
        {0.1f, "strip.opacityDown", 1, 0.0f},
        {0.0f, "strip.opacityUp", 5, 1.0f},
        {1.0f, "strip.opacityDown", 5, 1.0f - 0.2f - 0.2f - 0.2f - 0.2f - 0.2f},
        {1.0f, "strip.opacityDown", 6, 0.0f},
    };
    open();
    t.tap("strip.tab.fade");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.button) + " from " + std::to_string(c.start));
        setStoredStrip(Color::rgba(0.5f, 0.25f, 0.125f, c.start));
        dialog.viewWillAppear(false);
        // A stale stored value shows that every press stores, even at the bound.
        settings.setObject(keys::stripColor, 0x12345678u);
        for (int i = 0; i < c.presses; ++i)
            t.tap(c.button);
        EXPECT_EQ(dialog.stripOpacitySlider->value(), c.expected);
        EXPECT_EQ(shownStrip().alpha, c.expected);
        EXPECT_EQ(stored(keys::stripColor), packColor(Color::rgba(0.5f, 0.25f, 0.125f, c.expected)));
    }
    // Five steps down leave a trace of opacity that still packs to none.
    EXPECT_GT(1.0f - 0.2f - 0.2f - 0.2f - 0.2f - 0.2f, 0.0f);
    EXPECT_EQ(packColor(Color::black(1.0f - 0.2f - 0.2f - 0.2f - 0.2f - 0.2f)) & 0xFF, 0u);
}

TEST_F(StripOptions, LetteringButtonsStoreFaceAndHighlightAndMirrorTheWallpaper)
{
    open();
    t.tap("strip.fontBlack");
    EXPECT_EQ(stored(keys::fontFace), 0x000000FFu);
    EXPECT_EQ(stored(keys::fontHighlight), 0x00000000u);
    EXPECT_TRUE(dialog.blackFontButton->isSelected());
    EXPECT_FALSE(dialog.whiteFontButton->isSelected());

    t.tap("strip.fontWhite");
    EXPECT_EQ(stored(keys::fontFace), 0xFFFFFFFFu);
    EXPECT_EQ(stored(keys::fontHighlight), 0x000000FFu);
    EXPECT_TRUE(dialog.whiteFontButton->isSelected());
    EXPECT_FALSE(dialog.blackFontButton->isSelected());

    // A style with red lettering is not white lettering.
    settings.setObject(keys::fontFace, 0xFF0000FFu);
    main.viewWillAppear(false);
    dialog.viewWillAppear(false);
    EXPECT_TRUE(dialog.blackFontButton->isSelected());
    EXPECT_FALSE(dialog.whiteFontButton->isSelected());
}

TEST_F(StripOptions, LayoutButtonsSelectOneAndStoreIt)
{
    open();
    t.tap("strip.tab.layout");
    const std::pair<const char*, std::vector<bool>> cases[] = {
        {"split", {false, true, false}},
        {"none", {false, false, true}},
        {"classic", {true, false, false}},
    };
    for (const auto& [layout, buttons] : cases) {
        t.tap(std::string("strip.layout.") + layout);
        t.settle();
        EXPECT_EQ(layoutButtons(), buttons) << layout;
        EXPECT_EQ(settings.stringForKey(keys::stripLayout), layout);
    }
    // A layout changed elsewhere shows when the dialog appears again.
    settings.setValue(keys::stripLayout, "split");
    dialog.viewWillAppear(false);
    EXPECT_EQ(layoutButtons(), (std::vector<bool>{false, true, false}));
}
