#include "support/TestApp.h"

#include "Dialogs/DialogBase.h"
#include "MainViewController.h"
#include "platform/Button.h"
#include "Dialogs/MainDialogViewController.h"

#include "platform/View.h"

#include <gtest/gtest.h>

using platform::Rect;
using testing_support::TestApp;

namespace {

// A dialog of a chosen size, with the common buttons, for exercising the stack alone.
class SizedDialog final : public DialogBase {
public:
    SizedDialog(MainViewController& main, float w, float h, std::string id)
        : DialogBase("SizedDialog", main), w_(w), h_(h), id_(std::move(id))
    {
    }
    int appearances = 0;
    void viewWillAppear(bool) override { ++appearances; }

protected:
    void loadView() override
    {
        auto v = std::make_shared<platform::View>(Rect{0, 0, w_, h_});
        v->setIdentifier(id_);
        v->setClipsToBounds(true);
        auto addButton = [&](float x, const char* suffix, std::function<void()> action) {
            auto b = std::make_shared<platform::Button>(Rect{x, 0, 60, 44});
            b->setIdentifier(id_ + suffix);
            b->setAction(std::move(action));
            v->addSubview(b);
        };
        addButton(0, ".back", [this] { backButtonClick(); });
        addButton(w_ - 60, ".hide", [this] { hideButtonClick(); });
        setView(v);
    }

private:
    float w_, h_;
    std::string id_;
};

struct Stack : ::testing::Test {
    TestApp t;
    MainViewController& main = t.main();
    platform::View& mainMenu = *main.mainDialog().view();
    SizedDialog d{main, 280, 200, "d"};

    void pushAndSettle()
    {
        main.pushDialog(d);
        t.settle();
    }
};

} // namespace

TEST_F(Stack, PushAndPopSlideTheDialogsAndTheViewIsRemovedOnlyAfterThePop)
{
    main.pushDialog(d);
    EXPECT_EQ(d.appearances, 1);
    auto& v = *d.view();
    EXPECT_EQ(v.frame(), (Rect{20, 130, 280, 200}));
    EXPECT_EQ(v.bounds().origin.x, 0);
    EXPECT_EQ(v.presentedBoundsOrigin(t.clock.now()).x, -280); // starts one width to the right
    EXPECT_EQ(mainMenu.bounds().origin.x, mainMenu.frame().width());
    // The menu's contents slide out within its own box, never over the wallpaper beside it.
    EXPECT_TRUE(mainMenu.clipsToBounds());
    t.settle();
    EXPECT_TRUE(mainMenu.superview()) << "the dialog below stays in the tree";
    EXPECT_EQ(mainMenu.alpha(), 1);
    EXPECT_FALSE(t.isReachable("main.style"));

    t.tap("d.back");
    EXPECT_EQ(main.dialogStack().size(), 1u);
    EXPECT_TRUE(v.superview()) << "removed only when the slide has ended";
    EXPECT_EQ(v.bounds().origin.x, -280);
    t.advance(0.6);
    EXPECT_FALSE(v.superview());
    EXPECT_TRUE(t.isReachable("main.style"));

    // Reused: added anew and starting one width to the right again.
    main.pushDialog(d);
    EXPECT_EQ(d.appearances, 2);
    EXPECT_TRUE(v.superview());
    EXPECT_EQ(v.presentedBoundsOrigin(t.clock.now()).x, -280);
}

TEST_F(Stack, ADialogPushedAgainDuringItsPopSlideKeepsItsView)
{
    pushAndSettle();
    main.popDialog();
    t.advance(0.2);
    main.pushDialog(d);
    t.settle();
    EXPECT_TRUE(d.view()->superview());
    EXPECT_TRUE(t.isReachable("d.back"));
}

TEST_F(Stack, PoppingTheLastEntryEmptiesTheStackAndLaterRequestsDoNothing)
{
    main.popDialog();
    t.settle();
    EXPECT_EQ(main.CurrentDialog(), nullptr);
    EXPECT_FALSE(mainMenu.superview());
    main.popDialog();
    main.hideTopDialog();
    main.showTopDialog();
    EXPECT_FALSE(main.isDialogMinimized());
}

TEST_F(Stack, DialogsArePlacedForTheStoredLayout)
{
    struct Case { float w, h; const char* layout; Rect expected; } cases[] = {
        {280, 200, "split", {20, 130, 280, 200}},
        {280, 200, "classic", {20, 97, 280, 200}},
        {320, 100, "none", {0, 180, 320, 100}},
    };
    for (const auto& c : cases) {
        t.app().settings().setObject("strip_layout", c.layout);
        SizedDialog sized(main, c.w, c.h, "sized");
        main.pushDialog(sized);
        EXPECT_EQ(sized.view()->frame(), c.expected) << c.layout;
        main.popDialog();
        t.settle();
    }
    // Storing the classic layout lifts the open dialog by 33, another layout puts it back.
    main.pushDialog(d);
    main.setClassicLayout();
    EXPECT_EQ(d.view()->frame().y(), 97);
    main.setSplitLayout();
    EXPECT_EQ(d.view()->frame().y(), 130);
}

TEST_F(Stack, MinimiseIntoTheLauncherAndRestore)
{
    pushAndSettle();
    t.tap("d.hide");
    EXPECT_TRUE(main.isDialogMinimized());
    EXPECT_EQ(t.view("launcher").frame().origin, (platform::Point{230, 132}));
    EXPECT_EQ(d.view()->alpha(), 0);
    EXPECT_EQ(d.view()->frame(), t.view("launcher").frame());
    EXPECT_EQ(main.view()->subviews().back().get(), &t.view("launcher"));
    t.settle();
    EXPECT_FALSE(t.isReachable("d.back"));

    // A second hide while minimised changes nothing: the remembered frame stays the dialog's own.
    main.hideTopDialog();
    // Changing the layout while minimised moves neither the dialog nor the launcher.
    main.setClassicLayout();
    EXPECT_EQ(t.view("launcher").frame().origin, (platform::Point{230, 132}));
    EXPECT_EQ(d.view()->frame(), t.view("launcher").frame());

    t.tap("launcher.show");
    EXPECT_FALSE(main.isDialogMinimized());
    EXPECT_EQ(d.view()->frame(), (Rect{20, 97, 280, 200})) << "centred for the new layout, at its own size";
    EXPECT_EQ(t.view("launcher").alpha(), 0);
    t.settle();
    EXPECT_TRUE(t.isReachable("d.back"));
    EXPECT_FALSE(t.isReachable("launcher.show"));
    main.showTopDialog(); // already shown: nothing moves
    EXPECT_EQ(d.view()->frame(), (Rect{20, 97, 280, 200}));

    main.hideTopDialog();
    EXPECT_EQ(t.view("launcher").frame().origin, (platform::Point{230, 99}));
}

TEST_F(Stack, SlideUpAndDownReturnToTheExactPlaceEvenAfterTwoSlideUps)
{
    pushAndSettle();
    main.slideDialogUp(d);
    EXPECT_EQ(d.view()->frame().y(), 20);
    t.advance(0.1);
    main.slideDialogUp(d); // focus moved to another field
    main.slideDialogDown(d);
    EXPECT_EQ(d.view()->frame().y(), 130);
    t.settle();
    EXPECT_EQ(d.view()->presentedFrame(t.clock.now()).y(), 130);
}
