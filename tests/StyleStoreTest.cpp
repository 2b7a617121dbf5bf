// The style library as data: built-in and saved styles, their order, matching, saving and deleting.
#include "support/Files.h"

#include "MainViewController.h"
#include "PackedColor.h"
#include "SettingsKeys.h"
#include "StyleLibrary.h"

#include "platform/Application.h"
#include "platform/View.h"

#include <gtest/gtest.h>

#include <array>

using namespace testing_support;
using Value = platform::SettingsStore::Value;

namespace {

Value entry(const std::string& name, std::uint32_t strip, std::uint32_t bg, std::uint32_t face, std::uint32_t highlight)
{
    return {{"theme_name", name}, {"strip_color", strip}, {"bg_color", bg}, {"font_face", face}, {"font_highlight", highlight}};
}

WallpaperStyle wearing(std::uint32_t strip, std::uint32_t bg, std::uint32_t face, std::uint32_t highlight)
{
    WallpaperStyle style;
    style.stripColor = strip, style.backgroundColor = bg, style.fontFaceColor = face, style.fontHighlightColor = highlight;
    return style;
}

const WallpaperStyle artsy = wearing(0x1B1C1CFF, 0xA8A8A8FF, 0xFFFFFFFF, 0x000000FF);

struct StyleStore : ::testing::Test {
    TempHome home;
    RecordingLog log;
    platform::SettingsStore settings{home.settingsFile(), log};

    void storeStyles(Value styles) { settings.setObject(keys::userSavedThemes, std::move(styles)); }
    const Value& stored() const { return *settings.arrayForKey(keys::userSavedThemes); }

    // The listed names, a user style's with its strip colour.
    static std::vector<std::string> listed(const StyleLibrary& library)
    {
        std::vector<std::string> out;
        for (const auto& s : library.styles())
            out.push_back(s.name + (s.isUserStyle ? "#" + std::to_string(s.stripColor) : ""));
        return out;
    }
    // The strip colours of the styles of that name, in list order.
    static std::vector<std::uint32_t> stripsOf(const StyleLibrary& library, const std::string& name)
    {
        std::vector<std::uint32_t> out;
        for (const auto& style : library.styles())
            if (style.name == name)
                out.push_back(style.stripColor);
        return out;
    }
};

const std::vector<std::string> builtInOrder = {"A Tisket, A Tasket", "Artsy Photograph", "Autumn Line", "Blue Velvet",
                                               "Hello Princess",     "Purpular",         "Sahara Dunes", "Samurai Jill"};

} // namespace

TEST_F(StyleStore, StylesAreSortedIgnoringCaseAndEqualNamesKeepTheirOrderBuiltInOnesFirst)
{
    storeStyles({entry("Zebra", 1, 0, 0, 0), entry("amber", 2, 0, 0, 0), entry("artsy photograph", 3, 0, 0, 0),
                 entry("2026_12_05_231500", 4, 0, 0, 0), entry("Blue Velvet", 5, 0, 0, 0), entry("twice", 6, 0, 0, 0),
                 entry("Twice", 7, 0, 0, 0), entry("twice", 8, 0, 0, 0)});
    EXPECT_EQ(listed(StyleLibrary(settings)), (std::vector<std::string>{
                          "2026_12_05_231500#4", "A Tisket, A Tasket", "amber#2", "Artsy Photograph",
                          "artsy photograph#3", "Autumn Line", "Blue Velvet", "Blue Velvet#5", "Hello Princess",
                          "Purpular", "Sahara Dunes", "Samurai Jill", "twice#6", "Twice#7", "twice#8", "Zebra#1"}));
}

namespace {

const Value junk = Value::array({42, "text", nullptr, Value::array(), Value{{"theme_name", 5}}, Value{{"strip_color", 1}},
                                 Value{{"theme_name", "Bare"}},
                                 Value{{"theme_name", "Odd"}, {"strip_color", -1}, {"bg_color", "red"},
                                       {"font_face", 0x1FFFFFFFFull}, {"font_highlight", 1.5}},
                                 entry("Fine", 0x11223344, 0x55667788, 0x99AABBCC, 0xDDEEFF00)});

} // namespace

TEST_F(StyleStore, MalformedEntriesAreSkippedOrTheirColoursReadAsZero)
{
    storeStyles(junk);
    StyleLibrary library(settings);
    EXPECT_EQ(library.styles().size(), 11u);
    for (const char* name : {"Bare", "Odd"}) {
        const auto& s = library.styles()[*library.find(name)];
        EXPECT_EQ((std::array{s.stripColor, s.backgroundColor, s.fontFaceColor, s.fontHighlightColor}),
                  (std::array<std::uint32_t, 4>{}))
            << name;
    }
    EXPECT_EQ(library.styles()[*library.find("Fine")].backgroundColor, 0x55667788u);
    EXPECT_TRUE(library.isModified("Bare", artsy));
}

TEST_F(StyleStore, ReadingChangesNothingStored)
{
    storeStyles(junk);
    const std::string before = readFile(home.settingsFile());
    StyleLibrary{settings}.reload();
    EXPECT_EQ(readFile(home.settingsFile()), before);
}

