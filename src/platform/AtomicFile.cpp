#include "platform/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace platform {

namespace {

bool writeAll(int fd, std::string_view data)
{
    const char* p = data.data();
    size_t left = data.size();
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        p += n;
        left -= size_t(n);
    }
    return true;
}

bool write(const std::filesystem::path& file, std::string_view contents, std::string& error, bool replace)
{
    std::filesystem::path temp = file;
    temp += ".tmp";
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    bool ok = writeAll(fd, contents) && ::fsync(fd) == 0;
    if (!ok)
        error = std::strerror(errno);
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = std::strerror(errno);
    }
    // link() never replaces an existing file, where rename() would.
    if (ok && (replace ? ::rename(temp.c_str(), file.c_str()) : ::link(temp.c_str(), file.c_str())) != 0) {
        ok = false;
        error = std::strerror(errno);
    }
    if (!ok || !replace) {
        int reason = errno; // callers tell a taken name (EEXIST) from a failure
        ::unlink(temp.c_str());
        errno = reason;
    }
    if (!ok)
        return false;
    // The rename is durable only once the folder itself is on disk.
    std::filesystem::path folder = file.parent_path().empty() ? "." : file.parent_path();
    int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

} // namespace

bool writeFileAtomically(const std::filesystem::path& file, std::string_view contents, std::string& error)
{
    return write(file, contents, error, true);
}

bool writeNewFileAtomically(const std::filesystem::path& file, std::string_view contents, std::string& error)
{
    return write(file, contents, error, false);
}

} // namespace platform
