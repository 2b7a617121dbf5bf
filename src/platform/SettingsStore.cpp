#include "platform/SettingsStore.h"

#include "platform/AtomicFile.h"
#include "platform/Services.h"

#include <ctime>
#include <fstream>
#include <limits>
#include <sstream>

namespace platform {

namespace {

std::string timestampForFileName()
{
    std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    char buf[32];
    std::strftime(buf, sizeof buf, "%Y%m%d-%H%M%S", &local);
    return buf;
}

} // namespace

SettingsStore::SettingsStore(std::filesystem::path file, Log& log)
    : file_(std::move(file)), log_(log), writer_(&writeFileAtomically)
{
    load();
}

void SettingsStore::load()
{
    std::error_code ec;
    if (!std::filesystem::exists(file_, ec))
        return;
    std::ifstream in(file_, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    if (!in.good() && !in.eof()) {
        log_.log("cannot read settings file " + file_.string() + "; starting with defaults");
        return;
    }
    Value parsed = Value::parse(text.str(), nullptr, false);
    if (!parsed.is_discarded() && parsed.is_object()) {
        values_ = std::move(parsed);
        return;
    }
    // Never delete what the user had: keep it beside the new file for inspection.
    // A second damaged file within the same second must not replace the first one set aside.
    const std::string stamp = timestampForFileName();
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
    log_.log("settings file " + file_.string() + " is not a JSON object; moved aside to " + aside.string() +
             (ec ? " (failed: " + ec.message() + ")" : ""));
}

const SettingsStore::Value* SettingsStore::valueForKey(const std::string& key) const
{
    auto it = values_.find(key);
    return it == values_.end() ? nullptr : &*it;
}

void SettingsStore::setObject(const std::string& key, Value value)
{
    auto it = values_.find(key);
    if (it != values_.end() && *it == value && !dirty_)
        return;
    values_[key] = std::move(value);
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

void SettingsStore::persist()
{
    std::string error;
    std::error_code ec;
    std::filesystem::create_directories(file_.parent_path(), ec);
    if (writer_(file_, values_.dump(2) + "\n", error)) {
        dirty_ = false;
        return;
    }
    dirty_ = true;
    log_.log("cannot write settings to " + file_.string() + ": " + error + "; the change is kept until the next write");
}

} // namespace platform
