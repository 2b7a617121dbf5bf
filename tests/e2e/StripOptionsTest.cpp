#include "support/TestApp.h"

#include "Dialogs/ChangeStyleDialogViewController.h"
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

#include <cstdlib>

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
    StripOptionsDialogViewController* dialog = nullptr;

    // The way a user gets there: main menu, style, new style, strip.
    void open()
    {
        for (const char* button : {"main.style", "style.new", "newstyle.strip"}) {
            t.tap(button);
            t.settle();
        }
        dialog = dynamic_cast<StripOptionsDialogViewController*>(main.CurrentDialog());
        ASSERT_NE(dialog, nullptr);
    }
    platform::ImageView& palette() { return t.view<platform::ImageView>("strip.paletteImage"); }
    platform::Label& paletteTitle() { return t.view<platform::Label>("strip.paletteTitle"); }
    platform::Slider& slider() { return t.view<platform::Slider>("strip.opacity"); }
    bool selected(const std::string& button) { return t.view<platform::Button>("strip." + button).isSelected(); }
    // A point on the shown palette image, in window points.
    Point onPalette(float x, float y) { return palette().convertToWindow({x, y}); }
    std::uint32_t stored(const char* key = keys::stripColor) { return settings.unsignedForKey(key).value_or(0xDEADBEEF); }
    Color shownStrip() { return *t.view<platform::Label>("classic.strip").backgroundColor(); }
    // What the shown palette holds at a pixel, with the given alpha.
    Color paletteColor(int x, int y, float alpha)
    {
        return *SwatchPalette::sample(*palette().image(), {float(x), float(y)}, alpha, t.log);
    }
    void setStoredStrip(Color color)
    {
        settings.setObject(keys::stripColor, packColor(color));
        main.viewWillAppear(false);
    }
    std::vector<bool> layoutButtons()
    {
        return {selected("layout.classic"), selected("layout.split"), selected("layout.none")};
    }
};

} // namespace

TEST_F(StripOptions, DraggingPreviewsTheStripLiftingOverThePaletteStoresItAndTwoBacksReturnToTheStyleMenu)
{
    setStoredStrip(Color::rgba(0, 0, 1, 0.5f));
    const std::uint32_t before = stored();
    open();

    t.drag(onPalette(20, 20), onPalette(150.7f, 30.2f), 8, /*lift=*/false);
    Color picked = paletteColor(150, 30, slider().value());
    EXPECT_EQ(shownStrip(), picked);
    EXPECT_EQ(stored(), before);
    t.app().window().touchUp(onPalette(150.7f, 30.2f));
    t.advance(0);
    EXPECT_EQ(stored(), packColor(picked));

    // Ending off the palette keeps the last colour shown there but stores nothing; the spectrum
    // clamps y into 2..73.
    t.drag(onPalette(100, 40), onPalette(100, -30));
    EXPECT_NE(shownStrip(), picked);
    EXPECT_EQ(stored(), packColor(picked));

    for (int i = 0; i < 2; ++i) {
        t.tap("dialog.back");
        t.settle();
    }
    EXPECT_NE(dynamic_cast<ChangeStyleDialogViewController*>(main.CurrentDialog()), nullptr);
}

TEST_F(StripOptions, OpensOnTheCentredSpectrumAndTheArrowsStepThroughAllEightAndWrap)
{
    open();
    EXPECT_TRUE(t.isReachable("strip.palette"));
    EXPECT_FALSE(t.isReachable("strip.opacity"));
    EXPECT_FALSE(t.isReachable("strip.layout.split"));
    EXPECT_EQ(paletteTitle().text(), "spectrum");
    auto expectCentred = [&](float width, float height) {
        platform::Rect image = palette().frame(), area = t.view("strip.palette").bounds();
        EXPECT_EQ(image.size, (platform::Size{width, height}));
        EXPECT_NEAR(midX(image), midX(area), 0.5f);
        EXPECT_NEAR(midY(image), midY(area), 0.5f);
    };
    expectCentred(SwatchPalette::spectrumWidth, SwatchPalette::spectrumHeight);

    t.tap("strip.previousPalette"); // wraps to the last
    EXPECT_EQ(dialog->currentSwatch(), 7);
    expectCentred(SwatchPalette::roundWidth, SwatchPalette::roundHeight);
    for (int i = 0; i <= SwatchPalette::count; ++i) {
        t.tap("strip.nextPalette");
        EXPECT_EQ(paletteTitle().text(), SwatchPalette::entries()[std::size_t(i % SwatchPalette::count)].title);
    }
    EXPECT_EQ(dialog->currentSwatch(), 0);
}

TEST_F(StripOptions, APickedColourCarriesTheSlidersOpacityAndRoundPalettesSnapToTheNearestSwatch)
{
    setStoredStrip(Color::rgba(1, 0, 0, 0.4f));
    open();
    EXPECT_FLOAT_EQ(slider().value(), 0.4f);
    t.tap("strip.nextPalette"); // earth tones
    t.tapAt(onPalette(175, 59));
    EXPECT_FLOAT_EQ(shownStrip().alpha, 0.4f);
    EXPECT_EQ(stored(), packColor(paletteColor(170, 50, 0.4f)));
    t.tapAt(onPalette(30, 20));
    EXPECT_EQ(stored(), packColor(paletteColor(30, 30, 0.4f)));
}

