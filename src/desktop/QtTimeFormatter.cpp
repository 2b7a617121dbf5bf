#include "desktop/QtTimeFormatter.h"

#include <QDateTime>
#include <QLocale>

namespace desktop {

std::string QtTimeFormatter::formatLocalTime(std::chrono::system_clock::time_point time, const std::string& pattern) const
{
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(time.time_since_epoch()).count();
    QDateTime local = QDateTime::fromMSecsSinceEpoch(ms);
    // Day and month names in the user's language; a pattern of numbers alone (a file's stamp, a clock)
    // keeps its ASCII digits whatever the language.
    const bool names = pattern.find("MMM") != std::string::npos || pattern.find("ddd") != std::string::npos;
    return (names ? QLocale() : QLocale::c()).toString(local, QString::fromStdString(pattern)).toStdString();
}

} // namespace desktop
