#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QTcpServer>
#include <QTimer>

#include <chrono>
#include <map>
#include <optional>

class QTcpSocket;

namespace desktop {

// Hands one PNG to one phone over the local network: served at http://ADDRESS:PORT/TOKEN/wallpaper.png
// until one download completes or the lifetime ends, whichever comes first. Written on QTcpServer
// rather than a ready-made HTTP server because it must know when the last byte left and must cap
// what a client can make it hold.
class OneTimePictureServer final : public QObject {
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds defaultLifetime = std::chrono::minutes(2);
    static constexpr qsizetype maxHeadBytes = 8 * 1024;
    static constexpr std::chrono::milliseconds headTimeout = std::chrono::seconds(10);
    static constexpr int maxConnections = 16;

    explicit OneTimePictureServer(QByteArray png, QObject* parent = nullptr);
    ~OneTimePictureServer() override;

    // Listens on `address`, or on this computer's local-network address when none is given, on any
    // free port. False with error() saying why in the user's words.
    bool start(std::optional<QHostAddress> address = {}, std::chrono::milliseconds lifetime = defaultLifetime);
    // Closes the port and every connection; nothing is told after it.
    void stop();
    bool isListening() const { return server_.isListening(); }
    QString error() const { return error_; }
    // The one address that answers; empty until started.
    QString url() const;
    quint16 port() const { return server_.serverPort(); }

    // The address a phone on the same network reaches this computer at: up, running, not loopback;
    // private IPv4 first, then other IPv4, then unique-local or global IPv6. Nothing when there is none.
    static std::optional<QHostAddress> localNetworkAddress();

signals:
    // One download completed: every byte was handed to the network. From then on every request is
    // answered 404 until stopped.
    void sent();
    // The lifetime ended with nothing downloaded; the port is closed.
    void expired();

private:
    struct Connection {
        QByteArray head;            // what came of the request's head so far
        QTimer* headTimer;          // the socket's child: goes with it
        bool answered = false;      // from then on whatever it sends is thrown away
        qint64 toWrite = 0;         // the picture's response, once it is being served
        qint64 written = 0;
    };

    void accept();
    void readFrom(QTcpSocket* socket);
    void answer(QTcpSocket* socket, const QByteArray& head);
    void respond(QTcpSocket* socket, const QByteArray& status, const QByteArray& extraHeaders = {});
    void serve(QTcpSocket* socket);
    void written(QTcpSocket* socket, qint64 bytes);
    void forget(QTcpSocket* socket);
    void expire();
    bool isThePicture(const QByteArray& target) const;

    QByteArray png_;
    QByteArray path_; // "/TOKEN/wallpaper.png"
    QString host_;
    QTcpServer server_;
    QTimer lifetime_;
    std::map<QTcpSocket*, Connection> connections_;
    QTcpSocket* downloading_ = nullptr;
    bool spent_ = false;
    QString error_;
};

} // namespace desktop
