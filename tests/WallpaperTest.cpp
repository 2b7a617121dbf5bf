// The wallpaper on the main screen: what the refresh shows of the stored settings, the setters, the
// model kept in step with the views, layout previews and the photograph.
#include "support/TestApp.h"

#include "MainViewController.h"
#include "PackedColor.h"
#include "SettingsKeys.h"

#include "platform/Application.h"
#include "platform/ImageView.h"
#include "platform/Label.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

using platform::Color;
using platform::Label;
using testing_support::TempHome;
using testing_support::TestApp;

namespace {

struct Wallpaper : ::testing::Test {
    TestApp t;
    MainViewController& m = t.main();
    platform::SettingsStore& settings = t.app().settings();

    bool shown(const char* id) { return !t.view(id).isHidden(); }
    std::string visibleLayout()
    {
        std::string s;
        for (const char* layout : {"classic", "split", "topOnly"})
            if (shown(("layout." + std::string(layout)).c_str()))
                s += layout;
        return s.empty() ? "none" : s;
    }
    Label& label(const char* id) { return t.view<Label>(id); }
    void refreshWith(const char* key, platform::SettingsStore::Value value)
    {
        settings.setObject(key, std::move(value));
        m.viewWillAppear(false);
    }
};

} // namespace

TEST_F(Wallpaper, AFirstStartShowsTheTopOnlySplitFormInTheDefaultColours)
{
    EXPECT_EQ(visibleLayout(), "topOnly");
    EXPECT_EQ(label("topOnly.contact").text(), "TAVRIN: 911");
    EXPECT_EQ(packColor(label("topOnly.contact").textColor()), 0xFFFFFFFFu);
    EXPECT_EQ(packColor(*label("topOnly.contact").shadowColor()), 0x000000FFu);
    EXPECT_EQ(packColor(*label("topOnly.strip").backgroundColor()), 0x1B1C1CFFu);
    EXPECT_EQ(packColor(m.BGColor()), 0xA8A8A8FFu);
}

TEST_F(Wallpaper, TheSplitLayoutShowsItsLowerStripOnlyForALineOfInformation)
{
    refreshWith(keys::otherPreference, "Reward if found");
    EXPECT_EQ(visibleLayout(), "split");
    EXPECT_EQ(label("split.info").text(), "Reward if found");
    refreshWith(keys::otherPreference, "");
    EXPECT_EQ(visibleLayout(), "topOnly");
}

TEST_F(Wallpaper, TheRefreshShowsTheStoredLayoutAndNoneForAnyOtherValue)
{
    const std::pair<platform::SettingsStore::Value, const char*> rows[] = {
        {"classic", "classic"}, {"none", "none"}, {"Classic", "none"}, {"", "none"}, {"split", "topOnly"}, {5u, "none"}};
    for (const auto& [stored, layout] : rows) {
        refreshWith(keys::stripLayout, stored);
        EXPECT_EQ(visibleLayout(), layout) << stored;
    }
    EXPECT_FALSE(m.isClassicLayout() || m.isSplitLayout() || m.isNoneLayout()) << "5 is no layout at all";
}

// The texts each label shows are in InformationTest.
TEST_F(Wallpaper, TheClassicLayoutLabelsTheContactApartWhileTheSplitLetteringStillFollowsTheColours)
{
    m.setClassicLayout();
    m.setFontFaceColor(Color::rgb255(255, 0, 0));
    EXPECT_EQ(visibleLayout(), "classic");
    EXPECT_EQ(label("classic.tavrin").text(), "TAVRIN:");
    EXPECT_EQ(packColor(label("split.contact").textColor()), 0xFF0000FFu);
}

TEST_F(Wallpaper, SettersPreviewWithoutStoringAndStoreWhenAsked)
{
    m.setStripColor(Color::rgb255(10, 20, 30, 0.4f), false);
    EXPECT_EQ(packColor(m.stripColor()), 0x0A141E66u);
    EXPECT_EQ(settings.unsignedForKey(keys::stripColor), 0x1B1C1CFFu);
    m.setStripColor(Color::rgb255(10, 20, 30, 0.4f));
    EXPECT_EQ(settings.unsignedForKey(keys::stripColor), 0x0A141E66u);
}

