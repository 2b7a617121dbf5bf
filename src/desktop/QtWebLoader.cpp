#include "desktop/QtWebLoader.h"

#include <QNetworkReply>
#include <QRegularExpression>
#include <QStringDecoder>

namespace desktop {

QString decodeBody(const QByteArray& body, const QString& contentType)
{
    static const QRegularExpression charsetParameter(QStringLiteral("charset\\s*=\\s*\"?([^\";\\s]+)"),
                                                     QRegularExpression::CaseInsensitiveOption);
    std::optional<QStringConverter::Encoding> encoding;
    if (auto match = charsetParameter.match(contentType); match.hasMatch())
        encoding = QStringConverter::encodingForName(match.captured(1).toLatin1().constData());
    if (!encoding)
        encoding = QStringConverter::encodingForHtml(body);
    QStringDecoder decoder(encoding.value_or(QStringConverter::Utf8));
    return decoder.decode(body);
}

void QtWebLoader::load(const std::string& url, std::function<void(platform::WebPage)> done)
{
    if (!manager_)
        manager_ = std::make_unique<QNetworkAccessManager>();
    QNetworkRequest request(QUrl(QString::fromStdString(url)));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(10);
    request.setTransferTimeout(transferTimeoutMs);
    QNetworkReply* reply = manager_->get(request);
    auto tooLarge = std::make_shared<bool>(false);
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply, [reply, tooLarge](qint64 received, qint64) {
        if (received > maxBodyBytes && !*tooLarge) {
            *tooLarge = true;
            reply->abort();
        }
    });
    // A reply finishes exactly once, also when aborted or timed out.
    QObject::connect(reply, &QNetworkReply::finished, reply, [reply, tooLarge, done = std::move(done)] {
        reply->deleteLater();
        platform::WebPage page;
        page.url = reply->url().toString().toStdString();
        if (*tooLarge) {
            page.errorDescription = "The page is larger than this viewer accepts.";
        } else if (reply->error() == QNetworkReply::OperationCanceledError) {
            // Qt's own words for a transfer time-out are "Operation canceled".
            page.errorDescription = "The server did not answer in time.";
        } else if (reply->error() != QNetworkReply::NoError) {
            page.errorDescription = reply->errorString().toStdString();
        } else {
            page.ok = true;
            page.body = decodeBody(reply->readAll(), reply->header(QNetworkRequest::ContentTypeHeader).toString())
                            .toStdString();
        }
        done(std::move(page));
    });
}

} // namespace desktop
