#pragma once

#include "platform/AtomicFile.h"

#include <QFileSystemWatcher>
#include <QTimer>

namespace desktop {

class AppRuntime;

// Keeps an open window in step with what other processes write: when settings.json or the photograph
// is replaced, the settings are re-read and the main screen redrawn. It also retries, every few
// seconds, changes a failed write kept in memory, and tells of each new settings problem once.
class SettingsWatcher final : public QObject {
public:
    explicit SettingsWatcher(AppRuntime& runtime);
    ~SettingsWatcher() override;

    // Looks at the files now; the watcher does this shortly after each change in their folders.
    void check();

private:
    void watchFolders();
    void problemChanged();

    AppRuntime& runtime_;
    QFileSystemWatcher watcher_;
    QTimer settle_; // one replacement is several folder events: look once they are over
    QTimer retry_;
};

} // namespace desktop
