#include "support/TestApp.h"

#include "Dialogs/StyleLibraryDialogViewController.h"
#include "MainViewController.h"
#include "PackedColor.h"
#include "SettingsKeys.h"
#include "ThemeCellViewController.h"

#include "platform/Button.h"
#include "platform/ImageView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <iterator>

using testing_support::TestApp;
using Value = platform::SettingsStore::Value;

namespace {

Value entry(const std::string& name, std::uint32_t strip, std::uint32_t bg, std::uint32_t face, std::uint32_t highlight)
{
    return {{"theme_name", name}, {"strip_color", strip}, {"bg_color", bg}, {"font_face", face}, {"font_highlight", highlight}};
}

struct StyleStore : ::testing::Test {
    TestApp t;
    MainViewController& main = t.main();
    platform::SettingsStore& settings = t.app().settings();
    StyleLibraryDialogViewController store{"StyleLibraryDialog", main};

    void SetUp() override { store.view(); } // rows are built and marked only with the table there

    void storeThemes(Value themes) { settings.setObject(keys::userSavedThemes, std::move(themes)); }

    // The listed styles, or only the marked ones, user ones flagged.
    std::vector<std::string> names(bool markedOnly = false) const
    {
        std::vector<std::string> out;
        for (const auto& theme : store.themes)
            if (!markedOnly || !theme->selectionBar->isHidden())
                out.push_back(theme->name + (theme->isUserTheme ? " (user)" : ""));
        return out;
    }

    const ThemeCellViewController& theme(const std::string& name) const
    {
        for (const auto& theme : store.themes)
            if (theme->name == name)
                return *theme;
        throw std::runtime_error("no style " + name);
    }

    void setCurrentColours(std::uint32_t strip, std::uint32_t bg, std::uint32_t face, std::uint32_t highlight)
    {
        main.setStripColor(unpackColor(strip));
        main.setBGColor(unpackColor(bg));
        main.setFontFaceColor(unpackColor(face));
        main.setFontHighlightColor(unpackColor(highlight));
    }

    std::string settingsFileText() const
    {
        std::ifstream in(settings.file());
        return {std::istreambuf_iterator<char>(in), {}};
    }
};

const std::vector<std::string> builtInOrder = {"A Tisket, A Tasket", "Artsy Photograph", "Autumn Line", "Blue Velvet",
                                               "Hello Princess",     "Purpular",         "Sahara Dunes", "Samurai Jill"};

} // namespace

TEST_F(StyleStore, TheEightBuiltInStylesInNameOrderWithArtsyPhotographCurrentOnAFirstStart)
{
    store.refreshThemes();
    EXPECT_EQ(names(), builtInOrder);
    const std::array<std::uint32_t, 4> colours[] = { // strip, background, face, highlight in name order
        {0xFFEA00FF, 0x4BC600FF, 0x000000FF, 0x00000000}, {0x1B1C1CFF, 0xA8A8A8FF, 0xFFFFFFFF, 0x000000FF},
        {0x85530DFF, 0x9C2F1DFF, 0xFFFFFFFF, 0x000000FF}, {0x1B3872FF, 0x092C7EFF, 0xFFFFFFFF, 0x000000FF},
        {0xF89DBFFF, 0xFD327EFF, 0xFFFFFFFF, 0x000000FF}, {0x5000B4FF, 0x57268FFF, 0xFFFFFFFF, 0x000000FF},
        {0x4C483BFF, 0xFFEB9BFF, 0xFFFFFFFF, 0x000000FF}, {0xA70000FF, 0x000000FF, 0xFFFFFFFF, 0x000000FF}};
    for (std::size_t i = 0; i < builtInOrder.size(); ++i) {
        const auto& th = *store.themes[i];
        EXPECT_EQ((std::array{packColor(th.strip), packColor(th.bg), packColor(th.fnt), packColor(th.hgh)}), colours[i])
            << th.name;
        EXPECT_FALSE(th.isUserTheme) << th.name;
    }
    EXPECT_EQ(names(true), std::vector<std::string>{"Artsy Photograph"});
    EXPECT_FALSE(store.styleIsModified("Artsy Photograph"));
}

