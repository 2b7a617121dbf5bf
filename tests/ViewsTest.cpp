// The platform's views on their own: the tree, animations, controls and scrolling. What the dialogs
// make of them is in tests/e2e.
#include "support/PlatformHarness.h"

#include "desktop/QtPainter.h"

#include "platform/Button.h"
#include "platform/Slider.h"
#include "platform/TableView.h"
#include "platform/TextField.h"
#include "platform/WebView.h"
#include "platform/Window.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>

using namespace platform;
using testing_support::PlatformHarness;

namespace {

std::shared_ptr<View> view(Rect r) { return std::make_shared<View>(r); }

void tap(Window& w, Point p)
{
    w.touchDown(p);
    w.touchUp(p);
}

// All at one instant: the finger lifts with no speed.
void drag(Window& w, Point from, Point to)
{
    w.touchDown(from);
    w.touchMove(to);
    w.touchUp(to);
}

} // namespace

// That a label takes none is in every tap on a list's row.
TEST(ViewTree, HiddenTransparentAndInertViewsTakeNoTouches)
{
    PlatformHarness h;
    auto below = view({0, 0, 320, 480}), top = view({0, 0, 320, 480});
    h.app.window().addSubview(below);
    h.app.window().addSubview(top);
    const std::pair<const char*, void (*)(View&, bool)> changes[] = {
        {"transparent", [](View& v, bool on) { v.setAlpha(on ? 0 : 1); }},
        {"hidden", [](View& v, bool on) { v.setHidden(on); }},
        {"inert", [](View& v, bool on) { v.setUserInteractionEnabled(!on); }},
    };
    for (const auto& [what, change] : changes) {
        EXPECT_EQ(h.app.window().hitTest({5, 5}), top.get()) << what;
        change(*top, true);
        EXPECT_EQ(h.app.window().hitTest({5, 5}), below.get()) << what;
        change(*top, false);
    }
}

TEST(Animator, TheScreenMovesFromWhereItIsOverTheDurationAndAChangeOutsideAnAnimationIsImmediate)
{
    PlatformHarness h;
    auto v = view({0, 0, 100, 100});
    h.app.window().addSubview(v);
    auto onScreen = [&](double later = 0) { return v->presentedFrame(h.clock.now() + later).x(); };
    auto moveTo = [&](float x) {
        Animation move(h.app.animator(), 0.5);
        v->setFrame({x, 0, 100, 100});
    };
    moveTo(100);
    EXPECT_GT(onScreen(0.25), 10);
    EXPECT_LT(onScreen(0.25), 90);
    h.advance(0.25);
    const float midway = onScreen();
    moveTo(0); // started half-way: from what is on screen
    EXPECT_FLOAT_EQ(onScreen(), midway);
    EXPECT_EQ(onScreen(0.5), 0);
    h.advance(0.6);
    EXPECT_FALSE(h.app.animator().isBusy());
    v->setFrame({50, 0, 100, 100});
    EXPECT_EQ(onScreen(), 50);
}

TEST(Animator, DidStopComesOnALaterTickOnceTheDurationHasPassed)
{
    PlatformHarness h;
    std::vector<std::string> stops;
    {
        Animation pop(h.app.animator(), 0.5);
        pop.onStop([&] { stops.push_back("pop"); });
        Animation zero(h.app.animator(), 0); // nested: its own duration and did-stop
        zero.onStop([&] { stops.push_back("zero"); });
    }
    EXPECT_TRUE(stops.empty());
    h.advance(0);
    EXPECT_EQ(stops, (std::vector<std::string>{"zero"}));
    h.advance(0.4);
    EXPECT_EQ(stops.size(), 1u);
    h.advance(0.2);
    EXPECT_EQ(stops, (std::vector<std::string>{"zero", "pop"}));
}

// A disabled button is in StylesTest.
TEST(Button, FiresOnlyWhenTheTouchEndsOnIt)
{
    PlatformHarness h;
    auto b = std::make_shared<Button>(Rect{100, 100, 100, 44});
    int taps = 0;
    b->setAction([&] { ++taps; });
    h.app.window().addSubview(b);
    h.app.window().touchDown({150, 120});
    EXPECT_TRUE(b->isHighlighted());
    h.app.window().touchMove({150, 300}); // dragged away: a change of mind
    EXPECT_FALSE(b->isHighlighted());
    h.app.window().touchUp({150, 300});
    EXPECT_EQ(taps, 0);
    tap(h.app.window(), {150, 120});
    EXPECT_EQ(taps, 1);
}

