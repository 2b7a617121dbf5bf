#include "ScreenCatalogue.h"
#include "WallpaperLayout.h"

#include "support/TestApp.h"

#include "desktop/CommandLine.h"

#include <gtest/gtest.h>

#include <QImage>

#include <set>
#include <sstream>

namespace {

const ScreenCatalogue& catalogue() { return ScreenCatalogue::builtIn(); }

} // namespace

TEST(ScreenCatalogue, ListsThePhonesOfTodayWithTheirOwnPixels)
{
    struct Row {
        const char* id;
        int width, height;
    };
    const Row rows[] = {
        {"classic", 320, 480},         {"iphone-se", 750, 1334},       {"iphone-13-mini", 1080, 2340},
        {"iphone-14", 1170, 2532},     {"iphone-15", 1179, 2556},      {"iphone-15-pro-max", 1290, 2796},
        {"iphone-16-pro", 1206, 2622}, {"iphone-16-pro-max", 1320, 2868}, {"pixel-9", 1080, 2424},
        {"pixel-9-pro", 1280, 2856},   {"pixel-9-pro-xl", 1344, 2992}, {"galaxy-s24", 1080, 2340},
        {"galaxy-s24-ultra", 1440, 3120}, {"pinephone", 720, 1440},    {"librem-5", 720, 1440},
    };
    for (const Row& row : rows) {
        const Screen* screen = catalogue().find(row.id);
        ASSERT_NE(screen, nullptr) << row.id;
        EXPECT_EQ(screen->pixelWidth, row.width) << row.id;
        EXPECT_EQ(screen->pixelHeight, row.height) << row.id;
    }
    EXPECT_GE(catalogue().screens().size(), 25u);
    EXPECT_EQ(catalogue().classic().id, "classic");
}

TEST(ScreenCatalogue, EveryScreenLeavesABandForTheStripBetweenItsTopAndBottomRegions)
{
    std::set<std::string> ids;
    for (const Screen& screen : catalogue().screens()) {
        EXPECT_TRUE(ids.insert(screen.id).second) << screen.id;
        EXPECT_GT(screen.ppi, 150) << screen.id;
        EXPECT_FALSE(screen.regions.empty()) << screen.id;
        // Room for the split layout's two strips at the classic screen's size at least.
        EXPECT_GE(screen.freeBand().height(), 236) << screen.id;
    }
    const auto band = catalogue().classic().freeBand();
    EXPECT_EQ(band.top, 116);
    EXPECT_EQ(band.bottom, 384);
}

TEST(ScreenCatalogue, ACustomSizeIsPointsAtAScale)
{
    auto screen = catalogue().resolve("390x844@3");
    ASSERT_TRUE(screen);
    EXPECT_EQ(screen->pixelWidth, 1170);
    EXPECT_EQ(screen->pixelHeight, 2532);
    EXPECT_LT(screen->freeBand().top, screen->freeBand().bottom);
    for (const char* wrong : {"", "390x844", "390x844@", "x844@3", "390x844@0.5", "390x844@9", "100x200@2", "240x320@1",
                              "390x844@3x", "390 x 844@3", "nan x844@3", "iphone-99", "390x844@inf", "200x400@1"})
        EXPECT_FALSE(catalogue().resolve(wrong)) << wrong;
}

TEST(ScreenCatalogue, AMalformedCatalogueIsRefusedNamingTheScreen)
{
    const char* classic = R"({"id": "classic", "name": "c", "maker": "m", "system": "classic",
        "points": [320, 480], "pixels": [320, 480], "ppi": 163, "regions": []})";
    auto with = [&](const std::string& second) { return std::string(R"({"screens": [)") + classic + "," + second + "]}"; };
    const std::string rows[] = {
        "{}",
        with(R"({"id": "Bad Id", "like": "classic"})"),
        with(R"({"id": "classic", "like": "classic"})"),
        with(R"({"id": "a", "like": "b"})"),
        with(R"({"id": "a", "like": "classic", "pixels": [640, 481]})"),
        with(R"({"id": "a", "like": "classic", "regions": [{"kind": "clock", "top": 470, "height": 20}]})"),
        with(R"({"id": "a", "like": "classic", "regions": [{"kind": "moon", "top": 0, "height": 20}]})"),
        with(R"({"id": "a", "like": "classic", "regions": [{"kind": "clock", "height": 20}]})"),
        with(R"({"id": "a", "like": "classic", "ppi": "high"})"),
    };
    for (const auto& json : rows)
        EXPECT_THROW(ScreenCatalogue{json}, ScreenCatalogue::Malformed) << json;
    EXPECT_NO_THROW(ScreenCatalogue{with(R"({"id": "a", "like": "classic"})")});
}

