#include "desktop/QtTimeFormatter.h"

#include <QDateTime>
#include <QLocale>

namespace desktop {

std::string QtTimeFormatter::formatLocalTime(std::chrono::system_clock::time_point time, const std::string& pattern) const
{
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(time.time_since_epoch()).count();
    QDateTime local = QDateTime::fromMSecsSinceEpoch(ms);
    return QLocale::c().toString(local, QString::fromStdString(pattern)).toStdString();
}

} // namespace desktop
