// Any bytes as the settings file: the store starts, its typed readers answer, and a file that is
// not a JSON object is set aside whole, never lost.
#include "platform/Services.h"
#include "platform/SettingsStore.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace {

struct NullLog final : platform::Log {
    void log(const std::string&) override {}
};

const std::filesystem::path& folder()
{
    static const std::filesystem::path dir = [] {
        auto d = std::filesystem::temp_directory_path() / ("tavrin-fuzz-settings-" + std::to_string(getpid()));
        std::filesystem::create_directories(d);
        return d;
    }();
    return dir;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const auto file = folder() / "settings.json";
    std::filesystem::remove_all(folder());
    std::filesystem::create_directories(folder());
    std::ofstream(file, std::ios::binary) << input;

    NullLog log;
    platform::SettingsStore store(file, log);
    for (const char* key : {"strip_layout", "phone_preference", "other_preference", "font_face", "font_highlight",
                            "strip_color", "bg_color", "style_name", "last_style_name", "user_saved_themes"}) {
        (void)store.stringForKey(key);
        (void)store.unsignedForKey(key);
        if (const auto* themes = store.arrayForKey(key))
            for (const auto& entry : *themes)
                if (entry.is_object() && entry.contains("theme_name"))
                    (void)entry["theme_name"].is_string();
    }

    // Whatever happened, the folder holds exactly one file, and it is what was written.
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(folder())) {
        ++files;
        std::ifstream in(e.path(), std::ios::binary);
        std::string kept{std::istreambuf_iterator<char>(in), {}};
        if (kept != input)
            std::abort();
    }
    if (files != 1)
        std::abort();
    return 0;
}
