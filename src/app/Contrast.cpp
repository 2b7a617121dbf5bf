#include "Contrast.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

using platform::Rect;
using Part = WallpaperLayout::Part;

namespace {

constexpr std::uint32_t white = 0xFFFFFFFF, black = 0x000000FF;

int channel(std::uint32_t color, int shift) { return int((color >> shift) & 0xFF); }
int red(std::uint32_t c) { return channel(c, 24); }
int green(std::uint32_t c) { return channel(c, 16); }
int blue(std::uint32_t c) { return channel(c, 8); }
int alpha(std::uint32_t c) { return channel(c, 0); }

std::uint32_t opaque(int r, int g, int b) { return std::uint32_t(r) << 24 | std::uint32_t(g) << 16 | std::uint32_t(b) << 8 | 0xFF; }

// Each 8-bit channel value linearised once: a photograph's text rectangle holds a million pixels.
struct Tables {
    std::array<double, 256> wcag{}, apca{};
    Tables()
    {
        for (int v = 0; v < 256; ++v) {
            const double c = v / 255.0;
            wcag[v] = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
            apca[v] = std::pow(c, 2.4);
        }
    }
};

const Tables& tables()
{
    static const Tables t;
    return t;
}

double luminance(std::uint32_t c)
{
    const auto& t = tables().wcag;
    return 0.2126 * t[red(c)] + 0.7152 * t[green(c)] + 0.0722 * t[blue(c)];
}

// The screen luminance Y, before its soft clamp near black (which keeps the order of colours).
double screenY(std::uint32_t c)
{
    const auto& t = tables().apca;
    return 0.2126729 * t[red(c)] + 0.7151522 * t[green(c)] + 0.0721750 * t[blue(c)];
}

double clamped(double y) { return y < 0.022 ? y + std::pow(0.022 - y, 1.414) : y; }

// To one decimal; a figure that fails is cut instead where rounding would reach what it misses.
std::string oneDecimal(double value, double threshold)
{
    double tenths = std::round(value * 10);
    if (std::abs(value) < threshold && std::abs(tenths) >= threshold * 10)
        tenths = std::trunc(value * 10);
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", tenths / 10 + 0.0); // + 0.0: never "-0.0"
    return text;
}

// The backdrop nearest the lettering's luminance from either side gives both the lowest ratio and
// the Lc nearest zero: each measure grows as the backdrop's luminance moves away from the
// lettering's. The lettering drawn translucent mixes with each backdrop, so then each pair counts.
class Worst {
public:
    explicit Worst(std::uint32_t text) : text_(text), textL_(luminance(text)), textY_(screenY(text)) {}

    void add(std::uint32_t backdrop)
    {
        if (alpha(text_) != 0xFF) {
            const std::uint32_t seen = Contrast::over(text_, backdrop);
            ratio_ = std::min(ratio_, Contrast::ratio(seen, backdrop));
            const double lc = Contrast::lc(seen, backdrop);
            if (std::abs(lc) < std::abs(lc_))
                lc_ = lc;
            return;
        }
        const double l = luminance(backdrop), y = screenY(backdrop);
        nearest(l <= textL_ ? darkerL_ : lighterL_, l, backdrop, textL_);
        nearest(y <= textY_ ? darkerY_ : lighterY_, y, backdrop, textY_);
    }

    // The lowest ratio and the Lc nearest zero.
    std::pair<double, double> figures() const
    {
        if (alpha(text_) != 0xFF)
            return {ratio_, lc_};
        double ratio = 21, lc = 200;
        for (const auto& c : {darkerL_, lighterL_})
            if (c)
                ratio = std::min(ratio, Contrast::ratio(text_, c->color));
        for (const auto& c : {darkerY_, lighterY_})
            if (c && std::abs(Contrast::lc(text_, c->color)) < std::abs(lc))
                lc = Contrast::lc(text_, c->color);
        return {ratio, lc};
    }

private:
    struct Candidate {
        double value;
        std::uint32_t color;
    };
    static void nearest(std::optional<Candidate>& kept, double value, std::uint32_t color, double target)
    {
        if (!kept || std::abs(value - target) < std::abs(kept->value - target))
            kept = Candidate{value, color};
    }

