// Any palette image description and any touch: snapping and sampling never read outside the
// image's pixels, whatever its declared layout says.
#include "SwatchPalette.h"

#include "platform/Services.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace {

struct NullLog final : platform::Log {
    void log(const std::string&) override {}
};

template <class T>
T take(const std::uint8_t*& data, std::size_t& size)
{
    T value{};
    std::size_t n = size < sizeof(T) ? size : sizeof(T);
    std::memcpy(&value, data, n);
    data += n;
    size -= n;
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    int index = take<std::uint8_t>(data, size) % SwatchPalette::count;
    float x = take<float>(data, size);
    float y = take<float>(data, size);
    float alpha = take<float>(data, size);

    platform::Image image;
    image.width = take<std::uint16_t>(data, size) % 512;
    image.height = take<std::uint16_t>(data, size) % 512;
    image.bytesPerRow = take<std::int16_t>(data, size);
    image.bitsPerPixel = take<std::uint8_t>(data, size);
    image.alphaInfo = take<std::int8_t>(data, size);
    // The pixels are exactly what is left, whatever the layout above claims; the sanitizer catches
    // any read past them.
    image.bytes.assign(data, data + size);
    image.bytes.shrink_to_fit();

    NullLog log;
    if (auto snapped = SwatchPalette::applyCoordinateMask(index, x, y))
        (void)SwatchPalette::sample(image, *snapped, alpha, log);
    (void)SwatchPalette::sample(image, {x, y}, alpha, log);
    return 0;
}
