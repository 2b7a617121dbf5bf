#pragma once

#include "platform/Services.h"

namespace desktop {

// Opens a folder in the desktop's file manager.
class QtFolderOpener final : public platform::FolderOpener {
public:
    void openFolder(const std::filesystem::path& folder) override;
};

} // namespace desktop
