#include "support/PlatformHarness.h"

#include "desktop/QtPainter.h"

#include "platform/AlertView.h"
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

struct FieldDelegate : TextFieldDelegate {
    bool allowBegin = true;
    std::vector<std::string> calls, textsAfterChange;
    bool textFieldShouldBeginEditing(TextField&) override { calls.push_back("begin"); return allowBegin; }
    void textFieldDidBeginEditing(TextField&) override { calls.push_back("began"); }
    void textFieldDidEndEditing(TextField&) override { calls.push_back("ended"); }
    bool textFieldShouldClear(TextField&) override { calls.push_back("clear"); return true; }
    bool textFieldShouldReturn(TextField& f) override { calls.push_back("return"); return f.resignFirstResponder(); }
    bool shouldChangeCharactersInRange(TextField& f, TextRange r, const std::string& s) override
    {
        textsAfterChange.push_back(std::string(f.text()).replace(r.location, r.length, s));
        return true;
    }
};

struct Rows : TableViewDataSource, TableViewDelegate {
    int rows = 20;
    std::vector<int> selected;
    int numberOfRowsInSection(TableView&, int) override { return rows; }
    std::shared_ptr<View> cellForRowAtIndexPath(TableView&, IndexPath) override { return std::make_shared<TableViewCell>(); }
    void didSelectRowAtIndexPath(TableView&, IndexPath p) override { selected.push_back(p.row); }
};

struct LinkRecorder : UrlOpener {
    std::vector<std::string> opened;
    void openURL(const std::string& href, const std::string&) override { opened.push_back(href); }
};

struct AlertRecorder : AlertViewDelegate {
    std::vector<int> dismissed;
    void didDismissWithButtonIndex(AlertView&, int index) override { dismissed.push_back(index); }
};

} // namespace

TEST(Button, FiresWhenATouchEndsOnItAndOnlyWhenEnabled)
{
    PlatformHarness h;
    auto b = std::make_shared<Button>(Rect{100, 100, 100, 44});
    int taps = 0;
    b->setAction([&] { ++taps; });
    auto& w = h.app.window();
    w.addSubview(b);

    w.touchDown({150, 120});
    EXPECT_TRUE(b->isHighlighted());
    w.touchUp({150, 120});
    EXPECT_EQ(taps, 1);

    w.touchDown({150, 120});
    w.touchMove({150, 300}); // dragged away: a change of mind
    EXPECT_FALSE(b->isHighlighted());
    w.touchUp({150, 300});
    EXPECT_EQ(taps, 1);

    b->setEnabled(false);
    tap(w, {150, 120});
    EXPECT_EQ(taps, 1);
}

TEST(Slider, ReportsChangesWhileDraggedAndTheEndWhenLetGo)
{
    PlatformHarness h;
    auto s = std::make_shared<Slider>(Rect{0, 100, 228, 44}); // track from 14 to 214
    std::vector<std::string> events;
    s->setValueChangedAction([&] { events.push_back("changed"); });
    s->setEndAction([&] { events.push_back("end"); });
    auto& w = h.app.window();
    w.addSubview(s);
    w.touchDown({14, 120});
    EXPECT_FLOAT_EQ(s->value(), 0);
    w.touchMove({114, 120});
    EXPECT_FLOAT_EQ(s->value(), 0.5f);
    w.touchMove({400, 120});
    EXPECT_FLOAT_EQ(s->value(), 1.0f);
    w.touchUp({400, 120});
    EXPECT_EQ(events, (std::vector<std::string>{"changed", "changed", "changed", "end"}));
}

TEST(TextField, EditsThroughItsDelegateAndRejectsMalformedUtf8)
{
    PlatformHarness h;
    auto f = std::make_shared<TextField>(Rect{10, 100, 300, 44});
    FieldDelegate d;
    f->setDelegate(&d);
    f->setClearButtonMode(ClearButtonMode::WhileEditing);
    f->setText("91");
    auto& w = h.app.window();
    w.addSubview(f);

    d.allowBegin = false;
    tap(w, {50, 120});
    EXPECT_FALSE(f->isEditing());
    EXPECT_FALSE(f->isClearButtonShown());

    d.allowBegin = true;
    tap(w, {50, 120});
    ASSERT_TRUE(f->isEditing());
    EXPECT_EQ(h.app.firstResponder(), f.get());
    EXPECT_TRUE(f->isClearButtonShown());
    f->insertText("1");
    f->insertText("é");
    f->deleteBackward(); // removes the whole two-byte character
    EXPECT_EQ(f->text(), "911");
    EXPECT_EQ(d.textsAfterChange, (std::vector<std::string>{"911", "911é", "911"}));
    // Broken sequences and control bytes from the keyboard are dropped, whole characters kept.
    f->insertText(std::string("a\xC3") + "b\x80\x01" + "\xE2\x82\xAC");
    EXPECT_EQ(f->text(), "911ab\xE2\x82\xAC");

    tap(w, {300, 120}); // the clear button at the right end
    EXPECT_EQ(f->text(), "");
    f->returnKey();
    EXPECT_FALSE(f->isEditing());
    EXPECT_EQ(d.calls, (std::vector<std::string>{"begin", "begin", "began", "clear", "return", "ended"}));
    f->insertText("x"); // not editing: the keyboard goes nowhere
    EXPECT_EQ(f->text(), "");
}

