#pragma once

#include "support/FakeCamera.h"
#include "support/FakeFileChooser.h"
#include "support/FakeLockScreen.h"

#include "desktop/AppRuntime.h" // the application, its clock and its services

#include "platform/Keys.h"

#include <QImage>

#include <algorithm>
#include <filesystem>
#include <string>

class MainViewController;
namespace platform {
class View;
class TextField;
} // namespace platform

namespace testing_support {

class RecordingLog final : public platform::Log {
public:
    void log(const std::string& line) override { lines.push_back(line); }
    bool contains(const std::string& text) const
    {
        return std::ranges::any_of(lines, [&](const std::string& line) { return line.find(text) != std::string::npos; });
    }
    std::vector<std::string> lines;
};

// A fresh home folder with the XDG folders inside it, restored on destruction.
class TempHome {
public:
    TempHome();
    ~TempHome();
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path configDir() const { return path_ / "config" / "tavrin-plus"; }
    std::filesystem::path settingsFile() const { return configDir() / "settings.json"; }
    std::filesystem::path documentsDir() const { return path_ / "data" / "tavrin-plus" / "Documents"; }
    std::filesystem::path albumDir() const { return path_ / "pictures" / "TavrinPlus"; }

private:
    std::filesystem::path path_;
    std::vector<std::pair<std::string, std::string>> saved_;
};

// A whole application on a hand-driven clock, and a driver that taps, drags and types through the
// same hit testing and dispatch the mouse uses.
class TestApp {
public:
    // Starts on a fresh home unless one is given (to test what survives a restart).
    explicit TestApp(std::shared_ptr<TempHome> home = nullptr);

    std::shared_ptr<TempHome> home;
    platform::ManualClock clock;
    RecordingLog log;
    // Stands in for the desktop's file window.
    FakeFileChooser chooser;
    // Stands in for the computer's camera: none unless a test plugs it in.
    FakeCamera camera;
    // Stands in for the desktop's lock screen.
    FakeLockScreen lockScreen;

    platform::Application& app();
    MainViewController& main();
    desktop::AppRuntime& runtime() { return *runtime_; }

    // The view with this identifier that a tap at its centre would reach; fails the test when none.
    platform::View& find(const std::string& id);
    template <class T>
    T& find(const std::string& id) { return as<T>(find(id), id); }
    // The one view of this identifier in the window, shown or hidden: for reading what a view holds
    // without a tap. Fails the test when there is none or more than one.
    platform::View& view(const std::string& id);
    template <class T>
    T& view(const std::string& id) { return as<T>(view(id), id); }
    // Whether a view of this identifier is on screen and reachable by a tap.
    bool isReachable(const std::string& id) { return reachable(id); }
    // Every view of this identifier in the window, reachable or not.
    std::vector<platform::View*> findAll(const std::string& id);

    void tap(const std::string& id);
    // A tap followed by every animation it starts; with several, one after the other.
    void tapAndSettle(const std::string& id) { tapAndSettle({id.c_str()}); }
    void tapAndSettle(std::initializer_list<const char*> ids);
    void tapAt(platform::Point windowPoint);
    void drag(platform::Point from, platform::Point to, int steps = 8, bool lift = true);
    void wheel(platform::Point windowPoint, float dy);
    platform::Point centreOf(const std::string& id);
    // How many of a dialog frame's back, hide and save buttons can be tapped.
    int frameButtonsShown() { return isReachable("dialog.back") + isReachable("dialog.hide") + isReachable("dialog.save"); }

    platform::TextField* editingField();
    void tapClearButton(const std::string& fieldId);
    void type(const std::string& text);
    void backspace();
    void pressReturn();
    // A key as the window's keyboard sends it, to an alert or the field being edited.
    void press(platform::Key key);

    // Moves the clock on in small steps, running what falls due, as the event loop would.
    void advance(double seconds);
    // Lets every running animation finish.
    void settle() { advance(1.5); }
    // Answers the file window the application is waiting on, as the user would, and settles.
    void choose(std::optional<std::string> path);

    QImage screenshot(float scale = 1);

private:
    [[noreturn]] void failMissing(const std::string& id);
    platform::View* reachable(const std::string& id);
    platform::TextField& editing();
    template <class T>
    T& as(platform::View& v, const std::string& id)
    {
        if (auto* typed = dynamic_cast<T*>(&v))
            return *typed;
        failMissing(id + " (of the expected type)");
    }

    std::unique_ptr<desktop::AppRuntime> runtime_;
};

// The pixel colour as 0xRRGGBB.
unsigned rgbAt(const QImage& image, int x, int y);

} // namespace testing_support
