#include "desktop/SettingsWatcher.h"

#include "desktop/AppRuntime.h"

#include "MainViewController.h"
#include "ScreenCatalogue.h"
#include "SettingsKeys.h"
#include "TavrinPlusAppDelegate.h"

#include "platform/Application.h"
#include "platform/Services.h"
#include "platform/SettingsStore.h"

namespace desktop {

namespace {

constexpr int settleMs = 50;
constexpr int retryMs = 3000;

} // namespace

SettingsWatcher::SettingsWatcher(AppRuntime& runtime) : runtime_(runtime)
{
    settle_.setSingleShot(true);
    settle_.setInterval(settleMs);
    connect(&settle_, &QTimer::timeout, this, [this] { check(); });
    retry_.setInterval(retryMs);
    connect(&retry_, &QTimer::timeout, this, [this] { check(); });
    // Folders, not files: a file replaced by a rename is a new file, and a watch on the old one ends.
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this] { settle_.start(); });
    runtime_.application().settings().onProblemChanged = [this] { problemChanged(); };
    watchFolders();
    problemChanged(); // one found while reading at start
}

SettingsWatcher::~SettingsWatcher() { runtime_.application().settings().onProblemChanged = nullptr; }

void SettingsWatcher::watchFolders()
{
    auto& app = runtime_.application();
    const auto settingsFile = app.settings().file();
    std::error_code ec;
    // The documents folder may not exist before the first photograph; watch it from the start.
    std::filesystem::create_directories(app.services().paths->documentsDirectory(), ec);
    QStringList folders;
    for (const auto& dir : {settingsFile.parent_path(), platform::resolveLinks(settingsFile).parent_path(),
                            app.services().paths->documentsDirectory()}) {
        QString folder = QString::fromStdString(dir.string());
        if (!folders.contains(folder) && !watcher_.directories().contains(folder) && std::filesystem::is_directory(dir, ec))
            folders << folder;
    }
    if (!folders.isEmpty())
        watcher_.addPaths(folders);
}

void SettingsWatcher::check()
{
    auto& app = runtime_.application();
    auto& settings = app.settings();
    auto& main = runtime_.mainViewController();
    settings.saveUnsavedChanges();
    bool settingsChanged = settings.reloadIfChanged();
    // Another phone chosen elsewhere: the screen is made anew for it, which refreshes it too.
    const Screen chosen = ScreenCatalogue::builtIn().screenFor(settings.stringForKey(keys::device));
    if (settingsChanged && chosen.id != main.screen().id)
        runtime_.delegate().showScreen(chosen);
    else if (settingsChanged || main.photoChangedOnDisk()) {
        main.viewWillAppear(false);
        app.setNeedsDisplay();
    }
    // A folder removed and made again, or a link pointed elsewhere, needs a new watch.
    watchFolders();
}

void SettingsWatcher::problemChanged()
{
    auto& app = runtime_.application();
    const std::string& problem = app.settings().problem();
    if (!problem.empty()) {
        app.log(problem + " (" + app.settings().file().string() + ")");
        retry_.start();
    } else {
        retry_.stop();
    }
    app.setNeedsDisplay();
}

} // namespace desktop
