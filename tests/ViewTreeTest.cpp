#include "support/PlatformHarness.h"

#include "platform/Label.h"
#include "platform/View.h"
#include "platform/Window.h"

#include <gtest/gtest.h>

using namespace platform;
using testing_support::PlatformHarness;

namespace {

std::shared_ptr<View> view(Rect r, const std::string& id = {})
{
    auto v = std::make_shared<View>(r);
    v->setIdentifier(id);
    return v;
}

struct TouchRecorder : View {
    using View::View;
    std::vector<std::string> phases;
    std::vector<Point> points;
    void touchesBegan(const Touch& t) override { record("began", t); }
    void touchesMoved(const Touch& t) override { record("moved", t); }
    void touchesEnded(const Touch& t) override { record("ended", t); }
    void record(const char* phase, const Touch& t)
    {
        phases.push_back(phase);
        points.push_back(t.locationInView(*this));
    }
};

} // namespace

TEST(ViewTree, OrderingOperationsKeepLaterSiblingsAbove)
{
    auto root = view({0, 0, 100, 100});
    auto a = view({}, "a"), b = view({}, "b"), c = view({}, "c");
    root->addSubview(a);
    root->addSubview(b);
    root->insertSubviewAbove(c, *a);
    auto ids = [&] {
        std::string s;
        for (auto& v : root->subviews())
            s += v->identifier();
        return s;
    };
    EXPECT_EQ(ids(), "acb");
    root->bringSubviewToFront(*a);
    root->sendSubviewToBack(*b);
    root->addSubview(b); // adding again moves it to the top, never duplicates
    EXPECT_EQ(ids(), "cab");
    c->removeFromSuperview();
    EXPECT_EQ(ids(), "ab");
}

TEST(ViewTree, BoundsOriginShiftsContentsAndHitTesting)
{
    PlatformHarness h;
    auto dialog = view({20, 100, 280, 200}, "dialog");
    auto button = view({10, 10, 100, 44}, "button");
    dialog->addSubview(button);
    dialog->setClipsToBounds(true);
    h.app.window().addSubview(dialog);

    EXPECT_EQ(h.app.window().hitTest({40, 130}), button.get());
    // Contents one width to the right: the button is outside the dialog and cannot be touched.
    dialog->setBounds({-280, 0, 280, 200});
    EXPECT_EQ(h.app.window().hitTest({40, 130}), dialog.get());
    EXPECT_EQ(button->convertToWindow({0, 0}), (Point{20 + 280 + 10, 110}));
    dialog->setBounds({0, 0, 280, 200});
    EXPECT_EQ(button->convertFromWindow({40, 130}), (Point{10, 20}));
}

TEST(ViewTree, HiddenTransparentAndInertViewsTakeNoTouches)
{
    PlatformHarness h;
    auto below = view({0, 0, 320, 480}, "below");
    auto top = view({0, 0, 320, 480}, "top");
    h.app.window().addSubview(below);
    h.app.window().addSubview(top);
    EXPECT_EQ(h.app.window().hitTest({5, 5}), top.get());
    top->setAlpha(0);
    EXPECT_EQ(h.app.window().hitTest({5, 5}), below.get());
    top->setAlpha(1);
    top->setHidden(true);
    EXPECT_EQ(h.app.window().hitTest({5, 5}), below.get());
    top->setHidden(false);
    top->setUserInteractionEnabled(false);
    EXPECT_EQ(h.app.window().hitTest({5, 5}), below.get());
    // A label is inert by default: its touches belong to what lies under it.
    below->addSubview(std::make_shared<Label>(Rect{0, 0, 50, 50}));
    EXPECT_EQ(h.app.window().hitTest({5, 5}), below.get());
}

TEST(ViewTree, TheViewUnderTheFingerAtTheStartGetsTheWholeTouch)
{
    PlatformHarness h;
    auto target = std::make_shared<TouchRecorder>(Rect{100, 100, 50, 50});
    h.app.window().addSubview(target);
    h.app.window().touchDown({110, 120});
    h.app.window().touchMove({300, 400}); // far outside: still delivered to the same view
    h.app.window().touchUp({301, 401});
    EXPECT_EQ(target->phases, (std::vector<std::string>{"began", "moved", "ended"}));
    EXPECT_EQ(target->points[0], (Point{10, 20}));
    EXPECT_EQ(target->points[2], (Point{201, 301}));
}

TEST(Animator, ValuesReadBackAtOnceTheLastWinsAndTheScreenMovesOverTheDuration)
{
    PlatformHarness h;
    auto v = view({0, 0, 100, 100});
    h.app.window().addSubview(v);
    auto& a = h.app.animator();
    auto onScreen = [&](double later = 0) { return v->presentedFrame(h.clock.now() + later).x(); };
    a.beginAnimations("move");
    a.setAnimationDuration(0.5);
    v->setFrame({50, 0, 100, 100});
    v->setFrame({100, 0, 100, 100}); // same block: the last value wins, still from 0
    v->setAlpha(0);
    EXPECT_EQ(v->frame().x(), 100);
    EXPECT_EQ(v->alpha(), 0);
    a.commitAnimations();
    EXPECT_EQ(onScreen(), 0);
    EXPECT_GT(onScreen(0.25), 10);
    EXPECT_LT(onScreen(0.25), 90);
    EXPECT_EQ(onScreen(0.5), 100);
    EXPECT_EQ(v->presentedAlpha(h.clock.now() + 0.6), 0);

    // Sent back half way: the new slide starts from what is on screen, not from either end.
    h.advance(0.25);
    float midway = onScreen();
    a.beginAnimations("back");
    a.setAnimationDuration(0.5);
    v->setFrame({0, 0, 100, 100});
    a.commitAnimations();
    EXPECT_FLOAT_EQ(onScreen(), midway);
    EXPECT_TRUE(a.isBusy());
    h.advance(0.6);
    EXPECT_FALSE(a.isBusy());
    EXPECT_EQ(onScreen(), 0);
    // Outside a block a change is immediate on screen too.
    v->setFrame({50, 0, 100, 100});
    EXPECT_EQ(onScreen(), 50);
}

TEST(Animator, DidStopComesAfterTheDurationWithItsContext)
{
    PlatformHarness h;
    auto& a = h.app.animator();
    std::vector<std::string> stops;
    int context = 7;
    a.beginAnimations("pop", &context);
    a.setAnimationDuration(0.5);
    a.setAnimationDidStop([&](const std::string& id, bool finished, const std::any& ctx) {
        EXPECT_TRUE(finished);
        EXPECT_EQ(*std::any_cast<int*>(ctx), 7);
        stops.push_back(id);
    });
    a.commitAnimations();
    a.beginAnimations("zero");
    a.setAnimationDuration(0);
    a.setAnimationDidStop([&](const std::string& id, bool, const std::any&) { stops.push_back(id); });
    a.commitAnimations();
    EXPECT_TRUE(stops.empty()); // never from within the committing code path
    h.advance(0);
    EXPECT_EQ(stops, (std::vector<std::string>{"zero"}));
    h.advance(0.4);
    EXPECT_EQ(stops.size(), 1u);
    h.advance(0.2);
    EXPECT_EQ(stops, (std::vector<std::string>{"zero", "pop"}));
}
