// The shell's image codec and its captures into the photo album.
#include "support/TestApp.h"

#include "MainViewController.h"

#include "desktop/QtImageCodec.h"

#include "platform/Application.h"

#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>

#include <fstream>

using namespace testing_support;

namespace {

std::vector<std::uint8_t> encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return {bytes.begin(), bytes.end()};
}

} // namespace

TEST(Codec, DecodesToAlphaFirstSoWhiteReadsAsAllOnes)
{
    QImage white(3, 2, QImage::Format_RGB888);
    white.fill(Qt::white);
    desktop::QtImageCodec codec;
    auto image = codec.decode(encoded(white, "PNG"));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->alphaInfo, platform::AlphaPremultipliedFirst);
    EXPECT_EQ(image->bitsPerPixel, 32);
    EXPECT_GE(image->bytesPerRow, 12);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(image->bytes[size_t(i)], 0xFF);
}

TEST(Codec, TellsQtFormatsInThePlatformsNumbering)
{
    EXPECT_EQ(desktop::alphaInfoOf(QImage::Format_RGBA8888_Premultiplied), 1);
    EXPECT_EQ(desktop::alphaInfoOf(QImage::Format_ARGB32), 4);
    EXPECT_EQ(desktop::alphaInfoOf(QImage::Format_RGBX8888), 5);
    EXPECT_EQ(desktop::alphaInfoOf(QImage::Format_RGB32), 6);
    EXPECT_EQ(desktop::alphaInfoOf(QImage::Format_Grayscale8), 0);
}

// The files it must refuse are in BadInputTest's table of photographs.
TEST(Codec, ScalesALargePhotographWhileDecodingIt)
{
    desktop::QtImageCodec codec;
    TempHome home;
    // A 48-megapixel phone photograph: beyond what is decoded in full, but a JPEG scales as it decodes.
    auto path = home.path() / "big.jpg";
    QImage big(8000, 6000, QImage::Format_Grayscale8);
    big.fill(0);
    ASSERT_TRUE(big.save(QString::fromStdString(path.string()), "JPEG"));
    auto photo = codec.decodePhotoFile(path.string(), 1000);
    ASSERT_TRUE(photo);
    EXPECT_EQ(photo->width, 1000);
    EXPECT_EQ(photo->height, 750);
    EXPECT_FALSE(codec.decodeFile(path.string())) << "beyond what is decoded in full";
}

TEST(Codec, KeepsAJpegMissingItsLastBytesGreyAtTheBottom)
{
    desktop::QtImageCodec codec;
    QImage red(64, 64, QImage::Format_RGB32);
    red.fill(Qt::red);
    auto jpeg = encoded(red, "JPEG");
    jpeg.resize(jpeg.size() - 12);
    auto cut = codec.decode(jpeg);
    ASSERT_TRUE(cut);
    const QRgb top = desktop::toQImage(*cut).pixel(10, 10);
    EXPECT_GT(qRed(top) - qGreen(top), 200) << "the picture, not the grey fill";
}

TEST(AlbumCapture, SavesTheScreenAsANewPictureNeverOverwritingOne)
{
    TestApp t;
    std::string error;
    std::vector<std::filesystem::path> names;
    for (int i = 0; i < 3; ++i) {
        auto saved = t.runtime().captureScreenToAlbum(error);
        ASSERT_TRUE(saved) << error;
        names.push_back(*saved);
    }
    EXPECT_EQ(names[0].parent_path(), t.home->albumDir());
    const std::string name = names[0].filename().string();
    EXPECT_TRUE(name.starts_with("wallpaper-") && name.ends_with(".png")) << name;
    // Taken in the same second (the clock stands still): the later ones get a suffix.
    const std::string stem = name.substr(0, name.size() - 4);
    EXPECT_EQ(names[1].filename().string(), stem + "-2.png");
    EXPECT_EQ(names[2].filename().string(), stem + "-3.png");

    QImage saved(QString::fromStdString(names[0].string()));
    EXPECT_EQ(saved.size(), QSize(320, 480));
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), t.screenshot(1).convertToFormat(QImage::Format_RGB32));
}

TEST(AlbumCapture, SaysWhichAlbumItCannotMake)
{
    TestApp t;
    std::string error;
    // A plain file where the pictures folder should be: even root cannot create a folder in it.
    std::ofstream(t.home->path() / "blocker") << "x";
    setenv("XDG_PICTURES_DIR", (t.home->path() / "blocker").c_str(), 1);
    EXPECT_FALSE(t.runtime().captureScreenToAlbum(error));
    EXPECT_NE(error.find("blocker"), std::string::npos) << error;
}
