// The style menus, the library of styles and saving the colours worn as a new style.
#include "support/TestApp.h"

#include "Dialogs/SaveStyleAsDialogViewController.h"
#include "Dialogs/StyleLibraryDialogViewController.h"
#include "MainViewController.h"
#include "PackedColor.h"
#include "SettingsKeys.h"

#include "platform/AlertView.h"
#include "platform/Button.h"
#include "platform/Label.h"
#include "platform/TableView.h"
#include "platform/Window.h"

#include <gtest/gtest.h>

#include <ctime>

using platform::Label;
using testing_support::TestApp;
using Value = platform::SettingsStore::Value;

namespace {

Value entry(const std::string& name, std::uint32_t strip, std::uint32_t bg, std::uint32_t face, std::uint32_t highlight)
{
    return {{"theme_name", name}, {"strip_color", strip}, {"bg_color", bg}, {"font_face", face}, {"font_highlight", highlight}};
}

struct Styles : ::testing::Test {
    TestApp t;
    MainViewController& main = t.main();
    platform::SettingsStore& settings = t.app().settings();

    void push(DialogBase& dialog)
    {
        main.pushDialog(dialog);
        t.settle();
    }
    std::optional<std::string> applied() { return settings.stringForKey(keys::styleName); }
    // A label takes no touches, so it is looked up rather than hit.
    std::string currentStyleText() { return t.view<Label>("style.current").text(); }
};
using Menus = Styles;

struct Library : Styles {
    StyleLibraryDialogViewController library{"StyleLibraryDialog", main};

    void open(Value userStyles = Value::array())
    {
        settings.setObject(keys::userSavedThemes, std::move(userStyles));
        push(library);
    }
    platform::TableView& table() { return t.view<platform::TableView>("library.table"); }
    static std::string row(int index) { return "library.row." + std::to_string(index); }
    std::string name(int index) { return t.view<Label>(row(index) + ".name").text(); }
    int rowOf(const std::string& style)
    {
        for (int i = 0; i < table().numberOfRows(); ++i)
            if (name(i) == style)
                return i;
        return -1;
    }
    bool marked(int index) { return !t.view(row(index) + ".mark").isHidden(); }
    std::uint32_t swatch(int index, const char* which) { return packColor(*t.view<Label>(row(index) + which).backgroundColor()); }
    auto* alert() { return dynamic_cast<platform::AlertView*>(t.app().window().findByIdentifier("alert")); }
};

struct SaveStyleAs : Styles {
    SaveStyleAsDialogViewController dialog{"SaveStyleAsDialog", main};
    // The local time of the last open(), which the dialog proposes as a name when none is stored.
    std::string proposal;

    void open()
    {
        const std::time_t now = std::chrono::system_clock::to_time_t(t.clock.wallTime());
        char text[32];
        std::strftime(text, sizeof text, "%Y_%m_%d_%H%M%S", std::localtime(&now));
        proposal = text;
        push(dialog);
    }
    std::string name() { return t.view<platform::TextField>("saveStyle.name").text(); }
};

} // namespace

TEST_F(Menus, EachMenuMakesItsChildrenOnceAndPushesTheSameOnesAgain)
{
    const char* const path[] = {"main.style", "style.new", "newstyle.strip"};
    std::vector<DialogBase*> first;
    for (const char* button : path) {
        t.tapAndSettle(button);
        first.push_back(main.dialogStack().back());
    }
    t.tapAndSettle({"dialog.back", "dialog.back", "dialog.back"});
    for (std::size_t i = 0; i < first.size(); ++i) {
        t.tapAndSettle(path[i]);
        EXPECT_EQ(main.dialogStack().back(), first[i]) << path[i];
    }
}

// The typical walk: a style from the library, its strip changed, saved under the proposed name.
TEST_F(Menus, TheStyleMenuNamesTheStyleAndSaysWhenItsColoursWereChanged)
{
    t.tapAndSettle("main.style");
    EXPECT_EQ(currentStyleText(), "Artsy Photograph");
    t.tapAndSettle({"style.library", "library.row.0", "dialog.back"});
    EXPECT_EQ(currentStyleText(), "A Tisket, A Tasket");

    t.tapAndSettle({"style.new", "newstyle.strip"});
    t.tapAt(t.centreOf("strip.palette"));
    t.tapAndSettle({"dialog.back", "dialog.back"});
    EXPECT_EQ(currentStyleText(), "A Tisket, A Tasket (modified)");

    // Saving stores the colours worn, closes the dialog, and names them plainly again.
    t.tapAndSettle({"style.new", "newstyle.saveas"});
    const std::string proposed = t.find<platform::TextField>("saveStyle.name").text();
    const std::size_t depth = main.dialogStack().size();
    t.tapAndSettle("saveStyle.save");
    EXPECT_EQ(main.dialogStack().size(), depth - 1);
    t.tapAndSettle("dialog.back");
    EXPECT_EQ(currentStyleText(), proposed);
}

