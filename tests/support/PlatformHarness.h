#pragma once

#include "support/TestApp.h"

#include "platform/Application.h"

// The platform alone: an application object on a hand-driven clock, with no application classes.
namespace testing_support {

class FolderPaths final : public platform::Paths {
public:
    explicit FolderPaths(std::filesystem::path root) : root_(std::move(root)) {}
    std::filesystem::path documentsDirectory() const override { return root_ / "docs"; }
    std::filesystem::path photoAlbumDirectory() const override { return root_ / "album"; }
    std::filesystem::path configDirectory() const override { return root_ / "config"; }
    std::optional<std::string> resourcePath(const std::string&, const std::string&) const override { return std::nullopt; }

private:
    std::filesystem::path root_;
};

struct PlatformHarness {
    TempHome home;
    platform::ManualClock clock;
    RecordingLog log;
    FolderPaths paths{home.path()};
    platform::Application app{[this] {
        platform::Services s;
        s.log = &log;
        s.paths = &paths;
        s.clock = &clock;
        return s;
    }()};

    void advance(double seconds)
    {
        clock.advance(seconds);
        app.animator().tick();
    }
};

} // namespace testing_support
