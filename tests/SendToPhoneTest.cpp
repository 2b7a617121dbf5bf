// Send to Phone: the one-time picture server on 127.0.0.1, the send command run for real, and the
// window's panel over a stand-in sender.
#include "support/Files.h"

#include "desktop/OneTimePictureServer.h"
#include "desktop/QrCodeReader.h"
#include "desktop/QtPictureSender.h"

#include "MainViewController.h"

#include "platform/Label.h"

#include <QCoreApplication>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpSocket>

#include <gtest/gtest.h>

#include <functional>
#include <sys/wait.h>

using desktop::OneTimePictureServer;
using namespace testing_support;

namespace {

// Runs the event loop until `done`: the server and its clients share this thread.
void runUntil(const std::function<bool()>& done)
{
    while (!done())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

struct Reply {
    int status = 0; // 0: closed without an answer
    QByteArray head, body;
    bool has(const QByteArray& headerLine) const { return head.contains("\r\n" + headerLine + "\r\n"); }
};

// Sends `request` as it is and reads until the server closes.
Reply exchange(quint16 port, const QByteArray& request, const QHostAddress& host = QHostAddress::LocalHost)
{
    QTcpSocket socket;
    QByteArray raw;
    bool closed = false;
    QObject::connect(&socket, &QTcpSocket::readyRead, [&] { raw += socket.readAll(); });
    QObject::connect(&socket, &QTcpSocket::disconnected, [&] { closed = true; });
    QObject::connect(&socket, &QTcpSocket::errorOccurred, [&] { closed = true; });
    socket.connectToHost(host, port);
    socket.write(request);
    runUntil([&] { return closed; });
    raw += socket.readAll();
    Reply reply;
    const qsizetype end = raw.indexOf("\r\n\r\n");
    if (!raw.startsWith("HTTP/1.1 ") || end < 0)
        return reply;
    reply.status = raw.mid(9, 3).toInt();
    reply.head = raw.left(end + 2);
    reply.body = raw.mid(end + 4);
    return reply;
}

QByteArray get(const QByteArray& path) { return "GET " + path + " HTTP/1.1\r\nHost: phone\r\n\r\n"; }

// The server's one path, from its address.
QByteArray pathOf(const OneTimePictureServer& server)
{
    return server.url().mid(server.url().indexOf('/', 7)).toLatin1();
}

QByteArray somePicture(qsizetype size)
{
    QByteArray bytes("\x89PNG\r\n\x1a\n");
    bytes.reserve(size);
    while (bytes.size() < size)
        bytes += char(bytes.size() * 7 % 251);
    return bytes;
}

} // namespace

TEST(SendToPhone, ServesThePictureOnceAtItsSecretPathAndAnswersNothingElse)
{
    const QByteArray png = somePicture(200'000);
    OneTimePictureServer server(png);
    int sent = 0;
    QObject::connect(&server, &OneTimePictureServer::sent, [&] { ++sent; });
    ASSERT_TRUE(server.start(QHostAddress::LocalHost));
    const quint16 port = server.port();
    const QByteArray path = pathOf(server);
    // A client that never finishes its head is dropped after a while, whatever else goes on meanwhile.
    QTcpSocket silent;
    bool dropped = false;
    QObject::connect(&silent, &QTcpSocket::disconnected, [&] { dropped = true; });
    silent.connectToHost(QHostAddress::LocalHost, port);
    silent.write("GET " + path);
    EXPECT_TRUE(QRegularExpression("^http://127\\.0\\.0\\.1:\\d+/[0-9a-f]{32}/wallpaper\\.png$").match(server.url()).hasMatch())
        << server.url().toStdString();
    OneTimePictureServer six(png);
    if (six.start(QHostAddress::LocalHostIPv6)) { // where the computer has IPv6 at all
        EXPECT_TRUE(six.url().startsWith("http://[::1]:")) << six.url().toStdString();
        EXPECT_EQ(exchange(six.port(), get(pathOf(six)), QHostAddress::LocalHostIPv6).status, 200);
    }

    QByteArray lastDiffers = path;
    lastDiffers[1 + 31] = lastDiffers[1 + 31] == 'a' ? 'b' : 'a';
    const struct {
        const char* what;
        QByteArray request;
        int status;
    } refused[] = {
        {"another token", get("/0123456789abcdef0123456789abcdef/wallpaper.png"), 404},
        {"the token's last character", get(lastDiffers), 404},
        {"a shorter token", get(path.left(20) + "/wallpaper.png"), 404},
        {"the listing", get("/"), 404},
        {"the token's folder", get(path.left(33)), 404},
        {"a query", get(path + "?x"), 404},
        {"HEAD", "HEAD " + path + " HTTP/1.1\r\n\r\n", 405},
        {"POST with a body", "POST " + path + " HTTP/1.1\r\nContent-Length: 5\r\n\r\nhello", 405},
        {"another method elsewhere", "DELETE / HTTP/1.1\r\n\r\n", 404},
        {"a head over 8 KiB", "GET " + path + " HTTP/1.1\r\nX-Long: " + QByteArray(9000, 'a'), 431},
        {"not HTTP", "hello\r\n\r\n", 400},
    };
    for (const auto& row : refused) {
        Reply reply = exchange(port, row.request);
        EXPECT_EQ(reply.status, row.status) << row.what;
        EXPECT_FALSE(reply.body.contains("wallpaper")) << row.what;
        EXPECT_TRUE(reply.has("Connection: close")) << row.what;
        EXPECT_EQ(reply.has("Allow: GET"), row.status == 405) << row.what;
    }
    EXPECT_EQ(sent, 0);

    Reply picture = exchange(port, get(path));
    EXPECT_EQ(picture.status, 200);
    EXPECT_EQ(picture.body, png);
    for (QByteArray header : {"Content-Type: image/png", "Cache-Control: no-store", "X-Content-Type-Options: nosniff",
                              "Connection: close"})
        EXPECT_TRUE(picture.has(header)) << header.constData();
    EXPECT_TRUE(picture.has("Content-Length: " + QByteArray::number(png.size())));
    EXPECT_EQ(sent, 1);

    // Spent: the same request is refused from now on, and the owner is not told again.
    EXPECT_EQ(exchange(port, get(path)).status, 404);
    EXPECT_EQ(sent, 1);
    EXPECT_TRUE(server.isListening());
    runUntil([&] { return dropped; });
    EXPECT_EQ(silent.readAll(), "");
}

TEST(SendToPhone, ADownloadBrokenOffLeavesThePictureForTheNextAndOnlyOneIsServedAtATime)
{
    // Far more than the kernel buffers between the two ends, so the first download stalls midway.
    const QByteArray png = somePicture(48 << 20);
    OneTimePictureServer server(png);
    int sent = 0;
    QObject::connect(&server, &OneTimePictureServer::sent, [&] { ++sent; });
    ASSERT_TRUE(server.start(QHostAddress::LocalHost));
    const QByteArray path = pathOf(server);

    QTcpSocket slow;
    // Qt stops reading from the network when this much is waiting: the server cannot finish.
    slow.setReadBufferSize(64 * 1024);
    slow.connectToHost(QHostAddress::LocalHost, server.port());
    slow.write(get(path));
    runUntil([&] { return slow.bytesAvailable() > 0; });
    ASSERT_TRUE(slow.peek(15).startsWith("HTTP/1.1 200"));

    EXPECT_EQ(exchange(server.port(), get(path)).status, 404) << "a second download while the first is under way";
    slow.abort();

    Reply whole = exchange(server.port(), get(path));
    EXPECT_EQ(whole.status, 200);
    EXPECT_TRUE(whole.body == png);
    EXPECT_EQ(sent, 1);
}

TEST(SendToPhone, TakesSixteenConnectionsAtOnceAndClosesThePortAtTheEndOfItsLifetime)
{
    OneTimePictureServer capped(somePicture(1000));
    ASSERT_TRUE(capped.start(QHostAddress::LocalHost));
    // Sixteen clients that say nothing; a seventeenth is closed at once.
    std::vector<std::unique_ptr<QTcpSocket>> idle;
    int connected = 0;
    for (int i = 0; i < OneTimePictureServer::maxConnections; ++i) {
        idle.push_back(std::make_unique<QTcpSocket>());
        QObject::connect(idle.back().get(), &QTcpSocket::connected, [&] { ++connected; });
        idle.back()->connectToHost(QHostAddress::LocalHost, capped.port());
    }
    runUntil([&] { return connected == OneTimePictureServer::maxConnections; });
    EXPECT_EQ(exchange(capped.port(), get(pathOf(capped))).status, 0) << "one too many";
    for (auto& socket : idle)
        EXPECT_EQ(socket->state(), QAbstractSocket::ConnectedState);

    OneTimePictureServer brief(somePicture(1000));
    bool expired = false, sent = false;
    QObject::connect(&brief, &OneTimePictureServer::expired, [&] { expired = true; });
    QObject::connect(&brief, &OneTimePictureServer::sent, [&] { sent = true; });
    ASSERT_TRUE(brief.start(QHostAddress::LocalHost, std::chrono::milliseconds(1)));
    const quint16 port = brief.port();
    runUntil([&] { return expired; });
    EXPECT_FALSE(sent);
    QTcpSocket late;
    late.connectToHost(QHostAddress::LocalHost, port);
    runUntil([&] { return late.state() != QAbstractSocket::ConnectingState && late.state() != QAbstractSocket::HostLookupState; });
    EXPECT_EQ(late.error(), QAbstractSocket::ConnectionRefusedError);
}

TEST(SendToPhone, TheWindowsSenderServesEachOfferOnTheLocalNetworkUntilWithdrawn)
{
    desktop::QtPictureSender sender;
    const std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', 1, 2, 3};
    int sent = 0;
    const QUrl first(QString::fromStdString(sender.offer(png, [] {}, [] {}).url));
    if (first.isEmpty())
        GTEST_SKIP() << "no local network here";
    // Told sent, it may withdraw at once, from inside the server's own signal.
    const platform::PictureOffer offered = sender.offer(png, [&] { ++sent, sender.withdraw(); }, [] {});
    EXPECT_EQ(offered.lifetime, 120);
    const QUrl second(QString::fromStdString(offered.url));
    // From this computer itself, at the address a phone would use.
    EXPECT_EQ(exchange(quint16(first.port()), get(first.path().toLatin1()), QHostAddress(first.host())).status, 0)
        << "a new offer closes the last";
    Reply reply = exchange(quint16(second.port()), get(second.path().toLatin1()), QHostAddress(second.host()));
    EXPECT_EQ(reply.body, QByteArray(reinterpret_cast<const char*>(png.data()), qsizetype(png.size())));
    EXPECT_EQ(sent, 1);
}

namespace {

// The code the command printed, read back from its half blocks as a camera would read it off the screen.
std::optional<std::string> readPrintedCode(const QString& printed)
{
    // Between the line that says what to do and the address, a pixel for each module.
    const QStringList lines = printed.split('\n').mid(1, printed.count('\n') - 2);
    if (lines.isEmpty())
        return std::nullopt;
    QImage image(int(lines[0].size()), int(lines.size()) * 2, QImage::Format_RGB32);
    for (int row = 0; row < lines.size(); ++row)
        for (int x = 0; x < lines[row].size(); ++x) {
            const char16_t c = lines[row][x].unicode();
            image.setPixel(x, row * 2, c == 0x2588 || c == 0x2580 ? 0xFF000000 : 0xFFFFFFFF);
            image.setPixel(x, row * 2 + 1, c == 0x2588 || c == 0x2584 ? 0xFF000000 : 0xFFFFFFFF);
        }
    return desktop::readQrCode(image.scaled(image.size() * 4));
}

} // namespace

TEST(SendToPhone, TheCommandPrintsTheAddressAsACodeAndExitsOnceThePhoneHasThePicture)
{
    TempHome home;
    const auto exported = home.path() / "exported.png";
    ASSERT_EQ(std::system((std::string(TAVRIN_BINARY) + " export --device iphone-se -o " + exported.string() +
                           " >/dev/null")
                              .c_str()),
              0);

    QProcess send;
    send.start(TAVRIN_BINARY, {"send", "--device", "iphone-se", "--bind", "127.0.0.1", "--timeout", "20"});
    QString printed;
    QString url;
    runUntil([&] {
        printed += QString::fromUtf8(send.readAllStandardOutput());
        url = QRegularExpression("(http://\\S+)\n").match(printed).captured(1);
        return !url.isEmpty() || send.state() == QProcess::NotRunning;
    });
    ASSERT_FALSE(url.isEmpty()) << send.readAllStandardError().toStdString();
    EXPECT_EQ(readPrintedCode(printed), url.toStdString()) << printed.toStdString();
    EXPECT_FALSE(printed.contains("\x1b[")) << "no colours when not on a terminal";

    const QUrl address(url);
    Reply reply = exchange(quint16(address.port()), get(address.path().toLatin1()));
    ASSERT_EQ(reply.status, 200);
    EXPECT_TRUE(reply.body == QByteArray::fromStdString(readFile(exported))) << "the same picture as export writes";
    EXPECT_EQ(QImage::fromData(reply.body, "PNG").size(), QSize(750, 1334));

    runUntil([&] { return send.state() == QProcess::NotRunning; });
    EXPECT_EQ(send.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(send.exitCode(), 0) << send.readAllStandardError().toStdString();
    EXPECT_TRUE(send.readAllStandardOutput().endsWith("Sent\n"));
}

TEST(SendToPhone, TheCommandFailsWhenNobodyFetchesOrItCannotListen)
{
    TempHome home;
    const struct {
        const char* args;
        int status;
        const char* says;
    } rows[] = {
        {"--bind 127.0.0.1 --timeout 1", 1, "nobody downloaded it in 1 s"},
        {"--bind 192.0.2.1 --timeout 1", 1, "cannot listen on 192.0.2.1"},
        {"--timeout 0", 2, "--timeout is a whole number of seconds from 1 to 3600"},
        {"--timeout 3601", 2, "--timeout is a whole number"},
        {"--timeout 1.5", 2, "--timeout is a whole number"},
        {"--bind phone.local", 2, "--bind is an IP address"},
        {"--bind 0.0.0.0", 2, "not 0.0.0.0"},
        {"--timeout", 2, "send takes [--device ID]"},
    };
    const auto err = home.path() / "stderr";
    for (const auto& row : rows) {
        const int status =
            std::system((std::string(TAVRIN_BINARY) + " send " + row.args + " >/dev/null 2>" + err.string()).c_str());
        EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, row.status) << row.args;
        EXPECT_NE(readFile(err).find(row.says), std::string::npos) << row.args << ": " << readFile(err);
    }
}

namespace {

// Stands in for the desktop's sender: keeps what it was offered and tells sent or expired when told.
class StandInSender final : public platform::PictureSender {
public:
    platform::PictureOffer offer(std::vector<std::uint8_t> png, std::function<void()> sent,
                                 std::function<void()> expired) override
    {
        offered.push_back(std::move(png));
        sent_ = std::move(sent);
        expired_ = std::move(expired);
        if (!refusal.empty())
            return {{}, refusal, 0};
        return {url, {}, 120};
    }
    void withdraw() override
    {
        ++withdrawn;
        sent_ = expired_ = nullptr;
    }
    void reportSent() { sent_(); }
    void reportExpired() { expired_(); }

    std::string url = "http://192.168.1.20:41234/0123456789abcdef0123456789abcdef/wallpaper.png";
    std::string refusal;
    std::vector<std::vector<std::uint8_t>> offered;
    int withdrawn = 0;

private:
    std::function<void()> sent_, expired_;
};

} // namespace

TEST(SendToPhonePanel, OffersTheWallpaperAloneAsACodeThenSaysThePhoneHasItOrThatTheAddressExpired)
{
    TestApp t;
    StandInSender sender;
    t.app().servicesForTesting().pictureSender = &sender;
    auto text = [&](const std::string& id) { return t.view<platform::Label>(id).text(); };

    t.tapAndSettle("dialog.save");
    // A capture taken over the instructions leaves its notice there.
    t.runtime().captureScreen();
    ASSERT_FALSE(t.findAll("capture.notice").empty());
    t.tapAndSettle("capture.sendToPhone");
    ASSERT_EQ(sender.offered.size(), 1u);
    const QImage offered = QImage::fromData(sender.offered[0].data(), int(sender.offered[0].size()), "PNG");
    EXPECT_EQ(offered.size(), QSize(320, 480)) << "the phone's pixels";
    EXPECT_EQ(rgbAt(offered, 5, 5), 0xA8A8A8u) << "the wallpaper alone, not the instructions over it";
    EXPECT_EQ(rgbAt(offered, 160, 440), 0xA8A8A8u) << "nor the capture's notice";
    EXPECT_EQ(filesStartingWith(t.home->albumDir(), "wallpaper-").size(), 1u) << "nothing more captured into the album";
    EXPECT_EQ(t.main().captureState(), MainViewController::CaptureState::Instructions);
    EXPECT_EQ(text("send.title"), "Send to Phone");
    EXPECT_EQ(text("send.address"),
              "http://192.168.1.20:41234/\n0123456789abcdef0123456789abcdef/\nwallpaper.png");
    EXPECT_EQ(text("send.expires"), "Expires in 1:59");
    EXPECT_EQ(desktop::readQrCode(t.screenshot(2)), sender.url);
    EXPECT_FALSE(t.isReachable("capture.continue"));
    t.advance(60);
    EXPECT_EQ(text("send.expires"), "Expires in 0:59");

    sender.reportSent();
    t.settle();
    EXPECT_EQ(text("send.title"), "Sent");
    EXPECT_EQ(text("send.message"),
              "Your phone has the wallpaper. Save it to your photos and set it as your lock screen picture.");
    EXPECT_FALSE(t.isReachable("send.code"));
    EXPECT_FALSE(t.isReachable("send.cancel"));
    EXPECT_EQ(sender.withdrawn, 0);
    t.tapAndSettle("send.done");
    EXPECT_EQ(sender.withdrawn, 1);
    EXPECT_TRUE(t.findAll("send.panel").empty());
    EXPECT_TRUE(t.isReachable("capture.continue")) << "back to the instructions";

    // Expired: Try Again offers the same picture anew, Cancel withdraws it.
    t.tapAndSettle("capture.sendToPhone");
    sender.reportExpired();
    t.settle();
    EXPECT_EQ(text("send.message"), "The address has expired.");
    EXPECT_FALSE(t.isReachable("send.code"));
    t.tapAndSettle("send.tryAgain");
    ASSERT_EQ(sender.offered.size(), 3u);
    EXPECT_EQ(sender.offered[2], sender.offered[1]);
    EXPECT_EQ(text("send.expires"), "Expires in 1:59");
    EXPECT_TRUE(t.isReachable("send.code"));
    t.tapAndSettle("send.cancel");
    EXPECT_EQ(sender.withdrawn, 2);
    EXPECT_TRUE(t.isReachable("capture.continue"));

    // No network: it says so, and it can be tried again.
    sender.refusal = "this computer is on no local network";
    t.tapAndSettle("capture.sendToPhone");
    EXPECT_EQ(text("send.message"), "The picture cannot be sent: this computer is on no local network.");
    EXPECT_TRUE(t.isReachable("send.tryAgain"));
    t.tapAndSettle("send.cancel");
    EXPECT_TRUE(t.isReachable("capture.continue"));
}