TEST(TextField, EditingEndsAtOnceWhenTheFieldLeavesTheScreenEvenInAnAnimation)
{
    const struct {
        const char* change;
        void (*apply)(View& box);
    } rows[] = {
        {"removed", [](View& box) { box.removeFromSuperview(); }},
        {"hidden", [](View& box) { box.setHidden(true); }},
        {"faded out", [](View& box) { box.setAlpha(0); }},
        {"slid sideways out of its clipping box", [](View& box) { box.setBounds({-320, 0, 320, 200}); }},
        {"moved below the screen", [](View& box) { box.setFrame({0, 480, 320, 200}); }},
    };
    for (const auto& row : rows) {
        PlatformHarness h;
        auto box = std::make_shared<View>(Rect{0, 100, 320, 200});
        box->setClipsToBounds(true);
        auto f = std::make_shared<TextField>(Rect{10, 10, 300, 44});
        FieldDelegate d;
        f->setDelegate(&d);
        box->addSubview(f);
        h.app.window().addSubview(box);
        tap(h.app.window(), {50, 130});
        ASSERT_TRUE(f->isEditing()) << row.change;

        {
            Animation change(h.app.animator());
            row.apply(*box);
        }
        EXPECT_EQ(h.app.firstResponder(), nullptr) << row.change;
        EXPECT_EQ(d.calls, (std::vector<std::string>{"begin", "began", "ended"})) << row.change;
        f->insertText("x");
        EXPECT_EQ(f->text(), "") << row.change;
    }
}

TEST(TableView, ATapSelectsTheRowUnderTheFingerAndAShorterListIsNotLeftScrolledPastItsEnd)
{
    PlatformHarness h;
    auto t = std::make_shared<TableView>(Rect{0, 100, 320, 220});
    Rows rows;
    t->setDataSource(&rows);
    t->setDelegate(&rows);
    t->reloadData();
    auto& w = h.app.window();
    w.addSubview(t);
    EXPECT_FLOAT_EQ(t->maximumContentOffset(), 20 * 44 - 220);

    tap(w, {100, 110});
    t->setContentOffset(100);
    tap(w, {100, 110}); // now over row (100 + 10) / 44 = 2
    EXPECT_EQ(rows.selected, (std::vector<int>{0, 2}));
    EXPECT_EQ(t->indexPathForSelectedRow(), (IndexPath{0, 2}));
    EXPECT_FALSE(static_cast<TableViewCell*>(t->cellForRow(0))->isSelected());
    EXPECT_TRUE(static_cast<TableViewCell*>(t->cellForRow(2))->isSelected());

    rows.rows = 2;
    t->reloadData();
    EXPECT_FLOAT_EQ(t->contentOffset(), 0);
}

// Both scrolling views, each in {0, 100, 320, 220} over content of many items, each of which
// records a tap on it: the row it selects, the link it opens.
enum class Scroller { Table, Page };

struct Scrolling : ::testing::TestWithParam<Scroller> {
    PlatformHarness h;
    Window& w = h.app.window();
    Rows rows;
    LinkRecorder links;
    std::shared_ptr<ScrollView> view;

