#include "support/Files.h"

#include "Dialogs/PhotoSourceDialogViewController.h"
#include "MainViewController.h"

#include "platform/Application.h"
#include "platform/Button.h"
#include "platform/ImagePickerController.h"
#include "platform/ImageView.h"
#include "platform/Label.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

using platform::ImagePickerController;
using namespace testing_support;

namespace {

struct PhotoSource : ::testing::Test {
    TestApp t;

    // A 1200 x 800 photograph, red on the left half and blue on the right.
    std::string writePhoto()
    {
        QImage image(1200, 800, QImage::Format_RGB32);
        image.fill(Qt::red);
        QPainter(&image).fillRect(600, 0, 600, 800, Qt::blue);
        auto path = (t.home->path() / "holiday.png").string();
        EXPECT_TRUE(image.save(QString::fromStdString(path)));
        return path;
    }
    // A 640 x 480 camera frame: red, but for a green quarter on the left and a blue one on the right,
    // which a viewfinder filling the classic screen crops away.
    static platform::ImageRef cameraFrame()
    {
        QImage image(640, 480, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::red);
        QPainter painter(&image);
        painter.fillRect(0, 0, 160, 480, Qt::green);
        painter.fillRect(480, 0, 160, 480, Qt::blue);
        painter.end();
        return desktop::toPlatformImage(image);
    }
    // With a camera plugged in and no photograph, the menu's Photo opens the dialog; its Camera, the viewfinder.
    void openCamera()
    {
        t.camera.present = true;
        t.tapAndSettle({"main.photo", "photo.camera"});
        ASSERT_TRUE(t.camera.isRunning());
    }
    platform::ImageRef wallpaper() { return t.view<platform::ImageView>("wallpaper").image(); }
    bool wallpaperKept() { return std::filesystem::exists(t.home->documentsDir() / "wallpaper.jpg"); }
    ImagePickerController* picker() { return dynamic_cast<ImagePickerController*>(t.main().modalViewController()); }
};

} // namespace

TEST_F(PhotoSource, TheDialogPreviewsThePhotographAndTheEditorFramesWhatTheUserMoved)
{
    PhotoSourceDialogViewController dialog("PhotoSourceDialog", t.main());
    t.main().pushDialog(dialog);
    t.settle();
    auto& preview = t.view<platform::ImageView>("photo.preview");
    EXPECT_FALSE(preview.image()) << "no photograph yet";
    EXPECT_FALSE(t.find<platform::Button>("photo.camera").isEnabled()) << "no camera plugged in";
    t.tapAndSettle("photo.camera");
    EXPECT_EQ(picker(), nullptr);

    t.tapAndSettle("photo.library");
    t.choose(writePhoto());
    // Dragged right as far as it goes, then scaled up by the wheel at the left edge: all red.
    t.drag({100, 240}, {300, 240});
    t.wheel({0, 240}, 200);
    EXPECT_FLOAT_EQ(picker()->framing()->frame().x(), 0);
    EXPECT_GT(picker()->framing()->frame().height(), 480);
    const float outputScale = picker()->framing()->outputScale();
    t.tapAndSettle("picker.choose");

    ASSERT_TRUE(preview.image());
    EXPECT_EQ(preview.image(), wallpaper());
    EXPECT_TRUE(wallpaperKept());
    const platform::Image& framed = *wallpaper();
    // Closer in, each point holds fewer of the photograph's pixels; the picture keeps to those.
    EXPECT_EQ(framed.width, std::lround(320 * outputScale));
    EXPECT_LT(framed.width, 533);
    EXPECT_EQ(rgbAt(desktop::toQImage(framed), 0, framed.height / 2), 0xFF0000u);
    EXPECT_EQ(rgbAt(desktop::toQImage(framed), framed.width - 1, framed.height / 2), 0xFF0000u);
    EXPECT_TRUE(t.isReachable("photo.library")) << "back at the dialog";

    // The same without a pointer: the arrows move the photograph, Page Up scales it, Choose takes it.
    t.tapAndSettle("photo.library");
    t.choose(writePhoto());
    const platform::Rect framedFirst = picker()->framing()->frame();
    auto tabTo = [&](const std::string& id) {
        for (int i = 0; i < 10 && !(t.app().focusedView() && t.app().focusedView()->identifier() == id); ++i)
            t.press(platform::Key::Tab);
    };
    tabTo("picker.editor");
    t.press(platform::Key::Right);
    EXPECT_GT(picker()->framing()->frame().x(), framedFirst.x());
    t.press(platform::Key::PageUp);
    EXPECT_GT(picker()->framing()->frame().height(), framedFirst.height());
    const platform::ImageRef before = wallpaper();
    tabTo("picker.choose");
    t.press(platform::Key::Return);
    t.settle();
    EXPECT_NE(wallpaper(), before);
    EXPECT_TRUE(t.isReachable("photo.library"));
}

