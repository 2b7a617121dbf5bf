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

bool withinLimit(QSize size)
{
    return size.isValid() && qint64(size.width()) * size.height() <= platform::ImageCodec::maxPixels;
}

// Reads the image the reader holds, refusing images whose declared size is beyond the limit before
// any pixel is decoded, so a decompression bomb costs nothing.
platform::ImageRef read(QImageReader& reader, int maxSide)
{
    reader.setAutoTransform(true);
    QSize size = reader.size();
    if (size.isValid() && maxSide > 0 && std::max(size.width(), size.height()) > maxSide) {
        // Photographs: scaled while decoding (JPEG decodes at a fraction of its size directly).
        QSize scaled = size.scaled(maxSide, maxSide, Qt::KeepAspectRatio);
        if (qint64(size.width()) * size.height() > 20 * platform::ImageCodec::maxPixels)
            return nullptr;
        reader.setScaledSize(scaled.expandedTo({1, 1}));
    } else if (size.isValid() && !withinLimit(size)) {
        return nullptr;
    }
    QImage image = reader.read();
    if (image.isNull() || !withinLimit(image.size()))
        return nullptr;
    return toPlatformImage(image.convertToFormat(QImage::Format_ARGB32_Premultiplied));
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
