// The keyboard alone: Tab walks the controls a tap could reach in reading order, Return and Space
// press, arrows move over rows and sliders, Escape goes back; the focus ring is the window's alone.
#include "support/TestApp.h"

#include "MainViewController.h"
#include "SettingsKeys.h"

#include "platform/Application.h"
#include "platform/Slider.h"
#include "platform/TableView.h"
#include "platform/Theme.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <set>

using platform::Key;
using testing_support::TestApp;

namespace {

std::string focused(TestApp& t) { return t.app().focusedView() ? t.app().focusedView()->identifier() : "(nothing)"; }

// The identifiers Tab visits from the first control until it comes round again.
std::vector<std::string> tabOrder(TestApp& t)
{
    std::vector<std::string> order;
    t.app().setFocusedView(nullptr);
    t.press(Key::Tab);
    const platform::View* first = t.app().focusedView();
    do {
        order.push_back(focused(t));
        t.press(Key::Tab);
    } while (t.app().focusedView() != first && order.size() < 50);
    return order;
}

void tabTo(TestApp& t, const std::string& id)
{
    for (int i = 0; i < 50 && focused(t) != id; ++i)
        t.press(Key::Tab);
    ASSERT_EQ(focused(t), id);
}

void pressAndSettle(TestApp& t, Key key)
{
    t.press(key);
    t.settle();
}

} // namespace

TEST(Keyboard, TabWalksWhatATapCouldReachInReadingOrderAndEscapeGoesBackToWhatOpenedTheDialog)
{
    TestApp t;
    const std::vector<std::string> menu = {"dialog.hide", "main.information", "main.style", "main.photo",
                                           "main.phone", "main.lockscreen", "main.web", "dialog.save"};
    EXPECT_EQ(tabOrder(t), menu);
    t.press(Key::BackTab);
    EXPECT_EQ(focused(t), "dialog.save") << "Shift+Tab goes round the other way";

    tabTo(t, "main.information");
    pressAndSettle(t, Key::Return);
    EXPECT_EQ(focused(t), "dialog.back") << "the focus comes into the dialog pushed";
    // The dialog beneath is out of reach, so out of Tab's way too.
    const auto info = tabOrder(t);
    EXPECT_EQ(info.front(), "dialog.back");
    EXPECT_TRUE(std::find(info.begin(), info.end(), "main.style") == info.end());
    tabTo(t, "info.other");
    t.press(Key::Space);
    ASSERT_NE(t.editingField(), nullptr) << "Space begins the editing";
    t.type("Reward");
    t.press(Key::Return);
    EXPECT_EQ(t.app().settings().stringForKey(keys::otherPreference), "Reward");

    pressAndSettle(t, Key::Escape);
    EXPECT_TRUE(t.isReachable("main.information")) << "Escape is Back";
    EXPECT_EQ(focused(t), "main.information") << "the focus goes back to what opened the dialog";
    // Keys typed while a dialog slides in wait for it: Return and Tab at once reach its second control.
    t.press(Key::Return);
    t.press(Key::Tab);
    t.settle();
    EXPECT_EQ(focused(t), info[1]);
    pressAndSettle(t, Key::Escape);
    // A picker takes the focus too, and gives it back.
    t.camera.present = true;
    tabTo(t, "main.photo");
    pressAndSettle(t, Key::Return);
    tabTo(t, "photo.camera");
    pressAndSettle(t, Key::Return);
    EXPECT_EQ(focused(t), "picker.cancel");
    pressAndSettle(t, Key::Escape);
    EXPECT_EQ(focused(t), "photo.camera");
    pressAndSettle(t, Key::Escape);
    pressAndSettle(t, Key::Escape);
    EXPECT_TRUE(t.isReachable("main.information")) << "the first dialog has no way back";

    // Minimised, the menu's pill takes the focus; restored, the dialog gives it back to Hide.
    tabTo(t, "dialog.hide");
    pressAndSettle(t, Key::Return);
    EXPECT_EQ(focused(t), "launcher.show");
    pressAndSettle(t, Key::Return);
    EXPECT_EQ(focused(t), "dialog.hide");

    // The capture to its end: Save, Continue, and Escape as the tap that brings everything back.
    tabTo(t, "dialog.save");
    pressAndSettle(t, Key::Return);
    EXPECT_EQ(focused(t), "capture.continue") << "a second Return goes on, never to the lock screen";
    pressAndSettle(t, Key::Space);
    EXPECT_EQ(t.main().captureState(), MainViewController::CaptureState::Capture);
    EXPECT_EQ(focused(t), "capture.done");
    pressAndSettle(t, Key::Escape);
    EXPECT_EQ(t.main().captureState(), MainViewController::CaptureState::Normal);
    EXPECT_EQ(focused(t), "dialog.save") << "the capture left, the focus is back where it began";
    t.tapAt({5, 300});
    EXPECT_EQ(t.app().focusedView(), nullptr) << "a touch puts the focus away";
    t.tapAndSettle({"main.information", "dialog.back"});
    EXPECT_EQ(t.app().focusedView(), nullptr) << "and a dialog touched open and shut shows no ring";
}

