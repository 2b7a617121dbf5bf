// The window repaints only what changed: what it keeps and what it repaints must together be the
// picture a whole repaint makes, frame by frame, through taps, drags and the animations they start.
#include "support/TestApp.h"

#include "Dialogs/DialogBase.h"
#include "MainViewController.h"

#include "platform/Application.h"
#include "platform/ImageView.h"
#include "platform/Window.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <fstream>

using testing_support::TestApp;

TEST(Repaint, WhatChangedRepaintedOverTheLastFrameIsTheWholeScreen)
{
    auto home = std::make_shared<testing_support::TempHome>();
    std::filesystem::create_directories(home->configDir());
    std::ofstream(home->settingsFile()) << R"({"device": "galaxy-s24-ultra"})";
    QImage photo(600, 500, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y)
        for (int x = 0; x < photo.width(); ++x)
            photo.setPixel(x, y, qRgb(x % 256, y % 256, (x * y) % 256));
    std::filesystem::create_directories(home->documentsDir());
    ASSERT_TRUE(photo.save(QString::fromStdString((home->documentsDir() / "wallpaper.jpg").string()), "JPEG"));
    TestApp t(home);
    ASSERT_TRUE(t.main().wallpaperImage());
    auto& app = t.app();
    auto& renderer = t.runtime().renderer();
    const float scale = t.main().screen().scale(); // 3.75: edges fall between pixels

    QImage kept = renderer.renderScreen(app, scale);
    app.takeDamage(t.clock.now());
    int frame = 0;
    bool same = true;
    auto frames = [&](double seconds, const char* what) {
        for (double left = seconds; same && left > 0; left -= 0.1) {
            t.clock.advance(0.1);
            app.animator().tick();
            QPainter p(&kept);
            renderer.paintRegion(app, p, scale, desktop::QtViewRenderer::deviceRegion(app.takeDamage(t.clock.now()), scale));
            p.end();
            same = kept == renderer.renderScreen(app, scale);
            EXPECT_TRUE(same) << what << ", frame " << frame;
            ++frame;
        }
    };
    for (const char* button : {"main.lockscreen", "dialog.save", "capture.continue", "capture.done", "main.style",
                               "style.new", "newstyle.strip"}) {
        t.tap(button);
        frames(0.7, button);
    }
    auto& palette = t.view<platform::ImageView>("strip.paletteImage");
    app.window().touchDown(palette.convertToWindow({20, 20}));
    for (float x = 20; x < 200; x += 45) {
        app.window().touchMove(palette.convertToWindow({x, 10 + x / 8}));
        frames(0.1, "a finger on the palette");
    }
    app.window().touchUp(palette.convertToWindow({200, 30}));
    frames(0.1, "the finger lifted");
    for (const char* button : {"dialog.hide", "launcher.show", "dialog.back"}) {
        t.tap(button);
        frames(0.7, button);
    }
}

// A dialog covered by the one pushed over it leaves nothing of itself along its edge, even where the
// window's zoom puts that edge between pixels.
TEST(Repaint, ACoveredDialogLeavesNoEdgeAtAFractionalZoom)
{
    TestApp t;
    const platform::Rect menu = t.main().dialogStack().back()->view()->frame();
    t.tapAndSettle("main.style");
    ASSERT_LT(t.main().dialogStack().back()->view()->frame().maxY(), menu.maxY() - 10) << "the menu shows below the style dialog";
    const float scale = 1.98f;
    const QImage screen = t.runtime().renderer().renderScreen(t.app(), scale);
    const int y = int((menu.maxY() - 10) * scale), edge = int(menu.x() * scale);
    for (int x = edge - 1; x <= edge + 1; ++x)
        EXPECT_EQ(testing_support::rgbAt(screen, x, y), testing_support::rgbAt(screen, edge + 8, y)) << x;
}