    void SetUp() override
    {
        Rect frame{0, 100, 320, 220};
        if (GetParam() == Scroller::Table) {
            auto table = std::make_shared<TableView>(frame);
            table->setDataSource(&rows);
            table->setDelegate(&rows);
            table->reloadData();
            view = table;
        } else {
            h.app.servicesForTesting().urlOpener = &links;
            auto page = std::make_shared<WebView>(frame);
            std::string html;
            for (int i = 0; i < 60; ++i)
                html += "<a href='" + std::to_string(i) + "'>Item " + std::to_string(i) + " of a long page</a><br>";
            page->loadHTMLString(html, "https://example.com/");
            view = page;
        }
        w.addSubview(view);
        // A page knows how far it reaches once it is drawn.
        QImage image(320, 480, QImage::Format_ARGB32_Premultiplied);
        QPainter qp(&image);
        desktop::QtPainter painter(qp);
        drawViewTree(w, painter, h.clock.now());
        ASSERT_GT(view->maximumContentOffset(), 400);
    }
    std::vector<std::string> taps() const
    {
        std::vector<std::string> all = links.opened;
        for (int row : rows.selected)
            all.push_back(std::to_string(row));
        return all;
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

INSTANTIATE_TEST_SUITE_P(Views, Scrolling, ::testing::Values(Scroller::Table, Scroller::Page),
                         [](const auto& info) { return info.param == Scroller::Table ? "Table" : "Page"; });

TEST_P(Scrolling, AMoveShorterThanTheThresholdIsATapOneAsLongInAnyDirectionScrollsTheWholeWay)
{
    const Point p{40, 200};
    const float d = ScrollView::dragThreshold;
    drag(w, p, {p.x + d * 0.6f, p.y - d * 0.7f});
    EXPECT_EQ(offset(), 0);
    EXPECT_EQ(taps().size(), 1u);

    drag(w, p, {p.x + d, p.y}); // sideways: no tap, and nothing to scroll
    EXPECT_EQ(offset(), 0);
    drag(w, p, {p.x, p.y - 100});
    EXPECT_FLOAT_EQ(offset(), 100) << "the threshold counts towards the distance";
    EXPECT_EQ(taps().size(), 1u);
}

TEST_P(Scrolling, TheWheelRolledTowardsTheUserShowsLaterContentAndATapReachesWhatIsThenUnderTheFinger)
{
    const Point p{40, 150};
    tap(w, {p.x, p.y + 88});
    w.wheel(p, -88); // the shell's sign for a wheel rolled towards the user
    EXPECT_FLOAT_EQ(offset(), 88);
    tap(w, p);
    ASSERT_EQ(taps().size(), 2u);
    EXPECT_EQ(taps()[1], taps()[0]);
    w.wheel(p, 40);
    EXPECT_FLOAT_EQ(offset(), 48);
}

TEST_P(Scrolling, StopsAtBothEndsOfItsContent)
{
    const Point p{40, 200};
    drag(w, p, {p.x, p.y + 100});
    EXPECT_EQ(offset(), 0);
    w.wheel(p, -1e6f);
    EXPECT_FLOAT_EQ(offset(), view->maximumContentOffset());
    drag(w, p, {p.x, p.y - 100});
    EXPECT_FLOAT_EQ(offset(), view->maximumContentOffset());
    w.wheel(p, 1e6f);
    EXPECT_EQ(offset(), 0);
    view->setContentOffset(1e6f);
    EXPECT_FLOAT_EQ(offset(), view->maximumContentOffset());
}

TEST_P(Scrolling, AFlickCarriesOnSlowingDownUntilItStopsAtAnEndOrUnderAFinger)
{
    const Point p{40, 300};
    flickUp(p, 60, 6); // 600 points a second
    EXPECT_FLOAT_EQ(offset(), 60);
    EXPECT_TRUE(taps().empty());
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
    EXPECT_TRUE(taps().empty());
    tap(w, p);
    EXPECT_EQ(taps().size(), 1u);
}

TEST(AlertView, CancelRoleIsIndexZeroAndTheDelegateHearsTheDismissal)
{
    PlatformHarness h;
    AlertRecorder r;
    {
        auto alert = std::make_shared<AlertView>("Delete Style", "Are you sure?", &r, "OK", std::vector<std::string>{"Cancel"});
        ASSERT_EQ(alert->numberOfButtons(), 2);
        EXPECT_EQ(alert->buttonTitleAtIndex(0), "OK");
        EXPECT_EQ(alert->buttonTitleAtIndex(1), "Cancel");
        alert->show();
    } // the window keeps it alive while shown
    View* cancel = h.app.window().findByIdentifier("alert.button.1");
    ASSERT_NE(cancel, nullptr);
    tap(h.app.window(), cancel->convertToWindow({cancel->bounds().width() / 2, cancel->bounds().height() / 2}));
    EXPECT_EQ(r.dismissed, (std::vector<int>{1}));
    EXPECT_EQ(h.app.window().findByIdentifier("alert"), nullptr);
}
