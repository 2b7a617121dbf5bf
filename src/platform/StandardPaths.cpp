#include "platform/StandardPaths.h"

#include <cstdlib>

namespace platform {

namespace {

std::filesystem::path home()
{
    const char* h = std::getenv("HOME");
    return h && *h ? std::filesystem::path(h) : std::filesystem::path("/tmp");
}

// An XDG variable counts only when it holds an absolute path, as the convention says.
std::filesystem::path xdg(const char* name, const char* fallbackUnderHome)
{
    const char* v = std::getenv(name);
    if (v && *v == '/')
        return v;
    return home() / fallbackUnderHome;
}

} // namespace

std::filesystem::path StandardPaths::documentsDirectory() const
{
    return xdg("XDG_DATA_HOME", ".local/share") / "tavrin-plus" / "Documents";
}

std::filesystem::path StandardPaths::photoAlbumDirectory() const
{
    return xdg("XDG_PICTURES_DIR", "Pictures") / "TavrinPlus";
}

std::filesystem::path StandardPaths::configDirectory() const
{
    return xdg("XDG_CONFIG_HOME", ".config") / "tavrin-plus";
}

std::optional<std::string> StandardPaths::resourcePath(const std::string& name, const std::string& type) const
{
    std::string path = resourceRoot_ + name + "." + type;
    if (resourceExists ? !resourceExists(path) : !std::filesystem::exists(path))
        return std::nullopt;
    return path;
}

} // namespace platform
