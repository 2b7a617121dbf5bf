#include "support/PlatformHarness.h"

#include "platform/AlertView.h"
#include "platform/Button.h"
#include "platform/Slider.h"
#include "platform/TableView.h"
#include "platform/TextField.h"
#include "platform/Window.h"

#include <gtest/gtest.h>

using namespace platform;
using testing_support::PlatformHarness;

namespace {

void tap(Window& w, Point p)
{
    w.touchDown(p);
    w.touchUp(p);
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

        h.app.animator().beginAnimations("change");
        row.apply(*box);
        h.app.animator().commitAnimations();
        EXPECT_EQ(h.app.firstResponder(), nullptr) << row.change;
        EXPECT_EQ(d.calls, (std::vector<std::string>{"begin", "began", "ended"})) << row.change;
        f->insertText("x");
        EXPECT_EQ(f->text(), "") << row.change;
    }
}

TEST(TableView, ScrollsByDragAndWheelAndSelectsOnTap)
{
    PlatformHarness h;
    auto t = std::make_shared<TableView>(Rect{0, 100, 320, 220}); // 5 rows of 44 visible
    Rows rows;
    t->setDataSource(&rows);
    t->setDelegate(&rows);
    t->reloadData();
    auto& w = h.app.window();
    w.addSubview(t);
    EXPECT_FLOAT_EQ(t->maximumContentOffset(), 20 * 44 - 220);

    tap(w, {100, 110});
    EXPECT_EQ(rows.selected, (std::vector<int>{0}));

    w.touchDown({100, 300});
    w.touchMove({100, 250});
    w.touchMove({100, 200}); // dragged up 100 points: a scroll, not a tap
    w.touchUp({100, 200});
    EXPECT_FLOAT_EQ(t->contentOffset(), 100);
    EXPECT_EQ(rows.selected.size(), 1u);

    tap(w, {100, 110}); // now over row (100 + 10) / 44 = 2
    EXPECT_EQ(rows.selected.back(), 2);

    w.wheel({100, 150}, 10000);
    EXPECT_FLOAT_EQ(t->contentOffset(), t->maximumContentOffset());
    w.wheel({100, 150}, -10000);
    EXPECT_FLOAT_EQ(t->contentOffset(), 0);

    rows.rows = 2; // a shorter list cannot stay scrolled past its end
    t->setContentOffset(500);
    t->reloadData();
    EXPECT_FLOAT_EQ(t->contentOffset(), 0);
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
