#pragma once

#include "desktop/AppRuntime.h"

#include "platform/Clock.h"
#include "platform/Services.h"

#include <QImage>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class MainViewController;
namespace platform {
class View;
class TextField;
} // namespace platform

namespace testing_support {

class RecordingLog final : public platform::Log {
public:
    void log(const std::string& line) override { lines.push_back(line); }
    bool contains(const std::string& text) const;
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
    explicit TestApp(std::shared_ptr<TempHome> home = nullptr, bool launch = true);
    ~TestApp();

    std::shared_ptr<TempHome> home;
    platform::ManualClock clock;
    RecordingLog log;

    platform::Application& app();
    MainViewController& main();
    desktop::AppRuntime& runtime() { return *runtime_; }
    void launch();

    // The view with this identifier that a tap at its centre would reach; fails the test when none.
    platform::View& find(const std::string& id);
    template <class T>
    T& find(const std::string& id)
    {
        auto* v = dynamic_cast<T*>(&find(id));
        if (!v)
            failMissing(id + " (of the expected type)");
        return *v;
    }
    // The one view of this identifier in the window, shown or hidden: for reading what a view holds
    // without a tap. Fails the test when there is none or more than one.
    platform::View& view(const std::string& id);
    template <class T>
    T& view(const std::string& id)
    {
        auto* v = dynamic_cast<T*>(&view(id));
        if (!v)
            failMissing(id + " (of the expected type)");
        return *v;
    }
    // Whether a view of this identifier is on screen and reachable by a tap.
    bool isReachable(const std::string& id);
    // Every view of this identifier in the window, reachable or not.
    std::vector<platform::View*> findAll(const std::string& id);

    void tap(const std::string& id);
    // A tap followed by every animation it starts.
    void tapAndSettle(const std::string& id)
    {
        tap(id);
        settle();
    }
    void tapAt(platform::Point windowPoint);
    void drag(platform::Point from, platform::Point to, int steps = 8, bool lift = true);
    void wheel(platform::Point windowPoint, float dy);
    platform::Point centreOf(const std::string& id);

    platform::TextField* editingField();
    void type(const std::string& text);
    void backspace();
    void pressReturn();

    // Moves the clock on in small steps, running what falls due, as the event loop would.
    void advance(double seconds);
    // Lets every running animation finish.
    void settle() { advance(1.5); }

    QImage screenshot(float scale = 1);

private:
    [[noreturn]] void failMissing(const std::string& id);

    std::unique_ptr<desktop::AppRuntime> runtime_;
};

// The pixel colour as 0xRRGGBB.
unsigned rgbAt(const QImage& image, int x, int y);

} // namespace testing_support
