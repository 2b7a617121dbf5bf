// The style library as data (built-in and saved styles: order, matching, saving, deleting), and the
// marks the style list puts on the rows that match the wallpaper.
#include "support/Files.h"
#include "support/Rows.h"

#include "MainViewController.h"
#include "PackedColor.h"
#include "SettingsKeys.h"
#include "StyleLibrary.h"

#include "platform/Application.h"
#include "platform/Button.h"
#include "platform/Label.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>

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

    // The listed names, user styles flagged; with `current`, only those that match it.
    static std::vector<std::string> names(const StyleLibrary& library, const WallpaperStyle* current = nullptr)
    {
        std::vector<std::string> out;
        for (const auto& style : library.styles())
            if (!current || style.matches(*current))
                out.push_back(style.name + (style.isUserStyle ? " (user)" : ""));
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

TEST_F(StyleStore, TheEightBuiltInStylesInNameOrderWithTheirColours)
{
    StyleLibrary library(settings);
    EXPECT_EQ(names(library), builtInOrder);
    const std::array<std::uint32_t, 4> colours[] = { // strip, background, face, highlight in name order
        {0xFFEA00FF, 0x4BC600FF, 0x000000FF, 0x00000000}, {0x1B1C1CFF, 0xA8A8A8FF, 0xFFFFFFFF, 0x000000FF},
        {0x85530DFF, 0x9C2F1DFF, 0xFFFFFFFF, 0x000000FF}, {0x1B3872FF, 0x092C7EFF, 0xFFFFFFFF, 0x000000FF},
        {0xF89DBFFF, 0xFD327EFF, 0xFFFFFFFF, 0x000000FF}, {0x5000B4FF, 0x57268FFF, 0xFFFFFFFF, 0x000000FF},
        {0x4C483BFF, 0xFFEB9BFF, 0xFFFFFFFF, 0x000000FF}, {0xA70000FF, 0x000000FF, 0xFFFFFFFF, 0x000000FF}};
    for (std::size_t i = 0; i < builtInOrder.size(); ++i) {
        const auto& s = library.styles()[i];
        EXPECT_EQ((std::array{s.stripColor, s.backgroundColor, s.fontFaceColor, s.fontHighlightColor}), colours[i]) << s.name;
    }
}

TEST_F(StyleStore, UserStylesAreSortedIgnoringCaseAndEqualNamesKeepTheirOrder)
{
    storeStyles({entry("Zebra", 1, 0, 0, 0), entry("amber", 2, 0, 0, 0), entry("artsy photograph", 3, 0, 0, 0),
                 entry("2026_12_05_231500", 4, 0, 0, 0), entry("Blue Velvet", 5, 0, 0, 0), entry("twice", 6, 0, 0, 0),
                 entry("Twice", 7, 0, 0, 0), entry("twice", 8, 0, 0, 0)});
    StyleLibrary library(settings);
    std::vector<std::string> listed;
    for (const auto& s : library.styles())
        listed.push_back(s.name + (s.isUserStyle ? "#" + std::to_string(s.stripColor) : ""));
    EXPECT_EQ(listed, (std::vector<std::string>{
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
    EXPECT_EQ(names(library), builtInOrder);
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
    EXPECT_EQ(names(library).size(), 9u) << "the list holds it at once";
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

// ---- the marks in the style list ----------------------------------------------------------------

namespace {

struct Marks {
    const char* what;
    std::function<void(TestApp&)> change; // to the stored styles and the wallpaper
    std::vector<std::string> marked;
};
void PrintTo(const Marks& m, std::ostream* os) { *os << m.what; }

const Marks marks[] = {
    {"a first start", [](TestApp&) {}, {"Artsy Photograph"}},
    {"a faded strip", [](TestApp& t) { t.main().setStripColor(unpackColor(0x1B1C1CFE)); }, {}},
    {"another highlight and a user style named like a built-in one",
     [](TestApp& t) {
         t.app().settings().setObject(keys::userSavedThemes,
                                      Value::array({entry("Autumn Copy", 0x85530DFF, 0x9C2F1DFF, 0xFFFFFFFF, 0xFF0000FF),
                                                    entry("Blue Velvet", 0x85530DFF, 0x9C2F1DFF, 0xFFFFFFFF, 0xFF)}));
         t.main().setStripColor(unpackColor(0x85530DFF));
         t.main().setBGColor(unpackColor(0x9C2F1DFF));
         t.main().setFontHighlightColor(unpackColor(0x123456FF));
     },
     {"Autumn Copy (user)", "Autumn Line", "Blue Velvet (user)"}},
};

struct StyleListMarks : ::testing::TestWithParam<Marks> {};

} // namespace

TEST_P(StyleListMarks, FallOnEveryRowWhoseStripBackgroundAndLetteringAreTheWallpapers)
{
    TestApp t;
    GetParam().change(t);
    t.tapAndSettle("main.style");
    t.tapAndSettle("style.library");
    std::vector<std::string> marked;
    for (int row = 0;; ++row) {
        const std::string id = "library.row." + std::to_string(row);
        if (t.findAll(id).empty())
            break;
        const bool user = dynamic_cast<platform::Button&>(*t.findAll(id + ".delete").front()).isEnabled();
        if (!t.findAll(id + ".mark").front()->isHidden())
            marked.push_back(dynamic_cast<platform::Label&>(*t.findAll(id + ".name").front()).text() +
                             (user ? " (user)" : ""));
    }
    EXPECT_EQ(marked, GetParam().marked);
}

INSTANTIATE_TEST_SUITE_P(Wallpapers, StyleListMarks, ::testing::ValuesIn(marks), ByWhat());
