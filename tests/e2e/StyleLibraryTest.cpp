#include "support/TestApp.h"

#include "Dialogs/StyleLibraryDialogViewController.h"
#include "MainViewController.h"
#include "PackedColor.h"
#include "SettingsKeys.h"

#include "platform/AlertView.h"
#include "platform/Button.h"
#include "platform/Label.h"
#include "platform/TableView.h"

#include <gtest/gtest.h>

using testing_support::TestApp;
using Value = platform::SettingsStore::Value;

namespace {

Value entry(const std::string& name, std::uint32_t strip, std::uint32_t bg, std::uint32_t face, std::uint32_t highlight)
{
    return {{"theme_name", name}, {"strip_color", strip}, {"bg_color", bg}, {"font_face", face}, {"font_highlight", highlight}};
}

struct Library : ::testing::Test {
    TestApp t;
    MainViewController& main = t.main();
    platform::SettingsStore& settings = t.app().settings();
    StyleLibraryDialogViewController library{"StyleLibraryDialog", main};

    void open()
    {
        main.pushDialog(library);
        t.settle();
    }

    platform::TableView& table() { return t.view<platform::TableView>("library.table"); }
    std::string row(int index) const { return "library.row." + std::to_string(index); }
    std::string name(int index) { return t.view<platform::Label>(row(index) + ".name").text(); }
    int rowOf(const std::string& style)
    {
        for (int i = 0; i < table().numberOfRows(); ++i)
            if (name(i) == style)
                return i;
        return -1;
    }
    bool marked(int index) { return !t.view(row(index) + ".mark").isHidden(); }
    std::uint32_t swatch(int index, const char* part)
    {
        return packColor(*t.view<platform::Label>(row(index) + part).backgroundColor());
    }
    // Brings a row whole into view with the wheel, as a user would.
    void wheelTo(int index)
    {
        for (int i = 0; i < 20 && !t.isReachable(row(index) + ".delete"); ++i)
            t.wheel(t.centreOf("library.table"), -30);
        ASSERT_TRUE(t.isReachable(row(index) + ".delete")) << row(index);
    }
    platform::AlertView* alert()
    {
        auto all = t.findAll("alert");
        return all.empty() ? nullptr : dynamic_cast<platform::AlertView*>(all.front());
    }
};

} // namespace

TEST_F(Library, TouchingARowAppliesItsStyleAndMarksOnlyThatRowUntilTheListOpensAgain)
{
    // The same colours as "Artsy Photograph" with another highlight.
    settings.setObject(keys::userSavedThemes, Value::array({entry("Artsy Too", 0x1B1C1CFF, 0xA8A8A8FF, 0xFFFFFFFF, 0xFF00FFFF)}));
    open();
    ASSERT_EQ(table().numberOfRows(), 9);
    const int builtIn = rowOf("Artsy Photograph"), user = rowOf("Artsy Too");
    EXPECT_TRUE(marked(builtIn));
    EXPECT_TRUE(marked(user));

    t.tap(row(0)); // "A Tisket, A Tasket"
    EXPECT_EQ(settings.unsignedForKey(keys::stripColor), 0xFFEA00FFu);
    EXPECT_EQ(packColor(main.BGColor()), 0x4BC600FFu);
    EXPECT_TRUE(marked(0));
    EXPECT_FALSE(marked(builtIn));
    EXPECT_FALSE(table().indexPathForSelectedRow()) << "the row highlight goes at once";
    EXPECT_EQ(main.CurrentDialog(), &library) << "the list stays open";
    EXPECT_FALSE(library.styleIsModified("A Tisket, A Tasket"));

    t.tap(row(user));
    EXPECT_FALSE(marked(builtIn));
    EXPECT_TRUE(marked(user));
    EXPECT_EQ(packColor(main.fontHighlightColor()), 0xFF00FFFFu);

    // Opened again, the marks follow the colours, not the last touch.
    t.tap("dialog.back");
    t.settle();
    open();
    EXPECT_TRUE(marked(builtIn));
    EXPECT_TRUE(marked(user));
}

