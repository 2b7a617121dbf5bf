#include "support/TestApp.h"

#include "MainViewController.h"
#include "PackedColor.h"
#include "SettingsKeys.h"

#include "platform/ImageView.h"
#include "platform/Label.h"

#include <gtest/gtest.h>

#include <fstream>

using platform::Color;
using testing_support::TempHome;
using testing_support::TestApp;

namespace {

struct Wallpaper : ::testing::Test {
    TestApp t;
    MainViewController& m = t.main();
    platform::SettingsStore& settings = t.app().settings();

    std::string visibleLayout() const
    {
        std::string s;
        if (!m.classicLayout->isHidden())
            s += "classic";
        if (!m.splitLayout->isHidden())
            s += "split";
        if (!m.splitLayoutTopOnly->isHidden())
            s += "topOnly";
        return s.empty() ? "none" : s;
    }
};

} // namespace

TEST_F(Wallpaper, AFirstStartShowsTheTopOnlySplitFormInTheDefaultColours)
{
    EXPECT_EQ(visibleLayout(), "topOnly");
    EXPECT_EQ(m.splitTopOnlyContact->text(), "TAVRIN: 911");
    EXPECT_EQ(packColor(m.splitTopOnlyContact->textColor()), 0xFFFFFFFFu);
    EXPECT_EQ(packColor(*m.splitTopOnlyContact->shadowColor()), 0x000000FFu);
    EXPECT_EQ(packColor(*m.splitStripTopOnlyColor->backgroundColor()), 0x1B1C1CFFu);
    EXPECT_EQ(packColor(m.BGColor()), 0xA8A8A8FFu);
    // What these look like on screen is checked where the wallpaper is captured alone.
}

TEST_F(Wallpaper, TheRefreshFollowsTheStoredTextsAndLayouts)
{
    settings.setObject(keys::otherPreference, "Reward if found");
    m.viewWillAppear(false);
    EXPECT_EQ(visibleLayout(), "split");
    EXPECT_EQ(m.splitInfo->text(), "Reward if found");
    settings.setObject(keys::otherPreference, "");
    m.viewWillAppear(false);
    EXPECT_EQ(visibleLayout(), "topOnly");

    struct Case { const char* stored; const char* shown; } cases[] = {
        {"classic", "classic"}, {"none", "none"}, {"Classic", "none"}, {"", "none"}, {"split", "topOnly"}};
    for (const auto& c : cases) {
        settings.setObject(keys::stripLayout, c.stored);
        m.viewWillAppear(false);
        EXPECT_EQ(visibleLayout(), c.shown) << c.stored;
    }
    settings.setObject(keys::stripLayout, 5u); // not a string: read as absent
    m.viewWillAppear(false);
    EXPECT_EQ(visibleLayout(), "none");
    EXPECT_FALSE(m.isClassicLayout() || m.isSplitLayout() || m.isNoneLayout());
}

TEST_F(Wallpaper, TheClassicLayoutShowsTheLabelAndContactApartWhileSplitLabelsStillFollow)
{
    settings.setObject(keys::phonePreference, "+1 555 0100");
    m.setClassicLayout();
    m.viewWillAppear(false);
    EXPECT_EQ(visibleLayout(), "classic");
    EXPECT_EQ(m.classicTavrin->text(), "TAVRIN:");
    EXPECT_EQ(m.classicContact->text(), "+1 555 0100");
    EXPECT_EQ(m.splitContact->text(), "TAVRIN: +1 555 0100");
    m.setFontFaceColor(Color::rgb255(255, 0, 0));
    EXPECT_EQ(packColor(m.splitContact->textColor()), 0xFF0000FFu);
}

TEST_F(Wallpaper, SettersPreviewWithoutStoringAndStoreWhenAsked)
{
    m.setStripColor(Color::rgb255(10, 20, 30, 0.4f), false);
    EXPECT_EQ(packColor(m.stripColor()), 0x0A141E66u);
    EXPECT_EQ(settings.unsignedForKey(keys::stripColor), 0x1B1C1CFFu);
    m.setStripColor(Color::rgb255(10, 20, 30, 0.4f));
    EXPECT_EQ(settings.unsignedForKey(keys::stripColor), 0x0A141E66u);
    // The classic strip and the split strip stay equal, so the getter reads the same in every layout.
    m.setClassicLayout();
    EXPECT_EQ(packColor(m.stripColor()), 0x0A141E66u);
    m.setNoLayout();
    EXPECT_EQ(packColor(m.stripColor()), 0x0A141E66u);
}

TEST_F(Wallpaper, ALayoutPreviewDrawsTheGivenLayoutAndKeepsTheStoredOne)
{
    auto preview = m.getLayoutPreview("classic");
    ASSERT_TRUE(preview);
    EXPECT_EQ(preview->size(), (platform::Size{320, 460}));
    EXPECT_EQ(settings.stringForKey(keys::stripLayout), "split");
    EXPECT_EQ(visibleLayout(), "topOnly");
    // An absent layout stays absent, in memory and in the file.
    settings.removeObjectForKey(keys::stripLayout);
    m.getLayoutPreview("classic");
    EXPECT_EQ(settings.valueForKey(keys::stripLayout), nullptr);
    EXPECT_EQ(platform::SettingsStore(settings.file(), t.log).valueForKey(keys::stripLayout), nullptr);
}

TEST(WallpaperPhoto, APhotographSurvivesARestartAndABadFileChangesNothing)
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
        EXPECT_FALSE(std::filesystem::exists(home->documentsDir() / "wallpaper.jpg.tmp"));
    }
    {
        TestApp t(home);
        auto shown = t.main().wallpaper->image();
        ASSERT_TRUE(shown);
        EXPECT_EQ(shown->width, 64);
        t.main().hideTopDialog();
        t.settle();
        unsigned px = testing_support::rgbAt(t.screenshot(1), 160, 300);
        EXPECT_NEAR(int(px >> 16), 0xF0, 6);
        EXPECT_NEAR(int((px >> 8) & 0xFF), 0x80, 6);
    }
    // An undecodable file: nothing shown, nothing crashes, and the file is left as it is.
    std::ofstream(home->documentsDir() / "wallpaper.jpg") << "not a jpeg";
    TestApp t(home);
    EXPECT_FALSE(t.main().wallpaper->image());
    EXPECT_EQ(std::filesystem::file_size(home->documentsDir() / "wallpaper.jpg"), 10u);
}
