// The style library as data: built-in and saved styles, their order, matching, saving and deleting.
// The list that shows them is in tests/e2e.
#include "support/Files.h"

#include "MainViewController.h"
#include "PackedColor.h"
#include "SettingsKeys.h"
#include "StyleLibrary.h"
#include "TextOrder.h"

#include "platform/View.h"

#include <gtest/gtest.h>

#include <array>

using namespace testing_support;
using Value = platform::SettingsStore::Value;

namespace {

Value entry(const std::string& name, std::uint32_t strip, std::uint32_t bg = 0, std::uint32_t face = 0,
            std::uint32_t highlight = 0)
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
};

const Value junk = Value::array({42, "text", nullptr, Value::array(), Value{{"theme_name", 5}}, Value{{"strip_color", 1}},
                                 Value{{"theme_name", "Bare"}},
                                 Value{{"theme_name", "Odd"}, {"strip_color", -1}, {"bg_color", "red"},
                                       {"font_face", 0x1FFFFFFFFull}, {"font_highlight", 1.5}},
                                 entry("Fine", 0x11223344, 0x55667788, 0x99AABBCC, 0xDDEEFF00)});

} // namespace

TEST(TextOrder, ComparesCharactersWithCaseFullyFolded)
{
    const struct {
        std::string_view a, b;
        int order;
    } rows[] = {
        {"\xC3\xA9mile", "\xC3\x89mile", 0},           // émile, Émile
        {"STRASSE", "stra\xC3\x9F" "e", 0},            // ß folds to ss
        {"\xCE\x9F\xCE\x94\xCE\xA5\xCE\xA3", "\xCE\xBF\xCE\xB4\xCF\x85\xCF\x82", 0}, // ΟΔΥΣ, οδυς: final sigma
        {"\xD0\x91\xD0\xBE\xD1\x80\xD0\xB8\xD1\x81", "\xD0\xB2\xD0\xB5\xD1\x80\xD0\xB0", -1}, // Борис, вера
        {"\xC3\x89mile", "Zo\xC3\xAB", 1},             // code points, not a language's order
        {"\xEF\xBC\xA1", "\xF0\x9D\x90\x80", -1},      // U+FF21 before U+1D400, unlike their UTF-16 units
        {"a\xFF", "a\xEF\xBF\xBD", 0},                 // a stray byte reads as U+FFFD
        {"\xC3", "\xEF\xBF\xBD", 0},                   // so does a cut sequence
    };
    auto sign = [](int n) { return (n > 0) - (n < 0); };
    for (const auto& row : rows) {
        EXPECT_EQ(sign(compareFoldingCase(row.a, row.b)), row.order) << row.a << " / " << row.b;
        EXPECT_EQ(sign(compareFoldingCase(row.b, row.a)), -row.order) << row.b << " / " << row.a;
    }
}

TEST_F(StyleStore, StylesAreSortedIgnoringCaseAndEqualNamesKeepTheirOrderBuiltInOnesFirst)
{
    storeStyles({entry("Zebra", 1), entry("amber", 2), entry("artsy photograph", 3), entry("2026_12_05_231500", 4),
                 entry("Blue Velvet", 5), entry("twice", 6), entry("Twice", 7), entry("twice", 8)});
    EXPECT_EQ(listed(StyleLibrary(settings)), (std::vector<std::string>{
                          "2026_12_05_231500#4", "A Tisket, A Tasket", "amber#2", "Artsy Photograph",
                          "artsy photograph#3", "Autumn Line", "Blue Velvet", "Blue Velvet#5", "Hello Princess",
                          "Purpular", "Sahara Dunes", "Samurai Jill", "twice#6", "Twice#7", "twice#8", "Zebra#1"}));
}

// Entries this application never writes are skipped, or their colours read as zero, and left as they are.
TEST_F(StyleStore, MalformedEntriesAreReadAsWellAsTheyCanAndKeptAsTheyAreBySavingAndDeleting)
{
    storeStyles(junk);
    const std::string before = readFile(home.settingsFile());
    StyleLibrary library(settings);
    EXPECT_EQ(library.styles().size(), 11u);
    for (const char* name : {"Bare", "Odd"}) {
        const auto& s = library.styles()[*library.find(name)];
        EXPECT_EQ((std::array{s.stripColor, s.backgroundColor, s.fontFaceColor, s.fontHighlightColor}),
                  (std::array<std::uint32_t, 4>{}))
            << name;
    }
    EXPECT_EQ(library.styles()[*library.find("Fine")].backgroundColor, 0x55667788u);
    EXPECT_EQ(readFile(home.settingsFile()), before);
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
    EXPECT_EQ(library.styles().size(), 8u);
    library.remove("anything");
    EXPECT_EQ(*settings.valueForKey(keys::userSavedThemes), Value::array());
    storeStyles(Value::object());
    StyleLibrary(settings).save("Only", artsy);
    EXPECT_EQ(stored().size(), 1u);
}

TEST_F(StyleStore, SavingAppendsTheFiveKeysExactlyAndSelectsTheNameUntrimmed)
{
    StyleLibrary library(settings);
    const WallpaperStyle mine = wearing(0xFFFFFFFF, 0x12345678, 0x000000FF, 0x00000000);
    library.save(" Mine ", mine);
    EXPECT_EQ(settings.stringForKey(keys::styleName), " Mine ");
    ASSERT_EQ(stored().size(), 1u);
    EXPECT_EQ(stored()[0], entry(" Mine ", 0xFFFFFFFF, 0x12345678, 0x000000FF, 0x00000000));
    EXPECT_TRUE(stored()[0]["strip_color"].is_number_unsigned()) << "white is not -1";
    EXPECT_FALSE(library.isModified(" Mine ", mine)) << "the list holds it at once";
}

TEST_F(StyleStore, DeletingRemovesTheUserStylesOfExactlyThatNameAndNothingElse)
{
    StyleLibrary library(settings);
    for (const char* name : {"Twin", "twin", "Purpular"})
        library.save(name, wearing(0x55555555, 0, 0, 0));
    library.remove("twin");
    library.remove("Purpular");
    EXPECT_EQ(listed(library).size(), 9u);
    EXPECT_EQ(stored(), Value::array({entry("Twin", 0x55555555)})) << "deleting is case-sensitive";
    EXPECT_TRUE(library.find("Purpular")) << "the built-in one stays";
    EXPECT_EQ(settings.valueForKey(keys::stripColor), nullptr) << "the colours are left alone";
    EXPECT_EQ(settings.stringForKey(keys::styleName), "Purpular") << "a built-in style still bears the selected name";
    settings.setObject(keys::styleName, std::string("Twin"));
    library.remove("Twin");
    EXPECT_EQ(settings.stringForKey(keys::styleName), "") << "the selected style is gone";
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

// The list marks its rows by comparing colour numbers of its own, not through the library.
TEST(StyleListMarks, AStripFadedBelowFullOpacityMarksNoRow)
{
    TestApp t;
    t.main().setStripColor(unpackColor(0x1B1C1CFE)); // "Artsy Photograph" but for the opacity
    t.tapAndSettle("main.style");
    t.tapAndSettle("style.library");
    for (int row = 0; row < 8; ++row)
        EXPECT_TRUE(t.findAll("library.row." + std::to_string(row) + ".mark").at(0)->isHidden()) << row;
}
