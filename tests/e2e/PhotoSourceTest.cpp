#include "support/FakeFileChooser.h"
#include "support/TestApp.h"

#include "Dialogs/PhotoSourceDialogViewController.h"
#include "MainViewController.h"

#include "platform/Application.h"
#include "platform/Button.h"
#include "platform/ImagePickerController.h"
#include "platform/ImageView.h"

#include <QImage>
#include <QPainter>

#include <fstream>

#include <gtest/gtest.h>

using platform::ImagePickerController;
using testing_support::FakeFileChooser;
using testing_support::TempHome;
using testing_support::TestApp;

namespace {

struct PhotoSource : ::testing::Test {
    std::shared_ptr<TempHome> home = std::make_shared<TempHome>();
    std::unique_ptr<TestApp> t = std::make_unique<TestApp>(home);
    FakeFileChooser chooser;

    void SetUp() override { t->app().servicesForTesting().fileChooser = &chooser; }
    // A 1200 x 800 photograph, red on the left half and blue on the right.
    std::string writePhoto()
    {
        QImage image(1200, 800, QImage::Format_RGB32);
        image.fill(Qt::red);
        QPainter(&image).fillRect(600, 0, 600, 800, Qt::blue);
        auto path = (home->path() / "holiday.png").string();
        EXPECT_TRUE(image.save(QString::fromStdString(path)));
        return path;
    }
    // A pixel of a decoded picture as 0xRRGGBB (four bytes a pixel, blue first in memory).
    static unsigned rgbOf(const platform::Image& image, int x, int y)
    {
        const std::uint8_t* p = image.bytes.data() + std::size_t(y) * std::size_t(image.bytesPerRow) + std::size_t(x) * 4;
        return unsigned(p[2]) << 16 | unsigned(p[1]) << 8 | p[0];
    }
    std::string wallpaperFile() { return (home->documentsDir() / "wallpaper.jpg").string(); }
    ImagePickerController* picker() { return dynamic_cast<ImagePickerController*>(t->main().modalViewController()); }
    // Answers the file window and lets the editor come up.
    void pickFile(std::optional<std::string> path)
    {
        ASSERT_TRUE(chooser.isAsking());
        chooser.answer(path);
        t->settle();
    }
};

} // namespace

TEST_F(PhotoSource, WithoutACameraThePhotoButtonOpensTheLibraryAndAPickSetsAndKeepsTheWallpaper)
{
    t->tapAndSettle("main.photo");
    ASSERT_NE(picker(), nullptr);
    EXPECT_EQ(chooser.asked, 1);
    EXPECT_TRUE(t->isReachable("picker.cancel"));

    pickFile(writePhoto());
    ASSERT_TRUE(picker()->framing());
    t->tapAndSettle("picker.choose");
    EXPECT_EQ(t->main().modalViewController(), nullptr);
    EXPECT_TRUE(t->isReachable("main.photo")); // back at the main menu
    const platform::ImageRef& shown = t->view<platform::ImageView>("wallpaper").image();
    ASSERT_TRUE(shown);
    // The photograph's own density (800 pixels over 480 points) is below twice the screen's.
    EXPECT_EQ(shown->width, 533);
    EXPECT_EQ(shown->height, 800);
    ASSERT_TRUE(std::filesystem::exists(wallpaperFile()));
    // Centred, so the seam of red and blue runs down the middle.
    EXPECT_EQ(rgbOf(*shown, 10, 400), 0xFF0000u);
    EXPECT_EQ(rgbOf(*shown, 522, 400), 0x0000FFu);

    t.reset();
    TestApp restarted(home);
    ASSERT_TRUE(restarted.view<platform::ImageView>("wallpaper").image());
    EXPECT_EQ(restarted.view<platform::ImageView>("wallpaper").image()->width, 533);
}

TEST_F(PhotoSource, TheDialogPreviewsThePhotographAndTheEditorFramesWhatTheUserMoved)
{
    PhotoSourceDialogViewController dialog("PhotoSourceDialog", t->main());
    t->main().pushDialog(dialog);
    t->settle();
    auto& preview = t->view<platform::ImageView>("photo.preview");
    EXPECT_FALSE(preview.image()); // no photograph yet
    // No camera on this machine: its button is there but does nothing.
    EXPECT_FALSE(t->find<platform::Button>("photo.camera").isEnabled());
    dialog.cameraButtonClick();
    EXPECT_EQ(picker(), nullptr);

    t->tapAndSettle("photo.library");
    pickFile(writePhoto());
    // Dragged right as far as it goes, then scaled up by the wheel at the left edge: all red.
    t->drag({100, 240}, {300, 240});
    t->wheel({0, 240}, 200);
    EXPECT_FLOAT_EQ(picker()->framing()->frame().x(), 0);
    EXPECT_GT(picker()->framing()->frame().height(), 480);
    const float outputScale = picker()->framing()->outputScale();
    t->tapAndSettle("picker.choose");

    ASSERT_TRUE(preview.image());
    EXPECT_EQ(preview.image(), t->view<platform::ImageView>("wallpaper").image());
    const platform::Image& framed = *t->view<platform::ImageView>("wallpaper").image();
    // Closer in, each point holds fewer of the photograph's pixels; the picture keeps to those.
    EXPECT_EQ(framed.width, std::lround(320 * outputScale));
    EXPECT_LT(framed.width, 533);
    EXPECT_EQ(rgbOf(framed, 0, framed.height / 2), 0xFF0000u);
    EXPECT_EQ(rgbOf(framed, framed.width - 1, framed.height / 2), 0xFF0000u);
    EXPECT_TRUE(t->isReachable("photo.library")); // back at the dialog
}

TEST_F(PhotoSource, CancellingOrAnUnreadableFileChangesNothing)
{
    const auto before = t->view<platform::ImageView>("wallpaper").image();
    t->tapAndSettle("main.photo");
    pickFile(std::nullopt); // cancelled in the file window
    EXPECT_EQ(picker(), nullptr);

    t->tapAndSettle("main.photo");
    pickFile(writePhoto());
    t->tapAndSettle("picker.cancel"); // cancelled in the editor
    EXPECT_EQ(picker(), nullptr);

    const auto junk = home->path() / "not-a-photo.jpg";
    std::ofstream(junk) << "certainly not a JPEG";
    t->tapAndSettle("main.photo");
    pickFile(junk.string());
    EXPECT_EQ(picker(), nullptr);
    EXPECT_TRUE(t->log.contains("not-a-photo.jpg"));

    EXPECT_EQ(t->view<platform::ImageView>("wallpaper").image(), before);
    EXPECT_FALSE(std::filesystem::exists(wallpaperFile()));
    EXPECT_TRUE(t->isReachable("main.photo"));
}
