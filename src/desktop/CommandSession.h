#pragma once

#include "desktop/AppRuntime.h"

#include "Screen.h"

#include "platform/Clock.h"
#include "platform/SettingsStore.h"

#include <QImage>

#include <chrono>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

class MainViewController;

namespace desktop {

// The arguments were wrong: the message says why, and the usage follows it.
struct UsageError {
    std::string message;
};

// The command could not do what it was asked; the message says why.
struct CommandFailure {
    std::string message;
};

class StreamLog final : public platform::Log {
public:
    explicit StreamLog(std::ostream& err) : err_(err) {}
    void log(const std::string& line) override { err_ << "tavrin-plus: " << line << "\n"; }

private:
    void showWallpaperAlone();

    std::ostream& err_;
};

// Animations finish at once on a clock moved by hand, while the wall clock stays the real one: the
// album's names and the times shown are those of the run.
class CommandClock final : public platform::Clock {
public:
    double now() const override { return now_; }
    std::chrono::system_clock::time_point wallTime() const override { return std::chrono::system_clock::now(); }
    void advance(double seconds) { now_ += seconds; }

private:
    double now_ = 0;
};

// One headless run of the application. Its changes are one group of the settings store, from the
// first read to the one write, so that a command is one transaction against the window and other
// commands. Most commands work on the model alone; those that draw start the views too, on a clock
// that moves only when told to, so animations finish at once instead of in real time.
class Session {
public:
    enum class Start { ModelOnly, WithViews };

    // `screen` stands in for the stored choice of phone.
    explicit Session(std::ostream& err, Start start = Start::ModelOnly, const std::optional<Screen>& screen = {});
    // A command that stopped early still saves what it changed (a first start's defaults).
    ~Session();

    // Writes the command's changes, once; its exit status: a change that could not be saved fails
    // it, with one line.
    int finish(int status = 0);

    MainViewController& main();
    platform::SettingsStore& settings() { return runtime_.application().settings(); }
    AppRuntime& runtime() { return runtime_; }
    void settle();

    // The wallpaper alone, as the capture mode shows it after the save button and Continue, at
    // `pixelsAPoint`. Needs Start::WithViews.
    QImage wallpaperAlone(float pixelsAPoint);
    // The same, written into the photo album under a new name as the window's captures are (the last
    // one again when nothing changed); the file written.
    std::filesystem::path wallpaperIntoAlbum(float pixelsAPoint);

private:
    void showWallpaperAlone();

    std::ostream& err_;
    bool finished_ = false;
    CommandClock clock_;
    StreamLog log_;
    AppRuntime runtime_;
};

// Arguments go into the settings as text; bytes that are not UTF-8 would make the file unreadable.
void requireUtf8(const std::string& arg, const char* what);

// One record a line: backslash, tab, newline and the other control characters written as escapes.
std::string escaped(std::string_view text);

// The screen named by --device; a usage error when there is none of that name.
Screen screenNamed(const std::string& choice);

// The stored choice of screen; the classic one when none is stored or the stored one is unknown.
Screen storedScreen(const platform::SettingsStore& store, std::ostream& err);

} // namespace desktop
