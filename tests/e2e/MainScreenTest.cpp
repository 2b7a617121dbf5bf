// What the main screen does with its dialogs: the stack that slides them in and out, minimises and
// moves them, and the capture mode that puts them all out of the way.
#include "support/TestApp.h"

#include "support/Files.h"

#include "Dialogs/MainDialogViewController.h"
#include "MainViewController.h"
#include "ScreenCatalogue.h"

#include "platform/Label.h"
#include "SettingsKeys.h"
#include "PackedColor.h"

#include "platform/AlertView.h"
#include "platform/Window.h"

#include <gtest/gtest.h>

using platform::Rect;
using testing_support::rgbAt;
using testing_support::TestApp;

namespace {

struct MainScreen : ::testing::Test {
    TestApp t;
    MainViewController& main = t.main();
    platform::View& mainMenu = *main.mainDialog().view();

    // The style menu, pushed by its button and still sliding in.
    DialogBase& pushStyleMenu()
    {
        t.tap("main.style");
        return *main.CurrentDialog();
    }
};
using Stack = MainScreen;
using Capture = MainScreen;

} // namespace

TEST_F(Stack, PushAndPopSlideTheDialogsAndTheViewIsRemovedOnlyAfterThePop)
{
    platform::View& v = *pushStyleMenu().view();
    const float width = v.frame().width();
    EXPECT_EQ(v.presentedBoundsOrigin(t.clock.now()).x, -width) << "starts one width to the right";
    EXPECT_GE(mainMenu.bounds().origin.x, mainMenu.frame().width()) << "slid wholly out of its box";
    // The menu's contents slide out within its own box, never over the wallpaper beside it, and are
    // cut along its rounded corners: the wallpaper shows in the corner of the box they slide through.
    EXPECT_TRUE(mainMenu.clipsToBounds());
    t.advance(0.25);
    const platform::Point corner =
        mainMenu.superview()->convertToWindow({mainMenu.frame().x() + 4.5f, mainMenu.frame().y() + 4.5f});
    EXPECT_NE(rgbAt(t.screenshot(), int(corner.x), int(corner.y)), 0x18181Cu) << "a square corner of the panel";
    t.settle();
    EXPECT_TRUE(mainMenu.superview()) << "the dialog below stays in the tree";
    EXPECT_FALSE(t.isReachable("main.style"));

    t.tap("dialog.back");
    EXPECT_EQ(main.dialogStack().size(), 1u);
    EXPECT_TRUE(v.superview()) << "removed only when the slide has ended";
    EXPECT_EQ(v.bounds().origin.x, -width);
    t.advance(0.6);
    EXPECT_FALSE(v.superview());
    EXPECT_TRUE(t.isReachable("main.style"));

    // Pushed again: added anew and starting one width to the right again.
    pushStyleMenu();
    EXPECT_TRUE(v.superview());
    EXPECT_EQ(v.presentedBoundsOrigin(t.clock.now()).x, -width);
}

// Touches wait for a slide to end: a tap on a control still in view once pressed the row of the
// incoming style library beneath it, and a style the user had not seen replaced theirs.
TEST_F(Stack, ATapDuringASlidePressesNothingAndTheNextOneLands)
{
    t.tapAndSettle("main.style");
    const platform::Point newStyle = t.centreOf("style.new");
    const WallpaperStyle before = main.style();
    auto tapWhileSliding = [&](const char* button) {
        t.tap(button);
        t.advance(0.05);
        t.tapAt(newStyle);
        t.settle();
    };
    tapWhileSliding("style.library");
    EXPECT_EQ(main.style(), before) << "a row of the library sliding in was pressed";
    EXPECT_EQ(main.dialogStack().size(), 3u);
    tapWhileSliding("dialog.back");
    EXPECT_EQ(main.dialogStack().size(), 2u) << "New Style, sliding back in, was pressed";
    t.tapAt(newStyle);
    EXPECT_EQ(main.dialogStack().size(), 3u) << "once the menu stands, the same tap lands";
}

TEST_F(Stack, ADialogPushedAgainDuringItsPopSlideKeepsItsView)
{
    DialogBase& style = pushStyleMenu();
    t.settle();
    t.tap("dialog.back");
    t.advance(0.2);
    main.pushDialog(style);
    t.settle();
    EXPECT_TRUE(t.isReachable("style.new"));
}

// Choosing a layout in the strip options moves nothing under the pointer: a second tap at the same
// place lands on the next layout button, not on a tab.
TEST_F(Stack, ALayoutChosenMovesNoDialog)
{
    t.tapAndSettle({"main.style", "style.new", "newstyle.strip", "strip.tab.layout"});
    const Rect place = main.CurrentDialog()->view()->frame();
    for (const char* layout : {"classic", "split", "none", "classic"}) {
        const std::string id = std::string("strip.layout.") + layout;
        const platform::Point p = t.centreOf(id);
        t.tapAt(p);
        EXPECT_TRUE(t.app().window().hitTest(p)->isDescendantOf(t.find(id))) << layout;
        EXPECT_EQ(main.CurrentDialog()->view()->frame(), place) << layout;
    }
}

