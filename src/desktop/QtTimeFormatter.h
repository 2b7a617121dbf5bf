#pragma once

#include "platform/Services.h"

namespace desktop {

// Local time in Qt's date patterns, with English names whatever the locale, as the lock screen shows.
class QtTimeFormatter final : public platform::TimeFormatter {
public:
    std::string formatLocalTime(std::chrono::system_clock::time_point time, const std::string& pattern) const override;
};

} // namespace desktop