    std::uint32_t text_;
    double textL_, textY_;
    std::optional<Candidate> darkerL_, lighterL_, darkerY_, lighterY_;
    double ratio_ = 21, lc_ = 200;
};

// Reads a photograph's pixel as an opaque colour over `below`; the decoders hand over these layouts.
class PixelReader {
public:
    static bool canRead(const platform::Image& image)
    {
        const bool known = image.alphaInfo >= platform::AlphaPremultipliedLast && image.alphaInfo <= platform::AlphaNoneSkipFirst;
        return known && !image.isNull() && image.bitsPerPixel == 32 && image.bytesPerRow >= image.width * 4 &&
               image.bytes.size() >= std::size_t(image.bytesPerRow) * std::size_t(image.height);
    }

    PixelReader(const platform::Image& image, std::uint32_t below)
        : image_(image), below_(below),
          alphaFirst_(image.alphaInfo == platform::AlphaPremultipliedFirst || image.alphaInfo == platform::AlphaFirst ||
                      image.alphaInfo == platform::AlphaNoneSkipFirst),
          premultiplied_(image.alphaInfo == platform::AlphaPremultipliedFirst ||
                         image.alphaInfo == platform::AlphaPremultipliedLast),
          skipsAlpha_(image.alphaInfo == platform::AlphaNoneSkipFirst || image.alphaInfo == platform::AlphaNoneSkipLast)
    {
    }

    std::uint32_t at(int x, int y) const
    {
        const std::uint8_t* p = image_.bytes.data() + std::size_t(y) * std::size_t(image_.bytesPerRow) + std::size_t(x) * 4;
        // Alpha-first pixels sit in memory little-endian: blue, green, red, alpha.
        const int r = alphaFirst_ ? p[2] : p[0], g = p[1], b = alphaFirst_ ? p[0] : p[2];
        const int a = skipsAlpha_ ? 255 : p[3];
        if (a == 255)
            return opaque(r, g, b);
        const double rest = 1 - a / 255.0, own = premultiplied_ ? 1 : a / 255.0;
        auto mix = [&](int c, int shift) { return std::clamp(int(std::lround(c * own + channel(below_, shift) * rest)), 0, 255); };
        return opaque(mix(r, 24), mix(g, 16), mix(b, 8));
    }

private:
    const platform::Image& image_;
    std::uint32_t below_;
    bool alphaFirst_, premultiplied_, skipsAlpha_;
};

} // namespace

struct Contrast::Text {
    Part part;
    const char* name;
    Threshold needed;
};

bool Contrast::Reading::passes() const { return ratio >= needed.ratio && std::abs(lc) >= needed.lc; }

std::string Contrast::Reading::ratioText() const { return oneDecimal(ratio, needed.ratio) + ":1"; }

std::string Contrast::Reading::lcText() const { return "Lc " + oneDecimal(lc, needed.lc); }