TEST_F(Stack, AMinimisedDialogShrinksIntoTheLauncherAndComesBackWhereItWas)
{
    const Rect own = mainMenu.frame();
    t.tap("dialog.hide");
    EXPECT_TRUE(main.isDialogMinimized());
    EXPECT_EQ(mainMenu.alpha(), 0);
    EXPECT_EQ(mainMenu.frame(), t.view("launcher").frame());
    EXPECT_EQ(main.view()->subviews().back().get(), &t.view("launcher"));
    t.settle();
    EXPECT_FALSE(t.isReachable("main.style"));

    // A second hide changes nothing: the remembered frame stays the dialog's own. Nor does a layout
    // change move the launcher while it is shown.
    main.hideTopDialog();
    const platform::Point launcher = t.view("launcher").frame().origin;
    main.setClassicLayout();
    EXPECT_EQ(t.view("launcher").frame().origin, launcher);

    t.tap("launcher.show");
    EXPECT_FALSE(main.isDialogMinimized());
    EXPECT_EQ(mainMenu.frame(), own) << "in its place, whatever the layout";
    t.settle();
    EXPECT_TRUE(t.isReachable("main.style"));
    EXPECT_FALSE(t.isReachable("launcher.show"));
    main.showTopDialog(); // already shown: nothing moves
    EXPECT_EQ(mainMenu.frame(), own);

    main.hideTopDialog();
    EXPECT_NE(t.view("launcher").frame().origin.y, launcher.y) << "clear of the classic strip";
}

TEST_F(Stack, SlideUpAndDownReturnToTheExactPlaceEvenAfterTwoSlideUps)
{
    DialogBase& menu = main.mainDialog();
    const float top = mainMenu.frame().y();
    main.slideDialogUp(menu);
    EXPECT_EQ(mainMenu.frame().y(), 20);
    t.advance(0.1);
    main.slideDialogUp(menu); // focus moved to another field
    main.slideDialogDown(menu);
    EXPECT_EQ(mainMenu.frame().y(), top);
    t.settle();
    EXPECT_EQ(mainMenu.presentedFrame(t.clock.now()).y(), top);
}

TEST(CaptureInstructions, ContinueTakesATapAnywhereOnItWhicheverDialogLedThere)
{
    for (auto opening : {std::vector<const char*>{}, {"main.information"}, {"main.style", "style.library"}}) {
        SCOPED_TRACE(opening.size());
        TestApp app;
        for (const char* id : opening)
            app.tapAndSettle(id);
        app.tapAndSettle("dialog.save");
        const platform::View& button = app.find("capture.continue");
        for (float y : {2.0f, button.frame().height() - 2}) {
            app.tapAt(button.convertToWindow({button.frame().width() / 2, y}));
            EXPECT_EQ(app.main().captureState(), MainViewController::CaptureState::Capture) << y;
            app.tapAt({10, 300});
            app.settle();
            app.tapAndSettle("dialog.save");
        }
    }
}

TEST_F(Capture, CancelFromTheInstructionsReturnsExactlyToTheStateBefore)
{
    auto state = [&] {
        return std::tuple(main.captureState(), t.app().isStatusBarHidden(), mainMenu.alpha(), t.view("overlay").alpha(),
                          t.view("launcher").alpha(), t.view("capture.instructions").isHidden(), t.isReachable("main.style"));
    };
    const auto before = state();
    t.tapAndSettle("dialog.save");
    EXPECT_EQ(main.captureState(), MainViewController::CaptureState::Instructions);
    EXPECT_TRUE(t.app().isStatusBarHidden());
    // Over the whole screen, the status bar's band included, so Continue is reachable where it shows.
    EXPECT_EQ(t.view("capture.instructions").frame(), (Rect{0, -20, 320, 480}));
    EXPECT_TRUE(t.isReachable("capture.continue"));

    t.tapAndSettle("capture.cancel");
    EXPECT_EQ(state(), before);
}