TEST_F(StyleStore, UserStylesAreSortedIgnoringCaseAndEqualNamesKeepTheirOrder)
{
    storeThemes({entry("Zebra", 1, 0, 0, 0), entry("amber", 2, 0, 0, 0), entry("artsy photograph", 3, 0, 0, 0),
                 entry("2026_12_05_231500", 4, 0, 0, 0), entry("Blue Velvet", 5, 0, 0, 0), entry("twice", 6, 0, 0, 0),
                 entry("Twice", 7, 0, 0, 0), entry("twice", 8, 0, 0, 0)});
    store.refreshThemes();
    std::vector<std::string> listed;
    for (const auto& th : store.themes)
        listed.push_back(th->name + (th->isUserTheme ? "#" + std::to_string(packColor(th->strip)) : ""));
    EXPECT_EQ(listed, (std::vector<std::string>{
                          "2026_12_05_231500#4", "A Tisket, A Tasket", "amber#2", "Artsy Photograph",
                          "artsy photograph#3", "Autumn Line", "Blue Velvet", "Blue Velvet#5", "Hello Princess",
                          "Purpular", "Sahara Dunes", "Samurai Jill", "twice#6", "Twice#7", "twice#8", "Zebra#1"}));
}

TEST_F(StyleStore, MalformedStoredEntriesAreSkippedOrReadAsZeroAndNeverRewritten)
{
    Value junk = Value::array({42, "text", nullptr, Value::array(), Value{{"theme_name", 5}}, Value{{"strip_color", 1}},
                               Value{{"theme_name", "Bare"}},
                               Value{{"theme_name", "Odd"}, {"strip_color", -1}, {"bg_color", "red"},
                                     {"font_face", 0x1FFFFFFFFull}, {"font_highlight", 1.5}},
                               entry("Fine", 0x11223344, 0x55667788, 0x99AABBCC, 0xDDEEFF00)});
    storeThemes(junk);
    std::string before = settingsFileText();

    store.refreshThemes();
    EXPECT_EQ(names().size(), 11u);
    for (const char* name : {"Bare", "Odd"})
        for (const auto* c : {&theme(name).strip, &theme(name).bg, &theme(name).fnt, &theme(name).hgh})
            EXPECT_EQ(packColor(*c), 0u) << name;
    EXPECT_EQ(packColor(theme("Fine").bg), 0x55667788u);
    EXPECT_TRUE(store.styleIsModified("Bare"));
    EXPECT_EQ(settingsFileText(), before) << "reading changes nothing";

    // Saving and deleting leave the entries they do not concern as they were.
    store.saveStyleToUserDefaults("New");
    store.deleteTheme("Fine");
    Value expected = junk;
    expected.erase(expected.size() - 1);
    const Value& now = *settings.arrayForKey(keys::userSavedThemes);
    ASSERT_EQ(now.size(), expected.size() + 1);
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(now[i], expected[i]) << i;
    EXPECT_EQ(now.back()["theme_name"], "New");
}

TEST_F(StyleStore, AStoredValueThatIsNotAnArrayListsNoUserStyles)
{
    storeThemes("not a list");
    store.refreshThemes();
    EXPECT_EQ(names(), builtInOrder);

    store.deleteTheme("anything");
    EXPECT_EQ(*settings.valueForKey(keys::userSavedThemes), Value::array());
    storeThemes(Value::object());
    store.saveStyleToUserDefaults("Only");
    EXPECT_EQ(settings.arrayForKey(keys::userSavedThemes)->size(), 1u);
}

