#pragma once

#include "platform/AtomicFile.h"

#include <nlohmann/json.hpp>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace platform {

class Log;

// The persistent per-user key-value store: one JSON object in a file, shared by every process of the
// user (the window, command-line calls, a second window). A change is written at once as a
// read-modify-write under an advisory lock: the file is read afresh, only the keys this process changed
// are put over it, and the result replaces the file atomically. So no process loses another's update,
// and a crash or a full disk never leaves a torn file.
class SettingsStore {
public:
    using Value = nlohmann::json;
    // Beyond these a file is not read: it is hostile or broken, never the user's settings.
    static constexpr std::uintmax_t maxFileSize = 16 * 1024 * 1024;
    static constexpr int maxDepth = 64;

    // Reads the file. One that does not parse as a JSON object is moved aside and the store starts
    // empty; one that cannot be read at all is left alone, and the store runs on defaults without ever
    // writing to it (see problem()).
    SettingsStore(std::filesystem::path file, Log& log);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // The value last stored under the key, or nothing when the key was never written.
    const Value* valueForKey(const std::string& key) const;
    void setObject(const std::string& key, Value value);
    void setValue(const std::string& key, Value value) { setObject(key, std::move(value)); }
    // Makes the key absent again (a preview undone), in the file too.
    void removeObjectForKey(const std::string& key);

    // Typed readers: a value of another type reads as nothing.
    std::optional<std::string> stringForKey(const std::string& key) const;
    std::optional<std::uint32_t> unsignedForKey(const std::string& key) const;
    const Value* arrayForKey(const std::string& key) const;

    const Value& all() const { return values_; }
    const std::filesystem::path& file() const { return file_; }

    // A group of changes that other processes see as one, written once: from begin() to the matching
    // commit() the lock is held, the file having been read afresh at the start, and changes are kept in
    // memory; the outermost commit() writes them in one replacement. Groups nest. begin() is false,
    // with the reason in problem(), when the lock is not free within `wait`: changes are then written
    // one by one.
    bool begin(std::chrono::milliseconds wait = std::chrono::seconds(2));
    void commit();
    // A group of the changes made in its scope (one user action: applying a style, the start-up).
    class Transaction {
    public:
        explicit Transaction(SettingsStore& store) : store_(store), began_(store.begin()) {}
        ~Transaction()
        {
            if (began_)
                store_.commit();
        }
        Transaction(const Transaction&) = delete;
        Transaction& operator=(const Transaction&) = delete;

    private:
        SettingsStore& store_;
        bool began_;
    };

    // Re-reads the file when another process has replaced it since this store last read or wrote it.
    // Changes not yet saved are kept over what the file says. True when a value changed.
    bool reloadIfChanged();
    // Tries again to save changes a failed write kept in memory. True when nothing is left unsaved.
    bool saveUnsavedChanges();

    // True when changes are kept in memory only: the last write failed, or the file cannot be read.
    bool hasUnsavedChanges() const { return !changed_.empty(); }
    // Why the settings are not being saved, in the user's words; empty while all is well.
    const std::string& problem() const { return problem_; }
    // The file exists but could not be read; nothing is ever written to it.
    bool isUnreadable() const { return unreadable_; }
    // Told when problem() changes.
    std::function<void()> onProblemChanged;

    // Tests replace the writer to simulate a failing disk. It returns false on failure.
    using Writer = std::function<bool(const std::filesystem::path& file, std::string_view contents, std::string& error)>;
    void setWriterForTesting(Writer writer) { writer_ = std::move(writer); }

private:
    enum class Read { Ok, Missing, Corrupt, Unreadable };

    Read readFile(Value& into, std::string& reason);
    void load();
    void setAside(const std::string& reason);
    void persist();
    // Puts what the file holds under the keys this process did not change.
    bool adopt(Value fresh);
    void setProblem(std::string problem);
    bool lock(std::chrono::milliseconds timeout, std::string& reason);
    void unlock();

    std::filesystem::path file_;
    Log& log_;
    Value values_ = Value::object();
    std::set<std::string> changed_; // keys changed here and not yet written
    FileIdentity known_;               // the file as this store last read or wrote it
    std::string problem_;
    bool unreadable_ = false;
    int lockFd_ = -1;
    int groupDepth_ = 0;            // begin() calls not yet committed
    bool adoptedElsewhere_ = false; // a write took in other processes' values; reloadIfChanged tells
    Writer writer_;
};

} // namespace platform