// The wallpaper's lettering must not run into their text: down a column where no text of theirs
// is, they show their own fill whatever lies behind.
TEST_F(Capture, TheInstructionsAndAlertsHideWhatIsBehindThem)
{
    auto unlike = [&](const platform::View& v, float x, float top, float bottom) {
        const QImage shot = t.screenshot(1);
        const std::uint32_t fill = packColor(*v.backgroundColor()) >> 8;
        int differing = 0;
        for (float y = top; y < bottom; ++y) {
            const platform::Point p = v.convertToWindow({x, y});
            differing += rgbAt(shot, int(p.x), int(p.y)) != fill;
        }
        return differing;
    };
    t.tapAndSettle("dialog.save");
    const platform::View& instructions = t.view("capture.instructions");
    EXPECT_EQ(unlike(instructions, 6, 0, instructions.frame().height()), 0);

    auto alert = std::make_shared<platform::AlertView>("Delete Style", "Sure?", nullptr, "OK", std::vector<std::string>{});
    alert->show();
    const platform::View& box = *alert->subviews().front();
    EXPECT_EQ(unlike(box, 6, 4, box.frame().height() - 48), 0);
    alert->dismissWithClickedButtonIndex(0, false);
}

// As tall as its message, whole and with no gap beneath it, the buttons below; a message the screen
// cannot hold is shortened at the screen's limit, its buttons still in reach.
TEST_F(MainScreen, AnAlertIsAsTallAsItsMessageWithinTheScreen)
{
    const std::string sentence = "The file could not be read because it holds no card at all. ";
    const struct {
        std::string message;
        bool whole;
    } rows[] = {{"Sure?", true},
                {"Are you sure you want to delete theme My Very Own Favourite Colours ?", true},
                {sentence + sentence + sentence + sentence, true},
                {std::string(6000, 'W'), false}};
    platform::ViewRenderer& renderer = *t.app().services().renderer;
    const platform::Size screen = t.app().screenSize();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.message.substr(0, 40));
        auto alert = std::make_shared<platform::AlertView>("Import Failed", row.message, nullptr, "OK",
                                                           std::vector<std::string>{"Retry"});
        alert->show();
        const platform::View& box = *alert->subviews().front();
        const auto& message = t.view<platform::Label>("alert.message");
        const Rect shown = message.frame();
        EXPECT_GE(box.frame().y(), platform::Application::statusBarHeight);
        EXPECT_LE(box.frame().maxY(), screen.height - platform::Application::statusBarHeight);
        EXPECT_EQ(renderer.showsWholeText(shown, row.message, message.textStyle()), row.whole);
        // Not a line's room to spare in it, and a small margin above the buttons.
        EXPECT_TRUE(shown.height() < 20 || !renderer.showsWholeText({shown.origin, {shown.width(), shown.height() - 16}},
                                                                    row.message, message.textStyle()));
        EXPECT_LE(t.view("alert.button.1").frame().y() - shown.maxY(), 20);
        t.tap("alert.button.1");
        EXPECT_EQ(t.app().window().findByIdentifier("alert"), nullptr);
    }
}

// Evenly spaced above Continue, each step as tall as its lines: whole, without a line's room to spare.
TEST_F(Capture, TheInstructionsStepsAreEvenlySpacedAndEachAsTallAsItsText)
{
    t.tapAndSettle("dialog.save");
    platform::ViewRenderer& renderer = *t.app().services().renderer;
    std::vector<Rect> steps;
    for (int i = 1; i <= 4; ++i) {
        const auto& step = t.view<platform::Label>("capture.step." + std::to_string(i));
        const Rect r = step.frame();
        EXPECT_TRUE(renderer.showsWholeText(r, step.text(), step.textStyle())) << i;
        EXPECT_TRUE(r.height() < 20 ||
                    !renderer.showsWholeText({r.origin, {r.width(), r.height() - 15}}, step.text(), step.textStyle()))
            << i;
        steps.push_back(r);
    }
    for (std::size_t i = 2; i < steps.size(); ++i)
        EXPECT_FLOAT_EQ(steps[i].y() - steps[i - 1].maxY(), steps[1].y() - steps[0].maxY()) << i;
    EXPECT_LT(steps.back().maxY(), t.view("capture.continue").frame().y());
}

TEST_F(Capture, TheCaptureShowsTheWallpaperAloneAndDoneBringsEverythingBack)
{
    QImage atCapture;
    main.onCaptureStateEntered = [&] {
        t.settle();
        atCapture = t.screenshot(1);
    };
    t.tapAndSettle("dialog.save");
    t.tap("capture.continue");
    ASSERT_FALSE(atCapture.isNull());
    // Nothing but the wallpaper: the strip and the background, top to bottom, no status bar.
    EXPECT_EQ(rgbAt(atCapture, 160, 2), 0xA8A8A8u);
    EXPECT_EQ(rgbAt(atCapture, 5, 150), 0x1B1C1Cu);
    EXPECT_EQ(rgbAt(atCapture, 160, 300), 0xA8A8A8u) << "no dialog";

    t.tapAt({10, 300}); // the done button covers the screen
    t.settle();
    EXPECT_EQ(main.captureState(), MainViewController::CaptureState::Normal);
    EXPECT_EQ(main.view()->subviews().front().get(), &t.view("capture.done"));
    EXPECT_EQ(mainMenu.alpha(), 1);
    EXPECT_FALSE(t.app().isStatusBarHidden());
}

