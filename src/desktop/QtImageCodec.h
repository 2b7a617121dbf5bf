#pragma once

#include "platform/Services.h"

#include <QImage>

namespace desktop {

// Qt's image formats in the alpha-info numbering the palette sampler reads (0 for any other format).
int alphaInfoOf(QImage::Format format);

// A platform image over Qt's pixels, and a QImage view of a platform image (no copy; valid while the
// image lives).
platform::ImageRef toPlatformImage(const QImage& image, float scale = 1);
QImage toQImage(const platform::Image& image);

// Decoding and encoding through Qt's image plugins. Everything decodes to ARGB32 premultiplied, a
// 32-bit layout with alpha first, so opaque white reads back as 0xFFFFFFFF.
class QtImageCodec final : public platform::ImageCodec {
public:
    platform::ImageRef decode(std::span<const std::uint8_t> bytes) override;
    platform::ImageRef decodeFile(const std::string& path) override;
    platform::ImageRef decodePhotoFile(const std::string& path, int maxSide) override;
    std::optional<std::vector<std::uint8_t>> encodePng(const platform::Image& image) override;
    std::optional<std::vector<std::uint8_t>> encodeJpeg(const platform::Image& image, float quality) override;
};

} // namespace desktop
