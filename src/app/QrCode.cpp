#include "QrCode.h"

#include <qrencode.h>

#include <memory>

std::optional<QrCode> QrCode::encode(const std::string& text)
{
    if (text.empty())
        return std::nullopt;
    // Case kept: "tel:" must read back as written. The encoder picks the modes that make it smallest.
    std::unique_ptr<QRcode, decltype(&QRcode_free)> code(QRcode_encodeString(text.c_str(), 0, QR_ECLEVEL_M, QR_MODE_8, 1),
                                                         &QRcode_free);
    if (!code)
        return std::nullopt;
    const int size = code->width;
    std::vector<bool> dark(std::size_t(size) * std::size_t(size));
    for (std::size_t i = 0; i < dark.size(); ++i)
        dark[i] = code->data[i] & 1; // the lowest bit is the module's colour; the rest says what it is for
    return QrCode(size, std::move(dark));
}