TEST_F(PhotoSource, CancellingEitherWindowOrAnUnreadableFileChangesNothing)
{
    const auto before = wallpaper();
    const auto junk = t.home->path() / "not-a-photo.jpg";
    writeFile(junk, "certainly not a JPEG");
    // The file window cancelled; the editor cancelled; a file that is no photograph.
    const std::pair<std::optional<std::string>, bool> rows[] = {{std::nullopt, false}, {writePhoto(), true}, {junk.string(), false}};
    for (const auto& [file, cancelInEditor] : rows) {
        t.tapAndSettle("main.photo"); // without a camera, the library at once
        t.choose(file);
        if (cancelInEditor)
            t.tapAndSettle("picker.cancel");
        EXPECT_EQ(picker(), nullptr) << file.value_or("no file");
        EXPECT_TRUE(t.isReachable("main.photo")) << file.value_or("no file");
    }
    EXPECT_TRUE(t.log.contains("not-a-photo.jpg"));
    EXPECT_EQ(wallpaper(), before);
    EXPECT_FALSE(wallpaperKept());
}

TEST_F(PhotoSource, RemovePhotoShowsTheBackgroundColourAgainAndDeletesTheKeptFiles)
{
    const auto documents = t.home->documentsDir();
    auto kept = [&] {
        int n = 0;
        for (const char* name : {"wallpaper.jpg", "wallpaper-original.jpg", "wallpaper-framing.json"})
            n += std::filesystem::exists(documents / name);
        return n;
    };
    t.tapAndSettle("main.photo"); // without a camera or a photograph, the library at once
    t.choose(writePhoto());
    t.tapAndSettle("picker.choose");
    ASSERT_TRUE(wallpaper());
    ASSERT_EQ(kept(), 3);

    // With a photograph to remove, the menu's Photo opens the dialog, whose Camera follows the camera
    // being plugged in or out between showings.
    t.tapAndSettle("main.photo");
    EXPECT_FALSE(t.find<platform::Button>("photo.camera").isEnabled());
    t.camera.present = true;
    t.tapAndSettle({"dialog.back", "main.photo"});
    EXPECT_TRUE(t.find<platform::Button>("photo.camera").isEnabled());
    t.camera.present = false;
    t.tapAndSettle("photo.remove");
    EXPECT_FALSE(wallpaper());
    EXPECT_EQ(kept(), 0);
    EXPECT_FALSE(t.view<platform::ImageView>("photo.preview").image());
    EXPECT_FALSE(t.find<platform::Button>("photo.remove").isEnabled()) << "nothing left to remove";
    t.main().setBGColor(platform::Color::rgb255(0, 200, 0));
    EXPECT_EQ(rgbAt(t.screenshot(), 5, 300), 0x00C800u) << "the background colour shows beside the dialog";
    t.tapAndSettle("dialog.back");
    t.tapAndSettle("main.photo");
    EXPECT_TRUE(t.chooser.isAsking()) << "nothing to remove: the library at once";
    t.choose(std::nullopt);

    // Removed by another process (the command line), it goes from the window at the next refresh.
    QImage red(32, 48, QImage::Format_RGB32);
    red.fill(Qt::red);
    t.main().setWallpaperImage(desktop::toPlatformImage(red));
    ASSERT_TRUE(t.main().saveImage(*wallpaper()));
    std::filesystem::remove(documents / "wallpaper.jpg");
    t.main().viewWillAppear(false);
    EXPECT_FALSE(wallpaper());
}

