#include "platform/SettingsStore.h"

#include "platform/AtomicFile.h"
#include "platform/Services.h"
#include "platform/Translate.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <limits>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace platform {

namespace {

// A single change waits a little for the lock; when another program keeps it longer (a stopped
// command), the change is kept in memory and retried later rather than freeze the window.
constexpr std::chrono::milliseconds changeLockTimeout{2'000};

std::string timestampForFileName()
{
    std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    char buf[32];
    std::strftime(buf, sizeof buf, "%Y%m%d-%H%M%S", &local);
    return buf;
}

std::string writeProblem(const std::string& reason)
{
    return fillIn(translate("SettingsStore", "Couldn't save your settings: %1"), {reason});
}

std::string readProblem(const std::string& reason)
{
    return fillIn(translate("SettingsStore", "Couldn't read your settings: %1; changes are not saved"), {reason});
}

} // namespace

SettingsStore::SettingsStore(std::filesystem::path file, Log& log)
    : file_(std::move(file)), log_(log), writer_(&writeFileAtomically)
{
    load();
}

SettingsStore::~SettingsStore()
{
    if (lockFd_ >= 0)
        ::close(lockFd_);
}

SettingsStore::Read SettingsStore::readFile(Value& into, std::string& reason)
{
    // Non-blocking, so that a FIFO in the file's place is refused instead of waited on.
    int fd = ::open(file_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) {
            known_ = {};
            return Read::Missing;
        }
        reason = std::strerror(errno);
        return Read::Unreadable;
    }
    struct stat st {};
    std::string text;
    Read result = Read::Ok;
    if (::fstat(fd, &st) != 0) {
        reason = std::strerror(errno);
        result = Read::Unreadable;
    } else if (!S_ISREG(st.st_mode)) {
        reason = "it is not a regular file";
        result = Read::Unreadable;
    } else if (std::uintmax_t(st.st_size) > maxFileSize) {
        reason = "it is larger than 16 MB";
        result = Read::Unreadable;
    } else {
        text.resize(std::size_t(st.st_size));
        std::size_t done = 0;
        // Read until the end, whatever fstat said: the file may have grown, but never past the limit.
        while (result == Read::Ok) {
            if (done == text.size())
                text.resize(std::min<std::size_t>(maxFileSize + 1, text.size() * 2 + 4096));
            ssize_t n = ::read(fd, text.data() + done, text.size() - done);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                reason = std::strerror(errno);
                result = Read::Unreadable;
            } else if (n == 0) {
                break;
            } else if ((done += std::size_t(n)) > maxFileSize) {
                reason = "it is larger than 16 MB";
                result = Read::Unreadable;
            }
        }
        text.resize(done);
    }
    ::close(fd);
    if (result != Read::Ok)
        return result;
    known_ = fileIdentity(st);

    // Containers nested deeper than anyone writes by hand are refused before they are built: the
    // writer and the readers recurse.
    bool tooDeep = false;
    Value parsed = Value::parse(
        text,
        [&](int depth, Value::parse_event_t event, Value&) {
            if ((event == Value::parse_event_t::object_start || event == Value::parse_event_t::array_start) &&
                depth >= maxDepth)
                tooDeep = true;
            return !tooDeep;
        },
        false);
    if (tooDeep) {
        reason = "nested deeper than " + std::to_string(maxDepth) + " levels";
        return Read::Corrupt;
    }
    if (parsed.is_discarded() || !parsed.is_object()) {
        reason = "not a JSON object";
        return Read::Corrupt;
    }
    into = std::move(parsed);
    return Read::Ok;
}

void SettingsStore::load()
{
    std::string reason;
    Read result = readFile(values_, reason);
    if (result == Read::Corrupt) {
        // Set aside under the lock, and only if it is still the damaged file: another process may
        // have replaced it meanwhile.
        std::string busy;
        bool locked = lock(changeLockTimeout, busy);
        result = readFile(values_, reason);
        if (result == Read::Corrupt)
            setAside(reason);
        if (locked)
            unlock();
    }
    if (result == Read::Unreadable) {
        unreadable_ = true;
        setProblem(readProblem(reason));
    }
}

// Never delete what the user had: keep it beside the new file for inspection. A second damaged file
// within the same second must not replace the first one set aside.
void SettingsStore::setAside(const std::string& reason)
{
    const std::string stamp = timestampForFileName();
    std::error_code ec;
    std::filesystem::path aside;
    for (int n = 1;; ++n) {
        // Built by appending: GCC 12's -Wrestrict misfires on `"-" + std::to_string(n)` at -O3.
        std::string suffix = ".corrupt-" + stamp;
        if (n > 1)
            suffix.append("-").append(std::to_string(n));
        aside = file_;
        aside += suffix;
        if (!std::filesystem::exists(aside, ec))
            break;
    }
    std::filesystem::rename(file_, aside, ec);
    log_.log("settings file " + file_.string() + " is " + reason + "; moved aside to " + aside.string() +
             (ec ? " (failed: " + ec.message() + ")" : ""));
    known_ = {};
}

const SettingsStore::Value* SettingsStore::valueForKey(const std::string& key) const
{
    auto it = values_.find(key);
    return it == values_.end() ? nullptr : &*it;
}

void SettingsStore::setObject(const std::string& key, Value value)
{
    auto it = values_.find(key);
    if (it != values_.end() && *it == value && changed_.empty())
        return;
    values_[key] = std::move(value);
    changed_.insert(key);
    persist();
}

