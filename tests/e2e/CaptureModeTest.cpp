#include "support/TestApp.h"

#include "MainViewController.h"
#include "platform/Button.h"
#include "platform/View.h"
#include "Dialogs/MainDialogViewController.h"

#include "platform/Application.h"

#include <gtest/gtest.h>

using testing_support::TestApp;

namespace {

struct Capture : ::testing::Test {
    TestApp t;
    MainViewController& m = t.main();
};

} // namespace

TEST_F(Capture, CancelFromTheInstructionsReturnsExactlyToTheStateBefore)
{
    auto state = [&] {
        return std::tuple(m.captureState(), t.app().isStatusBarHidden(), m.mainDialog().view()->alpha(),
                          t.view("overlay").alpha(), t.view("launcher").alpha(), t.view("capture.instructions").isHidden(),
                          t.isReachable("main.style"));
    };
    const auto before = state();
    t.tap("dialog.save");
    EXPECT_EQ(m.captureState(), MainViewController::CaptureState::Instructions);
    EXPECT_TRUE(t.app().isStatusBarHidden());
    t.settle();
    EXPECT_EQ(m.mainDialog().view()->alpha(), 0);
    EXPECT_EQ(t.view("overlay").alpha(), 0);
    EXPECT_TRUE(t.isReachable("capture.continue"));
    EXPECT_EQ(t.view("capture.instructions").frame(), (platform::Rect{0, -20, 320, 480}));

    t.tap("capture.cancel");
    t.settle();
    EXPECT_EQ(state(), before);
}

TEST_F(Capture, TheCaptureStateShowsTheWallpaperAloneAndDoneBringsEverythingBack)
{
    int captures = 0;
    QImage atCapture;
    m.onCaptureStateEntered = [&] {
        ++captures;
        t.settle();
        atCapture = t.screenshot(1);
    };
    t.tap("dialog.save");
    t.settle();
    t.tap("capture.continue");
    EXPECT_EQ(captures, 1);
    EXPECT_EQ(m.captureState(), MainViewController::CaptureState::Capture);
    EXPECT_TRUE(t.view("capture.instructions").isHidden());
    EXPECT_EQ(m.view()->subviews().back().get(), &t.view("capture.done"));
    // Nothing but the wallpaper: the strip and the background, top to bottom, no status bar.
    EXPECT_EQ(testing_support::rgbAt(atCapture, 160, 2), 0xA8A8A8u);
    EXPECT_EQ(testing_support::rgbAt(atCapture, 160, 478), 0xA8A8A8u);
    EXPECT_EQ(testing_support::rgbAt(atCapture, 5, 150), 0x1B1C1Cu);
    EXPECT_EQ(testing_support::rgbAt(atCapture, 160, 300), 0xA8A8A8u) << "no dialog";

    t.tapAt({10, 300}); // the done button covers the screen
    t.settle();
    EXPECT_EQ(m.captureState(), MainViewController::CaptureState::Normal);
    EXPECT_EQ(m.view()->subviews().front().get(), &t.view("capture.done"));
    EXPECT_EQ(m.mainDialog().view()->alpha(), 1);
    EXPECT_FALSE(t.app().isStatusBarHidden());
}

TEST_F(Capture, WithAMinimisedDialogLeavingShowsTheLauncherAgain)
{
    m.hideTopDialog();
    t.settle();
    m.saveCurrentWallpaperClick();
    t.settle();
    EXPECT_EQ(t.view("launcher").alpha(), 0);
    t.tap("capture.continue");
    t.tapAt({160, 300});
    t.settle();
    EXPECT_EQ(t.view("launcher").alpha(), 1);
    EXPECT_EQ(m.mainDialog().view()->alpha(), 0);
    EXPECT_TRUE(t.isReachable("launcher.show"));
}