TEST_F(Capture, WithAMinimisedDialogLeavingShowsTheLauncherAgain)
{
    t.tapAndSettle("dialog.hide");
    main.saveCurrentWallpaperClick();
    t.settle();
    EXPECT_EQ(t.view("launcher").alpha(), 0);
    t.tap("capture.continue");
    t.tapAt({160, 300});
    t.settle();
    EXPECT_EQ(mainMenu.alpha(), 0);
    EXPECT_TRUE(t.isReachable("launcher.show"));
}

TEST_F(Capture, ContinueSavesOnePictureAsSharpAsTheWindowAndSaysWhere)
{
    struct : platform::FolderOpener {
        void openFolder(const std::filesystem::path& folder) override { opened = folder; }
        std::filesystem::path opened;
    } fileManager;
    t.app().servicesForTesting().folderOpener = &fileManager;
    t.runtime().windowPixelsPerPoint = 2; // the window at zoom 2
    auto album = [&] { return testing_support::filesStartingWith(t.home->albumDir(), "wallpaper-"); };

    t.tapAndSettle({"dialog.save", "capture.continue"});
    ASSERT_EQ(album().size(), 1u);
    const QImage saved = QImage::fromData(QByteArray::fromStdString(album().front()));
    EXPECT_EQ(saved.size(), QSize(640, 960));
    const std::string message = t.view<platform::Label>("capture.notice.message").text();
    EXPECT_TRUE(message.starts_with("Saved wallpaper-") && message.ends_with(".png")) << message;
    t.tap("capture.showInFolder");
    EXPECT_EQ(fileManager.opened, t.home->albumDir());
    EXPECT_EQ(main.captureState(), MainViewController::CaptureState::Capture) << "the notice is no way out";

    // The same picture again, by the button or the keys: the same file, named again.
    t.tapAt({10, 300});
    t.settle();
    EXPECT_TRUE(t.findAll("capture.notice").empty()) << "gone with the capture mode";
    t.tapAndSettle({"dialog.save", "capture.continue"});
    t.runtime().captureScreen();
    EXPECT_EQ(album().size(), 1u);
    EXPECT_EQ(t.view<platform::Label>("capture.notice.message").text(), message);
    t.advance(7);
    EXPECT_TRUE(t.findAll("capture.notice").empty()) << "gone after a few seconds";

    // The classic screen in whole steps of the window's sharpness; a phone at its own pixels.
    const Screen& classic = ScreenCatalogue::builtIn().classic();
    const Screen phone = *ScreenCatalogue::builtIn().resolve("iphone-15");
    const std::tuple<const Screen*, float, float> rows[] = {{&classic, 1, 1}, {&classic, 1.25f, 2}, {&classic, 2.004f, 2},
                                                            {&classic, 6, 4}, {&phone, 1, 3}, {&phone, 4, 3}};
    for (const auto& [screen, window, expected] : rows)
        EXPECT_FLOAT_EQ(CaptureMode::pixelsPerPoint(*screen, window), expected) << screen->id << " " << window;
}

TEST_F(Capture, SetAsLockScreenHandsTheSavedPictureToTheDesktopAndSaysWhatItDid)
{
    auto album = [&] { return testing_support::filesStartingWith(t.home->albumDir(), "wallpaper-"); };
    t.tapAndSettle({"dialog.save", "capture.setAsLockScreen"});
    ASSERT_EQ(album().size(), 1u) << "saved as Continue would";
    ASSERT_EQ(t.lockScreen.pictures.size(), 1u);
    EXPECT_EQ(testing_support::readFile(t.lockScreen.pictures[0]), album().front());
    EXPECT_EQ(main.captureState(), MainViewController::CaptureState::Normal) << "back where the save began";
    EXPECT_TRUE(t.isReachable("dialog.save"));
    EXPECT_TRUE(t.view<platform::Label>("capture.notice.message").text().starts_with("Setting wallpaper-"));

    t.lockScreen.answer({true, "Set as KDE Plasma's lock screen picture"});
    EXPECT_EQ(t.view<platform::Label>("capture.notice.message").text(), "Set as KDE Plasma's lock screen picture");

    // A refusal says why, in full, on the notice's lines, with the way to the file.
    t.tapAndSettle({"dialog.save", "capture.setAsLockScreen"});
    const std::string why = "the desktop portal refused it, and no KDE Plasma or GNOME settings tool to fall back on";
    t.lockScreen.answer({false, why});
    auto& message = t.view<platform::Label>("capture.notice.message");
    EXPECT_EQ(message.text(), "Lock screen not set: " + why);
    EXPECT_TRUE(t.app().services().renderer->showsWholeText(message.bounds(), message.text(), message.textStyle()));
    EXPECT_TRUE(t.isReachable("capture.showInFolder"));
}