TEST(Slider, ATouchBeyondTheTrackHoldsTheEndValue)
{
    PlatformHarness h;
    auto s = std::make_shared<Slider>(Rect{0, 100, 228, 44}); // track from 14 to 214
    h.app.window().addSubview(s);
    drag(h.app.window(), {114, 120}, {400, 120});
    EXPECT_FLOAT_EQ(s->value(), 1.0f);
    drag(h.app.window(), {114, 120}, {-50, 120});
    EXPECT_FLOAT_EQ(s->value(), 0.0f);
}

TEST(TextField, KeepsItsTextWholeCharactersWhateverTheKeyboardSends)
{
    PlatformHarness h;
    auto f = std::make_shared<TextField>(Rect{10, 100, 300, 44});
    f->setText("91");
    h.app.window().addSubview(f);
    tap(h.app.window(), {50, 120});
    ASSERT_TRUE(f->isEditing());
    f->insertText("é");
    f->deleteBackward(); // removes the whole two-byte character
    // Broken sequences and control bytes from the keyboard are dropped, whole characters kept.
    f->insertText(std::string("a\xC3") + "b\x80\x01" + "\xE2\x82\xAC");
    EXPECT_EQ(f->text(), "91ab\xE2\x82\xAC");
}

TEST(TextField, EditingEndsAtOnceWhenTheFieldLeavesTheScreenEvenInAnAnimation)
{
    const std::pair<const char*, void (*)(View&)> rows[] = {
        {"removed", [](View& box) { box.removeFromSuperview(); }},
        {"hidden", [](View& box) { box.setHidden(true); }},
        {"moved below the screen", [](View& box) { box.setFrame({0, 480, 320, 200}); }},
    };
    struct Ends : TextFieldDelegate {
        int ended = 0;
        void textFieldDidEndEditing(TextField&) override { ++ended; }
    };
    for (const auto& [change, apply] : rows) {
        PlatformHarness h;
        Ends d;
        auto box = view({0, 100, 320, 200});
        auto f = std::make_shared<TextField>(Rect{10, 10, 300, 44});
        f->setDelegate(&d);
        box->addSubview(f);
        h.app.window().addSubview(box);
        tap(h.app.window(), {50, 130});
        ASSERT_TRUE(f->isEditing()) << change;
        {
            Animation animation(h.app.animator());
            apply(*box);
        }
        EXPECT_EQ(h.app.firstResponder(), nullptr) << change;
        EXPECT_EQ(d.ended, 1) << change;
        f->insertText("x");
        EXPECT_EQ(f->text(), "") << change;
    }
}

namespace {

// Twenty rows of a table, or the links of a page: what a tap on them reached.
struct Taps : TableViewDataSource, TableViewDelegate, UrlOpener {
    int rows = 20;
    std::vector<std::string> reached;
    int numberOfRowsInSection(TableView&, int) override { return rows; }
    std::shared_ptr<View> cellForRowAtIndexPath(TableView&, IndexPath) override { return std::make_shared<TableViewCell>(); }
    void didSelectRowAtIndexPath(TableView&, IndexPath p) override { reached.push_back(std::to_string(p.row)); }
    void openURL(const std::string& href, const std::string&) override { reached.push_back(href); }
};

// A scrolling view in {0, 100, 320, 220} over many items: a table's rows, or a page's links. They
// share the scrolling and differ in what a tap reaches.
struct Scrolling : ::testing::Test {
    PlatformHarness h;
    Window& w = h.app.window();
    Taps taps;
    std::shared_ptr<ScrollView> view;

