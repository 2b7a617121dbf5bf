#include "desktop/LockScreenCommand.h"

#include "desktop/CommandSession.h"
#include "desktop/DesktopLockScreen.h"

#include "MainViewController.h"
#include "platform/Translate.h"

#include <QEventLoop>

namespace desktop {

int setLockScreen(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    std::optional<Screen> screen;
    for (size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--device" && i + 1 < args.size() && !screen)
            screen = screenNamed(args[++i]);
        else
            throw UsageError{platform::fillIn(platform::translate("LockScreenCommand", "set-lockscreen takes [--device ID], not '%1'"), {escaped(args[i])})};
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
        err << "tavrin-plus: "
            << platform::fillIn(platform::translate("LockScreenCommand", "not set as the lock screen picture: %1; the picture is %2"),
                                {outcome->message, picture.string()})
            << "\n";
        return session.finish(1);
    }
    out << outcome->message << ": " << picture.string() << "\n";
    return session.finish();
}

} // namespace desktop