TEST_F(Library, TouchingARowAppliesItsStyleAndMarksOnlyThatRowUntilTheListOpensAgain)
{
    // The same colours as "Artsy Photograph" with another highlight.
    open(Value::array({entry("Artsy Too", 0x1B1C1CFF, 0xA8A8A8FF, 0xFFFFFFFF, 0xFF00FFFF)}));
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

    t.tap(row(user));
    EXPECT_FALSE(marked(builtIn));
    EXPECT_TRUE(marked(user));
    EXPECT_EQ(packColor(main.fontHighlightColor()), 0xFF00FFFFu);

    // Opened again, the marks follow the colours, not the last touch.
    t.tapAndSettle("dialog.back");
    push(library);
    EXPECT_TRUE(marked(builtIn));
    EXPECT_TRUE(marked(user));
}

TEST_F(Library, RowsShowTheirSwatchesMarkFaintLetteringAndOnlyUserStylesCanBeDeleted)
{
    // A clear strip shows the style's black background, or the photograph worn over it.
    open(Value::array({entry("Zebra", 0xFFFFFF80, 0x000000FF, 0xFF0000FF, 0), entry("Glass", 0xFFFFFF00, 0x000000FF, 0xFFFFFFFF, 0)}));
    const int zebra = table().numberOfRows() - 1;
    EXPECT_EQ(name(zebra), "Zebra");
    EXPECT_EQ(std::tuple(swatch(zebra, ".strip"), swatch(zebra, ".background"), swatch(zebra, ".font")),
              std::tuple(0xFFFFFF80u, 0x000000FFu, 0xFF0000FFu));
    auto faint = [&](const std::string& style) { return !t.view(row(rowOf(style)) + ".faint").isHidden(); };
    const std::pair<const char*, bool> faintOnTheirOwn[] = {
        {"Zebra", true}, {"Glass", false}, {"Artsy Photograph", false}, {"Hello Princess", true}}; // white on pink
    for (const auto& [style, expected] : faintOnTheirOwn)
        EXPECT_EQ(faint(style), expected) << style;
    auto white = std::make_shared<platform::Image>();
    white->width = 320;
    white->height = 480;
    white->bytesPerRow = 320 * 4;
    white->bytes.assign(320 * 480 * 4, 0xFF);
    main.setWallpaperImage(white);
    library.viewWillAppear(false);
    EXPECT_TRUE(faint("Glass")) << "white on the white photograph";
    EXPECT_FALSE(faint("Artsy Photograph")) << "an opaque strip hides it";

    for (int i = 0; i <= zebra; ++i)
        EXPECT_EQ(t.view<platform::Button>(row(i) + ".delete").isEnabled(), name(i) == "Zebra" || name(i) == "Glass") << name(i);
    // A touch on a built-in row's disabled delete button applies the row.
    t.tapAt(t.view(row(0) + ".delete").convertToWindow({28, 17}));
    EXPECT_EQ(alert(), nullptr);
    EXPECT_EQ(applied(), "A Tisket, A Tasket");
}

TEST_F(Library, DeletingAsksFirstCancelKeepsTheStyleOKRemovesItWithItsTwinAndTheSelectedOneLeavesNoName)
{
    main.setSelectedStyleName("Other");
    open(Value::array({entry("Mine", 0x11223344, 0x55667788, 0xFFFFFFFF, 0), entry("Other", 1, 2, 3, 4),
                       entry("Mine", 0x99999999, 0x55667788, 0xFFFFFFFF, 0)}));
    // Brought into view with the wheel, deleted, then the alert's button.
    auto remove = [&](int index, int button) {
        const std::string deleteButton = row(index) + ".delete";
        for (int i = 0; i < 20 && !t.isReachable(deleteButton); ++i)
            t.wheel(t.centreOf("library.table"), -30);
        t.tap(deleteButton);
        ASSERT_NE(alert(), nullptr);
        EXPECT_EQ(alert()->message(), "Are you sure you want to delete theme " + name(index) + " ?");
        EXPECT_EQ(alert()->buttonTitleAtIndex(button), button == 0 ? "OK" : "Cancel");
        t.tap("alert.button." + std::to_string(button));
    };
    const int first = rowOf("Mine");
    ASSERT_EQ(name(first + 1), "Mine");
    remove(first + 1, 1);
    EXPECT_EQ(table().numberOfRows(), 11);
    remove(first, 0);
    EXPECT_EQ(table().numberOfRows(), 9);
    EXPECT_EQ(*settings.arrayForKey(keys::userSavedThemes), Value::array({entry("Other", 1, 2, 3, 4)}));
    EXPECT_EQ(applied(), "Other") << "deleting another style keeps the selection";

    // The colours worn stay, under no name: the style menu says so as it does for any unnamed colours.
    remove(rowOf("Other"), 0);
    EXPECT_EQ(applied(), "");
    EXPECT_EQ(main.style().styleName, "");
    t.tapAndSettle({"dialog.back", "main.style"});
    EXPECT_EQ(currentStyleText(), " (modified)");

    // The rebuilt rows work as before.
    t.tapAndSettle("style.library");
    t.wheel(t.centreOf("library.table"), 1000);
    t.tap(row(1));
    EXPECT_EQ(applied(), "Artsy Photograph");
}

