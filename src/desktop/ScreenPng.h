#pragma once

#include <QByteArray>
#include <QImage>

namespace desktop {

// A rendered screen, which is opaque, as PNG bytes: 8-bit RGB, each row stored as its difference from
// the row above, deflated at zlib's fastest level in runs, a large screen in bands on several
// processors. Qt's writer tries every filter on every row, which at a phone's 4.5 million pixels was
// most of an export's time, for a larger file. Empty when the image is null or zlib fails.
QByteArray encodeScreenPng(const QImage& screen);

} // namespace desktop
