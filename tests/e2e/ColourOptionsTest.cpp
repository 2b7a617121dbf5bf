// The strip and background dialogs of the new-style menu: the palettes they share, and the strip's
// own lettering, layout and opacity.
#include "support/Rows.h"
#include "support/TestApp.h"

#include "Dialogs/DialogBase.h"
#include "MainViewController.h"
#include "PackedColor.h"
#include "SettingsKeys.h"
#include "SwatchPalette.h"

#include "platform/Button.h"
#include "platform/ImageView.h"
#include "platform/Label.h"
#include "platform/Slider.h"
#include "platform/Window.h"

#include <gtest/gtest.h>

using namespace platform;
using testing_support::TestApp;

namespace {

float midX(const Rect& r) { return r.x() + r.width() / 2; }
float midY(const Rect& r) { return r.y() + r.height() / 2; }

struct ColourDialog {
    const char* what;
    const char* button;  // in the new-style menu
    const char* prefix;  // of the dialog's identifiers
    const char* key;     // of the colour stored
    const char* shownBy; // the wallpaper's view of that colour
    float alpha;         // of a picked colour, the strip being stored at 0.4 opacity
    const char* title;   // of the palette, where the dialog shows one
};

const ColourDialog kDialogs[] = {
    {"strip", "newstyle.strip", "strip", keys::stripColor, "classic.strip", 0.4f, "strip.paletteTitle"},
    {"background", "newstyle.background", "bg", keys::bgColor, "background.upper", 1.0f, nullptr},
};

struct Options {
    explicit Options(const ColourDialog& dialog) : d(dialog) { setStoredStrip(Color::rgba(0, 0, 1, 0.4f)); }

    const ColourDialog& d;
    TestApp t;
    MainViewController& main = t.main();
    SettingsStore& settings = t.app().settings();

    void open() { t.tapAndSettle({"main.style", "style.new", d.button}); }
    DialogBase& dialog() { return *main.CurrentDialog(); }
    std::string id(const char* suffix) const { return d.prefix + std::string(suffix); }
    ImageView& palette() { return t.view<ImageView>(id(".paletteImage")); }
    Point onPalette(float x, float y) { return palette().convertToWindow({x, y}); }
    std::uint32_t stored(const char* key = nullptr) { return settings.unsignedForKey(key ? key : d.key).value_or(0xDEADBEEF); }
    Color shown() { return *t.view<Label>(d.shownBy).backgroundColor(); }
    Color paletteColor(float x, float y, float alpha) { return *SwatchPalette::sample(*palette().image(), {x, y}, alpha, t.log); }
    void setStoredStrip(Color color)
    {
        settings.setObject(keys::stripColor, packColor(color));
        main.viewWillAppear(false);
    }
};

struct ColourOptions : ::testing::TestWithParam<ColourDialog>, Options {
    ColourOptions() : Options(GetParam()) {}
};
INSTANTIATE_TEST_SUITE_P(Dialogs, ColourOptions, ::testing::ValuesIn(kDialogs), testing_support::ByWhat());

struct StripOptions : ::testing::Test, Options {
    StripOptions() : Options(kDialogs[0]) {}
    Slider& slider() { return t.view<Slider>("strip.opacity"); }
    bool selected(const std::string& button) { return t.view<Button>("strip." + button).isSelected(); }
    std::string layoutSelected()
    {
        return (selected("layout.classic") ? "classic" : "") + std::string(selected("layout.split") ? "split" : "") +
               (selected("layout.none") ? "none" : "");
    }
};

} // namespace

TEST_P(ColourOptions, DraggingPreviewsTheColourLiftingOverThePaletteStoresItAndEndingOffItStoresNothing)
{
    const std::uint32_t before = stored();
    open();
    t.drag(onPalette(20, 20), onPalette(150.7f, 30.2f), 8, /*lift=*/false);
    const Color picked = paletteColor(150, 30, d.alpha);
    EXPECT_EQ(shown(), picked);
    EXPECT_EQ(stored(), before);
    t.app().window().touchUp(onPalette(150.7f, 30.2f));
    t.advance(0);
    EXPECT_EQ(stored(), packColor(picked));

    // Above the spectrum the touch is taken at its edge: that colour shows, and nothing is stored.
    t.drag(onPalette(100, 40), onPalette(100, -30));
    EXPECT_NE(shown(), picked);
    EXPECT_EQ(stored(), packColor(picked));
}

TEST_P(ColourOptions, ARoundPaletteTakesTheSwatchNearestTheTouch)
{
    open();
    t.tap(id(".nextPalette")); // earth tones
    t.tapAt(onPalette(175, 59));
    EXPECT_EQ(stored(), packColor(paletteColor(170, 50, d.alpha)));
}

TEST_P(ColourOptions, TheArrowsStepThroughThePalettesBothWaysShowingEachCentredAtItsSize)
{
    open();
    // Only the spectrum differs in size; the strip's dialog names each palette too.
    auto expectShown = [&](int index, Size size) {
        const Rect image = palette().frame(), area = t.view(id(".palette")).bounds();
        EXPECT_EQ(image.size, size);
        EXPECT_NEAR(midX(image), midX(area), 0.5f);
        EXPECT_NEAR(midY(image), midY(area), 0.5f);
        EXPECT_TRUE(!d.title || t.view<Label>(d.title).text() == SwatchPalette::entries()[std::size_t(index)].title);
    };
    const Size round{SwatchPalette::roundWidth, SwatchPalette::roundHeight};
    t.tap(id(".previousPalette"));
    expectShown(SwatchPalette::count - 1, round);
    t.tap(id(".nextPalette"));
    expectShown(0, {SwatchPalette::spectrumWidth, SwatchPalette::spectrumHeight});
    t.tap(id(".nextPalette"));
    expectShown(1, round);
}