TEST_F(Library, EscapeCancelsTheDeleteConfirmationAndReturnConfirmsItTheFocusOnTheButtonReturnPresses)
{
    open(Value::array({entry("Mine", 1, 2, 3, 4)}));
    const int rows = table().numberOfRows();
    auto focused = [&] { return t.app().focusedView() ? t.app().focusedView()->identifier() : "(nothing)"; };
    for (auto [key, left] : {std::pair{platform::Key::Escape, rows}, std::pair{platform::Key::Return, rows - 1}}) {
        const std::string remove = row(rowOf("Mine")) + ".delete";
        for (int i = 0; i < 20 && !t.isReachable(remove); ++i)
            t.wheel(t.centreOf("library.table"), -30);
        t.app().setFocusedView(&t.find(remove));
        t.press(platform::Key::Return);
        ASSERT_NE(alert(), nullptr);
        EXPECT_EQ(focused(), "alert.button.0") << "OK, which Return presses";
        t.press(key);
        EXPECT_EQ(alert(), nullptr);
        EXPECT_EQ(table().numberOfRows(), left);
        // Back to the delete button, or where Tab would begin once its row is gone.
        EXPECT_EQ(focused(), key == platform::Key::Escape ? remove : "dialog.back");
    }
}

TEST_F(Library, TheListScrollsByWheelAndDragStoppingAtBothEndsWithoutApplyingAStyle)
{
    open();
    EXPECT_FALSE(t.isReachable(row(7))) << "eight rows do not fit";
    const platform::Point c = t.centreOf("library.table");
    auto expectAt = [&](float offset) { EXPECT_FLOAT_EQ(table().contentOffset(), offset); };
    t.drag(c, {c.x, c.y + 100});
    expectAt(0);
    t.wheel(c, -1000); // rolled towards the user: on towards the end
    expectAt(table().maximumContentOffset());
    t.wheel(c, 1000);
    expectAt(0);
    t.drag(c, {c.x, c.y - 200});
    t.drag(c, {c.x, c.y - 100});
    expectAt(table().maximumContentOffset());
    EXPECT_EQ(applied(), "Artsy Photograph") << "a drag is no touch on a row";
    t.tap(row(7));
    EXPECT_EQ(applied(), "Samurai Jill");
}

TEST_F(SaveStyleAs, ProposesTheStoredNameOrElseTheLocalTimeStamp)
{
    // An empty stored name would offer a nameless style.
    for (const char* last : {static_cast<const char*>(nullptr), "Evening", ""}) {
        if (last)
            settings.setObject(keys::lastStyleName, last);
        open();
        EXPECT_EQ(name(), last && *last ? last : proposal) << (last ? last : "none stored");
        t.tapAndSettle("dialog.back");
    }
}

TEST_F(SaveStyleAs, TheSaveButtonFollowsTheTextBeingEdited)
{
    open();
    EXPECT_TRUE(t.isReachable("saveStyle.save"));
    t.tapAndSettle("saveStyle.name"); // the clear button is reached where the field has slid to
    t.tapClearButton("saveStyle.name");
    EXPECT_FALSE(t.isReachable("saveStyle.save"));
    t.type("x");
    EXPECT_TRUE(t.isReachable("saveStyle.save"));
    t.backspace();
    EXPECT_FALSE(t.isReachable("saveStyle.save"));
    t.type("Night");
    t.pressReturn();
    t.settle();
    EXPECT_TRUE(t.isReachable("saveStyle.save"));
}

// Cancel stores nothing; Save stores the text being edited, beside a style of that name if there is
// one. Either way the editing ends with the dialog, and the next visit starts afresh.
TEST_F(SaveStyleAs, LeavingWhileEditingEndsTheEditingAndTheNextVisitStartsAfresh)
{
    for (const char* leave : {"saveStyle.cancel", "saveStyle.save", "saveStyle.save"}) {
        SCOPED_TRACE(leave);
        open();
        t.tapAndSettle("saveStyle.name");
        t.tapClearButton("saveStyle.name");
        t.type("Draft");
        t.tapAndSettle(leave);
        EXPECT_EQ(t.editingField(), nullptr) << "typing must not go into a field off the screen";
        EXPECT_FALSE(dialog.view()->superview());

        open();
        EXPECT_EQ(t.frameButtonsShown(), 3);
        EXPECT_EQ(name(), proposal) << "the typed text is not kept";
        t.tapAndSettle("dialog.back");
    }
    const Value* saved = settings.arrayForKey(keys::userSavedThemes);
    ASSERT_NE(saved, nullptr);
    const Value draft = entry("Draft", 0x1B1C1CFF, 0xA8A8A8FF, 0xFFFFFFFF, 0x000000FF);
    EXPECT_EQ(*saved, Value::array({draft, draft}));
    EXPECT_EQ(applied(), "Draft");
}