TEST(WallpaperLayout, OnTheClassicScreenTheLayoutsLieWhereTheyAlwaysHave)
{
    WallpaperLayout layout(catalogue().classic());
    EXPECT_EQ(layout.scale(), 1);
    EXPECT_EQ(layout.box(), (platform::Rect{0, 116, 320, 268}));
    EXPECT_EQ(layout.frameOf(WallpaperLayout::Part::ClassicContact), (platform::Rect{14, 216, 292, 64}));
    EXPECT_EQ(layout.fontSizeOf(WallpaperLayout::Part::ClassicContact), 50);
}

TEST(WallpaperLayout, OnEveryScreenTheDefaultsLieInsideItAndClearOfItsLockScreen)
{
    for (const Screen& screen : catalogue().screens()) {
        WallpaperLayout layout(screen);
        for (StripLayout strip : {StripLayout::Classic, StripLayout::Split})
            EXPECT_EQ(layout.problems(strip, true), std::vector<std::string>{}) << screen.id;
        EXPECT_EQ(layout.box().width(), screen.points.width) << screen.id;
        EXPECT_GE(layout.scale(), 0.9f) << screen.id;
        EXPECT_LE(layout.scale(), screen.points.width / 320) << screen.id;
    }
}

TEST(WallpaperLayout, AScreenTooShortForTheLayoutSaysWhichPartIsCoveredAndWhere)
{
    auto screen = catalogue().resolve("320x480@2");
    ASSERT_TRUE(screen);
    WallpaperLayout layout(*screen);
    EXPECT_EQ(layout.scale(), WallpaperLayout::smallestScale);
    auto problems = layout.problems(StripLayout::Split, true);
    ASSERT_FALSE(problems.empty());
    EXPECT_EQ(problems.front().rfind("the upper strip lies under the clock (points ", 0), 0u) << problems.front();
    EXPECT_EQ(layout.problems(StripLayout::None, true), std::vector<std::string>{});
}

// The real export for every phone: its own pixels, and nothing of the wallpaper but the background
// outside the free band; the lettering under no region its lock screen covers.
TEST(WallpaperLayout, EveryPhonesExportIsItsPixelsWithTheLetteringClearOfItsLockScreen)
{
    testing_support::TempHome home;
    const QRgb background = qRgb(0xA8, 0xA8, 0xA8), lettering = qRgb(0xFF, 0xFF, 0xFF);
    for (const Screen& screen : catalogue().screens()) {
        const std::string file = (home.path() / (screen.id + ".png")).string();
        std::ostringstream out, err;
        ASSERT_EQ(desktop::runCommand({"export", "--device", screen.id, "-o", file}, out, err), 0) << err.str();
        QImage picture(QString::fromStdString(file));
        ASSERT_EQ(picture.size(), QSize(screen.pixelWidth, screen.pixelHeight)) << screen.id;
        const float scale = screen.scale();
        const auto band = screen.freeBand();
        auto covered = [&](int x, int y) {
            for (const CoveredRegion& region : screen.regions)
                if (region.rect.contains({float(x) / scale, float(y) / scale}))
                    return true;
            return false;
        };
        int letteringPixels = 0;
        for (int y = 0; y < picture.height(); y += 2) {
            const QRgb* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
            const bool inBand = y >= band.top * scale && y < band.bottom * scale;
            for (int x = 0; x < picture.width(); x += 2) {
                const QRgb pixel = line[x] | 0xFF000000u;
                if (!inBand)
                    ASSERT_EQ(pixel, background) << screen.id << " at " << x << "," << y;
                else if (pixel == lettering && ++letteringPixels && covered(x, y))
                    FAIL() << screen.id << ": lettering under a covered region at " << x << "," << y;
            }
        }
        EXPECT_GT(letteringPixels, 100) << screen.id;
    }
}
