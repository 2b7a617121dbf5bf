#include "desktop/QtImageCodec.h"

#include <QBuffer>
#include <QImageReader>

#include <algorithm>

namespace desktop {

int alphaInfoOf(QImage::Format format)
{
    switch (format) {
    case QImage::Format_RGBA8888_Premultiplied: return platform::AlphaPremultipliedLast;
    case QImage::Format_ARGB32_Premultiplied: return platform::AlphaPremultipliedFirst;
    case QImage::Format_RGBA8888: return platform::AlphaLast;
    case QImage::Format_ARGB32: return platform::AlphaFirst;
    case QImage::Format_RGBX8888: return platform::AlphaNoneSkipLast;
    case QImage::Format_RGB32: return platform::AlphaNoneSkipFirst;
    default: return platform::AlphaNone;
    }
}

namespace {

QImage::Format qtFormatOf(int alphaInfo)
{
    switch (alphaInfo) {
    case platform::AlphaPremultipliedLast: return QImage::Format_RGBA8888_Premultiplied;
    case platform::AlphaPremultipliedFirst: return QImage::Format_ARGB32_Premultiplied;
    case platform::AlphaLast: return QImage::Format_RGBA8888;
    case platform::AlphaFirst: return QImage::Format_ARGB32;
    case platform::AlphaNoneSkipLast: return QImage::Format_RGBX8888;
    case platform::AlphaNoneSkipFirst: return QImage::Format_RGB32;
    default: return QImage::Format_Invalid;
    }
}

std::int64_t pixelsOf(QSize size)
{
    return std::int64_t(size.width()) * size.height();
}

bool withinLimit(QSize size)
{
    return size.isValid() && pixelsOf(size) <= platform::ImageCodec::maxPixels;
}

// JPEG photographs larger than maxPixels are still taken, because Qt's reader scales them through the
// DCT while decoding: on a 2-vCPU machine a 200-megapixel JPEG (the largest phone sensors) decodes
// to 2048 pixels in 0.75 s, a 50-megapixel one in 0.25 s, a 400-megapixel one in 1.2 s. 16384 x 16384
// keeps those photographs and bounds the cost near a second. Every other reader decodes each pixel
// even when scaling (a 400-megapixel PNG took 2.9 s), so those stay at maxPixels (about 0.5 s).
constexpr std::int64_t maxScaledJpegPixels = std::int64_t(16384) * 16384;

// Whether most of the picture is exactly mid-grey: what libjpeg paints for scan data that is not
// there, and Qt's reader still reports success.
bool mostlyMissing(const QImage& image)
{
    std::int64_t grey = 0;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        grey += std::count_if(row, row + image.width(), [](QRgb p) { return (p & 0xFFFFFF) == 0x808080; });
    }
    return grey * 2 > pixelsOf(image.size());
}

// Reads the image the reader holds. The size in the header is checked before any pixel is decoded,
// so a decompression bomb costs nothing; a header that tells no size is not trusted either.
platform::ImageRef read(QImageReader& reader, int maxSide)
{
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    const bool jpeg = reader.format() == "jpeg";
    const bool scaled = size.isValid() && maxSide > 0 && std::max(size.width(), size.height()) > maxSide;
    const std::int64_t limit = scaled && jpeg ? maxScaledJpegPixels : platform::ImageCodec::maxPixels;
    if (!size.isValid() || pixelsOf(size) > limit)
        return nullptr;
    if (scaled)
        reader.setScaledSize(size.scaled(maxSide, maxSide, Qt::KeepAspectRatio).expandedTo({1, 1}));
    // An opaque picture is decoded straight into the bytes kept: a copy would hold a 12-megapixel
    // photograph twice (96 MB) for a moment. Its pixels are the same premultiplied.
    const QSize decoded = scaled ? reader.scaledSize() : size;
    std::shared_ptr<platform::Image> kept;
    QImage image;
    if (reader.imageFormat() == QImage::Format_RGB32 && withinLimit(decoded)) {
        kept = std::make_shared<platform::Image>();
        kept->width = decoded.width();
        kept->height = decoded.height();
        kept->bytesPerRow = decoded.width() * 4;
        kept->alphaInfo = platform::AlphaPremultipliedFirst;
        kept->bytes.resize(size_t(kept->bytesPerRow) * size_t(kept->height));
        image = QImage(kept->bytes.data(), decoded.width(), decoded.height(), kept->bytesPerRow, QImage::Format_RGB32);
        if (!reader.read(&image))
            image = QImage();
    } else {
        image = reader.read();
    }
    if (image.isNull() || !withinLimit(image.size()))
        return nullptr;
    const bool inPlace = kept && image.constBits() == kept->bytes.data() && image.format() == QImage::Format_RGB32;
    if (!inPlace)
        image.convertTo(QImage::Format_ARGB32_Premultiplied);
    // A JPEG cut short near its end is still the user's photograph, with a grey band at the bottom
    // (and the picker shows it before it is chosen). One that is mostly grey fill, its scan data
    // missing or cut early, is no photograph: the background colour shows instead of a grey screen.
    // A picture that really is mostly flat mid-grey goes the same way; photographs never are (noise).
    if (jpeg && mostlyMissing(image))
        return nullptr;
    return inPlace ? kept : toPlatformImage(image);
}

std::optional<std::vector<std::uint8_t>> encode(const platform::Image& image, const char* format, int quality)
{
    QImage q = toQImage(image);
    if (q.isNull())
        return std::nullopt;
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    if (!q.save(&buffer, format, quality))
        return std::nullopt;
    return std::vector<std::uint8_t>(data.begin(), data.end());
}

} // namespace

platform::ImageRef toPlatformImage(const QImage& image, float scale)
{
    if (image.isNull())
        return nullptr;
    auto out = std::make_shared<platform::Image>();
    out->width = image.width();
    out->height = image.height();
    out->scale = scale;
    out->bytesPerRow = int(image.bytesPerLine());
    out->bitsPerPixel = image.depth();
    out->alphaInfo = alphaInfoOf(image.format());
    out->bytes.assign(image.constBits(), image.constBits() + image.sizeInBytes());
    return out;
}

QImage toQImage(const platform::Image& image)
{
    QImage::Format format = qtFormatOf(image.alphaInfo);
    if (image.isNull() || format == QImage::Format_Invalid || image.bitsPerPixel != 32 ||
        image.bytesPerRow < image.width * 4 || image.bytes.size() < size_t(image.bytesPerRow) * size_t(image.height))
        return {};
    return QImage(image.bytes.data(), image.width, image.height, image.bytesPerRow, format);
}

platform::ImageRef QtImageCodec::decode(std::span<const std::uint8_t> bytes)
{
    QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    return read(reader, 0);
}

platform::ImageRef QtImageCodec::decodeFile(const std::string& path)
{
    QImageReader reader(QString::fromStdString(path));
    return read(reader, 0);
}

platform::ImageRef QtImageCodec::decodePhotoFile(const std::string& path, int maxSide)
{
    QImageReader reader(QString::fromStdString(path));
    return read(reader, maxSide);
}

std::optional<std::vector<std::uint8_t>> QtImageCodec::encodePng(const platform::Image& image)
{
    return encode(image, "PNG", -1);
}

std::optional<std::vector<std::uint8_t>> QtImageCodec::encodeJpeg(const platform::Image& image, float quality)
{
    return encode(image, "JPEG", int(std::clamp(quality, 0.0f, 1.0f) * 100));
}

} // namespace desktop