double Contrast::ratio(std::uint32_t a, std::uint32_t b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

double Contrast::lc(std::uint32_t text, std::uint32_t background)
{
    const double yText = clamped(screenY(text)), yBackground = clamped(screenY(background));
    if (std::abs(yBackground - yText) < 0.0005)
        return 0;
    if (yBackground > yText) {
        const double s = (std::pow(yBackground, 0.56) - std::pow(yText, 0.57)) * 1.14;
        return s < 0.1 ? 0 : (s - 0.027) * 100;
    }
    const double s = (std::pow(yBackground, 0.65) - std::pow(yText, 0.62)) * 1.14;
    return s > -0.1 ? 0 : (s + 0.027) * 100;
}

std::uint32_t Contrast::over(std::uint32_t top, std::uint32_t below)
{
    const double a = alpha(top) / 255.0;
    auto mix = [&](int shift) { return int(std::lround(channel(top, shift) * a + channel(below, shift) * (1 - a))); };
    return opaque(mix(24), mix(16), mix(8));
}

Contrast::Contrast(const Screen& screen, platform::ImageRef photograph) : layout_(screen)
{
    if (photograph && PixelReader::canRead(*photograph))
        photograph_ = std::move(photograph);
}

std::vector<Contrast::Reading> Contrast::readings(const WallpaperStyle& style) const
{
    std::vector<Text> texts;
    if (style.layout == StripLayout::Classic)
        texts.push_back({Part::ClassicTavrin, "\"TAVRIN:\"", largeText});
    if (auto contact = WallpaperLayout::contactPartOf(style.layout))
        texts.push_back({*contact, "the number", largeText});
    if (auto info = WallpaperLayout::infoPartOf(style.layout); info && !style.information.empty())
        texts.push_back({*info, "the information line", bodyText});
    std::vector<Reading> found;
    for (const Text& text : texts)
        found.push_back(measure(text, style));
    return found;
}

bool Contrast::passes(const WallpaperStyle& style) const
{
    const auto all = readings(style);
    return std::all_of(all.begin(), all.end(), [](const Reading& r) { return r.passes(); });
}

Contrast::Reading Contrast::measure(const Text& text, const WallpaperStyle& style) const
{
    // The screen is drawn over black; the background colour over it, the photograph over that.
    const std::uint32_t background = over(style.backgroundColor, black);
    const int stripAlpha = alpha(style.stripColor);
    Worst worst(style.fontFaceColor);
    Reading reading{text.part, text.name, "", text.needed};
    if (photograph_) {
        // Aspect fill: the photograph scaled to cover the screen, its middle shown.
        const platform::Image& image = *photograph_;
        const platform::Size screen = layout_.screen().points;
        const double pointsAPixel = std::max(screen.width / image.width, screen.height / image.height);
        const double left = (image.width - screen.width / pointsAPixel) / 2, top = (image.height - screen.height / pointsAPixel) / 2;
        const Rect r = layout_.frameOf(text.part);
        // Every pixel the rectangle touches counts, even in part.
        const int x0 = std::max(0, int(std::floor(left + r.x() / pointsAPixel)));
        const int x1 = std::min(image.width, int(std::ceil(left + r.maxX() / pointsAPixel)));
        const int y0 = std::max(0, int(std::floor(top + r.y() / pointsAPixel)));
        const int y1 = std::min(image.height, int(std::ceil(top + r.maxY() / pointsAPixel)));
        const PixelReader pixels(image, background);
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                worst.add(over(style.stripColor, pixels.at(x, y)));
        reading.against = stripAlpha == 0 ? "the photograph" : stripAlpha == 255 ? "the strip" : "the strip over the photograph";
        // A text beyond the photograph's edge stands on nothing drawn: measured on the background.
        if (x0 >= x1 || y0 >= y1)
            worst.add(over(style.stripColor, background));
    } else {
        worst.add(over(style.stripColor, background));
        reading.against = stripAlpha == 0 ? "the background" : stripAlpha == 255 ? "the strip" : "the strip over the background";
    }
    std::tie(reading.ratio, reading.lc) = worst.figures();
    return reading;
}

std::optional<WallpaperStyle> Contrast::fix(const WallpaperStyle& style) const
{
    if (passes(style))
        return std::nullopt;
    auto lettered = [&](std::uint32_t face) {
        WallpaperStyle s = style;
        // As the lettering buttons set them: a dark shadow under white, none under black.
        if (face != style.fontFaceColor)
            s.fontHighlightColor = face == white ? black : 0;
        s.fontFaceColor = face;
        return s;
    };
    // The weakest text's Lc, as a share of what it needs.
    auto margin = [&](const WallpaperStyle& s) {
        double least = 1e9;
        for (const Reading& r : readings(s))
            least = std::min(least, std::abs(r.lc) / r.needed.lc);
        return least;
    };
    const WallpaperStyle onWhite = lettered(white), onBlack = lettered(black);
    const bool whitePasses = passes(onWhite), blackPasses = passes(onBlack);
    if (whitePasses && blackPasses)
        return margin(onWhite) >= margin(onBlack) ? onWhite : onBlack;
    if (whitePasses || blackPasses)
        return whitePasses ? onWhite : onBlack;
    // The lettering worn is kept if an opacity makes it pass.
    std::vector<WallpaperStyle> letterings{style};
    for (const WallpaperStyle& s : {onWhite, onBlack})
        if (s.fontFaceColor != style.fontFaceColor)
            letterings.push_back(s);
    for (const WallpaperStyle& lettered : letterings) {
        for (int percent = 0; percent <= 100; percent += 5) {
            WallpaperStyle s = lettered;
            s.stripColor = (style.stripColor & 0xFFFFFF00) | std::uint32_t((percent * 255 + 50) / 100);
            if (passes(s))
                return s;
        }
    }
    return std::nullopt;
}
