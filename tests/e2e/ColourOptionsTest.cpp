// The strip and background dialogs of the new-style menu: the palettes they share, and the strip's
// own lettering, layout and opacity.
#include "support/Rows.h"
#include "support/TestApp.h"

#include "Dialogs/DialogBase.h"
#include "Interfaces/ContrastMark.h"
#include "MainViewController.h"
#include "PackedColor.h"
#include "SettingsKeys.h"
#include "SwatchPalette.h"
#include "SwatchPaletteView.h"

#include "platform/Button.h"
#include "platform/ImageView.h"
#include "platform/Label.h"
#include "platform/Slider.h"
#include "platform/Window.h"

#include <gtest/gtest.h>

using namespace platform;
using testing_support::rgbAt;
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
    const char* title;   // of the palette
};

const ColourDialog kDialogs[] = {
    {"strip", "newstyle.strip", "strip", keys::stripColor, "classic.strip", 0.4f, "strip.paletteTitle"},
    {"background", "newstyle.background", "bg", keys::bgColor, "background.upper", 1.0f, "bg.paletteTitle"},
};

// Named in test listings by what it colours, not by its bytes.
[[maybe_unused]] void PrintTo(const ColourDialog& d, std::ostream* os) { *os << d.what; }

std::uint32_t rgb(const Color& c) { return packColor(c) >> 8; }

struct Options {
    explicit Options(const ColourDialog& dialog) : d(dialog) { setStoredStrip(Color::rgba(0, 0, 1, 0.4f)); }

    const ColourDialog& d;
    TestApp t;
    MainViewController& main = t.main();
    SettingsStore& settings = t.app().settings();

