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

using platform::Color;
using platform::Image;
using platform::ImageRef;
using platform::Point;
using testing_support::TestApp;

namespace {

// Hands out the real palettes claiming another pixel layout, as another decoder might.
class RelayingCodec final : public platform::ImageCodec {
public:
    platform::ImageCodec* inner = nullptr;
    int alphaInfo = platform::AlphaNone;

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
        auto copy = std::make_shared<Image>(*original);
        copy->alphaInfo = alphaInfo;
        return copy;
    }
};

struct BGOptions : ::testing::Test {
    RelayingCodec codec;
    TestApp t;
    MainViewController& main = t.main();
    platform::SettingsStore& settings = t.app().settings();
    BGOptionsDialogViewController dialog{"BGOptionsDialog", main};

    void open()
    {
        main.pushDialog(dialog);
        t.settle();
    }
    platform::ImageView& palette() { return t.view<platform::ImageView>("bg.paletteImage"); }
    Point onPalette(float x, float y) { return palette().convertToWindow({x, y}); }
    std::uint32_t stored() { return settings.unsignedForKey(keys::bgColor).value_or(0xDEADBEEF); }
    Color shownBackground() { return *t.view<platform::Label>("background.upper").backgroundColor(); }
};

} // namespace

TEST_F(BGOptions, DraggingPreviewsTheBackgroundOpaqueLiftingStoresItAndEndingOffThePaletteStoresNothing)
{
    settings.setObject(keys::stripColor, packColor(Color::rgba(1, 0, 0, 0.3f)));
    main.viewWillAppear(false);
    const std::uint32_t before = stored();
    open();

    t.drag(onPalette(10, 10), onPalette(120, 50), 8, /*lift=*/false);
    Color shown = shownBackground();
    EXPECT_EQ(shown, *SwatchPalette::sample(*palette().image(), {120, 50}, 1.0f, t.log));
    EXPECT_EQ(shown.alpha, 1.0f) << "not the strip's opacity";
    EXPECT_EQ(stored(), before);
    t.app().window().touchUp(onPalette(120, 50));
    t.advance(0);
    EXPECT_EQ(stored(), packColor(shown));

    t.drag(onPalette(50, 30), onPalette(50, 200));
    EXPECT_NE(shownBackground(), shown);
    EXPECT_EQ(stored(), packColor(shown));
}

TEST_F(BGOptions, ArrowsStepAndWrapKeepingThePaletteCentred)
{
    open();
    t.tap("bg.previousPalette");
    EXPECT_EQ(dialog.currentSwatch(), 7);
    EXPECT_EQ(palette().frame().width(), SwatchPalette::roundWidth);
    t.tap("bg.nextPalette");
    EXPECT_EQ(dialog.currentSwatch(), 0);
    EXPECT_EQ(palette().frame().width(), SwatchPalette::spectrumWidth);
    platform::Rect image = palette().frame();
    platform::Rect area = t.view("bg.palette").bounds();
    EXPECT_NEAR(image.x() + image.width() / 2, area.width() / 2, 0.5f);
}

TEST_F(BGOptions, AnUnreadablePixelLayoutIsLoggedAndChangesNothing)
{
    codec.inner = &t.runtime().codec();
    t.app().servicesForTesting().codec = &codec;
    open();
    t.app().servicesForTesting().codec = codec.inner;
    const Color shown = shownBackground();
    const std::uint32_t before = stored();
    t.tapAt(onPalette(100, 40));
    EXPECT_TRUE(t.log.contains("unknown Alpha format"));
    EXPECT_EQ(shownBackground(), shown);
    EXPECT_EQ(stored(), before);
}
