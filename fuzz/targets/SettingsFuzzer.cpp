// Any bytes as the settings file: the store starts, its typed readers answer, a file that is not a
// JSON object (or is nested too deep) is set aside whole, never lost, and a change is then written as
// a whole object. Inputs starting with 0x01 are padded past the size limit: such a file is never read
// and never written.
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
    std::string input(reinterpret_cast<const char*>(data), size);
    const bool oversized = size > 0 && data[0] == 0x01;
    if (oversized)
        input.resize(platform::SettingsStore::maxFileSize + 1, ' ');
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

    // Whatever happened, the folder holds exactly one file beside the lock, and it is what was written.
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(folder())) {
        if (e.path().extension() == ".lock")
            continue; // taken to set a damaged file aside
        ++files;
        std::ifstream in(e.path(), std::ios::binary);
        std::string kept{std::istreambuf_iterator<char>(in), {}};
        if (kept != input)
            std::abort();
    }
    if (files != 1 || store.isUnreadable() != oversized)
        std::abort();

    store.setObject("phone_preference", "555");
    if (oversized) {
        if (std::filesystem::file_size(file) != input.size())
            std::abort();
        return 0;
    }
    std::ifstream in(file, std::ios::binary);
    auto written = platform::SettingsStore::Value::parse(std::string{std::istreambuf_iterator<char>(in), {}}, nullptr, false);
    if (!written.is_object() || written["phone_preference"] != "555")
        std::abort();
    return 0;
}
