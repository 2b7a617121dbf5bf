#include "Contrast.h"

#include "WallpaperCode.h"

#include "platform/Translate.h"

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

// Each channel's weight in the relative luminance (WCAG) and in the screen luminance Y (APCA).
constexpr std::array<double, 3> wcagWeights{0.2126, 0.7152, 0.0722}, apcaWeights{0.2126729, 0.7151522, 0.0721750};

double luminance(std::uint32_t c)
{
    const auto& t = tables().wcag;
    return wcagWeights[0] * t[red(c)] + wcagWeights[1] * t[green(c)] + wcagWeights[2] * t[blue(c)];
}

// The screen luminance Y, before its soft clamp near black (which keeps the order of colours).
double screenY(std::uint32_t c)
{
    const auto& t = tables().apca;
    return apcaWeights[0] * t[red(c)] + apcaWeights[1] * t[green(c)] + apcaWeights[2] * t[blue(c)];
}

double clamped(double y) { return y < 0.022 ? y + std::pow(0.022 - y, 1.414) : y; }

// Lc from the screen Y of the lettering and of what it stands on.
double lcOfY(double text, double background)
{
    const double yText = clamped(text), yBackground = clamped(background);
    if (std::abs(yBackground - yText) < 0.0005)
        return 0;
    if (yBackground > yText) {
        const double s = (std::pow(yBackground, 0.56) - std::pow(yText, 0.57)) * 1.14;
        return s < 0.1 ? 0 : (s - 0.027) * 100;
    }
    const double s = (std::pow(yBackground, 0.65) - std::pow(yText, 0.62)) * 1.14;
    return s > -0.1 ? 0 : (s + 0.027) * 100;
}

double ratioOfL(double a, double b) { return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05); }

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

// A colour drawn over each value of a channel, looked up rather than worked out for every pixel.
class DrawnOver {
public:
    explicit DrawnOver(std::uint32_t top)
    {
        for (int v = 0; v < 256; ++v) {
            const std::uint32_t mixed = Contrast::over(top, opaque(v, v, v));
            red_[v] = std::uint8_t(red(mixed));
            green_[v] = std::uint8_t(green(mixed));
            blue_[v] = std::uint8_t(blue(mixed));
        }
    }
    std::uint32_t operator()(std::uint32_t below) const { return opaque(red_[red(below)], green_[green(below)], blue_[blue(below)]); }

private:
    std::array<std::uint8_t, 256> red_{}, green_{}, blue_{};
};

// The strip drawn over a photograph's pixel, with the luminance and screen Y of what shows: each
// channel's share of them looked up, in the order `luminance` and `screenY` add them, so the figures
// come out the same. A text's rectangle in a photograph holds half a million pixels, measured again
// for every colour a finger passes over on the palette.
class StripOverPhotograph {
public:
    explicit StripOverPhotograph(std::uint32_t strip) : drawn_(strip)
    {
        const Tables& t = tables();
        for (int v = 0; v < 256; ++v) {
            const std::uint32_t shown = drawn_(opaque(v, v, v));
            const std::array<int, 3> channels{red(shown), green(shown), blue(shown)};
            for (std::size_t c = 0; c < 3; ++c) {
                l_[c][v] = wcagWeights[c] * t.wcag[channels[c]];
                y_[c][v] = apcaWeights[c] * t.apca[channels[c]];
            }
        }
    }
    template <class Visit>
    void show(std::uint32_t pixel, Visit& visit) const
    {
        const int r = red(pixel), g = green(pixel), b = blue(pixel);
        visit(drawn_(pixel), l_[0][r] + l_[1][g] + l_[2][b], y_[0][r] + y_[1][g] + y_[2][b]);
    }

private:
    DrawnOver drawn_;
    std::array<std::array<double, 256>, 3> l_{}, y_{};
};

// The backdrop nearest the lettering's luminance from either side gives both the lowest ratio and
// the Lc nearest zero: each measure grows as the backdrop's luminance moves away from the
// lettering's. The lettering drawn translucent mixes with each backdrop, so then each pair counts.
class Worst {
public:
    explicit Worst(std::uint32_t text) : text_(text), textL_(luminance(text)), textY_(screenY(text)), drawn_(text) {}

