#include "support/TestApp.h"

#include "Dialogs/ChangeStyleDialogViewController.h"
#include "Dialogs/MainDialogViewController.h"
#include "Dialogs/NewStyleDialogViewController.h"
#include "Dialogs/StripOptionsDialogViewController.h"
#include "MainViewController.h"

#include "platform/Label.h"

#include <gtest/gtest.h>

using testing_support::TestApp;

namespace {

struct Menus : ::testing::Test {
    TestApp t;
    MainViewController& main = t.main();

    DialogBase* top() { return main.dialogStack().back(); }
    void tapAndSettle(const std::string& id)
    {
        t.tap(id);
        t.settle();
    }
    std::string currentStyleText()
    {
        auto labels = t.findAll("style.current");
        return labels.empty() ? "" : dynamic_cast<platform::Label&>(*labels.front()).text();
    }
};

} // namespace

TEST_F(Menus, EachMenuMakesItsChildrenOnceAndPushesTheSameOnesAgain)
{
    tapAndSettle("main.style");
    DialogBase* style = top();
    tapAndSettle("style.new");
    DialogBase* newStyle = top();
    tapAndSettle("newstyle.strip");
    DialogBase* strip = top();
    EXPECT_NE(dynamic_cast<StripOptionsDialogViewController*>(strip), nullptr);
    EXPECT_EQ(main.dialogStack().size(), 4u);

    for (int i = 0; i < 3; ++i)
        tapAndSettle("dialog.back");
    ASSERT_EQ(main.dialogStack().size(), 1u);

    tapAndSettle("main.style");
    EXPECT_EQ(top(), style);
    tapAndSettle("style.new");
    EXPECT_EQ(top(), newStyle);
    tapAndSettle("newstyle.strip");
    EXPECT_EQ(top(), strip);
}

TEST_F(Menus, TheStyleMenuNamesTheStyleAndSaysWhenItsColoursWereChanged)
{
    tapAndSettle("main.style");
    const std::string name = currentStyleText();
    EXPECT_FALSE(name.empty());
    EXPECT_EQ(name.find("(modified)"), std::string::npos);

    tapAndSettle("style.new");
    tapAndSettle("newstyle.background");
    // Any touch on the palette picks a colour no built-in style's background has at this spot.
    t.tapAt(t.centreOf("bg.palette"));
    tapAndSettle("dialog.back");
    tapAndSettle("dialog.back");
    EXPECT_EQ(currentStyleText(), name + " (modified)");

    // Saved under the proposed name, the colours are a style again, named plainly.
    tapAndSettle("style.new");
    tapAndSettle("newstyle.saveas");
    tapAndSettle("saveStyle.save");
    tapAndSettle("dialog.back");
    const std::string saved = currentStyleText();
    EXPECT_NE(saved, name + " (modified)");
    EXPECT_EQ(saved.find("(modified)"), std::string::npos);
    EXPECT_FALSE(saved.empty());
}