TEST_F(StripOptions, OnlyTheSelectedTabShowsAndThePaletteCountsOnlyOnItsTab)
{
    open();
    const Color strip = shownStrip();
    const std::uint32_t before = stored();
    platform::View* panels[] = {&t.view("strip.colorPanel"), &t.view("strip.layoutPanel"), &t.view("strip.fadePanel")};
    // Where the palette lies on the colour tab; on the fade tab, below the slider, where only its hint is.
    const std::pair<const char*, Point> cases[] = {
        {"color", {}}, {"layout", onPalette(100, 40)}, {"fade", onPalette(100, 72)}};
    for (int shown = 0; shown < 3; ++shown) {
        const auto& [tab, where] = cases[shown];
        t.tap(std::string("strip.tab.") + tab);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(panels[i]->isHidden(), i != shown) << tab << " panel " << i;
            EXPECT_EQ(selected(std::string("tab.") + cases[i].first), i == shown) << tab << " button " << i;
            EXPECT_EQ(panels[i]->frame().origin, panels[0]->frame().origin) << "panels lie on one another";
        }
        if (shown > 0)
            t.drag(where, {where.x + 40, where.y});
        EXPECT_EQ(shownStrip(), strip) << tab;
        EXPECT_EQ(stored(), before) << tab;
    }
    EXPECT_TRUE(t.isReachable("strip.opacity"));
}

TEST_F(StripOptions, TheSliderPreviewsWhileDraggedAndStoresWhenLetGoAndTheStepButtonsStoreEvenAtTheBound)
{
    setStoredStrip(Color::rgba(0, 1, 0, 1));
    const std::uint32_t before = stored();
    open();
    t.tap("strip.tab.fade");
    platform::Rect f = slider().frame();
    Point left = slider().superview()->convertToWindow({f.x() + 14, midY(f)});
    Point middle = slider().superview()->convertToWindow({midX(f), midY(f)});

    t.drag(middle, left, 6, /*lift=*/false);
    EXPECT_FLOAT_EQ(shownStrip().alpha, 0.0f);
    EXPECT_EQ(shownStrip().green, 1.0f);
    EXPECT_EQ(stored(), before);
    t.drag(left, middle, 6, /*lift=*/false);
    t.app().window().touchUp(middle);
    t.advance(0);
    EXPECT_NEAR(shownStrip().alpha, 0.5f, 0.01f);
    EXPECT_EQ(stored(), packColor(shownStrip()));
    EXPECT_EQ(stored() >> 8, 0x00FF00u);

    // Steps of 0.2 in single precision: five down from 1 leave a trace that still packs to none.
    struct Case {
        float start;
        int presses; // up when positive
        float expected;
    } cases[] = {{0.9f, 1, 1.0f}, {1.0f, 1, 1.0f}, {0.1f, -1, 0.0f}, {0.0f, 5, 1.0f},
                 {1.0f, -5, 1.0f - 0.2f - 0.2f - 0.2f - 0.2f - 0.2f}, {1.0f, -6, 0.0f}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.presses) + " from " + std::to_string(c.start));
        setStoredStrip(Color::rgba(0.5f, 0.25f, 0.125f, c.start));
        dialog->viewWillAppear(false);
        // A stale stored value shows that every press stores, even at the bound.
        settings.setObject(keys::stripColor, 0x12345678u);
        for (int i = 0; i < std::abs(c.presses); ++i)
            t.tap(c.presses > 0 ? "strip.opacityUp" : "strip.opacityDown");
        EXPECT_EQ(slider().value(), c.expected);
        EXPECT_EQ(shownStrip().alpha, c.expected);
        EXPECT_EQ(stored(), packColor(Color::rgba(0.5f, 0.25f, 0.125f, c.expected)));
    }
}

TEST_F(StripOptions, LetteringAndLayoutButtonsSelectOneStoreItAndMirrorTheWallpaper)
{
    open();
    struct Case {
        const char* button;
        std::uint32_t face, highlight;
        bool black;
    } cases[] = {{"strip.fontBlack", 0x000000FF, 0x00000000, true}, {"strip.fontWhite", 0xFFFFFFFF, 0x000000FF, false}};
    for (const auto& c : cases) {
        t.tap(c.button);
        EXPECT_EQ(stored(keys::fontFace), c.face) << c.button;
        EXPECT_EQ(stored(keys::fontHighlight), c.highlight) << c.button;
        EXPECT_EQ(selected("fontBlack"), c.black) << c.button;
        EXPECT_EQ(selected("fontWhite"), !c.black) << c.button;
    }

    t.tap("strip.tab.layout");
    const std::pair<const char*, std::vector<bool>> layouts[] = {
        {"split", {false, true, false}}, {"none", {false, false, true}}, {"classic", {true, false, false}}};
    for (const auto& [layout, buttons] : layouts) {
        t.tap(std::string("strip.layout.") + layout);
        t.settle();
        EXPECT_EQ(layoutButtons(), buttons) << layout;
        EXPECT_EQ(settings.stringForKey(keys::stripLayout), layout);
    }

    // Red lettering from a style is not white lettering; a layout changed elsewhere shows too.
    settings.setObject(keys::fontFace, 0xFF0000FFu);
    settings.setValue(keys::stripLayout, "split");
    main.viewWillAppear(false);
    dialog->viewWillAppear(false);
    EXPECT_TRUE(selected("fontBlack"));
    EXPECT_FALSE(selected("fontWhite"));
    EXPECT_EQ(layoutButtons(), (std::vector<bool>{false, true, false}));
}