    void SetUp() override { make(false); }
    void make(bool page)
    {
        if (view)
            view->removeFromSuperview();
        Rect frame{0, 100, 320, 220};
        if (!page) {
            auto table = std::make_shared<TableView>(frame);
            table->setDataSource(&taps);
            table->setDelegate(&taps);
            table->reloadData();
            view = table;
        } else {
            h.app.servicesForTesting().urlOpener = &taps;
            auto web = std::make_shared<WebView>(frame);
            std::string html;
            for (int i = 0; i < 60; ++i)
                html += "<a href='" + std::to_string(i) + "'>Item " + std::to_string(i) + " of a long page</a><br>";
            web->loadHTMLString(html, "https://example.com/");
            view = web;
        }
        w.addSubview(view);
        // A page knows how far it reaches once it is drawn.
        QImage image(320, 480, QImage::Format_ARGB32_Premultiplied);
        QPainter qp(&image);
        desktop::QtPainter painter(qp);
        drawViewTree(w, painter, h.clock.now());
        ASSERT_GT(view->maximumContentOffset(), 400);
    }
    float offset() const { return view->contentOffset(); }
    // A finger moving up `distance` points over `frames` frames, then lifted.
    void flickUp(Point from, float distance, int frames)
    {
        w.touchDown(from);
        for (int i = 1; i <= frames; ++i) {
            h.advance(1.0 / 60);
            w.touchMove({from.x, from.y - distance * float(i) / float(frames)});
        }
        w.touchUp({from.x, from.y - distance});
    }
    // The offset at each of the next `frames` frames.
    std::vector<float> run(int frames)
    {
        std::vector<float> seen;
        for (int i = 0; i < frames; ++i) {
            h.advance(1.0 / 60);
            seen.push_back(offset());
        }
        return seen;
    }
};

} // namespace

TEST_F(Scrolling, AMoveShorterThanTheThresholdIsATapAndATapAfterScrollingReachesWhatIsThenUnderTheFinger)
{
    for (bool page : {false, true}) {
        make(page);
        SCOPED_TRACE(page ? "page" : "table");
        const Point p{40, 200};
        const float d = ScrollView::dragThreshold;
        drag(w, p, {p.x + d * 0.6f, p.y - d * 0.7f});
        EXPECT_EQ(offset(), 0);
        ASSERT_EQ(taps.reached.size(), 1u);
        drag(w, p, {p.x + d, p.y}); // sideways: no tap, and nothing to scroll
        EXPECT_EQ(offset(), 0);
        drag(w, {p.x, p.y + 88}, p);
        EXPECT_FLOAT_EQ(offset(), 88) << "the threshold counts towards the distance";
        tap(w, {p.x, p.y - 88});
        ASSERT_EQ(taps.reached.size(), 2u);
        EXPECT_EQ(taps.reached[1], taps.reached[0]);
        taps.reached.clear();
    }
}

// Both ends by drag and wheel are in StylesTest.
TEST_F(Scrolling, AShorterListIsNotLeftScrolledPastItsEnd)
{
    view->setContentOffset(view->maximumContentOffset());
    taps.rows = 2;
    static_cast<TableView&>(*view).reloadData();
    EXPECT_FLOAT_EQ(offset(), 0);
}

TEST_F(Scrolling, AFlickCarriesOnSlowingDownUntilItStopsAtAnEndOrUnderAFinger)
{
    const Point p{40, 300};
    flickUp(p, 60, 6); // 600 points a second
    EXPECT_FLOAT_EQ(offset(), 60);
    EXPECT_TRUE(taps.reached.empty());
    std::vector<float> seen = run(180);
    EXPECT_GT(seen[0], 60);
    EXPECT_GT(seen[20] - seen[0], seen[40] - seen[20]) << "slowing down";
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    EXPECT_EQ(seen[179], seen[150]) << "stopped";
    EXPECT_LT(seen[179], view->maximumContentOffset());
    EXPECT_FALSE(h.app.animator().isBusy());

    // Towards the end it stops there.
    view->setContentOffset(view->maximumContentOffset() - 100);
    flickUp(p, 30, 3);
    run(60);
    EXPECT_FLOAT_EQ(offset(), view->maximumContentOffset());
    EXPECT_FALSE(h.app.animator().isBusy());

    // A finger on the moving content stops it, and is no tap.
    view->setContentOffset(0);
    flickUp(p, 60, 6);
    run(3);
    float caught = offset();
    tap(w, p);
    EXPECT_EQ(run(30).back(), caught);
    EXPECT_TRUE(taps.reached.empty());
    tap(w, p);
    EXPECT_EQ(taps.reached.size(), 1u);
}
