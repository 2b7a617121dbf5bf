#include "desktop/QrCodeReader.h"

// Text as UTF-8, where this version would otherwise hand out wide strings.
#define ZX_USE_UTF8
#include <ZXing/ReadBarcode.h>

namespace desktop {

std::optional<std::string> readQrCode(const QImage& picture)
{
    const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
    const ZXing::ImageView view(grey.constBits(), grey.width(), grey.height(), ZXing::ImageFormat::Lum,
                                int(grey.bytesPerLine()));
    ZXing::DecodeHints hints;
    hints.setFormats(ZXing::BarcodeFormat::QRCode);
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    if (!result.isValid())
        return std::nullopt;
    return result.text();
}

} // namespace desktop
