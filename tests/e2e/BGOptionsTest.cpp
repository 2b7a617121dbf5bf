#include "support/TestApp.h"

#include "Dialogs/BGOptionsDialogViewController.h"
#include "MainViewController.h"
#include "PackedColor.h"
#include "SettingsKeys.h"
#include "SwatchPalette.h"

#include "platform/Application.h"
#include "platform/ImageView.h"
#include "platform/Label.h"
#include "platform/Window.h"

#include <gtest/gtest.h>

#include <utility>

using platform::Color;
using platform::Image;
using platform::ImageRef;
using platform::Point;
using testing_support::TestApp;

namespace {

// Hands out the real palettes re-laid in another pixel layout, as another decoder might deliver them.
class RelayingCodec final : public platform::ImageCodec {
public:
    platform::ImageCodec* inner = nullptr;
    int alphaInfo = platform::AlphaPremultipliedFirst;

    ImageRef decode(std::span<const std::uint8_t> bytes) override { return inner->decode(bytes); }
    ImageRef decodePhotoFile(const std::string& path, int maxSide) override { return inner->decodePhotoFile(path, maxSide); }
    std::optional<std::vector<std::uint8_t>> encodePng(const Image& image) override { return inner->encodePng(image); }
    std::optional<std::vector<std::uint8_t>> encodeJpeg(const Image& image, float quality) override
    {
        return inner->encodeJpeg(image, quality);
    }
    ImageRef decodeFile(const std::string& path) override
    {
        ImageRef original = inner->decodeFile(path);
        if (!original)
            return original;
        auto copy = std::make_shared<Image>();
        copy->width = original->width;
        copy->height = original->height;
        copy->bytesPerRow = original->bytesPerRow;
        copy->bitsPerPixel = original->bitsPerPixel;
        copy->bytes = original->bytes;
        copy->alphaInfo = alphaInfo;
        // Alpha-last layouts keep red first in memory.
        bool alphaLast = alphaInfo == platform::AlphaPremultipliedLast || alphaInfo == platform::AlphaLast ||
                         alphaInfo == platform::AlphaNoneSkipLast;
        if (alphaLast)
            for (std::size_t i = 0; i + 3 < copy->bytes.size(); i += 4)
                std::swap(copy->bytes[i], copy->bytes[i + 2]);
        return copy;
    }
};

struct BGOptions : ::testing::Test {
    RelayingCodec codec;
    TestApp t;
    MainViewController& main = t.main();
    platform::SettingsStore& settings = t.app().settings();
    BGOptionsDialogViewController dialog{"BGOptionsDialog"};

    void open()
    {
        main.pushDialog(dialog);
        t.settle();
    }
    void openWithPaletteLayout(int alphaInfo)
    {
        codec.inner = &t.runtime().codec();
        codec.alphaInfo = alphaInfo;
        t.app().servicesForTesting().codec = &codec;
        open();
        t.app().servicesForTesting().codec = codec.inner;
    }
    Point onPalette(float x, float y) { return dialog.colorSwatchImage->convertToWindow({x, y}); }
    std::uint32_t stored(const char* key) { return settings.unsignedForKey(key).value_or(0xDEADBEEF); }
    Color shownBackground() { return *main.upperBackgroundColor->backgroundColor(); }
};

} // namespace

TEST_F(BGOptions, DraggingPreviewsTheBackgroundAndLiftingStoresItOpaque)
{
    settings.setObject(keys::stripColor, packColor(Color::rgba(1, 0, 0, 0.3f)));
    main.viewWillAppear(false);
    const std::uint32_t before = stored(keys::bgColor);
    open();

    t.drag(onPalette(10, 10), onPalette(120, 50), 8, /*lift=*/false);
    Color shown = shownBackground();
    EXPECT_EQ(shown, *SwatchPalette::sample(*dialog.colorSwatchImage->image(), {120, 50}, 1.0f, t.log));
    EXPECT_EQ(shown.alpha, 1.0f);
    EXPECT_EQ(stored(keys::bgColor), before);

    t.app().window().touchUp(onPalette(120, 50));
    t.advance(0);
    EXPECT_EQ(stored(keys::bgColor), packColor(shown));
}

TEST_F(BGOptions, ADragEndingOffThePaletteStoresNothing)
{
    const std::uint32_t before = stored(keys::bgColor);
    open();
    t.drag(onPalette(50, 30), onPalette(50, 200));
    EXPECT_NE(packColor(shownBackground()), before);
    EXPECT_EQ(stored(keys::bgColor), before);
}

TEST_F(BGOptions, ArrowsStepAndWrapKeepingThePaletteCentred)
{
    open();
    t.tap("bg.previousPalette");
    EXPECT_EQ(dialog.currentSwatch(), 7);
    EXPECT_EQ(dialog.colorSwatchImage->frame().width(), SwatchPalette::roundWidth);
    t.tap("bg.nextPalette");
    EXPECT_EQ(dialog.currentSwatch(), 0);
    EXPECT_EQ(dialog.colorSwatchImage->frame().width(), SwatchPalette::spectrumWidth);
    platform::Rect image = dialog.colorSwatchImage->frame();
    platform::Rect area = dialog.colorSwatchImage->superview()->bounds();
    EXPECT_NEAR(image.x() + image.width() / 2, area.width() / 2, 0.5f);
}

// White on the standard palette, read through each pixel layout a decoder may report.
TEST_F(BGOptions, WhiteStoresByThePixelLayoutsScale)
{
    const std::pair<int, std::uint32_t> cases[] = {
        {platform::AlphaPremultipliedFirst, 0xFFFFFFFFu}, {platform::AlphaFirst, 0xFFFFFFFFu},
        {platform::AlphaNoneSkipFirst, 0xFFFFFFFFu},      {platform::AlphaPremultipliedLast, 0xFEFEFEFFu},
        {platform::AlphaLast, 0xFEFEFEFFu},               {platform::AlphaNoneSkipLast, 0xFEFEFEFFu},
    };
    openWithPaletteLayout(platform::AlphaPremultipliedFirst);
    t.app().servicesForTesting().codec = &codec;
    while (dialog.currentSwatch() != 5) // "standard", whose first swatch is white
        t.tap("bg.nextPalette");
    for (auto [alphaInfo, expected] : cases) {
        SCOPED_TRACE(alphaInfo);
        codec.alphaInfo = alphaInfo;
        // Away and back decodes the palette again in the new layout.
        t.tap("bg.nextPalette");
        t.tap("bg.previousPalette");
        t.tapAt(onPalette(12, 8));
        EXPECT_EQ(stored(keys::bgColor), expected);
    }
    t.app().servicesForTesting().codec = codec.inner;
}

TEST_F(BGOptions, AnUnreadablePixelLayoutIsLoggedAndChangesNothing)
{
    openWithPaletteLayout(platform::AlphaNone);
    const Color shown = shownBackground();
    const std::uint32_t before = stored(keys::bgColor);
    t.tapAt(onPalette(100, 40));
    EXPECT_TRUE(t.log.contains("unknown Alpha format"));
    EXPECT_EQ(shownBackground(), shown);
    EXPECT_EQ(stored(keys::bgColor), before);
}
