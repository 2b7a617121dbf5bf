// Pictures: the shell's codec, the photograph behind the wallpaper (framed, damaged, on a full disk)
// and screen captures into the album.
#include "support/Files.h"

#include "MainViewController.h"

#include "desktop/QtImageCodec.h"

#include "platform/Application.h"
#include "platform/ImageView.h"
#include "platform/PhotoFraming.h"

#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <ctime>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace testing_support;
using platform::PhotoFraming;
using platform::Rect;

namespace {

QImage filled(int width, int height, QColor colour, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(width, height, format);
    image.fill(colour);
    return image;
}

std::string encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes.toStdString();
}

// A red JPEG damaged in the ways a photograph cannot be shown, and cut short in the one way it can.
struct Damaged {
    const char* what;
    std::string bytes;
    bool shown;
};

std::vector<Damaged> damagedJpegs()
{
    const std::string jpeg = encoded(filled(64, 64, Qt::red), "JPEG");
    const std::size_t sos = jpeg.find("\xFF\xDA");
    const std::size_t scan = sos + 2 + std::size_t(std::uint8_t(jpeg[sos + 2]) << 8 | std::uint8_t(jpeg[sos + 3]));
    std::string bomb = jpeg;
    bomb.replace(bomb.find("\xFF\xC0") + 5, 4, "\xEA\x60\xEA\x60");
    return {
        {"cut inside its headers", jpeg.substr(0, 20), false},
        {"a header claiming 60000 x 60000", bomb, false},
        // libjpeg paints missing picture data grey and reports success.
        {"a fifth of its picture data", jpeg.substr(0, scan + (jpeg.size() - scan) / 5), false},
        {"missing its last 12 bytes", jpeg.substr(0, jpeg.size() - 12), true},
    };
}

} // namespace

TEST(Codec, RefusesAPhotographItCannotShowButKeepsOneCutNearItsEnd)
{
    desktop::QtImageCodec codec;
    for (const auto& row : damagedJpegs()) {
        auto image = codec.decode({reinterpret_cast<const std::uint8_t*>(row.bytes.data()), row.bytes.size()});
        ASSERT_EQ(bool(image), row.shown) << row.what;
        if (image) {
            const QRgb top = desktop::toQImage(*image).pixel(10, 10);
            EXPECT_GT(qRed(top) - qGreen(top), 200) << "the picture, not the grey fill";
        }
    }
}

TEST(Codec, ScalesALargePhotographWhileDecodingIt)
{
    desktop::QtImageCodec codec;
    TempHome home;
    // A 48-megapixel phone photograph: beyond what is decoded in full, but a JPEG scales as it decodes.
    auto path = home.path() / "big.jpg";
    ASSERT_TRUE(filled(8000, 6000, Qt::black, QImage::Format_Grayscale8).save(QString::fromStdString(path.string()), "JPEG"));
    auto photo = codec.decodePhotoFile(path.string(), 1000);
    ASSERT_TRUE(photo);
    EXPECT_EQ(photo->width, 1000);
    EXPECT_EQ(photo->height, 750);
    EXPECT_FALSE(codec.decodeFile(path.string())) << "beyond what is decoded in full";
}

// Picking and saving a photograph is in PhotoSourceTest; here the file is put in place by hand.
TEST(Photograph, TheWindowDrawsAStoredOneOrTheBackgroundColourForOneItCannotShowAndLeavesTheFileAlone)
{
    const std::pair<std::string, unsigned> rows[] = {
        {encoded(filled(64, 96, QColor(0xF0, 0x80, 0x20)), "JPEG"), 0xF08020},
        {damagedJpegs()[2].bytes, 0xA8A8A8},
    };
    for (const auto& [bytes, colour] : rows) {
        auto home = std::make_shared<TempHome>();
        const auto file = home->documentsDir() / "wallpaper.jpg";
        writeFile(file, bytes);
        TestApp t(home);
        t.main().hideTopDialog();
        t.settle();
        const unsigned shown = rgbAt(t.screenshot(), 160, 300);
        for (int shift : {16, 8, 0})
            EXPECT_NEAR(int(shown >> shift & 0xFF), int(colour >> shift & 0xFF), 6) << std::hex << colour;
        EXPECT_EQ(readFile(file), bytes);
    }
}

TEST(Photograph, AnotherPhonesShapeIsFramedAnewFromTheKeptOriginal)
{
    // Red on the left, blue on the right; the classic screen framed the middle 400 by 600.
    QImage original = filled(800, 600, Qt::red);
    for (int y = 0; y < 600; ++y)
        std::fill_n(reinterpret_cast<QRgb*>(original.scanLine(y)) + 400, 400, qRgb(0, 0, 255));
    auto home = std::make_shared<TempHome>();
    {
        TestApp t(home);
        ASSERT_TRUE(t.main().saveImage(*desktop::toPlatformImage(original.copy(200, 0, 400, 600))));
        t.main().keepOriginalPhotograph(*desktop::toPlatformImage(original), Rect{200, 0, 400, 600});
        t.app().settings().setObject("device", "iphone-15");
    }
    TestApp t(home);
    const platform::ImageRef shown = t.view<platform::ImageView>("wallpaper").image();
    ASSERT_TRUE(shown);
    // The new shape about the same middle, at the photograph's own density: 277 by 600 pixels.
    EXPECT_NEAR(float(shown->width) / float(shown->height), 393.0f / 852, 0.005f);
    EXPECT_EQ(shown->height, 600);
    const QImage picture = desktop::toQImage(*shown);
    EXPECT_GT(qRed(picture.pixel(10, 300)), 240); // through JPEG: near, not equal
    EXPECT_GT(qBlue(picture.pixel(shown->width - 10, 300)), 240);
    EXPECT_EQ(PhotoFraming::reframedCrop({800, 600}, {700, 0, 100, 600}, {393, 852}).maxX(), 800) << "kept within the photograph";
}

