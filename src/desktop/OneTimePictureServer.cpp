#include "desktop/OneTimePictureServer.h"

#include <QNetworkInterface>
#include <QRandomGenerator>
#include <QTcpSocket>

#include <array>

namespace desktop {

namespace {

QByteArray randomToken()
{
    std::array<quint32, 4> bits; // 128 bits
    QRandomGenerator::system()->fillRange(bits.data(), bits.size());
    return QByteArray(reinterpret_cast<const char*>(bits.data()), sizeof bits).toHex();
}

// Lower is better; nothing for an address a phone could not reach.
std::optional<int> addressRank(const QHostAddress& address)
{
    if (address.isLoopback() || address.isLinkLocal() || address.isMulticast())
        return std::nullopt;
    if (address.protocol() == QAbstractSocket::IPv4Protocol) {
        for (const char* range : {"10.0.0.0/8", "172.16.0.0/12", "192.168.0.0/16"})
            if (address.isInSubnet(QHostAddress::parseSubnet(range)))
                return 0;
        return 1;
    }
    if (address.protocol() == QAbstractSocket::IPv6Protocol && (address.isUniqueLocalUnicast() || address.isGlobal()))
        return 2;
    return std::nullopt;
}

QByteArray commonHeaders()
{
    return "Cache-Control: no-store\r\n"
           "X-Content-Type-Options: nosniff\r\n"
           "Connection: close\r\n";
}

} // namespace

OneTimePictureServer::OneTimePictureServer(QByteArray png, QObject* parent)
    : QObject(parent), png_(std::move(png)), path_("/" + randomToken() + "/wallpaper.png")
{
    lifetime_.setSingleShot(true);
    connect(&lifetime_, &QTimer::timeout, this, &OneTimePictureServer::expire);
    connect(&server_, &QTcpServer::newConnection, this, &OneTimePictureServer::accept);
}

OneTimePictureServer::~OneTimePictureServer() { stop(); }

std::optional<QHostAddress> OneTimePictureServer::localNetworkAddress()
{
    std::optional<QHostAddress> best;
    // A rank, then a real network card before a tunnel or a bridge of the same rank.
    int bestRank = 0;
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        const auto flags = interface.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) || !flags.testFlag(QNetworkInterface::IsRunning) ||
            flags.testFlag(QNetworkInterface::IsLoopBack))
            continue;
        const bool card = interface.type() == QNetworkInterface::Ethernet || interface.type() == QNetworkInterface::Wifi;
        for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
            const auto rank = addressRank(entry.ip());
            if (!rank)
                continue;
            const int ranked = *rank * 2 + (card ? 0 : 1);
            if (!best || ranked < bestRank) {
                best = entry.ip();
                bestRank = ranked;
            }
        }
    }
    return best;
}

bool OneTimePictureServer::start(std::optional<QHostAddress> address, std::chrono::milliseconds lifetime)
{
    if (!address)
        address = localNetworkAddress();
    if (!address) {
        error_ = "this computer is on no local network";
        return false;
    }
    if (!server_.listen(*address, 0)) {
        error_ = "cannot listen on " + address->toString() + ": " + server_.errorString();
        return false;
    }
    host_ = address->protocol() == QAbstractSocket::IPv6Protocol ? "[" + address->toString() + "]" : address->toString();
    lifetime_.start(lifetime);
    return true;
}

QString OneTimePictureServer::url() const
{
    if (host_.isEmpty())
        return {};
    return "http://" + host_ + ":" + QString::number(server_.serverPort()) + QString::fromLatin1(path_);
}

void OneTimePictureServer::stop()
{
    lifetime_.stop();
    server_.close();
    for (auto& [socket, connection] : connections_) {
        socket->disconnect(this);
        socket->abort();
        socket->deleteLater();
    }
    connections_.clear();
    downloading_ = nullptr;
}

void OneTimePictureServer::expire()
{
    stop();
    emit expired();
}