TEST(Keyboard, AStyleTheStripColourAndItsOpacityAreChosenWithTheArrows)
{
    TestApp t;
    for (const char* control : {"main.style", "style.library"}) {
        tabTo(t, control);
        pressAndSettle(t, Key::Return);
    }
    tabTo(t, "library.table");
    auto& table = t.view<platform::TableView>("library.table");
    const auto ring = [&] { return t.app().focusRing()->rect; };
    const platform::Rect whole = ring();
    t.press(Key::Down);
    t.press(Key::Down);
    EXPECT_FLOAT_EQ(ring().height(), table.rowHeight()) << "the ring goes round the row the arrows reached";
    EXPECT_LT(ring().height(), whole.height());
    t.press(Key::Home);
    pressAndSettle(t, Key::Return);
    EXPECT_EQ(t.app().settings().stringForKey(keys::styleName), "A Tisket, A Tasket") << "the first row's style is applied";

    pressAndSettle(t, Key::Escape);
    for (const char* control : {"style.new", "newstyle.strip"}) {
        tabTo(t, control);
        pressAndSettle(t, Key::Return);
    }
    // Each arrow picks the next swatch that way, as a touch on it would.
    tabTo(t, "strip.paletteImage");
    std::set<std::uint64_t> colours{t.app().settings().unsignedForKey(keys::stripColor).value_or(0)};
    for (Key arrow : {Key::Right, Key::Right, Key::Down, Key::Left})
        t.press(arrow), colours.insert(t.app().settings().unsignedForKey(keys::stripColor).value_or(0));
    EXPECT_EQ(colours.size(), 5u) << "four different colours picked";

    tabTo(t, "strip.tab.fade");
    pressAndSettle(t, Key::Space);
    tabTo(t, "strip.opacity");
    auto& slider = t.view<platform::Slider>("strip.opacity");
    const float before = slider.value();
    t.press(Key::Left);
    EXPECT_NEAR(slider.value(), std::max(0.0f, before - 0.05f), 1e-4);
}

TEST(Keyboard, TheFocusRingIsDrawnOnTheWindowAndNeverInACapture)
{
    TestApp t;
    tabTo(t, "main.style");
    const auto ring = *t.app().focusRing();
    QImage window(320, 480, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&window);
    t.runtime().renderer().paintRegion(t.app(), p, 1, QRegion(0, 0, 320, 480));
    p.end();
    // On the ring's line, just outside the button's left edge.
    const int x = int(ring.rect.x() - platform::Application::focusRingOutset), y = int(ring.rect.y() + ring.rect.height() / 2);
    const platform::Color line = platform::theme::focusRing;
    EXPECT_EQ(testing_support::rgbAt(window, x, y),
              (unsigned(line.red * 255 + 0.5f) << 16) | (unsigned(line.green * 255 + 0.5f) << 8) | unsigned(line.blue * 255 + 0.5f));
    const QImage capture = t.runtime().renderer().renderScreen(t.app(), 1);
    EXPECT_NE(testing_support::rgbAt(capture, x, y), testing_support::rgbAt(window, x, y));
}
