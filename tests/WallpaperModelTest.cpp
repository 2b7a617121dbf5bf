// The wallpaper as data under the views: the main screen's setters keep views and model in step, and
// the command line, working on the model alone, leaves the same settings as the dialogs do.
#include "support/TestApp.h"

#include "Dialogs/StyleLibraryDialogViewController.h"
#include "MainViewController.h"
#include "PackedColor.h"
#include "SettingsKeys.h"
#include "StyleLibrary.h"
#include "ThemeCellViewController.h"

#include "platform/Application.h"
#include "platform/Label.h"
#include "platform/View.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <nlohmann/json.hpp>
#include <random>

using namespace testing_support;

namespace {

nlohmann::json settingsIn(const TempHome& home)
{
    std::ifstream in(home.settingsFile(), std::ios::binary);
    return nlohmann::json::parse(std::string(std::istreambuf_iterator<char>(in), {}), nullptr, false);
}

void expectViewsShow(MainViewController& main)
{
    const WallpaperStyle& style = main.style();
    EXPECT_EQ(packColor(main.stripColor()), style.stripColor);
    EXPECT_EQ(packColor(main.BGColor()), style.backgroundColor);
    EXPECT_EQ(packColor(main.fontFaceColor()), style.fontFaceColor);
    EXPECT_EQ(packColor(main.fontHighlightColor()), style.fontHighlightColor);
    EXPECT_EQ(!main.classicLayout->isHidden(), style.layout == StripLayout::Classic);
    EXPECT_EQ(!main.splitLayout->isHidden() || !main.splitLayoutTopOnly->isHidden(), style.layout == StripLayout::Split);
    EXPECT_EQ(main.classicContact->text(), style.contact);
}

} // namespace

TEST(WallpaperModel, ViewsAndModelAgreeAfterAnySequenceOfSetters)
{
    TestApp t;
    auto& main = t.main();
    std::mt19937 random(42);
    auto colour = [&] { return unpackColor(std::uint32_t(random())); };
    const std::vector<std::function<void()>> setters = {
        [&] { main.setStripColor(colour(), random() % 2); },
        [&] { main.setBGColor(colour(), random() % 2); },
        [&] { main.setFontFaceColor(colour(), random() % 2); },
        [&] { main.setFontHighlightColor(colour(), random() % 2); },
        [&] { main.setClassicLayoutSaveDefaults(random() % 2); },
        [&] { main.setSplitLayoutSaveDefaults(random() % 2); },
        [&] { main.setNoLayoutSaveDefaults(random() % 2); },
        [&] { main.setSelectedStyleName("Style " + std::to_string(random() % 5)); },
        [&] { main.viewWillAppear(false); },
        [&] { main.getLayoutPreview(random() % 2 ? "classic" : "split"); },
    };
    for (int step = 0; step < 120; ++step) {
        setters[random() % setters.size()]();
        SCOPED_TRACE(step);
        expectViewsShow(main);
        if (HasFailure())
            return;
    }
    // And what is stored reads back as what the refresh then shows.
    main.viewWillAppear(false);
    WallpaperStyle stored = WallpaperStyle::read(t.app().settings());
    stored.hasPhotograph = main.style().hasPhotograph;
    EXPECT_EQ(stored, main.style());
}

TEST(WallpaperModel, CommandsLeaveTheSameSettingsAsTheDialogs)
{
    TestApp t;
    StyleLibraryDialogViewController library{"StyleLibraryDialog", t.main()};
    t.main().pushDialog(library);
    t.settle();
    auto apply = [&](const std::string& name) {
        library.refreshThemes();
        for (std::size_t i = 0; i < library.themes.size(); ++i)
            if (library.themes[i]->name == name)
                return library.didSelectRowAtIndexPath(*library.themeSelectionTable, {0, int(i)});
        FAIL() << name;
    };
    struct Step {
        std::vector<std::string> command;
        std::function<void()> byHand;
    };
    const std::vector<Step> steps = {
        {{"apply", "Purpular"}, [&] { apply("Purpular"); }},
        {{"set", "strip_color", "0x11223380"}, [&] { t.main().setStripColor(unpackColor(0x11223380)); }},
        {{"set", "strip_layout", "classic"}, [&] { t.main().setClassicLayout(); }},
        {{"save-style", "Mine"}, [&] { library.saveStyleToUserDefaults("Mine"); }},
        {{"save-style", "mine"}, [&] { library.saveStyleToUserDefaults("mine"); }},
        {{"apply", "Artsy Photograph"}, [&] { apply("Artsy Photograph"); }},
        {{"delete-style", "Mine"}, [&] { library.deleteTheme("Mine"); }},
    };
    for (const auto& step : steps)
        step.byHand();
    const auto byHand = settingsIn(*t.home);

    auto byCommands = std::make_shared<TempHome>();
    std::string binary = TAVRIN_BINARY;
    for (const auto& step : steps) {
        std::string command = binary;
        for (const auto& a : step.command)
            command += " '" + a + "'";
        ASSERT_EQ(std::system((command + " >/dev/null").c_str()), 0) << command;
    }
    EXPECT_EQ(settingsIn(*byCommands), byHand);
}