void OneTimePictureServer::accept()
{
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        if (int(connections_.size()) >= maxConnections) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        // Qt reads no further ahead than a head may be long.
        socket->setReadBufferSize(maxHeadBytes);
        auto* timer = new QTimer(socket);
        timer->setSingleShot(true);
        connections_[socket] = Connection{{}, timer};
        connect(timer, &QTimer::timeout, socket, &QTcpSocket::abort);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readFrom(socket); });
        connect(socket, &QTcpSocket::bytesWritten, this, [this, socket](qint64 bytes) { written(socket, bytes); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] { forget(socket); });
        connect(socket, &QTcpSocket::errorOccurred, this, [this, socket] { forget(socket); });
        timer->start(headTimeout);
    }
}

void OneTimePictureServer::readFrom(QTcpSocket* socket)
{
    auto found = connections_.find(socket);
    if (found == connections_.end())
        return;
    Connection& c = found->second;
    if (c.answered) {
        // A body, or a second request: never looked at.
        socket->skip(socket->bytesAvailable());
        return;
    }
    c.head += socket->read(maxHeadBytes - c.head.size());
    const qsizetype end = c.head.indexOf("\r\n\r\n");
    if (end < 0 && c.head.size() < maxHeadBytes)
        return;
    c.answered = true;
    c.headTimer->stop();
    socket->skip(socket->bytesAvailable());
    if (end < 0) {
        respond(socket, "431 Request Header Fields Too Large");
        return;
    }
    answer(socket, c.head.left(end));
}

void OneTimePictureServer::answer(QTcpSocket* socket, const QByteArray& head)
{
    const qsizetype lineEnd = head.indexOf("\r\n");
    const QList<QByteArray> line = (lineEnd < 0 ? head : head.left(lineEnd)).split(' ');
    if (line.size() != 3 || !line[2].startsWith("HTTP/1.")) {
        respond(socket, "400 Bad Request");
        return;
    }
    if (!isThePicture(line[1]))
        respond(socket, "404 Not Found");
    else if (line[0] != "GET")
        respond(socket, "405 Method Not Allowed", "Allow: GET\r\n");
    else if (spent_ || downloading_)
        respond(socket, "404 Not Found");
    else
        serve(socket);
}

bool OneTimePictureServer::isThePicture(const QByteArray& target) const
{
    // Every byte of the path is compared whatever differs first, so the time taken does not tell
    // how much of a guess was right. A shorter guess is compared against zeros.
    volatile unsigned char differs = target.size() != path_.size();
    for (qsizetype i = 0; i < path_.size(); ++i) {
        const char guessed = i < target.size() ? target[i] : 0;
        differs = differs | static_cast<unsigned char>(path_[i] ^ guessed);
    }
    return differs == 0;
}

void OneTimePictureServer::respond(QTcpSocket* socket, const QByteArray& status, const QByteArray& extraHeaders)
{
    const QByteArray body = status + "\n";
    socket->write("HTTP/1.1 " + status + "\r\nContent-Type: text/plain; charset=utf-8\r\nContent-Length: " +
                  QByteArray::number(body.size()) + "\r\n" + extraHeaders + commonHeaders() + "\r\n" + body);
    socket->disconnectFromHost();
}

void OneTimePictureServer::serve(QTcpSocket* socket)
{
    const QByteArray head = "HTTP/1.1 200 OK\r\nContent-Type: image/png\r\nContent-Length: " +
                            QByteArray::number(png_.size()) + "\r\n" + commonHeaders() + "\r\n";
    Connection& c = connections_.at(socket);
    c.toWrite = head.size() + png_.size();
    downloading_ = socket;
    socket->write(head);
    socket->write(png_);
}

void OneTimePictureServer::written(QTcpSocket* socket, qint64 bytes)
{
    if (socket != downloading_)
        return;
    Connection& c = connections_.at(socket);
    c.written += bytes;
    if (c.written < c.toWrite)
        return;
    downloading_ = nullptr;
    spent_ = true;
    lifetime_.stop();
    socket->disconnectFromHost();
    emit sent();
}

void OneTimePictureServer::forget(QTcpSocket* socket)
{
    if (!connections_.erase(socket))
        return;
    // Broken off before its last byte: the picture is still to be had.
    if (socket == downloading_)
        downloading_ = nullptr;
    socket->disconnect(this);
    socket->deleteLater();
}

} // namespace desktop