    // A backdrop with its luminance and screen Y, worked out once for every lettering asked about.
    void add(std::uint32_t backdrop, double l, double y)
    {
        if (alpha(text_) != 0xFF) {
            const std::uint32_t seen = drawn_(backdrop);
            ratio_ = std::min(ratio_, ratioOfL(luminance(seen), l));
            const double lc = lcOfY(screenY(seen), y);
            if (std::abs(lc) < std::abs(lc_))
                lc_ = lc;
            return;
        }
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
    DrawnOver drawn_;
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

double Contrast::ratio(std::uint32_t a, std::uint32_t b) { return ratioOfL(luminance(a), luminance(b)); }

double Contrast::lc(std::uint32_t text, std::uint32_t background) { return lcOfY(screenY(text), screenY(background)); }

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

std::vector<Contrast::Text> Contrast::textsOf(const WallpaperStyle& style)
{
    std::vector<Text> texts;
    if (style.layout == StripLayout::Classic)
        texts.push_back({Part::ClassicTavrin, QT_TRANSLATE_NOOP("Contrast", "\"TAVRIN:\""), largeText});
    if (auto contact = WallpaperLayout::contactPartOf(style.layout))
        texts.push_back({*contact, QT_TRANSLATE_NOOP("Contrast", "the number"), largeText});
    if (auto info = WallpaperLayout::infoPartOf(style.layout); info && !style.information.empty())
        texts.push_back({*info, QT_TRANSLATE_NOOP("Contrast", "the information line"), bodyText});
    return texts;
}

WallpaperLayout Contrast::layoutFor(const WallpaperStyle& style) const
{
    const auto placed = WallpaperCode::of(style).placeOn(layout_, style);
    return layout_.liftedBy(placed ? placed->place.lift : 0);
}

template <class Visit>
void Contrast::forEachBackdrop(const WallpaperLayout& layout, const Text& text, const WallpaperStyle& style, int stride,
                               Visit visit) const
{
    // The screen is drawn over black; the background colour over it, the photograph over that.
    const std::uint32_t background = over(style.backgroundColor, black);
    const DrawnOver strip(style.stripColor);
    auto seen = [&](std::uint32_t backdrop) { visit(backdrop, luminance(backdrop), screenY(backdrop)); };
    // An opaque strip hides the photograph: every text stands on the strip alone.
    if (!photograph_ || alpha(style.stripColor) == 0xFF) {
        seen(strip(background));
        return;
    }
    // Aspect fill: the photograph scaled to cover the screen, its middle shown.
    const platform::Image& image = *photograph_;
    const platform::Size screen = layout.screen().points;
    const double pointsAPixel = std::max(screen.width / image.width, screen.height / image.height);
    const double left = (image.width - screen.width / pointsAPixel) / 2, top = (image.height - screen.height / pointsAPixel) / 2;
    const Rect r = layout.frameOf(text.part);
    // Every pixel the rectangle touches counts, even in part.
    const int x0 = std::max(0, int(std::floor(left + r.x() / pointsAPixel)));
    const int x1 = std::min(image.width, int(std::ceil(left + r.maxX() / pointsAPixel)));
    const int y0 = std::max(0, int(std::floor(top + r.y() / pointsAPixel)));
    const int y1 = std::min(image.height, int(std::ceil(top + r.maxY() / pointsAPixel)));
    // A text beyond the photograph's edge stands on nothing drawn: measured on the background.
    if (x0 >= x1 || y0 >= y1)
        seen(strip(background));
    const PixelReader pixels(image, background);
    const StripOverPhotograph shown(style.stripColor);
    std::uint32_t last = 0; // alpha 0: no colour read yet
    for (int y = y0; y < y1; y += stride)
        for (int x = x0; x < x1; x += stride)
            // Runs of one colour, common in photographs' flat parts, are measured once.
            if (const std::uint32_t pixel = pixels.at(x, y); pixel != last) {
                shown.show(pixel, visit);
                last = pixel;
            }
}

std::vector<Contrast::Reading> Contrast::readings(const WallpaperStyle& style) const
{
    const WallpaperLayout layout = layoutFor(style);
    std::vector<Reading> found;
    const int stripAlpha = alpha(style.stripColor);
    // Whole phrases, so that each language can word them its own way.
    const char* against = stripAlpha == 255 ? QT_TRANSLATE_NOOP("Contrast", "the strip")
                          : photograph_     ? (stripAlpha == 0 ? QT_TRANSLATE_NOOP("Contrast", "the photograph")
                                                               : QT_TRANSLATE_NOOP("Contrast", "the strip over the photograph"))
                                            : (stripAlpha == 0 ? QT_TRANSLATE_NOOP("Contrast", "the background")
                                                               : QT_TRANSLATE_NOOP("Contrast", "the strip over the background"));
    for (const Text& text : textsOf(style)) {
        Worst worst(style.fontFaceColor);
        forEachBackdrop(layout, text, style, 1, [&](std::uint32_t backdrop, double l, double y) { worst.add(backdrop, l, y); });
        Reading reading{text.part, text.name, against, text.needed};
        std::tie(reading.ratio, reading.lc) = worst.figures();
        found.push_back(reading);
    }
    return found;
}

bool Contrast::passes(const WallpaperStyle& style) const
{
    const auto all = readings(style);
    return std::all_of(all.begin(), all.end(), [](const Reading& r) { return r.passes(); });
}

std::vector<bool> Contrast::passEach(const WallpaperLayout& layout, const WallpaperStyle& style,
                                     const std::vector<std::uint32_t>& letterings, int stride) const
{
    std::vector<bool> passing(letterings.size(), true);
    for (const Text& text : textsOf(style)) {
        std::vector<Worst> worst(letterings.begin(), letterings.end());
        forEachBackdrop(layout, text, style, stride, [&](std::uint32_t backdrop, double l, double y) {
            for (Worst& w : worst)
                w.add(backdrop, l, y);
        });
        for (std::size_t i = 0; i < letterings.size(); ++i) {
            const auto [ratio, lc] = worst[i].figures();
            passing[i] = passing[i] && ratio >= text.needed.ratio && std::abs(lc) >= text.needed.lc;
        }
    }
    return passing;
}

std::optional<WallpaperStyle> Contrast::fix(const WallpaperStyle& style) const
{
    if (passes(style))
        return std::nullopt;
    auto lettered = [&](const WallpaperStyle& from, std::uint32_t face) {
        WallpaperStyle s = from;
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
    // Colours and opacity leave the strips where they stand.
    const WallpaperLayout layout = layoutFor(style);
    const auto plain = passEach(layout, style, {white, black});
    if (plain[0] && plain[1])
        return margin(lettered(style, white)) >= margin(lettered(style, black)) ? lettered(style, white) : lettered(style, black);
    if (plain[0] || plain[1])
        return lettered(style, plain[0] ? white : black);
    // The lettering worn is kept if an opacity makes it pass; failing that white, then black. Each
    // opacity is one pass over the pixels for all three. Translucent lettering is measured pixel by
    // pixel, too slowly to try at every opacity: it is replaced.
    std::vector<std::uint32_t> letterings;
    if (alpha(style.fontFaceColor) == 0xFF)
        letterings.push_back(style.fontFaceColor);
    for (std::uint32_t face : {white, black})
        if (face != style.fontFaceColor)
            letterings.push_back(face);
    std::vector<std::optional<WallpaperStyle>> least(letterings.size());
    for (int percent = 0; percent <= 100 && !least[0]; percent += 5) {
        WallpaperStyle s = style;
        s.stripColor = (style.stripColor & 0xFFFFFF00) | std::uint32_t((percent * 255 + 50) / 100);
        // A lettering that fails on a sixteenth of the pixels fails on them all: only what passes
        // there is measured on every pixel.
        auto passing = passEach(layout, s, letterings, 4);
        bool anyNew = false;
        for (std::size_t i = 0; i < letterings.size(); ++i)
            anyNew = anyNew || (passing[i] && !least[i]);
        if (anyNew)
            passing = passEach(layout, s, letterings);
        for (std::size_t i = 0; i < letterings.size(); ++i)
            if (passing[i] && !least[i])
                least[i] = lettered(s, letterings[i]);
    }
    for (const auto& found : least)
        if (found)
            return found;
    return std::nullopt;
}
