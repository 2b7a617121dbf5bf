#include "desktop/QtUrlOpener.h"

#include "platform/Application.h"

#include <QDesktopServices>
#include <QUrl>

namespace desktop {

std::optional<std::string> resolveLink(const std::string& href, const std::string& pageURL)
{
    QUrl link(QString::fromStdString(href).trimmed());
    QUrl target = pageURL.empty() ? link : QUrl(QString::fromStdString(pageURL)).resolved(link);
    QString scheme = target.scheme().toLower();
    if (!target.isValid() || (scheme != "http" && scheme != "https" && scheme != "mailto"))
        return std::nullopt;
    if (scheme != "mailto" && target.host().isEmpty())
        return std::nullopt;
    return target.toString(QUrl::FullyEncoded).toStdString();
}

void QtUrlOpener::openURL(const std::string& href, const std::string& pageURL)
{
    auto target = resolveLink(href, pageURL);
    if (!target) {
        platform::Application::shared().log("link not opened: " + href);
        return;
    }
    QDesktopServices::openUrl(QUrl(QString::fromStdString(*target), QUrl::StrictMode));
}

} // namespace desktop
