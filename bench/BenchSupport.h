#pragma once

#include "desktop/AppRuntime.h"

#include "ScreenCatalogue.h"
#include "TavrinPlusAppDelegate.h"

#include "platform/Animator.h"
#include "platform/Clock.h"
#include "platform/Services.h"
#include "platform/View.h"
#include "platform/Window.h"

#include <benchmark/benchmark.h>

#include "desktop/QtViewRenderer.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cmath>
#include <cstdint>
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

// A 12-megapixel photograph (4000 × 3000) as a camera's JPEG, made once per process.
inline const QByteArray& twelveMegapixelJpeg()
{
    static const QByteArray bytes = [] {
        QImage photo(4000, 3000, QImage::Format_RGB32);
        for (int y = 0; y < photo.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(photo.scanLine(y));
            for (int x = 0; x < photo.width(); ++x)
                row[x] = qRgb((x / 7 + y / 13) & 255, (x * y / 997) & 255, (y / 5 ^ x / 11) & 255);
        }
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        photo.save(&buffer, "JPEG", 92);
        return jpeg;
    }();
    return bytes;
}

// What a session starts with: a phone from the catalogue instead of the classic screen, and a
// photograph as the wallpaper.
struct Setup {
    std::string device;
    bool photograph = false;
    bool launch = true;
};

// A launched application on a hand-driven clock, as the window would hold it.
struct Session {
    ScratchHome home;
    platform::ManualClock clock;
    QuietLog log;
    desktop::AppRuntime runtime{clock, log};

    explicit Session(bool launch = true) : Session(Setup{"", false, launch}) {}
    explicit Session(const Setup& setup)
    {
        if (!setup.device.empty())
            runtime.delegate().setScreen(ScreenCatalogue::builtIn().screenFor(setup.device));
        if (setup.photograph) {
            auto folder = runtime.application().services().paths->documentsDirectory();
            std::filesystem::create_directories(folder);
            QFile file(QString::fromStdString((folder / "wallpaper.jpg").string()));
            if (!file.open(QIODevice::WriteOnly) || file.write(twelveMegapixelJpeg()) != twelveMegapixelJpeg().size())
                std::abort();
        }
        if (setup.launch) {
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

// The screen as the window keeps it, at the phone's own pixels: painted whole once, then only where
// something changed.
class RepaintedScreen {
public:
    RepaintedScreen(Session& s, float scale)
        : scale_(scale)
        , image_(int(std::lround(s.app().screenSize().width * scale)), int(std::lround(s.app().screenSize().height * scale)),
                 QImage::Format_ARGB32_Premultiplied)
    {
        s.app().takeDamage(s.clock.now());
        QPainter p(&image_);
        p.scale(scale_, scale_);
        s.runtime.renderer().paintScreen(s.app(), p);
    }
    // Repaints what changed since the last frame; the pixels it repainted.
    std::int64_t repaint(Session& s)
    {
        QRegion region = desktop::QtViewRenderer::deviceRegion(s.app().takeDamage(s.clock.now()), scale_);
        QPainter p(&image_);
        s.runtime.renderer().paintRegion(s.app(), p, scale_, region);
        std::int64_t pixels = 0;
        for (const QRect& r : region)
            pixels += std::int64_t(r.width()) * r.height();
        return pixels;
    }
    // As the whole screen would be repainted.
    void repaintWhole(Session& s)
    {
        s.app().takeDamage(s.clock.now());
        QPainter p(&image_);
        p.scale(scale_, scale_);
        s.runtime.renderer().paintScreen(s.app(), p);
    }
    const QImage& image() const { return image_; }

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
