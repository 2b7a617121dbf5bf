// Any bytes as a contacts file: reading never crashes, hangs or reads out of bounds.
#include "VCardReader.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto contacts = readVCards(std::string_view(reinterpret_cast<const char*>(data), size));
    std::size_t total = 0;
    for (const auto& c : contacts) {
        total += c.displayName.size() + (c.hasPhone() ? 1 : 0);
        for (const auto& v : c.values)
            total += v.label.size() + v.value.size();
    }
    // Nothing read can be larger than many times the input.
    if (total > 64 * size + 4096)
        __builtin_trap();
    return 0;
}
