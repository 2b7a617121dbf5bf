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

struct AnimatedView {
    PlatformHarness h;
    std::shared_ptr<View> v = view({0, 0, 100, 100});
    AnimatedView() { h.app.window().addSubview(v); }
    float onScreen(double later = 0) const { return v->presentedFrame(h.clock.now() + later).x(); }
    void moveTo(float x, double duration)
    {
        Animation move(h.app.animator(), duration);
        v->setFrame({x, 0, 100, 100});
    }
};

TEST(Animator, AValueSetInAnAnimationReadsBackAtOnceAndTheLastOneWins)
{
    AnimatedView a;
    {
        Animation move(a.h.app.animator(), 0.5);
        a.v->setFrame({50, 0, 100, 100});
        a.v->setFrame({100, 0, 100, 100});
        EXPECT_EQ(a.v->frame().x(), 100);
    }
    EXPECT_EQ(a.onScreen(), 0);
    EXPECT_EQ(a.onScreen(0.5), 100);
}

TEST(Animator, TheScreenMovesOverTheDurationAndAChangeOutsideAnAnimationIsImmediate)
{
    AnimatedView a;
    a.moveTo(100, 0.5);
    EXPECT_GT(a.onScreen(0.25), 10);
    EXPECT_LT(a.onScreen(0.25), 90);
    a.h.advance(0.6);
    EXPECT_FALSE(a.h.app.animator().isBusy());
    a.v->setFrame({50, 0, 100, 100});
    EXPECT_EQ(a.onScreen(), 50);
}

TEST(Animator, AnAnimationStartedHalfWayStartsFromWhatIsOnScreen)
{
    AnimatedView a;
    a.moveTo(100, 0.5);
    a.h.advance(0.25);
    float midway = a.onScreen();
    a.moveTo(0, 0.5);
    EXPECT_FLOAT_EQ(a.onScreen(), midway);
    EXPECT_EQ(a.onScreen(0.5), 0);
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
