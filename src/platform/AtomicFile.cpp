#include "platform/AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
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

// "<name>.tmp-<pid>-<n>": unique among live processes and within one, so writers never share a
// temporary; one left by a dead process of the same pid is skipped by O_EXCL.
std::filesystem::path temporaryBeside(const std::filesystem::path& file)
{
    static std::atomic<unsigned> counter{0};
    std::filesystem::path temp = file;
    temp += ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    return temp;
}

// A writer killed between creating its temporary and renaming it leaves the temporary behind; the next
// write clears those of processes that no longer run.
void removeStaleTemporaries(const std::filesystem::path& file)
{
    const std::string prefix = file.filename().string() + ".tmp-";
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(file.parent_path().empty() ? "." : file.parent_path(), ec)) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with(prefix))
            continue;
        pid_t pid = pid_t(std::atol(name.c_str() + prefix.size()));
        if (pid > 0 && pid != ::getpid() && ::kill(pid, 0) != 0 && errno == ESRCH)
            std::filesystem::remove(entry.path(), ec);
    }
}

bool fail(std::string& error, int code)
{
    error = std::strerror(code);
    errno = code;
    return false;
}

bool write(const std::filesystem::path& path, std::string_view contents, std::string& error, bool replace)
{
    const std::filesystem::path file = replace ? resolveLinks(path) : path;
    struct stat old {};
    const bool exists = ::stat(file.c_str(), &old) == 0;
    // rename() would replace a read-only file happily; respect what its owner asked for.
    if (replace && exists && (::access(file.c_str(), W_OK) != 0 || (old.st_mode & 0222) == 0))
        return fail(error, EACCES);

    std::filesystem::path temp;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temp = temporaryBeside(file);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return fail(error, errno);
    }
    if (fd < 0)
        return fail(error, EEXIST);

    bool ok = writeAll(fd, contents) && (!replace || !exists || ::fchmod(fd, old.st_mode & 07777) == 0) &&
              ::fsync(fd) == 0;
    int reason = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        reason = errno;
    }
    // link() never replaces an existing file, where rename() would.
    if (ok && (replace ? ::rename(temp.c_str(), file.c_str()) : ::link(temp.c_str(), file.c_str())) != 0) {
        ok = false;
        reason = errno;
    }
    if (!ok || !replace)
        ::unlink(temp.c_str());
    if (!ok)
        return fail(error, reason); // callers tell a taken name (EEXIST) from a failure
    // The rename is durable only once the folder itself is on disk.
    std::filesystem::path folder = file.parent_path().empty() ? "." : file.parent_path();
    int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    removeStaleTemporaries(file);
    return true;
}

} // namespace

FileIdentity fileIdentity(const struct stat& st)
{
    auto nanoseconds = [](const timespec& t) { return std::int64_t(t.tv_sec) * 1'000'000'000 + t.tv_nsec; };
    return {std::uint64_t(st.st_dev), std::uint64_t(st.st_ino), std::uint64_t(st.st_size),
            nanoseconds(st.st_mtim), nanoseconds(st.st_ctim), true};
}

FileIdentity fileIdentity(const std::filesystem::path& file)
{
    struct stat st {};
    return ::stat(file.c_str(), &st) == 0 ? fileIdentity(st) : FileIdentity{};
}

std::filesystem::path resolveLinks(const std::filesystem::path& file)
{
    std::filesystem::path p = file;
    std::error_code ec;
    // The kernel's own limit on a chain of links; a loop fails later with ELOOP at the write.
    for (int hops = 0; hops < 40 && std::filesystem::is_symlink(p, ec); ++hops) {
        std::filesystem::path target = std::filesystem::read_symlink(p, ec);
        if (ec)
            break;
        p = target.is_absolute() ? target : p.parent_path() / target;
    }
    return p;
}

bool writeFileAtomically(const std::filesystem::path& file, std::string_view contents, std::string& error)
{
    return write(file, contents, error, true);
}

bool writeNewFileAtomically(const std::filesystem::path& file, std::string_view contents, std::string& error)
{
    return write(file, contents, error, false);
}

} // namespace platform