void SettingsStore::removeObjectForKey(const std::string& key)
{
    if (values_.erase(key) == 0 && changed_.empty())
        return;
    changed_.insert(key);
    persist();
}

std::optional<std::string> SettingsStore::stringForKey(const std::string& key) const
{
    const Value* v = valueForKey(key);
    if (!v || !v->is_string())
        return std::nullopt;
    return v->get<std::string>();
}

std::optional<std::uint32_t> SettingsStore::unsignedForKey(const std::string& key) const
{
    const Value* v = valueForKey(key);
    if (!v || !v->is_number_unsigned())
        return std::nullopt;
    auto n = v->get<std::uint64_t>();
    if (n > std::numeric_limits<std::uint32_t>::max())
        return std::nullopt;
    return std::uint32_t(n);
}

const SettingsStore::Value* SettingsStore::arrayForKey(const std::string& key) const
{
    const Value* v = valueForKey(key);
    return v && v->is_array() ? v : nullptr;
}

bool SettingsStore::adopt(Value fresh)
{
    // Changes made while the file could not be read were made over defaults, not over the user's
    // settings (the notice said they are not saved): where the file has a value, it wins.
    if (unreadable_)
        std::erase_if(changed_, [&](const std::string& key) { return fresh.contains(key); });
    for (const auto& key : changed_) {
        if (auto it = values_.find(key); it != values_.end())
            fresh[key] = *it;
        else
            fresh.erase(key);
    }
    bool differs = fresh != values_;
    values_ = std::move(fresh);
    return differs;
}

bool SettingsStore::lock(std::chrono::milliseconds timeout, std::string& reason)
{
    if (groupDepth_ > 0)
        return true;
    if (lockFd_ < 0) {
        std::filesystem::path path = file_;
        path += ".lock";
        std::error_code ec;
        std::filesystem::create_directories(file_.parent_path(), ec);
        lockFd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (lockFd_ < 0)
            lockFd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        // A folder no one here may write to: nothing can be written there to race over, and a
        // write says why it failed itself.
        if (lockFd_ < 0)
            return true;
    }
    auto deadline = std::chrono::steady_clock::now() + timeout;
    auto pause = std::chrono::milliseconds(1);
    while (::flock(lockFd_, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) {
            reason = std::strerror(errno);
            return false;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            reason = translate("SettingsStore", "another program holds them");
            return false;
        }
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::milliseconds(20));
    }
    return true;
}

void SettingsStore::unlock()
{
    if (groupDepth_ == 0 && lockFd_ >= 0)
        ::flock(lockFd_, LOCK_UN);
}

bool SettingsStore::begin(std::chrono::milliseconds wait)
{
    std::string reason;
    if (groupDepth_ == 0 && !lock(wait, reason)) {
        setProblem(writeProblem(reason));
        return false;
    }
    if (groupDepth_++ == 0)
        reloadIfChanged();
    return true;
}

void SettingsStore::commit()
{
    if (groupDepth_ == 0 || --groupDepth_ > 0)
        return;
    if (!changed_.empty())
        persist(); // still holding the lock: flock on the same descriptor takes it again at once
    else
        unlock();
}

void SettingsStore::persist()
{
    if (groupDepth_ > 0)
        return; // the group's commit() writes
    std::string reason;
    if (!lock(changeLockTimeout, reason)) {
        setProblem(writeProblem(reason));
        return;
    }
    Value fresh;
    switch (readFile(fresh, reason)) {
    case Read::Ok:
        adoptedElsewhere_ = adopt(std::move(fresh)) || adoptedElsewhere_;
        if (std::exchange(unreadable_, false))
            setProblem({});
        break;
    case Read::Missing:
        unreadable_ = false; // everything this store knows is written
        break;
    case Read::Corrupt:
        setAside(reason);
        unreadable_ = false;
        break;
    case Read::Unreadable:
        unreadable_ = true;
        setProblem(readProblem(reason));
        unlock();
        return;
    }
    std::error_code ec;
    std::filesystem::create_directories(file_.parent_path(), ec);
    std::string error;
    const std::string text = values_.dump(2, ' ', false, Value::error_handler_t::replace) + "\n";
    if (writer_(file_, text, error)) {
        changed_.clear();
        known_ = fileIdentity(file_); // still under the lock: no one else has replaced it
        setProblem({});
    } else {
        setProblem(writeProblem(error));
    }
    unlock();
}

bool SettingsStore::reloadIfChanged()
{
    bool changed = std::exchange(adoptedElsewhere_, false);
    if (fileIdentity(file_) == known_ && !unreadable_)
        return changed;
    Value fresh;
    std::string reason;
    switch (readFile(fresh, reason)) {
    case Read::Ok:
        changed = adopt(std::move(fresh)) || changed;
        if (std::exchange(unreadable_, false))
            setProblem({});
        if (!changed_.empty())
            persist();
        break;
    case Read::Missing:
        known_ = {};
        break;
    case Read::Corrupt:
        setAside(reason);
        break;
    case Read::Unreadable:
        unreadable_ = true;
        setProblem(readProblem(reason));
        break;
    }
    return changed;
}

bool SettingsStore::saveUnsavedChanges()
{
    if (!changed_.empty())
        persist();
    return changed_.empty();
}

void SettingsStore::setProblem(std::string problem)
{
    if (problem == problem_)
        return;
    problem_ = std::move(problem);
    if (onProblemChanged)
        onProblemChanged();
}

} // namespace platform
