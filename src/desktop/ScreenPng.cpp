#include "desktop/ScreenPng.h"

#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

namespace desktop {

namespace {

void putBigEndian(QByteArray& out, std::uint32_t v)
{
    const char bytes[4] = {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
    out.append(bytes, 4);
}

void putChunk(QByteArray& out, const char type[4], const char* data, qsizetype size)
{
    putBigEndian(out, std::uint32_t(size));
    const qsizetype start = out.size();
    out.append(type, 4);
    out.append(data, size);
    putBigEndian(out, std::uint32_t(crc32(0, reinterpret_cast<const Bytef*>(out.constData() + start), uInt(size + 4))));
}

// A row as PNG stores it: its RGB bytes after the filter byte.
void rgbRow(const QImage& screen, int y, unsigned char* rgb)
{
    const QRgb* pixels = reinterpret_cast<const QRgb*>(screen.constScanLine(y));
    const int width = screen.width();
    for (int x = 0; x < width; ++x) {
        // What Qt's conversion to RGB32 gives: a translucent pixel's colour without its alpha.
        const QRgb p = qAlpha(pixels[x]) == 255 ? pixels[x] : qUnpremultiply(pixels[x]);
        rgb[3 * x] = static_cast<unsigned char>(qRed(p));
        rgb[3 * x + 1] = static_cast<unsigned char>(qGreen(p));
        rgb[3 * x + 2] = static_cast<unsigned char>(qBlue(p));
    }
}

// Rows [first, last) filtered and deflated as raw deflate blocks; the last band ends the stream,
// the others end on a byte boundary, so that the bands join into one stream.
struct Band {
    int first = 0, last = 0;
    bool final = false;
    std::string deflated;
    uLong adler = 1;
    bool ok = false;

    void encode(const QImage& screen)
    {
        const size_t rowBytes = 1 + size_t(screen.width()) * 3;
        std::vector<unsigned char> above(rowBytes, 0), row(rowBytes), filtered(rowBytes);
        if (first > 0)
            rgbRow(screen, first - 1, above.data() + 1);
        z_stream z{};
        // Runs only: after the up filter, flat areas are runs of zeros, and photographs gain little
        // from distant matches.
        if (deflateInit2(&z, 1, Z_DEFLATED, -15, 8, Z_RLE) != Z_OK)
            return;
        unsigned char out[1 << 16];
        int status = Z_OK;
        for (int y = first; y <= last && status == Z_OK; ++y) {
            if (y < last) {
                rgbRow(screen, y, row.data() + 1);
                filtered[0] = 2; // up: each byte less the one above it
                for (size_t i = 1; i < rowBytes; ++i)
                    filtered[i] = static_cast<unsigned char>(row[i] - above[i]);
                row.swap(above);
                adler = adler32(adler, filtered.data(), uInt(rowBytes));
                z.next_in = filtered.data();
                z.avail_in = uInt(rowBytes);
            }
            const int flush = y < last ? Z_NO_FLUSH : final ? Z_FINISH : Z_SYNC_FLUSH;
            do {
                z.next_out = out;
                z.avail_out = sizeof out;
                status = deflate(&z, flush);
                deflated.append(reinterpret_cast<const char*>(out), sizeof out - z.avail_out);
            } while (status == Z_OK && (z.avail_in > 0 || z.avail_out == 0));
        }
        deflateEnd(&z);
        ok = final ? status == Z_STREAM_END : status == Z_OK;
    }
};

} // namespace

QByteArray encodeScreenPng(const QImage& image)
{
    if (image.isNull())
        return {};
    const QImage screen = image.format() == QImage::Format_ARGB32_Premultiplied || image.format() == QImage::Format_RGB32
                              ? image
                              : image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int width = screen.width(), height = screen.height();

    // A phone's screen is encoded in bands, one a processor: most of an export's time otherwise.
    const int bands = std::int64_t(width) * height < 1'000'000
                          ? 1
                          : int(std::clamp(std::thread::hardware_concurrency(), 1u, 4u));
    std::vector<Band> parts(static_cast<size_t>(bands));
    for (int i = 0; i < bands; ++i) {
        parts[size_t(i)].first = int(std::int64_t(height) * i / bands);
        parts[size_t(i)].last = int(std::int64_t(height) * (i + 1) / bands);
        parts[size_t(i)].final = i == bands - 1;
    }
    std::vector<std::thread> helpers;
    for (size_t i = 1; i < parts.size(); ++i)
        helpers.emplace_back([&screen, &part = parts[i]] { part.encode(screen); });
    parts[0].encode(screen);
    for (auto& helper : helpers)
        helper.join();

    std::int64_t deflated = 0;
    for (const Band& part : parts) {
        if (!part.ok)
            return {};
        deflated += std::int64_t(part.deflated.size());
    }
    QByteArray out("\x89PNG\r\n\x1a\n", 8);
    QByteArray header;
    putBigEndian(header, std::uint32_t(width));
    putBigEndian(header, std::uint32_t(height));
    header.append("\x08\x02\x00\x00\x00", 5); // 8 bits a sample, RGB, deflate, no interlacing
    putChunk(out, "IHDR", header.constData(), header.size());
    QByteArray density;
    putBigEndian(density, std::uint32_t(screen.dotsPerMeterX()));
    putBigEndian(density, std::uint32_t(screen.dotsPerMeterY()));
    density.append('\x01'); // per metre
    putChunk(out, "pHYs", density.constData(), density.size());

    // One data chunk, the bands joined in place: a zlib header, the deflated bands, their checksum.
    const std::int64_t dataSize = 2 + deflated + 4;
    out.reserve(out.size() + 12 + qsizetype(dataSize) + 12);
    putBigEndian(out, std::uint32_t(dataSize));
    const qsizetype start = out.size();
    out.append("IDAT\x78\x01", 6); // deflate, 32 KB window, fastest
    uLong adler = 1;
    for (Band& part : parts) {
        out.append(part.deflated.data(), qsizetype(part.deflated.size()));
        std::string().swap(part.deflated);
        adler = adler32_combine(adler, part.adler, z_off_t((part.last - part.first) * (1 + std::int64_t(width) * 3)));
    }
    putBigEndian(out, std::uint32_t(adler));
    putBigEndian(out, std::uint32_t(crc32_z(0, reinterpret_cast<const Bytef*>(out.constData() + start), size_t(out.size() - start))));
    putChunk(out, "IEND", nullptr, 0);
    return out;
}

} // namespace desktop