TEST_F(Library, RowsShowTheSwatchesAndOnlyUserStylesCanBeDeleted)
{
    settings.setObject(keys::userSavedThemes, Value::array({entry("Zebra", 0xFFFFFF80, 0x000000FF, 0xFF0000FF, 0)}));
    open();
    const int zebra = table().numberOfRows() - 1;
    EXPECT_EQ(name(zebra), "Zebra");
    EXPECT_EQ(swatch(zebra, ".strip"), 0xFFFFFF80u);
    EXPECT_EQ(swatch(zebra, ".background"), 0x000000FFu);
    EXPECT_EQ(swatch(zebra, ".font"), 0xFF0000FFu);
    // The first row's background swatch on screen: the yellow-green of "A Tisket, A Tasket".
    QImage shot = t.screenshot(2);
    const platform::View& swatch0 = t.view(row(0) + ".background");
    platform::Point p = swatch0.convertToWindow({swatch0.frame().width() / 2, swatch0.frame().height() / 2});
    EXPECT_EQ(testing_support::rgbAt(shot, int(p.x * 2), int(p.y * 2)), 0x4BC600u);

    for (int i = 0; i <= zebra; ++i)
        EXPECT_EQ(t.view<platform::Button>(row(i) + ".delete").isEnabled(), i == zebra) << name(i);
    // A touch on a built-in row's disabled delete button applies the row.
    t.tapAt(t.findAll(row(0) + ".delete").front()->convertToWindow({28, 17}));
    EXPECT_EQ(alert(), nullptr);
    EXPECT_EQ(settings.stringForKey(keys::styleName), "A Tisket, A Tasket");
}

TEST_F(Library, DeletingAsksFirstCancelKeepsTheStyleAndOKRemovesItWithItsTwin)
{
    settings.setObject(keys::userSavedThemes,
                       Value::array({entry("Mine", 0x11223344, 0x55667788, 0xFFFFFFFF, 0), entry("Other", 1, 2, 3, 4),
                                     entry("Mine", 0x99999999, 0x55667788, 0xFFFFFFFF, 0)}));
    main.setSelectedStyleName("Mine");
    open();
    ASSERT_EQ(table().numberOfRows(), 11);
    const int first = rowOf("Mine");
    ASSERT_EQ(name(first + 1), "Mine");

    // Cancel on the second "Mine", then OK on the first.
    for (int button : {1, 0}) {
        wheelTo(first + button);
        t.tap(row(first + button) + ".delete");
        ASSERT_NE(alert(), nullptr);
        EXPECT_EQ(alert()->title(), "Delete Style");
        EXPECT_EQ(alert()->message(), "Are you sure you want to delete theme Mine ?");
        EXPECT_EQ(alert()->buttonTitleAtIndex(button), button == 0 ? "OK" : "Cancel");
        EXPECT_FALSE(t.isReachable("library.table")) << "the alert covers the screen";
        t.tap("alert.button." + std::to_string(button));
        EXPECT_EQ(alert(), nullptr);
        if (button == 1) {
            EXPECT_EQ(table().numberOfRows(), 11);
            EXPECT_EQ(settings.arrayForKey(keys::userSavedThemes)->size(), 3u);
        }
    }
    EXPECT_EQ(table().numberOfRows(), 9);
    EXPECT_EQ(rowOf("Mine"), -1);
    EXPECT_EQ(*settings.arrayForKey(keys::userSavedThemes), Value::array({entry("Other", 1, 2, 3, 4)}));
    EXPECT_EQ(settings.stringForKey(keys::styleName), "Mine") << "the selected name stays";
    EXPECT_TRUE(library.styleIsModified("Mine"));

    // The rebuilt rows work as before.
    t.wheel(t.centreOf("library.table"), 1000);
    t.tap(row(1));
    EXPECT_EQ(settings.stringForKey(keys::styleName), "Artsy Photograph");
}

TEST_F(Library, TheListScrollsByDragAndByWheelWithoutApplyingAStyle)
{
    open();
    ASSERT_GT(table().maximumContentOffset(), 0) << "eight rows do not fit";
    EXPECT_FALSE(t.isReachable(row(7)));

    platform::Point centre = t.centreOf("library.table");
    t.drag(centre, {centre.x, centre.y - 200});
    EXPECT_EQ(table().contentOffset(), table().maximumContentOffset());
    EXPECT_TRUE(t.isReachable(row(7)));
    EXPECT_EQ(settings.stringForKey(keys::styleName), "Artsy Photograph") << "a drag is no touch on a row";

    // The wheel rolled away from the user goes back to the top, towards the user on to the end.
    t.wheel(centre, 1000);
    EXPECT_EQ(table().contentOffset(), 0);
    t.wheel(centre, -1000);
    EXPECT_EQ(table().contentOffset(), table().maximumContentOffset());
    t.tap(row(7));
    EXPECT_EQ(settings.stringForKey(keys::styleName), "Samurai Jill");
}
