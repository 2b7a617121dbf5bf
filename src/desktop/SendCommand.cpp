#include "desktop/SendCommand.h"

#include "desktop/CommandSession.h"
#include "desktop/OneTimePictureServer.h"

#include "MainViewController.h"
#include "QrCode.h"

#include "platform/Translate.h"

#include <QEventLoop>

#include <charconv>
#include <iostream>
#include <unistd.h>

namespace desktop {

namespace {

// Two rows of modules a line: the upper half block is the upper module, the lower half block the
// lower one. Dark modules are the characters, so without colours it reads on a light page.
std::string terminalQrCode(const QrCode& code, bool colours)
{
    constexpr int quiet = 4;
    const int side = code.size() + 2 * quiet;
    auto dark = [&](int x, int y) {
        x -= quiet;
        y -= quiet;
        return x >= 0 && y >= 0 && x < code.size() && y < code.size() && code.isDark(x, y);
    };
    std::string out;
    for (int y = 0; y < side; y += 2) {
        if (colours)
            out += "\x1b[30;47m";
        for (int x = 0; x < side; ++x) {
            const bool upper = dark(x, y), lower = dark(x, y + 1);
            out += upper && lower ? "\u2588" : upper ? "\u2580" : lower ? "\u2584" : " ";
        }
        out += colours ? "\x1b[0m\n" : "\n";
    }
    return out;
}

int wholeSeconds(const std::string& text)
{
    int n = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (ec != std::errc() || end != text.data() + text.size() || n < 1 || n > 3600)
        throw UsageError{platform::translate("SendCommand", "--timeout is a whole number of seconds from 1 to 3600")};
    return n;
}

QHostAddress bindAddress(const std::string& text)
{
    QHostAddress address;
    if (!address.setAddress(QString::fromStdString(text)))
        throw UsageError{platform::fillIn(platform::translate("SendCommand", "--bind is an IP address, not '%1'"), {escaped(text)})};
    // The address goes into the code the phone scans: it must be one the phone can reach.
    if (address == QHostAddress::AnyIPv4 || address == QHostAddress::AnyIPv6)
        throw UsageError{platform::fillIn(platform::translate("SendCommand", "--bind is this computer's address on the network, not %1"), {text})};
    return address;
}

// The wallpaper alone at the phone's pixels, as export writes it. The session ends here: a wait of
// minutes must not hold the settings' lock.
QByteArray wallpaperPng(const std::optional<Screen>& screen, std::ostream& err)
{
    Session session(err, Session::Start::WithViews, screen);
    QImage picture = session.wallpaperAlone(session.main().screen().scale());
    if (auto mismatch = session.runtime().codeMismatchIn(picture))
        throw CommandFailure{*mismatch};
    QByteArray png = encodeScreen(picture, "PNG");
    if (png.isEmpty())
        throw CommandFailure{platform::translate("SendCommand", "cannot encode the picture")};
    if (session.finish() != 0)
        return {};
    return png;
}

} // namespace

int sendToPhone(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    std::optional<Screen> screen;
    std::optional<QHostAddress> address;
    int timeout = int(std::chrono::duration_cast<std::chrono::seconds>(OneTimePictureServer::defaultLifetime).count());
    for (size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--device" && i + 1 < args.size())
            screen = screenNamed(args[++i]);
        else if (args[i] == "--timeout" && i + 1 < args.size())
            timeout = wholeSeconds(args[++i]);
        else if (args[i] == "--bind" && i + 1 < args.size())
            address = bindAddress(args[++i]);
        else
            throw UsageError{
                platform::fillIn(platform::translate("SendCommand", "send takes [--device ID] [--timeout S] [--bind ADDRESS], not '%1'"), {escaped(args[i])})};
    }
    const QByteArray png = wallpaperPng(screen, err);
    if (png.isEmpty())
        return 1;

    OneTimePictureServer server(png);
    if (!server.start(address, std::chrono::seconds(timeout)))
        throw CommandFailure{server.error().toStdString()};
    const std::string url = server.url().toStdString();
    const bool terminal = &out == &std::cout && ::isatty(STDOUT_FILENO);
    out << platform::translate("SendCommand", "Scan the code with your phone's camera; the phone must be on the same network as this computer.")
        << "\n"
        << terminalQrCode(*QrCode::encode(url), terminal) << url << "\n"
        << std::flush;

    QEventLoop loop;
    QObject::connect(&server, &OneTimePictureServer::sent, &loop, [&] { loop.exit(0); });
    QObject::connect(&server, &OneTimePictureServer::expired, &loop, [&] { loop.exit(1); });
    if (loop.exec() != 0) {
        err << "tavrin-plus: " << platform::fillIn(platform::translate("SendCommand", "nobody downloaded it in %1 s"), {std::to_string(timeout)})
            << "\n";
        return 1;
    }
    out << platform::translate("SendCommand", "Sent") << "\n";
    return 0;
}

} // namespace desktop
