#include "support/TestApp.h"

#include "MainViewController.h"

#include "platform/TextField.h"
#include "platform/Window.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <stdexcept>

namespace testing_support {

TempHome::TempHome()
{
    std::random_device rd;
    path_ = std::filesystem::temp_directory_path() / ("tavrin-test-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(path_);
    const std::pair<const char*, std::filesystem::path> vars[] = {
        {"HOME", path_},
        {"XDG_CONFIG_HOME", path_ / "config"},
        {"XDG_DATA_HOME", path_ / "data"},
        {"XDG_PICTURES_DIR", path_ / "pictures"},
        // The tests compare English texts, whatever the developer's desktop speaks.
        {"LANGUAGE", "en"},
    };
    for (const auto& [name, value] : vars) {
        const char* old = std::getenv(name);
        saved_.emplace_back(name, old ? old : "");
        setenv(name, value.c_str(), 1);
    }
}

TempHome::~TempHome()
{
    for (const auto& [name, value] : saved_) {
        if (value.empty())
            unsetenv(name.c_str());
        else
            setenv(name.c_str(), value.c_str(), 1);
    }
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

TestApp::TestApp(std::shared_ptr<TempHome> h) : home(h ? std::move(h) : std::make_shared<TempHome>())
{
    runtime_ = std::make_unique<desktop::AppRuntime>(clock, log);
    // Before the start-up, which lays out what the desktop can take.
    app().servicesForTesting().lockScreen = &lockScreen;
    runtime_->launch();
    app().servicesForTesting().fileChooser = &chooser;
    app().servicesForTesting().camera = &camera;
    // The main menu slides in at start, and touches wait until it stands.
    settle();
}

platform::Application& TestApp::app() { return runtime_->application(); }

MainViewController& TestApp::main() { return runtime_->mainViewController(); }

namespace {

void collect(platform::View& view, const std::string& id, std::vector<platform::View*>& out)
{
    if (view.identifier() == id)
        out.push_back(&view);
    for (const auto& sub : view.subviews())
        collect(*sub, id, out);
}

platform::Point centre(const platform::View& v)
{
    auto b = v.bounds();
    return v.convertToWindow({b.x() + b.width() / 2, b.y() + b.height() / 2});
}

} // namespace

std::vector<platform::View*> TestApp::findAll(const std::string& id)
{
    std::vector<platform::View*> out;
    collect(app().window(), id, out);
    return out;
}

platform::View* TestApp::reachable(const std::string& id)
{
    for (platform::View* v : findAll(id)) {
        platform::View* hit = app().window().hitTest(centre(*v));
        if (hit && hit->isDescendantOf(*v))
            return v;
    }
    return nullptr;
}

platform::View& TestApp::find(const std::string& id)
{
    if (platform::View* v = reachable(id))
        return *v;
    failMissing(id);
}

platform::View& TestApp::view(const std::string& id)
{
    auto all = findAll(id);
    if (all.size() != 1)
        failMissing(id + " (found " + std::to_string(all.size()) + ")");
    return *all.front();
}

void TestApp::failMissing(const std::string& id)
{
    ADD_FAILURE() << "no view with identifier " << id;
    throw std::runtime_error("missing view " + id);
}

platform::Point TestApp::centreOf(const std::string& id) { return centre(find(id)); }

void TestApp::tap(const std::string& id) { tapAt(centreOf(id)); }

void TestApp::tapAndSettle(std::initializer_list<const char*> ids)
{
    for (const char* id : ids) {
        tap(id);
        settle();
    }
}

void TestApp::tapAt(platform::Point p)
{
    app().window().touchDown(p);
    app().window().touchUp(p);
    advance(0);
}

void TestApp::drag(platform::Point from, platform::Point to, int steps, bool lift)
{
    auto& window = app().window();
    window.touchDown(from);
    for (int i = 1; i <= steps; ++i) {
        float t = float(i) / float(steps);
        window.touchMove({from.x + (to.x - from.x) * t, from.y + (to.y - from.y) * t});
        advance(0.016);
    }
    if (lift)
        window.touchUp(to);
    advance(0);
}

void TestApp::wheel(platform::Point p, float dy) { app().window().wheel(p, dy); }

platform::TextField* TestApp::editingField() { return app().firstResponder(); }

void TestApp::tapClearButton(const std::string& fieldId)
{
    platform::View& field = find(fieldId);
    tapAt(field.convertToWindow({field.bounds().width() - 18, field.bounds().height() / 2}));
}

void TestApp::choose(std::optional<std::string> path)
{
    ASSERT_TRUE(chooser.isAsking()) << "no file window is open";
    chooser.answer(std::move(path));
    settle();
}

platform::TextField& TestApp::editing()
{
    if (platform::TextField* field = editingField())
        return *field;
    failMissing("text field being edited");
}

// As the window's keyboard sends them, through the application, which may hold them back.
void TestApp::type(const std::string& text)
{
    editing();
    app().insertText(text);
}

void TestApp::backspace()
{
    editing();
    press(platform::Key::Backspace);
}

void TestApp::pressReturn()
{
    editing();
    press(platform::Key::Return);
}

void TestApp::press(platform::Key key)
{
    app().pressKey(key);
    advance(0);
}

void TestApp::advance(double seconds)
{
    constexpr double step = 1.0 / 60;
    app().animator().tick();
    while (seconds > 0) {
        double d = seconds < step ? seconds : step;
        clock.advance(d);
        seconds -= d;
        app().animator().tick();
    }
}

QImage TestApp::screenshot(float scale) { return runtime_->renderer().renderScreen(app(), scale); }

unsigned rgbAt(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }

} // namespace testing_support
