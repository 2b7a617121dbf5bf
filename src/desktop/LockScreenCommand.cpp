#include "desktop/LockScreenCommand.h"

#include "desktop/CommandSession.h"
#include "desktop/DesktopLockScreen.h"

#include "MainViewController.h"

#include <QEventLoop>

namespace desktop {

int setLockScreen(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    std::optional<Screen> screen;
    for (size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--device" && i + 1 < args.size() && !screen)
            screen = screenNamed(args[++i]);
        else
            throw UsageError{"set-lockscreen takes [--device ID], not '" + escaped(args[i]) + "'"};
    }
    Session session(err, Session::Start::WithViews, screen);
    const std::filesystem::path picture = session.wallpaperIntoAlbum(session.main().screen().scale());
    std::optional<platform::LockScreenOutcome> outcome;
    QEventLoop loop;
    DesktopLockScreen lockScreen;
    lockScreen.setPicture(picture, [&](platform::LockScreenOutcome answer) {
        outcome = std::move(answer);
        loop.quit();
    });
    loop.exec();
    if (!outcome->set) {
        err << "tavrin-plus: not set as the lock screen picture: " << outcome->message << "; the picture is "
            << picture.string() << "\n";
        return session.finish(1);
    }
    out << outcome->message << ": " << picture.string() << "\n";
    return session.finish();
}

} // namespace desktop
