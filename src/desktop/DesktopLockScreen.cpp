#include "desktop/DesktopLockScreen.h"

#include "platform/Application.h"
#include "platform/Translate.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusUnixFileDescriptor>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace desktop {

namespace {

const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
// Long enough for a portal that asks the user after all; one that never answers is given up on.
constexpr int portalAnswerMs = 120'000;
constexpr int portalCallMs = 10'000;
constexpr int toolMs = 10'000;

bool desktopIs(const char* name)
{
    const QStringList desktops = qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(':', Qt::SkipEmptyParts);
    return std::any_of(desktops.begin(), desktops.end(),
                       [&](const QString& d) { return d.compare(QLatin1String(name), Qt::CaseInsensitive) == 0; });
}

// KDE Plasma's settings writer, on KDE Plasma; nothing elsewhere.
QString kdeTool()
{
    if (!desktopIs("KDE"))
        return {};
    for (const char* name : {"kwriteconfig6", "kwriteconfig5"})
        if (QString path = QStandardPaths::findExecutable(name); !path.isEmpty())
            return path;
    return {};
}

QString gnomeTool() { return desktopIs("GNOME") ? QStandardPaths::findExecutable("gsettings") : QString(); }

bool portalOnBus()
{
    // Without a session bus, asking for one would have libdbus launch a new one for nothing.
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS") &&
        !QFile::exists(qEnvironmentVariable("XDG_RUNTIME_DIR") + "/bus"))
        return false;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    QDBusConnectionInterface* names = bus.interface();
    return names->isServiceRegistered(portalService) || names->activatableServiceNames().value().contains(portalService);
}

// One request, from the portal through the fallbacks to the answer; it deletes itself once it answered.
class Attempt final : public QObject {
    Q_OBJECT
public:
    Attempt(const std::filesystem::path& picture, std::function<void(platform::LockScreenOutcome)> done)
        : picture_(QString::fromStdString(picture.string())), done_(std::move(done))
    {
    }

