// A desktop portal with only the Wallpaper interface, for the lock screen's tests on a private session
// bus. It records each SetWallpaperFile call into DIR (the options, one "key=value" a line, in
// "options"; the bytes read from the handed file in "picture"; a line a call in "calls"), answers the
// request with ANSWER (0 taken, 1 cancelled, 2 refused) and writes DIR/ready once it owns its name.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusUnixFileDescriptor>
#include <QDBusVirtualObject>
#include <QFile>

#include <cstdio>

namespace {

void append(const QString& file, const QByteArray& bytes)
{
    QFile f(file);
    if (f.open(QIODevice::Append))
        f.write(bytes);
}

class Portal final : public QDBusVirtualObject {
public:
    Portal(QString dir, uint answer) : dir_(std::move(dir)), answer_(answer) {}

    QString introspect(const QString&) const override
    {
        return "<interface name=\"org.freedesktop.portal.Wallpaper\">"
               "<method name=\"SetWallpaperFile\"><arg type=\"s\" direction=\"in\"/><arg type=\"h\" direction=\"in\"/>"
               "<arg type=\"a{sv}\" direction=\"in\"/><arg type=\"o\" direction=\"out\"/></method>"
               "<property name=\"version\" type=\"u\" access=\"read\"/></interface>";
    }

    bool handleMessage(const QDBusMessage& call, const QDBusConnection& bus) override
    {
        if (call.interface() != "org.freedesktop.portal.Wallpaper" || call.member() != "SetWallpaperFile" ||
            call.arguments().size() != 3)
            return false;
        const auto file = call.arguments().at(1).value<QDBusUnixFileDescriptor>();
        const auto options = qdbus_cast<QVariantMap>(call.arguments().at(2));
        QByteArray lines;
        for (auto it = options.begin(); it != options.end(); ++it)
            lines += it.key().toUtf8() + "=" + it.value().toString().toUtf8() + "\n";
        QFile picture;
        if (picture.open(file.fileDescriptor(), QIODevice::ReadOnly))
            append(dir_ + "/picture", picture.readAll());
        append(dir_ + "/options", lines);
        append(dir_ + "/calls", "SetWallpaperFile\n");
        const QString request = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2")
                                    .arg(call.service().mid(1).replace('.', '_'), options.value("handle_token").toString());
        bus.send(call.createReply(QVariant::fromValue(QDBusObjectPath(request))));
        QDBusMessage response = QDBusMessage::createSignal(request, "org.freedesktop.portal.Request", "Response");
        response << answer_ << QVariantMap();
        bus.send(response);
        return true;
    }

private:
    QString dir_;
    uint answer_;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: stand-in-portal DIR ANSWER\n");
        return 2;
    }
    Portal portal(QString::fromLocal8Bit(argv[1]), QByteArray(argv[2]).toUInt());
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerVirtualObject("/org/freedesktop/portal/desktop", &portal) ||
        !bus.registerService("org.freedesktop.portal.Desktop")) {
        std::fprintf(stderr, "stand-in-portal: %s\n", qPrintable(bus.lastError().message()));
        return 1;
    }
    append(QString::fromLocal8Bit(argv[1]) + "/ready", "");
    return app.exec();
}