TEST_P(ColourOptions, APaletteInAnUnknownPixelLayoutIsLoggedAndChangesNothing)
{
    open();
    // The palette's pixels as another decoder might hand them over; the dialog reads the same ones.
    const_cast<Image&>(*palette().image()).alphaInfo = AlphaNone;
    const Color before = shown();
    const std::uint32_t storedBefore = stored();
    t.tapAt(onPalette(100, 40));
    EXPECT_TRUE(t.log.contains("unknown Alpha format"));
    EXPECT_EQ(shown(), before);
    EXPECT_EQ(stored(), storedBefore);
}

TEST_F(StripOptions, OnlyTheSelectedTabShowsAndThePaletteCountsOnlyOnItsTab)
{
    open();
    EXPECT_FALSE(t.isReachable("strip.opacity")) << "the colour tab comes first";
    const Color strip = shown();
    const std::uint32_t before = stored();
    // Where the palette lies under the other tabs: on the fade tab, below the slider, only its hint is.
    const std::pair<std::string, Point> tabs[] = {{"color", {}}, {"layout", onPalette(100, 40)}, {"fade", onPalette(100, 72)}};
    for (int shownTab : {2, 1, 0}) {
        const auto& [tab, where] = tabs[shownTab];
        t.tap("strip.tab." + tab);
        for (const auto& [other, unused] : tabs) {
            EXPECT_EQ(t.view("strip." + other + "Panel").isHidden(), other != tab) << tab << " shows " << other;
            EXPECT_EQ(selected("tab." + other), other == tab) << tab << " selects " << other;
        }
        if (shownTab > 0)
            t.drag(where, {where.x + 40, where.y});
        EXPECT_EQ(shown(), strip) << tab;
        EXPECT_EQ(stored(), before) << tab;
    }
}

TEST_F(StripOptions, TheSliderPreviewsWhileDraggedAndStoresWhenLetGoAndTheStepButtonsStoreEvenAtTheBound)
{
    setStoredStrip(Color::rgba(0, 1, 0, 1));
    const std::uint32_t before = stored();
    open();
    t.tap("strip.tab.fade");
    const Rect f = slider().frame();
    const Point left = slider().superview()->convertToWindow({f.x() + 14, midY(f)});
    const Point middle = slider().superview()->convertToWindow({midX(f), midY(f)});
    t.drag(middle, left, 6, /*lift=*/false);
    EXPECT_FLOAT_EQ(shown().alpha, 0.0f);
    EXPECT_EQ(stored(), before);
    t.drag(left, middle, 6, /*lift=*/false);
    t.app().window().touchUp(middle);
    t.advance(0);
    EXPECT_NEAR(shown().alpha, 0.5f, 0.01f);
    EXPECT_EQ(stored(), packColor(shown()));
    EXPECT_EQ(stored() >> 8, 0x00FF00u) << "the opacity alone changes";

    // Steps of 0.2 in single precision: five down from 1 leave a trace that still packs to none.
    const struct {
        float start;
        int presses; // up when positive
        float expected;
    } cases[] = {{0.9f, 1, 1.0f}, {1.0f, 1, 1.0f}, {0.1f, -1, 0.0f}, {0.0f, 5, 1.0f},
                 {1.0f, -5, 1.0f - 0.2f - 0.2f - 0.2f - 0.2f - 0.2f}, {1.0f, -6, 0.0f}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.presses) + " from " + std::to_string(c.start));
        setStoredStrip(Color::rgba(0.5f, 0.25f, 0.125f, c.start));
        dialog().viewWillAppear(false);
        // A stale stored value shows that every press stores, even at the bound.
        settings.setObject(keys::stripColor, 0x12345678u);
        for (int i = 0; i < std::abs(c.presses); ++i)
            t.tap(c.presses > 0 ? "strip.opacityUp" : "strip.opacityDown");
        EXPECT_EQ(slider().value(), c.expected);
        EXPECT_EQ(shown().alpha, c.expected);
        EXPECT_EQ(stored(), packColor(Color::rgba(0.5f, 0.25f, 0.125f, c.expected)));
    }
}

TEST_F(StripOptions, LetteringAndLayoutButtonsSelectOneStoreItAndFollowAChangeMadeElsewhere)
{
    open();
    const std::tuple<const char*, std::uint32_t, std::uint32_t> letterings[] = {{"fontBlack", 0x000000FF, 0},
                                                                                {"fontWhite", 0xFFFFFFFF, 0x000000FF}};
    for (const auto& [button, face, highlight] : letterings) {
        t.tap(std::string("strip.") + button);
        EXPECT_EQ(stored(keys::fontFace), face) << button;
        EXPECT_EQ(stored(keys::fontHighlight), highlight) << button;
        EXPECT_EQ(selected("fontBlack"), face == 0x000000FF) << button;
        EXPECT_EQ(selected("fontWhite"), face != 0x000000FF) << button;
    }
    t.tap("strip.tab.layout");
    for (const std::string layout : {"split", "none", "classic"}) {
        t.tapAndSettle("strip.layout." + layout);
        EXPECT_EQ(layoutSelected(), layout);
        EXPECT_EQ(settings.stringForKey(keys::stripLayout), layout);
    }

    // Red lettering from a style is not white lettering; a layout changed elsewhere shows too.
    settings.setObject(keys::fontFace, 0xFF0000FFu);
    settings.setValue(keys::stripLayout, "split");
    main.viewWillAppear(false);
    dialog().viewWillAppear(false);
    EXPECT_TRUE(selected("fontBlack"));
    EXPECT_FALSE(selected("fontWhite"));
    EXPECT_EQ(layoutSelected(), "split");
}
