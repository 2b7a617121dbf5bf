#include "support/TestApp.h"

#include "Dialogs/StripOptionsDialogViewController.h"
#include "MainViewController.h"
#include "PackedColor.h"
#include "SettingsKeys.h"

#include "platform/Application.h"
#include "platform/Label.h"
#include "platform/TextField.h"

#include <gtest/gtest.h>

using testing_support::TestApp;

namespace {

struct Menus : ::testing::Test {
    TestApp t;
    MainViewController& main = t.main();

    DialogBase* top() { return main.dialogStack().back(); }
    // A label takes no touches, so it is looked up rather than hit.
    std::string currentStyleText()
    {
        auto labels = t.findAll("style.current");
        return labels.empty() ? "" : dynamic_cast<platform::Label&>(*labels.front()).text();
    }
};

} // namespace

TEST_F(Menus, EachMenuMakesItsChildrenOnceAndPushesTheSameOnesAgain)
{
    const char* const path[] = {"main.style", "style.new", "newstyle.strip"};
    std::vector<DialogBase*> first;
    for (const char* button : path) {
        t.tapAndSettle(button);
        first.push_back(top());
    }
    EXPECT_NE(dynamic_cast<StripOptionsDialogViewController*>(first.back()), nullptr);
    EXPECT_EQ(main.dialogStack().size(), 4u);

    for (int i = 0; i < 3; ++i)
        t.tapAndSettle("dialog.back");
    ASSERT_EQ(main.dialogStack().size(), 1u);
    for (std::size_t i = 0; i < first.size(); ++i) {
        t.tapAndSettle(path[i]);
        EXPECT_EQ(top(), first[i]) << path[i];
    }
}

// The typical walk: a style from the library, its strip changed, saved under the proposed name.
TEST_F(Menus, TheStyleMenuNamesTheStyleAndSaysWhenItsColoursWereChanged)
{
    t.tapAndSettle("main.style");
    EXPECT_EQ(currentStyleText(), "Artsy Photograph");
    t.tapAndSettle("style.library");
    t.tapAndSettle("library.row.0");
    EXPECT_EQ(packColor(main.fontFaceColor()), 0x000000FFu) << "black lettering";
    EXPECT_EQ(packColor(main.fontHighlightColor()), 0x00000000u) << "without a highlight";
    EXPECT_EQ(t.app().settings().stringForKey(keys::styleName), "A Tisket, A Tasket");
    t.tapAndSettle("dialog.back");
    EXPECT_EQ(currentStyleText(), "A Tisket, A Tasket");

    t.tapAndSettle("style.new");
    t.tapAndSettle("newstyle.strip");
    t.tapAt(t.centreOf("strip.palette"));
    t.tapAndSettle("dialog.back");
    t.tapAndSettle("dialog.back");
    EXPECT_EQ(currentStyleText(), "A Tisket, A Tasket (modified)");

    t.tapAndSettle("style.new");
    t.tapAndSettle("newstyle.saveas");
    const std::string proposed = t.find<platform::TextField>("saveStyle.name").text();
    t.tapAndSettle("saveStyle.save");
    t.tapAndSettle("dialog.back");
    EXPECT_FALSE(proposed.empty());
    EXPECT_EQ(currentStyleText(), proposed);
}