TEST_F(PhotoSource, TheCameraTakesTheViewfindersFrameIntoTheEditorAndTheWallpaper)
{
    openCamera();
    EXPECT_EQ(t.view<platform::Label>("picker.hint").text(), "Starting the camera…");
    EXPECT_FALSE(t.view<platform::Button>("picker.shutter").isEnabled()) << "nothing to take yet";

    t.camera.send(cameraFrame());
    t.settle();
    EXPECT_FALSE(t.view("picker.hint").isEffectivelyVisible());
    // The frame fills the screen cropped, not squeezed: the green and blue edges are outside it.
    const QImage shown = t.screenshot();
    for (int x : {2, 160, 317})
        EXPECT_EQ(rgbAt(shown, x, 240), 0xFF0000u) << x;
    // A frame repaints the viewfinder alone, not the status bar above it.
    t.app().takeDamage(t.clock.now());
    t.camera.send(cameraFrame());
    const auto damage = t.app().takeDamage(t.clock.now());
    ASSERT_EQ(damage.size(), 1u);
    EXPECT_EQ(damage[0], t.view("picker.viewfinder").shownRectInWindow(t.clock.now()));
    EXPECT_GE(damage[0].y(), platform::Application::statusBarHeight);

    t.tapAndSettle("picker.shutter");
    EXPECT_FALSE(t.camera.isRunning()) << "the shutter stops the camera";
    EXPECT_FALSE(t.isReachable("picker.shutter"));
    ASSERT_TRUE(picker()->framing());
    EXPECT_EQ(picker()->framing()->frame(), (platform::Rect{-160, 0, 640, 480})) << "the editor starts where the viewfinder was";
    t.tapAndSettle("picker.choose");

    ASSERT_TRUE(wallpaper());
    EXPECT_TRUE(wallpaperKept());
    const QImage framed = desktop::toQImage(*wallpaper());
    EXPECT_EQ(rgbAt(framed, 0, framed.height() / 2), 0xFF0000u);
    EXPECT_EQ(rgbAt(framed, framed.width() - 1, framed.height() / 2), 0xFF0000u);
    EXPECT_TRUE(t.isReachable("photo.library")) << "back at the dialog";
}

TEST_F(PhotoSource, ACameraThatFailsSaysWhyAndCancelLeavesEverythingAsItWas)
{
    // Failing before any frame or after some; cancelled while running.
    const std::pair<int, std::string> rows[] = {{0, "The camera cannot be used: Device is busy"}, {2, "The camera was unplugged."}, {1, ""}};
    for (const auto& [frames, failure] : rows) {
        SCOPED_TRACE(failure);
        openCamera();
        for (int i = 0; i < frames; ++i)
            t.camera.send(cameraFrame());
        if (!failure.empty()) {
            t.camera.fail(failure);
            t.settle();
            EXPECT_FALSE(t.camera.isRunning());
            const auto& hint = t.view<platform::Label>("picker.hint");
            EXPECT_TRUE(hint.isEffectivelyVisible());
            EXPECT_EQ(hint.text(), failure);
            EXPECT_FALSE(t.isReachable("picker.shutter"));
        }
        t.tapAndSettle("picker.cancel");
        EXPECT_FALSE(t.camera.isRunning());
        EXPECT_EQ(picker(), nullptr);
        EXPECT_TRUE(t.isReachable("photo.camera"));
        t.tapAndSettle("dialog.back");
    }
    EXPECT_FALSE(wallpaper());
    EXPECT_FALSE(wallpaperKept());
}