TEST_F(StyleStore, SavingAppendsTheFiveKeysExactlyAndDeletingRemovesEveryStyleOfThatName)
{
    setCurrentColours(0xFFFFFFFF, 0x12345678, 0x000000FF, 0x00000000);
    store.saveStyleToUserDefaults(" Mine ");
    EXPECT_EQ(settings.stringForKey(keys::styleName), " Mine ");
    const Value& saved = *settings.arrayForKey(keys::userSavedThemes);
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0], entry(" Mine ", 0xFFFFFFFF, 0x12345678, 0x000000FF, 0x00000000));
    EXPECT_TRUE(saved[0]["strip_color"].is_number_unsigned()) << "white is not -1";
    EXPECT_EQ(names().size(), 0u) << "saving does not rebuild the list";
    store.refreshThemes();
    EXPECT_EQ(packColor(theme(" Mine ").strip), 0xFFFFFFFFu);
    EXPECT_EQ(packColor(theme(" Mine ").hgh), 0x00000000u);
    EXPECT_FALSE(store.styleIsModified(" Mine "));
    EXPECT_TRUE(store.styleIsModified("Mine")) << "no trimming";

    setCurrentColours(0x11111111, 0x22222222, 0x33333333, 0x44444444);
    store.saveStyleToUserDefaults("Twin");
    setCurrentColours(0x55555555, 0x66666666, 0x77777777, 0x88888888);
    for (const char* name : {"Twin", "twin", "Purpular"})
        store.saveStyleToUserDefaults(name);
    store.refreshThemes();
    std::vector<std::uint32_t> twins;
    for (const auto& th : store.themes)
        if (th->name == "Twin")
            twins.push_back(packColor(th->strip));
    EXPECT_EQ(twins, (std::vector<std::uint32_t>{0x11111111, 0x55555555})) << "in saving order";

    store.deleteTheme("Twin");
    EXPECT_EQ(names().size(), 11u);
    EXPECT_NO_THROW(theme("twin")) << "deleting is case-sensitive";
    EXPECT_EQ(settings.arrayForKey(keys::userSavedThemes)->size(), 3u);
    EXPECT_EQ(settings.stringForKey(keys::styleName), "Purpular") << "deleting keeps the selected style";
    EXPECT_EQ(packColor(main.stripColor()), 0x55555555u) << "and the colours";

    // A user style named like a built-in one goes; the built-in one stays.
    store.deleteTheme("Purpular");
    auto listed = names();
    EXPECT_EQ(std::count(listed.begin(), listed.end(), "Purpular"), 1);
    EXPECT_EQ(std::count(listed.begin(), listed.end(), "Purpular (user)"), 0);
    store.deleteTheme("Samurai Jill");
    EXPECT_EQ(names().size(), 10u);
}

TEST_F(StyleStore, TheModifiedTestAndTheMarksCompareStripBackgroundAndFontFaceOnly)
{
    // Same three colours as "Autumn Line", another highlight; and a user style named like a built-in
    // one with other colours.
    storeThemes({entry("Autumn Copy", 0x85530DFF, 0x9C2F1DFF, 0xFFFFFFFF, 0xFF0000FF),
                 entry("Blue Velvet", 0x85530DFF, 0x9C2F1DFF, 0xFFFFFFFF, 0x000000FF)});
    setCurrentColours(0x85530DFF, 0x9C2F1DFF, 0xFFFFFFFF, 0x123456FF);
    store.refreshThemes();
    EXPECT_EQ(names(true), (std::vector<std::string>{"Autumn Copy (user)", "Autumn Line", "Blue Velvet (user)"}));
    EXPECT_TRUE(store.themeOfCurrentColorsExistsSelect(false));

    const std::pair<const char*, bool> cases[] = {
        {"Autumn Line", false}, // the highlight is not compared
        {"Autumn Copy", false},
        {"autumn line", true},  // names are compared exactly
        {"Nowhere", true},
        {"Blue Velvet", true},  // the built-in record of that name comes first
    };
    for (const auto& [name, modified] : cases)
        EXPECT_EQ(store.styleIsModified(name), modified) << name;

    // A strip faded below full opacity matches no built-in style.
    setCurrentColours(0x1B1C1CFE, 0xA8A8A8FF, 0xFFFFFFFF, 0x000000FF);
    EXPECT_FALSE(store.themeOfCurrentColorsExistsSelect(true));
    EXPECT_TRUE(names(true).empty());
    EXPECT_TRUE(store.styleIsModified("Artsy Photograph"));
}