    void start()
    {
        if (portalOnBus())
            askPortal();
        else
            fallBack(platform::translate("DesktopLockScreen", "no desktop portal is running"));
    }

private slots:
    void portalResponse(uint response, const QVariantMap&)
    {
        if (!waitingForPortal_)
            return;
        waitingForPortal_ = false;
        // 1 is the user's own no, which a fallback must not overrule.
        if (response == 0)
            finish(true, platform::translate("DesktopLockScreen", "Set as the lock screen picture"));
        else if (response == 1)
            finish(false, platform::translate("DesktopLockScreen", "cancelled"));
        else
            fallBack(platform::translate("DesktopLockScreen", "the desktop portal did not take it"));
    }

private:
    void askPortal()
    {
        QDBusConnection bus = QDBusConnection::sessionBus();
        // The portal answers on a request object whose path it derives from our name and this token;
        // listening there before asking cannot miss the answer.
        const QString token = "tavrin_" + QString::number(QRandomGenerator::global()->generate64(), 16);
        listenForResponse(QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2")
                              .arg(bus.baseService().mid(1).replace('.', '_'), token));
        // Handed over open, so that the portal reads the file we wrote, whatever its path means to it.
        const int fd = ::open(QFile::encodeName(picture_).constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            finish(false, platform::fillIn(platform::translate("DesktopLockScreen", "cannot open %1: %2"), {picture_.toStdString(), std::strerror(errno)}));
            return;
        }
        const QDBusUnixFileDescriptor file(fd); // holds its own copy
        ::close(fd);
        QDBusMessage call = QDBusMessage::createMethodCall(portalService, portalPath, "org.freedesktop.portal.Wallpaper",
                                                           "SetWallpaperFile");
        call << QString() << QVariant::fromValue(file)
             << QVariantMap{{"handle_token", token}, {"set-on", "lockscreen"}, {"show-preview", false}};
        waitingForPortal_ = true;
        auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, portalCallMs), this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
            w->deleteLater();
            const QDBusPendingReply<QDBusObjectPath> reply = *w;
            if (!waitingForPortal_)
                return;
            if (reply.isError()) {
                waitingForPortal_ = false;
                // The portal's own words are for the log: they name interfaces, not what the user can do.
                platform::Application::shared().log("the desktop portal refused the picture: " +
                                                    reply.error().message().toStdString());
                fallBack(platform::translate("DesktopLockScreen", "the desktop portal refused it"));
            } else if (reply.value().path() != requestPath_) {
                // An older portal names the request itself.
                listenForResponse(reply.value().path());
            }
        });
        QTimer::singleShot(portalAnswerMs, this, [this] {
            if (!waitingForPortal_)
                return;
            waitingForPortal_ = false;
            fallBack(platform::translate("DesktopLockScreen", "the desktop portal did not answer"));
        });
    }

    void listenForResponse(const QString& path)
    {
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!requestPath_.isEmpty())
            bus.disconnect(portalService, requestPath_, "org.freedesktop.portal.Request", "Response", this,
                           SLOT(portalResponse(uint, QVariantMap)));
        requestPath_ = path;
        bus.connect(portalService, requestPath_, "org.freedesktop.portal.Request", "Response", this,
                    SLOT(portalResponse(uint, QVariantMap)));
    }

    void fallBack(const std::string& why)
    {
        const QString uri = QUrl::fromLocalFile(picture_).toString(QUrl::FullyEncoded);
        if (QString tool = kdeTool(); !tool.isEmpty()) {
            runTool(tool,
                    {"--file", "kscreenlockerrc", "--group", "Greeter", "--group", "Wallpaper", "--group", "org.kde.image",
                     "--group", "General", "--key", "Image", uri},
                    platform::translate("DesktopLockScreen", "Set as KDE Plasma's lock screen picture"), why);
        } else if (QString gsettings = gnomeTool(); !gsettings.isEmpty()) {
            runTool(gsettings, {"set", "org.gnome.desktop.screensaver", "picture-uri", uri},
                    platform::translate("DesktopLockScreen", "Set as GNOME's screen-saver picture. GNOME's lock screen shows the desktop "
                                                             "picture, blurred: set it as the desktop picture too to see it there"),
                    why);
        } else {
            finish(false, platform::fillIn(platform::translate("DesktopLockScreen", "%1, and no KDE Plasma or GNOME settings tool to fall back on"), {why}));
        }
    }

    void runTool(const QString& program, const QStringList& args, const std::string& done, const std::string& why)
    {
        auto* process = new QProcess(this);
        const std::string name = QFileInfo(program).fileName().toStdString();
        connect(process, &QProcess::finished, this, [=, this](int status, QProcess::ExitStatus exit) {
            if (exit == QProcess::NormalExit && status == 0) {
                finish(true, done);
                return;
            }
            const QString said = QString::fromLocal8Bit(process->readAllStandardError()).trimmed();
            finish(false, said.isEmpty() ? platform::fillIn(platform::translate("DesktopLockScreen", "%1; %2 failed"), {why, name})
                                         : platform::fillIn(platform::translate("DesktopLockScreen", "%1; %2 failed: %3"), {why, name, said.toStdString()}));
        });
        connect(process, &QProcess::errorOccurred, this, [=, this](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart)
                finish(false, platform::fillIn(platform::translate("DesktopLockScreen", "%1; %2 could not be started"), {why, name}));
        });
        QTimer::singleShot(toolMs, process, [process] { process->kill(); });
        process->start(program, args);
    }

    void finish(bool set, std::string message)
    {
        if (answered_)
            return;
        answered_ = true;
        // Always later, on the event loop, as the caller was promised.
        QTimer::singleShot(0, this, [this, outcome = platform::LockScreenOutcome{set, std::move(message)}] {
            done_(outcome);
            deleteLater();
        });
    }

    QString picture_;
    std::function<void(platform::LockScreenOutcome)> done_;
    QString requestPath_;
    bool waitingForPortal_ = false;
    bool answered_ = false;
};

} // namespace

bool DesktopLockScreen::canSetPicture()
{
    if (!canSet_)
        canSet_ = portalOnBus() || !kdeTool().isEmpty() || !gnomeTool().isEmpty();
    return *canSet_;
}

void DesktopLockScreen::setPicture(const std::filesystem::path& picture,
                                   std::function<void(platform::LockScreenOutcome)> done)
{
    (new Attempt(picture, std::move(done)))->start();
}

} // namespace desktop

#include "DesktopLockScreen.moc"
