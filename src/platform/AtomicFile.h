#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace platform {

// Replaces a file atomically: a temporary beside it ("<name>.tmp"), flushed to disk, renamed over
// it, then the folder synced. A crash or a full disk leaves either the old file or the new one.
bool writeFileAtomically(const std::filesystem::path& file, std::string_view contents, std::string& error);

// The same for a file that must not exist yet: fails with EEXIST instead of replacing one.
bool writeNewFileAtomically(const std::filesystem::path& file, std::string_view contents, std::string& error);

} // namespace platform
