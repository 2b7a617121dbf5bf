#include "desktop/QtFolderOpener.h"

#include <QDesktopServices>
#include <QUrl>

namespace desktop {

void QtFolderOpener::openFolder(const std::filesystem::path& folder)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(folder.string())));
}

} // namespace desktop
