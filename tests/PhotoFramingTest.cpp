#include "platform/PhotoFraming.h"

#include <gtest/gtest.h>

using platform::PhotoFraming;
using platform::Point;
using platform::Rect;
using platform::Size;

namespace {

constexpr Size screen{320, 480};

void expectCovers(const PhotoFraming& f)
{
    Rect r = f.frame();
    EXPECT_LE(r.x(), 0.001f);
    EXPECT_LE(r.y(), 0.001f);
    EXPECT_GE(r.maxX(), screen.width - 0.001f);
    EXPECT_GE(r.maxY(), screen.height - 0.001f);
}

} // namespace

TEST(PhotoFraming, StartsCentredJustCoveringTheScreen)
{
    PhotoFraming wide(Size{3000, 2000}, screen); // scaled to 720 x 480
    EXPECT_FLOAT_EQ(wide.frame().height(), 480);
    EXPECT_FLOAT_EQ(wide.frame().x(), -200);
    EXPECT_FLOAT_EQ(wide.frame().y(), 0);
    PhotoFraming tall(Size{100, 1000}, screen); // scaled to 320 x 3200
    EXPECT_FLOAT_EQ(tall.frame().width(), 320);
    EXPECT_FLOAT_EQ(tall.frame().y(), -1360);
}

TEST(PhotoFraming, ZoomKeepsThePointUnderTheAnchor)
{
    PhotoFraming f(Size{3000, 2000}, screen);
    const Point anchor{100, 300};
    const Rect before = f.frame();
    f.zoom(2, anchor);
    const Rect after = f.frame();
    EXPECT_NEAR(after.x() + (anchor.x - before.x()) / before.width() * after.width(), anchor.x, 0.01f);
    EXPECT_NEAR(after.y() + (anchor.y - before.y()) / before.height() * after.height(), anchor.y, 0.01f);
}

TEST(PhotoFraming, NeitherPanNorZoomEverUncoversTheScreen)
{
    PhotoFraming f(Size{3000, 2000}, screen);
    f.zoom(2, {100, 300});
    f.pan(1000, 1000);
    expectCovers(f);
    EXPECT_FLOAT_EQ(f.frame().x(), 0);
    f.pan(-5000, -5000);
    expectCovers(f);
    f.zoom(0.1f, {0, 0}); // below covering: stays covering
    EXPECT_FLOAT_EQ(f.frame().height(), 480);
    expectCovers(f);
    f.zoom(100, {160, 240}); // beyond the closest: stops there
    EXPECT_FLOAT_EQ(f.frame().height(), 480 * PhotoFraming::maxZoom);
    expectCovers(f);
}

TEST(PhotoFraming, OutputIsTwiceTheScreenOrThePhotographsOwnDensity)
{
    PhotoFraming large(Size{3000, 2000}, screen);
    EXPECT_FLOAT_EQ(large.outputScale(), 2);
    PhotoFraming small(Size{400, 300}, screen); // covers at 1.6 points per pixel
    EXPECT_FLOAT_EQ(small.outputScale(), 0.625f);

    Rect crop = large.cropRect(); // 2000 / 480 pixels per point
    EXPECT_NEAR(crop.height(), 2000, 0.5f);
    EXPECT_NEAR(crop.width(), 320 * 2000 / 480.0f, 0.5f);
    EXPECT_NEAR(crop.x(), (3000 - crop.width()) / 2, 0.5f);
}