TEST_F(StyleStore, SavingAndDeletingLeaveTheEntriesTheyDoNotConcernAsTheyWere)
{
    storeStyles(junk);
    StyleLibrary library(settings);
    library.save("New", artsy);
    library.remove("Fine");
    Value expected = junk;
    expected.erase(expected.size() - 1);
    expected.push_back(entry("New", 0x1B1C1CFF, 0xA8A8A8FF, 0xFFFFFFFF, 0x000000FF));
    EXPECT_EQ(stored(), expected);
}

TEST_F(StyleStore, AStoredValueThatIsNotAnArrayHoldsNoUserStylesAndIsReplacedByTheFirstChange)
{
    storeStyles("not a list");
    StyleLibrary library(settings);
    EXPECT_EQ(listed(library), builtInOrder);
    library.remove("anything");
    EXPECT_EQ(*settings.valueForKey(keys::userSavedThemes), Value::array());
    storeStyles(Value::object());
    StyleLibrary(settings).save("Only", artsy);
    EXPECT_EQ(stored().size(), 1u);
}

TEST_F(StyleStore, SavingAppendsTheFiveKeysExactlyAndSelectsTheNameUntrimmed)
{
    StyleLibrary library(settings);
    library.save(" Mine ", wearing(0xFFFFFFFF, 0x12345678, 0x000000FF, 0x00000000));
    EXPECT_EQ(settings.stringForKey(keys::styleName), " Mine ");
    ASSERT_EQ(stored().size(), 1u);
    EXPECT_EQ(stored()[0], entry(" Mine ", 0xFFFFFFFF, 0x12345678, 0x000000FF, 0x00000000));
    EXPECT_TRUE(stored()[0]["strip_color"].is_number_unsigned()) << "white is not -1";
    EXPECT_EQ(listed(library).size(), 9u) << "the list holds it at once";
    EXPECT_FALSE(library.isModified(" Mine ", wearing(0xFFFFFFFF, 0x12345678, 0x000000FF, 0x00000000)));
    EXPECT_TRUE(library.isModified("Mine", wearing(0xFFFFFFFF, 0x12345678, 0x000000FF, 0x00000000)));
}

TEST_F(StyleStore, StylesOfOneNameAreListedInSavingOrder)
{
    StyleLibrary library(settings);
    library.save("Twin", wearing(0x11111111, 0, 0, 0));
    library.save("Twin", wearing(0x55555555, 0, 0, 0));
    EXPECT_EQ(stripsOf(library, "Twin"), (std::vector<std::uint32_t>{0x11111111, 0x55555555}));
}

TEST_F(StyleStore, DeletingRemovesEveryUserStyleOfExactlyThatNameAndNothingElse)
{
    StyleLibrary library(settings);
    for (const char* name : {"Twin", "twin", "Twin", "Purpular"})
        library.save(name, wearing(0x55555555, 0, 0, 0));
    library.remove("Twin");
    EXPECT_TRUE(stripsOf(library, "Twin").empty());
    EXPECT_EQ(stripsOf(library, "twin").size(), 1u) << "deleting is case-sensitive";
    EXPECT_EQ(stored().size(), 2u);
    EXPECT_EQ(settings.stringForKey(keys::styleName), "Purpular") << "deleting keeps the selected style";
    EXPECT_EQ(settings.valueForKey(keys::stripColor), nullptr) << "and the colours";
    library.remove("Purpular");
    EXPECT_EQ(stripsOf(library, "Purpular"), std::vector<std::uint32_t>{0x5000B4FF}) << "the built-in one stays";
    library.remove("Samurai Jill");
    EXPECT_EQ(library.styles().size(), 9u);
}

TEST_F(StyleStore, TheModifiedTestComparesStripBackgroundAndFontFaceOnlyUnderTheExactName)
{
    storeStyles({entry("Autumn Copy", 0x85530DFF, 0x9C2F1DFF, 0xFFFFFFFF, 0xFF0000FF),
                 entry("Blue Velvet", 0x85530DFF, 0x9C2F1DFF, 0xFFFFFFFF, 0x000000FF)});
    StyleLibrary library(settings);
    const WallpaperStyle current = wearing(0x85530DFF, 0x9C2F1DFF, 0xFFFFFFFF, 0x123456FF);
    const std::pair<const char*, bool> rows[] = {
        {"Autumn Line", false}, // the highlight is not compared
        {"Autumn Copy", false},
        {"autumn line", true}, // names are compared exactly
        {"Nowhere", true},
        {"Blue Velvet", true}, // the built-in record of that name comes first
    };
    for (const auto& [name, modified] : rows)
        EXPECT_EQ(library.isModified(name, current), modified) << name;
    EXPECT_TRUE(library.isModified("Artsy Photograph", wearing(0x1B1C1CFE, 0xA8A8A8FF, 0xFFFFFFFF, 0x000000FF)))
        << "a faded strip";
}

// The list marks its rows as the model matches, on colour numbers; other matches are in StyleLibraryTest.
TEST(StyleListMarks, AStripFadedBelowFullOpacityMarksNoRow)
{
    TestApp t;
    t.main().setStripColor(unpackColor(0x1B1C1CFE)); // "Artsy Photograph" but for the opacity
    t.tapAndSettle("main.style");
    t.tapAndSettle("style.library");
    int rows = 0;
    for (; !t.findAll("library.row." + std::to_string(rows)).empty(); ++rows)
        EXPECT_TRUE(t.findAll("library.row." + std::to_string(rows) + ".mark").front()->isHidden()) << rows;
    EXPECT_EQ(rows, 8);
}
