#include "desktop/AppRuntime.h"
#include "desktop/CommandLine.h"
#include "desktop/PhoneWindow.h"
#include "desktop/SettingsWatcher.h"

#include "platform/Clock.h"

#include <QApplication>
#include <QGuiApplication>

#include <cerrno>
#include <charconv>
#include <cstdlib>
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
            std::cerr << "tavrin-plus: unknown or malformed argument '" << args[i] << "'\n" << desktop::usage();
            return 2;
        }
    }
    if (!hasDisplay()) {
        std::cerr << "tavrin-plus: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); "
                     "try 'tavrin-plus export' or 'xvfb-run tavrin-plus'\n";
        return 2;
    }
    QApplication qt(argc, argv);
    QApplication::setApplicationName("TavrinPlus");
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
    return desktop::runCommand(args, std::cout, std::cerr);
}