TEST(Photograph, OnAFullDiskTheSaveFailsAndLeavesNothingBehind)
{
    auto home = std::make_shared<TempHome>();
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        TestApp t(home);
        signal(SIGXFSZ, SIG_IGN); // a write past the limit then fails with EFBIG instead of killing
        rlimit limit{64, 64};
        setrlimit(RLIMIT_FSIZE, &limit);
        platform::Image photo;
        photo.width = photo.height = 32;
        photo.bytesPerRow = 128;
        photo.bytes.assign(32 * 128, 0x80);
        _exit(t.main().saveImage(photo) ? 1 : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the failed write was not reported as a failure";
    EXPECT_TRUE(!std::filesystem::exists(home->documentsDir()) || std::filesystem::is_empty(home->documentsDir()));
}

TEST(PhotoFraming, StartsCentredCoveringTheScreenAtThePhonesDensityButAtLeastTwiceOrThePhotographsOwn)
{
    EXPECT_FLOAT_EQ(PhotoFraming(platform::Size{6000, 4000}, {390, 844}, 3).outputScale(), 3);
    EXPECT_FLOAT_EQ(PhotoFraming(platform::Size{400, 300}, {320, 480}, 3).outputScale(), 0.625f); // 1.6 points a pixel
    PhotoFraming large(platform::Size{3000, 2000}, {320, 480}, 1); // 720 x 480 points
    EXPECT_EQ(large.frame(), (Rect{-200, 0, 720, 480}));
    EXPECT_FLOAT_EQ(large.outputScale(), 2);
    Rect crop = large.cropRect(); // 2000 / 480 pixels per point
    EXPECT_NEAR(crop.height(), 2000, 0.5f);
    EXPECT_NEAR(crop.width(), 320 * 2000 / 480.0f, 0.5f);
    EXPECT_NEAR(crop.x(), (3000 - crop.width()) / 2, 0.5f);
}

TEST(PhotoFraming, ZoomKeepsThePointUnderTheAnchorAndNeitherPanNorZoomUncoversTheScreen)
{
    PhotoFraming f(platform::Size{3000, 2000}, {320, 480});
    auto expectCovers = [&] {
        const Rect r = f.frame();
        EXPECT_TRUE(r.x() <= 0.001f && r.y() <= 0.001f && r.maxX() >= 319.999f && r.maxY() >= 479.999f);
    };
    const platform::Point anchor{100, 300};
    const Rect before = f.frame();
    f.zoom(2, anchor);
    const Rect after = f.frame();
    EXPECT_NEAR(after.x() + (anchor.x - before.x()) / before.width() * after.width(), anchor.x, 0.01f);
    EXPECT_NEAR(after.y() + (anchor.y - before.y()) / before.height() * after.height(), anchor.y, 0.01f);
    f.pan(-5000, -5000);
    expectCovers();
    f.zoom(0.1f, {0, 0}); // below covering: stays covering
    EXPECT_FLOAT_EQ(f.frame().height(), 480);
    expectCovers();
    f.zoom(100, {160, 240}); // beyond the closest: stops there
    EXPECT_FLOAT_EQ(f.frame().height(), 480 * PhotoFraming::maxZoom);
    expectCovers();
}

TEST(AlbumCapture, SavesTheScreenAsANewPictureNeverOverwritingOne)
{
    TestApp t;
    std::string error;
    std::vector<std::filesystem::path> names;
    for (int i = 0; i < 3; ++i) {
        t.main().setBGColor(platform::Color::rgb255(40 * i, 0, 0)); // the same picture again would be the same file
        auto saved = t.runtime().captureScreenToAlbum(error);
        ASSERT_TRUE(saved) << error;
        names.push_back(*saved);
    }
    // Named by the local time; taken in the same second (the clock stands still), the later ones get a suffix.
    const std::time_t now = std::chrono::system_clock::to_time_t(t.clock.wallTime());
    char stem[64];
    std::strftime(stem, sizeof stem, "wallpaper-%Y_%m_%d_%H%M%S", std::localtime(&now));
    for (const auto& [i, suffix] : {std::pair{0, ""}, std::pair{1, "-2"}, std::pair{2, "-3"}})
        EXPECT_EQ(names[i], t.home->albumDir() / (stem + std::string(suffix) + ".png"));
    QImage saved(QString::fromStdString(names[2].string()));
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), t.screenshot(1).convertToFormat(QImage::Format_RGB32));

    // A plain file where the pictures folder should be: even root cannot create a folder in it.
    writeFile(t.home->path() / "blocker", "x");
    setenv("XDG_PICTURES_DIR", (t.home->path() / "blocker").c_str(), 1);
    EXPECT_FALSE(t.runtime().captureScreenToAlbum(error));
    EXPECT_NE(error.find("blocker"), std::string::npos) << error;
}
