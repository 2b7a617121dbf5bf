#pragma once

#include <QImage>

#include <optional>
#include <string>

namespace desktop {

// What a QR code in a picture says, read from its pixels as a phone's camera would; nothing when
// no code can be read there.
std::optional<std::string> readQrCode(const QImage& picture);

} // namespace desktop
