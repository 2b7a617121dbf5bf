#pragma once

#include "platform/Services.h"

namespace platform {

// The desktop's folders, after the XDG base directory conventions:
// configuration in $XDG_CONFIG_HOME/tavrin-plus, documents in $XDG_DATA_HOME/tavrin-plus/Documents,
// the photo album in $XDG_PICTURES_DIR/TavrinPlus.
class StandardPaths final : public Paths {
public:
    explicit StandardPaths(std::string resourceRoot) : resourceRoot_(std::move(resourceRoot)) {}

    std::filesystem::path documentsDirectory() const override;
    std::filesystem::path photoAlbumDirectory() const override;
    std::filesystem::path configDirectory() const override;
    std::optional<std::string> resourcePath(const std::string& name, const std::string& type) const override;

    // Lets the shell check a resource exists without knowing how resources are stored.
    std::function<bool(const std::string&)> resourceExists;

private:
    std::string resourceRoot_;
};

} // namespace platform
