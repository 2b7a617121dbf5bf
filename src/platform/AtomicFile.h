#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

struct stat;

namespace platform {

// Replaces a file atomically, as if it were written in place: a temporary of a unique name beside the
// file's target (a symbolic link is followed, not replaced), flushed to disk, given the old file's
// mode, renamed over it, then the folder synced. A crash or a full disk leaves either the old file or
// the new one; concurrent writers never share a temporary. A file that exists but may not be written
// (no write permission, or no write bit at all) is refused with EACCES.
bool writeFileAtomically(const std::filesystem::path& file, std::string_view contents, std::string& error);

// The same for a file that must not exist yet: fails with EEXIST instead of replacing one.
bool writeNewFileAtomically(const std::filesystem::path& file, std::string_view contents, std::string& error);

// What tells one version of a file from another without reading it: a file replaced by a rename is a
// new inode, one changed in place or whose mode changed has new times.
struct FileIdentity {
    bool operator==(const FileIdentity&) const = default;
    std::uint64_t device = 0, inode = 0, size = 0;
    std::int64_t modified = 0, changed = 0;
    bool exists = false;
};
FileIdentity fileIdentity(const std::filesystem::path& file); // follows links; a missing file has exists == false
FileIdentity fileIdentity(const struct stat& status);

// Where a write to `file` lands: the file itself, or the final target of the symbolic links it names.
std::filesystem::path resolveLinks(const std::filesystem::path& file);

} // namespace platform
