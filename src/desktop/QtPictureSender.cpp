#include "desktop/QtPictureSender.h"

namespace desktop {

platform::PictureOffer QtPictureSender::offer(std::vector<std::uint8_t> png, std::function<void()> sent,
                                              std::function<void()> expired)
{
    withdraw();
    auto server = std::make_unique<OneTimePictureServer>(
        QByteArray(reinterpret_cast<const char*>(png.data()), qsizetype(png.size())));
    if (!server->start())
        return {{}, server->error().toStdString(), 0};
    QObject::connect(server.get(), &OneTimePictureServer::sent, server.get(), std::move(sent));
    QObject::connect(server.get(), &OneTimePictureServer::expired, server.get(), std::move(expired));
    server_ = std::move(server);
    return {server_->url().toStdString(), {},
            std::chrono::duration<double>(OneTimePictureServer::defaultLifetime).count()};
}

void QtPictureSender::withdraw()
{
    if (!server_)
        return;
    server_->stop();
    // It may be the one telling, from inside its own signal.
    server_.release()->deleteLater();
}

} // namespace desktop
