#include "desktop/AppRuntime.h"
#include "desktop/CommandLine.h"
#include "desktop/PhoneWindow.h"
#include "desktop/SettingsWatcher.h"
#include "desktop/UserLanguage.h"

#include "platform/Clock.h"
#include "platform/Translate.h"

#include <QApplication>
#include <QGuiApplication>

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class StderrLog final : public platform::Log {
public:
    void log(const std::string& line) override { std::cerr << "tavrin-plus: " << line << "\n"; }
};

bool hasDisplay()
{
    auto set = [](const char* name) {
        const char* v = std::getenv(name);
        return v && *v;
    };
    // An explicit Qt platform (offscreen, vnc ...) needs no display either.
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
}

// A usage error of the window's arguments, said in the user's language: the translations need an
// application object, which the window's own cannot be without a display.
int refuse(int argc, char** argv, const std::function<std::string()>& message)
{
    QCoreApplication core(argc, argv);
    const desktop::UserLanguage language;
    std::cerr << "tavrin-plus: " << message();
    return 2;
}

int runWindow(int argc, char** argv, const std::vector<std::string>& args)
{
    int zoom = 1;
    for (size_t i = 0; i < args.size(); ++i) {
        int n = 0;
        const std::string* value = i + 1 < args.size() ? &args[i + 1] : nullptr;
        if (args[i] == "--zoom" && value &&
            std::from_chars(value->data(), value->data() + value->size(), n).ptr == value->data() + value->size() &&
            n >= 1 && n <= 4) {
            zoom = n;
            ++i;
        } else {
            return refuse(argc, argv, [&] {
                return platform::fillIn(platform::translate("main", "unknown or malformed argument '%1'"), {args[i]}) +
                       "\n" + desktop::usage();
            });
        }
    }
    if (!hasDisplay()) {
        return refuse(argc, argv, [] {
            return platform::translate("main", "no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY "
                                               "is set); try 'tavrin-plus export' or 'xvfb-run tavrin-plus'") + "\n";
        });
    }
    QApplication qt(argc, argv);
    QApplication::setApplicationName("TavrinPlus");
    desktop::UserLanguage language;
    StderrLog log;
    platform::SteadyClock clock;
    desktop::AppRuntime runtime(clock, log, desktop::AppRuntime::Use::Window);
    runtime.launch();
    desktop::SettingsWatcher watcher(runtime);
    desktop::PhoneWindow window(runtime, zoom);
    window.show();
    return QApplication::exec();
}

// Qt falls back to a private runtime folder when none is set, with a warning on every start; take the
// same folder quietly, since a command run from a plain shell is not a fault.
void provideRuntimeDir()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    QByteArray dir = "/tmp/runtime-" + QByteArray::number(getuid());
    if (::mkdir(dir.constData(), 0700) == 0 || errno == EEXIST)
        qputenv("XDG_RUNTIME_DIR", dir);
}

} // namespace

int main(int argc, char** argv)
{
    provideRuntimeDir();
    std::vector<std::string> args(argv + 1, argv + argc);
    if (!desktop::isCommand(args))
        return runWindow(argc, argv, args);
    // Subcommands draw offscreen: they work without a display and never open a window.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication qt(qtArgc, argv);
    desktop::UserLanguage language;
    return desktop::runCommand(args, std::cout, std::cerr);
}