    void open() { t.tapAndSettle({"main.style", "style.new", d.button}); }
    DialogBase& dialog() { return *main.CurrentDialog(); }
    std::string id(const char* suffix) const { return d.prefix + std::string(suffix); }
    SwatchPaletteView& palette() { return t.view<SwatchPaletteView>(id(".paletteImage")); }
    std::optional<Point> marked() { return palette().mark() ? std::optional(palette().mark()->pixel) : std::nullopt; }
    Point onPalette(float x, float y) { return palette().convertToWindow({x, y}); }
    std::uint32_t stored(const char* key = nullptr) { return settings.unsignedForKey(key ? key : d.key).value_or(0xDEADBEEF); }
    Color shown() { return *t.view<Label>(d.shownBy).backgroundColor(); }
    Color paletteColor(float x, float y, float alpha) { return *SwatchPalette::sample(*palette().image(), {x, y}, alpha, t.log); }
    void setStoredStrip(Color color) { setStored(keys::stripColor, color); }
    void setStored(const char* key, Color color)
    {
        settings.setObject(key, packColor(color));
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
    // While the finger is down, all of the dialog but the palette fades, so the colour shows where
    // the dialog covered the wallpaper: here, behind its save button.
    const Point save = t.find("dialog.save").convertToWindow({10, 22});
    auto saveButtonShows = [&] { return rgbAt(t.screenshot(), int(save.x), int(save.y)) == 0x0A84FFu; };
    EXPECT_TRUE(saveButtonShows());
    t.drag(onPalette(20, 20), onPalette(150.7f, 30.2f), 8, /*lift=*/false);
    const Color picked = paletteColor(150, 30, d.alpha);
    EXPECT_EQ(shown(), picked);
    EXPECT_EQ(stored(), before);
    t.advance(0.3);
    EXPECT_FALSE(saveButtonShows());
    EXPECT_EQ(rgbAt(t.screenshot(), int(onPalette(150, 30).x), int(onPalette(150, 30).y)), rgb(paletteColor(150, 30, 1)))
        << "the palette stays under the finger";
    t.app().window().touchUp(onPalette(150.7f, 30.2f));
    t.advance(0);
    EXPECT_EQ(stored(), packColor(picked));
    t.advance(0.3);
    EXPECT_TRUE(saveButtonShows());

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
    // Only the spectrum differs in size; both dialogs name each palette between the same arrows.
    auto expectShown = [&](int index, Size size) {
        const Rect image = palette().frame(), area = t.view(id(".palette")).bounds();
        EXPECT_EQ(image.size, size);
        EXPECT_NEAR(midX(image), midX(area), 0.5f);
        EXPECT_NEAR(midY(image), midY(area), 0.5f);
        EXPECT_EQ(t.view<Label>(d.title).text(), SwatchPalette::entries()[std::size_t(index)].title);
    };
    const Size round{SwatchPalette::roundWidth, SwatchPalette::roundHeight};
    t.tap(id(".previousPalette"));
    expectShown(SwatchPalette::count - 1, round);
    t.tap(id(".nextPalette"));
    expectShown(0, {SwatchPalette::spectrumWidth, SwatchPalette::spectrumHeight});
    t.tap(id(".nextPalette"));
    expectShown(1, round);
}

// Each pixel of the spectrum is a block of its own colour, and a round palette's swatches are discs
// whose edge is one pixel wide, at one to four pixels a point: nothing blurred by scaling.
TEST_P(ColourOptions, PalettesAreSharpAtOneToFourPixelsAPoint)
{
    open();
    const std::uint32_t well = rgb(*t.view(id(".palette")).backgroundColor());
    for (int scale = 1; scale <= 4; ++scale) {
        SCOPED_TRACE("scale " + std::to_string(scale));
        const QImage spectrum = t.screenshot(float(scale));
        Point origin = onPalette(0, 0);
        int blurred = 0;
        for (int y = 0; y < SwatchPalette::spectrumHeight; y += 3)
            for (int x = 0; x < SwatchPalette::spectrumWidth; x += 3)
                for (int dy = 0; dy < scale; ++dy)
                    for (int dx = 0; dx < scale; ++dx)
                        blurred += rgbAt(spectrum, int(origin.x + x) * scale + dx, int(origin.y + y) * scale + dy) !=
                                   rgb(paletteColor(float(x), float(y), 1));
        EXPECT_EQ(blurred, 0);

        t.tap(id(".nextPalette"));
        const QImage round = t.screenshot(float(scale));
        origin = onPalette(0, 0);
        for (const Point& spot : SwatchPalette::hotSpots) {
            const std::uint32_t fill = rgb(paletteColor(spot.x, spot.y, 1));
            // Along the row through the swatch's middle, from the middle out past its edge.
            const float midX = (origin.x + spot.x + 0.5f) * float(scale), midY = (origin.y + spot.y + 0.5f) * float(scale);
            EXPECT_EQ(rgbAt(round, int(midX), int(midY)), fill);
            int between = 0;
            for (int x = int(midX); x < int(midX + 12 * float(scale)); ++x) {
                const std::uint32_t shown = rgbAt(round, x, int(midY));
                between += shown != fill && shown != well;
            }
            EXPECT_LE(between, 1) << "swatch at " << spot.x << ", " << spot.y;
        }
        t.tap(id(".previousPalette"));
    }
}

TEST_P(ColourOptions, ThePaletteMarksTheColourWornWhereItHoldsItAndThenWhereATouchPicksOne)
{
    open();
    t.tap(id(".nextPalette")); // earth tones
    EXPECT_EQ(marked(), std::nullopt) << "the colour worn is on no swatch";
    const Point spot = SwatchPalette::hotSpots[3];
    const Color swatch = paletteColor(spot.x, spot.y, d.alpha);
    // Worn from elsewhere, a style applied say, and shown when the dialog comes up again.
    setStored(d.key, swatch);
    dialog().viewWillAppear(false);
    EXPECT_EQ(marked(), spot);
    // A ring inside the swatch, of a colour that shows on it.
    const QImage shot = t.screenshot(2);
    const Point ring = onPalette(spot.x + 0.5f + 3.5f, spot.y + 0.5f);
    const std::uint32_t shown = rgbAt(shot, int(ring.x * 2), int(ring.y * 2));
    EXPECT_TRUE(shown == 0xFFFFFF || shown == 0x000000) << std::hex << shown;
    EXPECT_NE(shown, rgb(swatch));

    t.tap(id(".nextPalette"));
    t.tap(id(".previousPalette"));
    EXPECT_EQ(marked(), spot) << "found again when its palette comes back";
    t.tapAt(onPalette(175, 59));
    EXPECT_EQ(marked(), (Point{170, 50}));
    t.tap(id(".previousPalette"));
    t.tapAt(onPalette(100.7f, 40.2f));
    EXPECT_EQ(marked(), (Point{100, 40})) << "the spectrum's pixel touched";
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
    const Point save = t.find("dialog.save").convertToWindow({10, 22});
    auto saveButtonShows = [&] { return rgbAt(t.screenshot(), int(save.x), int(save.y)) == 0x0A84FFu; };
    t.drag(middle, left, 6, /*lift=*/false);
    EXPECT_FLOAT_EQ(shown().alpha, 0.0f);
    EXPECT_EQ(stored(), before);
    t.advance(0.3);
    EXPECT_FALSE(saveButtonShows()) << "the dialog stays over the strip being faded";
    t.drag(left, middle, 6, /*lift=*/false);
    t.app().window().touchUp(middle);
    t.advance(0.3);
    EXPECT_TRUE(saveButtonShows());
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

    // Held down, a layout shows on the wallpaper, the dialog faded round its button; let go elsewhere,
    // the layout chosen before comes back and nothing is stored.
    const Point save = t.find("dialog.save").convertToWindow({10, 22});
    auto saveButtonShows = [&] { return rgbAt(t.screenshot(), int(save.x), int(save.y)) == 0x0A84FFu; };
    const Point split = t.centreOf("strip.layout.split");
    t.app().window().touchDown(split);
    t.advance(0.3);
    EXPECT_EQ(main.style().layout, StripLayout::Split);
    EXPECT_FALSE(saveButtonShows());
    EXPECT_EQ(settings.stringForKey(keys::stripLayout), "classic");
    t.app().window().touchMove({split.x, split.y + 150});
    t.app().window().touchUp({split.x, split.y + 150});
    t.advance(0.3);
    EXPECT_EQ(main.style().layout, StripLayout::Classic);
    EXPECT_TRUE(saveButtonShows());
    EXPECT_EQ(settings.stringForKey(keys::stripLayout), "classic");

    // None leaves the background alone, and its hint says so.
    t.tapAndSettle("strip.layout.none");
    for (const char* layout : {"layout.classic", "layout.split", "layout.topOnly"})
        EXPECT_TRUE(t.view(layout).isHidden()) << layout;
    const std::string hint = t.view<Label>("strip.layoutHint").text();
    EXPECT_NE(hint.find("None: the background alone, no strip and no lettering."), std::string::npos) << hint;

    // Red lettering from a style is not white lettering; a layout changed elsewhere shows too.
    settings.setObject(keys::fontFace, 0xFF0000FFu);
    settings.setValue(keys::stripLayout, "split");
    main.viewWillAppear(false);
    dialog().viewWillAppear(false);
    EXPECT_TRUE(selected("fontBlack"));
    EXPECT_FALSE(selected("fontWhite"));
    EXPECT_EQ(layoutSelected(), "split");
}

// Classic, with a line of information, on a black strip at half opacity over white: mid-grey under
// white lettering reads 4.0:1, enough for the number, not for the line.
TEST_F(StripOptions, TheNumbersContrastFollowsEveryChangeEvenMidDragAndOneTouchMakesEveryTextReadable)
{
    settings.setObject(keys::bgColor, 0xFFFFFFFFu);
    settings.setValue(keys::stripLayout, "classic");
    settings.setValue(keys::otherPreference, "Reward if found");
    setStoredStrip(Color::rgba(0, 0, 0, 0.5f));
    open();
    auto figure = [&] {
        const std::string fix = t.view("strip.contrast.fix").isHidden() ? "" : t.view<Button>("strip.contrast.fix").title();
        return t.view<Label>("strip.contrast.ratio").text() + " " + t.view<Label>("strip.contrast.lc").text() + " " +
               (t.view<ContrastMark>("strip.contrast.mark").passes() ? "readable" : "faint") + " " + fix;
    };
    const struct {
        const char* tap;
        std::string figure; // then the stored strip and lettering
        std::uint32_t strip, face;
    } steps[] = {
        {nullptr, "4.0:1 Lc -72.9 faint Opacity 55%", 0x00000080, 0xFFFFFFFF},
        // White keeps its place; the strip darkens to the least opacity at which the line reads.
        {"strip.contrast.fix", "4.7:1 Lc -78.4 readable ", 0x0000008C, 0xFFFFFFFF},
        {"strip.fontBlack", "4.4:1 Lc 31.1 faint Use White", 0x0000008C, 0x000000FF},
        {"strip.contrast.fix", "4.7:1 Lc -78.4 readable ", 0x0000008C, 0xFFFFFFFF},
    };
    for (const auto& step : steps) {
        if (step.tap)
            t.tap(step.tap);
        EXPECT_EQ(figure(), step.figure) << (step.tap ? step.tap : "opened");
        EXPECT_EQ(stored(), step.strip);
        EXPECT_EQ(stored(keys::fontFace), step.face);
    }
    EXPECT_FLOAT_EQ(slider().value(), 0x8C / 255.0f) << "the slider follows the fix";
    EXPECT_TRUE(selected("fontWhite"));

    // The figure follows the slider while it is dragged; the fix waits for the finger to lift.
    t.tap("strip.tab.fade");
    const Rect f = slider().frame();
    const Point left = slider().superview()->convertToWindow({f.x() + 2, midY(f)});
    t.drag(slider().superview()->convertToWindow({f.x() + f.width() * 0x8C / 255, midY(f)}), left, 6, /*lift=*/false);
    EXPECT_EQ(figure(), "1.0:1 Lc 0.0 faint ");
    t.app().window().touchUp(left);
    t.advance(0.3);
    EXPECT_EQ(figure(), "1.0:1 Lc 0.0 faint Use Black");
    t.tap("strip.tab.layout");
    t.tapAndSettle("strip.layout.none");
    EXPECT_EQ(t.view<Label>("strip.contrast.ratio").text(), "None");
    EXPECT_TRUE(t.view("strip.contrast.mark").isHidden());
    EXPECT_TRUE(t.view("strip.contrast.fix").isHidden());
}
