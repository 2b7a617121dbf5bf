#pragma once

#include <nlohmann/json.hpp>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

class Log;

// The persistent per-user key-value store: one JSON object in a file. Every change is written at once
// by replacing the file atomically, so a crash or a full disk never leaves a torn file.
class SettingsStore {
public:
    using Value = nlohmann::json;

    // Reads the file; one that is not a JSON object is moved aside and the store starts empty.
    SettingsStore(std::filesystem::path file, Log& log);

    // The value last stored under the key, or nothing when the key was never written.
    const Value* valueForKey(const std::string& key) const;
    void setObject(const std::string& key, Value value);
    void setValue(const std::string& key, Value value) { setObject(key, std::move(value)); }

    // Typed readers: a value of another type reads as nothing.
    std::optional<std::string> stringForKey(const std::string& key) const;
    std::optional<std::uint32_t> unsignedForKey(const std::string& key) const;
    const Value* arrayForKey(const std::string& key) const;

    const Value& all() const { return values_; }
    const std::filesystem::path& file() const { return file_; }
    // True when the last write failed; the values are kept and the next change retries.
    bool hasUnsavedChanges() const { return dirty_; }

    // Tests replace the writer to simulate a failing disk. It returns false on failure.
    using Writer = std::function<bool(const std::filesystem::path& file, std::string_view contents, std::string& error)>;
    void setWriterForTesting(Writer writer) { writer_ = std::move(writer); }

private:
    void load();
    void persist();

    std::filesystem::path file_;
    Log& log_;
    Value values_ = Value::object();
    bool dirty_ = false;
    Writer writer_;
};

} // namespace platform
