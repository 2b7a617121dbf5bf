#pragma once

#include "desktop/AppRuntime.h"

#include "platform/Animator.h"
#include "platform/Clock.h"
#include "platform/Services.h"
#include "platform/View.h"
#include "platform/Window.h"

#include <benchmark/benchmark.h>

#include "desktop/QtViewRenderer.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>
#include <string>

namespace bench {

class QuietLog final : public platform::Log {
public:
    void log(const std::string&) override {}
};

// A fresh home with the XDG folders inside it, so a benchmark never reads or writes the user's own.
class ScratchHome {
public:
    ScratchHome()
    {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() / ("tavrin-bench-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(path_);
        setenv("HOME", path_.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (path_ / "config").c_str(), 1);
        setenv("XDG_DATA_HOME", (path_ / "data").c_str(), 1);
        setenv("XDG_PICTURES_DIR", (path_ / "pictures").c_str(), 1);
    }
    ~ScratchHome()
    {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    ScratchHome(const ScratchHome&) = delete;
    ScratchHome& operator=(const ScratchHome&) = delete;

private:
    std::filesystem::path path_;
};

// A launched application on a hand-driven clock, as the window would hold it.
struct Session {
    ScratchHome home;
    platform::ManualClock clock;
    QuietLog log;
    desktop::AppRuntime runtime{clock, log};

    explicit Session(bool launch = true)
    {
        if (launch) {
            runtime.launch();
            settle();
        }
    }

    platform::Application& app() { return runtime.application(); }

    // The first view of this identifier in the window, as a finger would find it.
    platform::View* find(const std::string& id) { return find(app().window(), id); }
    static platform::View* find(platform::View& view, const std::string& id)
    {
        if (view.identifier() == id)
            return &view;
        for (const auto& sub : view.subviews())
            if (auto* found = find(*sub, id))
                return found;
        return nullptr;
    }

    // Lets every running animation finish, in 60 Hz steps.
    void settle()
    {
        for (int i = 0; i < 600 && app().animator().tick(); ++i)
            clock.advance(1.0 / 60);
    }
};

// A screen-sized image drawn into again and again, as the window repaints its backing store,
// rather than a new image per frame.
class Screen {
public:
    explicit Screen(float scale)
        : scale_(scale), image_(int(320 * scale), int(480 * scale), QImage::Format_ARGB32_Premultiplied)
    {
    }
    void draw(Session& s)
    {
        QPainter p(&image_);
        p.scale(scale_, scale_);
        s.runtime.renderer().paintScreen(s.app(), p);
    }

private:
    float scale_;
    QImage image_;
};

// Runs the registered benchmarks under an existing Qt application.
inline int runRegistered(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// Benchmarks draw offscreen; the Qt application must exist before any painting.
inline int run(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication qt(argc, argv);
    return runRegistered(argc, argv);
}

} // namespace bench
