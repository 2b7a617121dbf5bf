#pragma once

#include "platform/Services.h"

#include <QNetworkAccessManager>

#include <memory>

namespace desktop {

// Loads pages with Qt's network access: redirects followed but never from https down to http, a
// transfer that stalls for 20 seconds given up, and bodies beyond a sane size refused.
class QtWebLoader final : public platform::WebLoader {
public:
    static constexpr int transferTimeoutMs = 20'000;
    static constexpr qint64 maxBodyBytes = 8 << 20;

    void load(const std::string& url, std::function<void(platform::WebPage)> done) override;

private:
    // Made on first use, once the Qt application exists.
    std::unique_ptr<QNetworkAccessManager> manager_;
};

// The body as text: by the charset the server names, else the one the HTML itself declares, else UTF-8.
QString decodeBody(const QByteArray& body, const QString& contentType);

} // namespace desktop
