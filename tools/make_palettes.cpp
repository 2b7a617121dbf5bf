// Draws the colour pickers' palette images. Run with the output directory as the only argument;
// the results live in resources/palettes/ and are regenerated only when the palettes change.
//
// Swatch positions and file names come from SwatchPalette itself, so the pictures cannot drift
// away from where touches snap to.

#include "SwatchPalette.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QString>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

using Swatches = std::array<QRgb, SwatchPalette::hotSpots.size()>;

// Each round palette is listed left to right, top swatch before bottom, so a list reads the way
// the eye crosses the staggered grid; placeAcross() maps it onto the hot spots.
Swatches placeAcross(const Swatches& acrossOrder)
{
    std::array<int, SwatchPalette::hotSpots.size()> order{};
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = int(i);
    std::sort(order.begin(), order.end(), [](int a, int b) {
        const auto& pa = SwatchPalette::hotSpots[std::size_t(a)];
        const auto& pb = SwatchPalette::hotSpots[std::size_t(b)];
        return pa.x != pb.x ? pa.x < pb.x : pa.y < pb.y;
    });
    Swatches placed{};
    for (std::size_t i = 0; i < order.size(); ++i)
        placed[std::size_t(order[i])] = acrossOrder[i];
    return placed;
}

QRgb shade(QRgb c, double keep)
{
    auto f = [keep](int v) { return int(std::lround(v * keep)); };
    return qRgb(f(qRed(c)), f(qGreen(c)), f(qBlue(c)));
}

QRgb tint(QRgb c, double towardWhite)
{
    auto f = [towardWhite](int v) { return int(std::lround(v + (255 - v) * towardWhite)); };
    return qRgb(f(qRed(c)), f(qGreen(c)), f(qBlue(c)));
}

Swatches map(const Swatches& in, QRgb (*fn)(QRgb, double), double amount)
{
    Swatches out{};
    std::transform(in.begin(), in.end(), out.begin(), [&](QRgb c) { return fn(c, amount); });
    return out;
}

// Neutrals at both ends, a rainbow between them.
constexpr Swatches standard{
    0xFFFFFF, // white
    0xC0C0C0, // light grey
    0xFF0000, // red
    0xFF8000, // orange
    0x804000, // brown
    0xFFFF00, // yellow
    0x00C000, // green
    0x00FFFF, // cyan
    0x0000FF, // blue
    0x800080, // purple
    0xFF00FF, // magenta
    0xFFC0CB, // pink
    0x808080, // grey
    0x000000, // black
};

// Sands and ochres, through terracotta and rust, to olives and the darkest browns.
constexpr Swatches earthTones{
    0xD8C49A, // sand
    0x826644, // raw umber
    0xC19A6B, // camel
    0xCC7722, // ochre
    0x8B4513, // saddle brown
    0xE2725B, // terracotta
    0xD9844A, // clay
    0xA0421C, // rust
    0x7B8B3A, // olive
    0xBDB07A, // khaki
    0x556B2F, // dark olive
    0x8E7F73, // taupe
    0xE6DCC8, // stone
    0x3D2B1F, // dark chocolate
};

Swatches grays()
{
    Swatches g{};
    for (std::size_t i = 0; i < g.size(); ++i) {
        int v = int(std::lround(255.0 * double(g.size() - 1 - i) / double(g.size() - 1)));
        g[i] = qRgb(v, v, v);
    }
    return g;
}

// Hue across, lightness down: pale tints on top, full colour in the middle, near black at the
// bottom. Continuous, so a drag across it changes colour smoothly.
QImage spectrum()
{
    QImage image(SwatchPalette::spectrumWidth, SwatchPalette::spectrumHeight, QImage::Format_ARGB32);
    const double lastRow = SwatchPalette::spectrumHeight - 1;
    for (int y = 0; y < image.height(); ++y) {
        double lightness = 0.95 - 0.90 * (y / lastRow);
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            double hue = double(x) / image.width();
            line[x] = QColor::fromHslF(float(hue), 1.0f, float(lightness)).rgb();
        }
    }
    return image;
}

QImage roundPalette(const Swatches& acrossOrder)
{
    const Swatches placed = placeAcross(acrossOrder);
    QImage image(SwatchPalette::roundWidth, SwatchPalette::roundHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (std::size_t i = 0; i < placed.size(); ++i) {
        const auto& spot = SwatchPalette::hotSpots[i];
        // A hot spot names a pixel; its middle is half a pixel further on. The rim stays in the
        // outer pixel so the centre is the flat, exact colour the picker reads.
        const QPointF middle(spot.x + 0.5, spot.y + 0.5);
        const QColor fill = QColor::fromRgb(placed[i]);
        painter.setPen(QPen(QColor::fromRgb(shade(placed[i], 0.72)), 1.0));
        painter.setBrush(fill);
        painter.drawEllipse(middle, SwatchPalette::swatchRadius, SwatchPalette::swatchRadius);
    }
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIRECTORY\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.exists() && !QDir().mkpath(out.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }

    const std::vector<QImage> images{
        spectrum(),
        roundPalette(earthTones),
        roundPalette(map(earthTones, shade, 0.6)),
        roundPalette(map(earthTones, tint, 0.45)),
        roundPalette(grays()),
        roundPalette(standard),
        roundPalette(map(standard, shade, 0.5)),
        roundPalette(map(standard, tint, 0.5)),
    };
    const auto& entries = SwatchPalette::entries();
    if (entries.size() != images.size()) {
        std::fprintf(stderr, "%zu palettes listed but %zu drawn\n", entries.size(), images.size());
        return 1;
    }

    int status = 0;
    for (std::size_t i = 0; i < images.size(); ++i) {
        const QString path = out.filePath(QString::fromStdString(entries[i].image) + ".png");
        if (!images[i].save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            status = 1;
        }
    }
    return status;
}