TEST_F(Wallpaper, TheStripColourReadsTheSameInEveryLayout)
{
    m.setStripColor(Color::rgb255(10, 20, 30, 0.4f));
    for (auto layout : {&MainViewController::setClassicLayout, &MainViewController::setNoLayout}) {
        (m.*layout)();
        EXPECT_EQ(packColor(m.stripColor()), 0x0A141E66u);
    }
}

TEST_F(Wallpaper, ALayoutPreviewDrawsTheGivenLayoutAndKeepsTheStoredOneEvenWhenAbsent)
{
    auto preview = m.getLayoutPreview("classic");
    ASSERT_TRUE(preview);
    EXPECT_EQ(preview->size(), (platform::Size{320, 460}));
    EXPECT_EQ(settings.stringForKey(keys::stripLayout), "split");
    EXPECT_EQ(visibleLayout(), "topOnly");
    settings.removeObjectForKey(keys::stripLayout);
    m.getLayoutPreview("classic");
    EXPECT_EQ(settings.valueForKey(keys::stripLayout), nullptr);
    EXPECT_EQ(platform::SettingsStore(settings.file(), t.log).valueForKey(keys::stripLayout), nullptr);
}

TEST_F(Wallpaper, ViewsAndModelAgreeAfterAnySequenceOfSetters)
{
    std::mt19937 random(42);
    auto colour = [&] { return unpackColor(std::uint32_t(random())); };
    const std::vector<std::function<void()>> setters = {
        [&] { m.setStripColor(colour(), random() % 2); },
        [&] { m.setBGColor(colour(), random() % 2); },
        [&] { m.setFontFaceColor(colour(), random() % 2); },
        [&] { m.setFontHighlightColor(colour(), random() % 2); },
        [&] { m.setClassicLayoutSaveDefaults(random() % 2); },
        [&] { m.setSplitLayoutSaveDefaults(random() % 2); },
        [&] { m.setNoLayoutSaveDefaults(random() % 2); },
        [&] { m.setSelectedStyleName("Style " + std::to_string(random() % 5)); },
        [&] { m.viewWillAppear(false); },
        [&] { m.getLayoutPreview(random() % 2 ? "classic" : "split"); },
    };
    for (int step = 0; step < 120 && !HasFailure(); ++step) {
        setters[random() % setters.size()]();
        SCOPED_TRACE(step);
        const WallpaperStyle& style = m.style();
        EXPECT_EQ(packColor(m.stripColor()), style.stripColor);
        EXPECT_EQ(packColor(m.BGColor()), style.backgroundColor);
        EXPECT_EQ(packColor(m.fontFaceColor()), style.fontFaceColor);
        EXPECT_EQ(packColor(m.fontHighlightColor()), style.fontHighlightColor);
        EXPECT_EQ(shown("layout.classic"), style.layout == StripLayout::Classic);
        EXPECT_EQ(shown("layout.split") || shown("layout.topOnly"), style.layout == StripLayout::Split);
        EXPECT_EQ(label("classic.contact").text(), style.contact);
    }
    // And what is stored reads back as what the refresh then shows.
    m.viewWillAppear(false);
    WallpaperStyle stored = WallpaperStyle::read(settings);
    stored.hasPhotograph = m.style().hasPhotograph;
    EXPECT_EQ(stored, m.style());
}

// Photographs that cannot be shown are in BadInputTest.
TEST(WallpaperPhoto, ASavedPhotographIsShownAfterARestart)
{
    auto home = std::make_shared<TempHome>();
    {
        TestApp t(home);
        platform::Image photo;
        photo.width = 64;
        photo.height = 96;
        photo.bytesPerRow = 64 * 4;
        photo.bytes.resize(size_t(64 * 96 * 4));
        for (size_t i = 0; i < photo.bytes.size(); i += 4) // opaque orange, B G R A in memory
            std::copy_n("\x20\x80\xF0\xFF", 4, &photo.bytes[i]);
        ASSERT_TRUE(t.main().saveImage(photo));
    }
    TestApp t(home);
    auto shown = t.view<platform::ImageView>("wallpaper").image();
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->width, 64);
    t.main().hideTopDialog();
    t.settle();
    unsigned px = testing_support::rgbAt(t.screenshot(1), 160, 300);
    EXPECT_NEAR(int(px >> 16), 0xF0, 6);
    EXPECT_NEAR(int((px >> 8) & 0xFF), 0x80, 6);
}
