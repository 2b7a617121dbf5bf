// What the window pays per frame: the main screen's refresh, a whole screen with a dialog over the
// wallpaper, and the frames of a dialog sliding in.
#include "BenchSupport.h"

#include "Dialogs/StyleLibraryDialogViewController.h"
#include "MainViewController.h"

#include "desktop/QtViewRenderer.h"

namespace {

// The refresh every dialog runs after a text change: re-reads all settings and redraws the wallpaper.
void BM_MainScreenRefresh(benchmark::State& state)
{
    bench::Session s;
    auto& main = s.runtime.mainViewController();
    for (auto _ : state)
        main.viewWillAppear(false);
}
BENCHMARK(BM_MainScreenRefresh)->Unit(benchmark::kMicrosecond);

// The main menu as a fresh start shows it, drawn whole.
void BM_FrameMainMenu(benchmark::State& state)
{
    bench::Session s;
    bench::Screen screen(float(state.range(0)));
    for (auto _ : state)
        screen.draw(s);
}
BENCHMARK(BM_FrameMainMenu)->Arg(1)->Arg(3)->ArgName("scale")->Unit(benchmark::kMillisecond);

// The style list, the busiest dialog: eight rows of name and swatches over the wallpaper.
void BM_FrameStyleLibrary(benchmark::State& state)
{
    bench::Session s;
    StyleLibraryDialogViewController library("StyleLibraryDialog", s.runtime.mainViewController());
    s.runtime.mainViewController().pushDialog(library);
    s.settle();
    bench::Screen screen(float(state.range(0)));
    for (auto _ : state)
        screen.draw(s);
    s.runtime.mainViewController().popDialog();
    s.settle();
}
BENCHMARK(BM_FrameStyleLibrary)->Arg(1)->Arg(3)->ArgName("scale")->Unit(benchmark::kMillisecond);

// A push: the new dialog slides in over 0.5 s while the one below slides out, drawn at 60 Hz.
// The time per frame is the figure that matters; the pop between rounds is not timed.
void BM_PushAnimationFrames(benchmark::State& state)
{
    constexpr int frames = 30;
    bench::Session s;
    auto& main = s.runtime.mainViewController();
    StyleLibraryDialogViewController library("StyleLibraryDialog", s.runtime.mainViewController());
    bench::Screen screen(float(state.range(0)));
    for (auto _ : state) {
        main.pushDialog(library);
        for (int i = 0; i < frames; ++i) {
            s.clock.advance(0.5 / frames);
            s.app().animator().tick();
            screen.draw(s);
        }
        state.PauseTiming();
        main.popDialog();
        s.settle();
        state.ResumeTiming();
    }
    state.counters["per_frame"] = benchmark::Counter(double(frames) * double(state.iterations()),
                                                     benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
// Real time, so that the per-frame rate is wall time like every other figure, not CPU time.
BENCHMARK(BM_PushAnimationFrames)->Arg(1)->Arg(3)->ArgName("scale")->Unit(benchmark::kMillisecond)->UseRealTime();

// The same push on the largest phone (1440 × 3120 pixels), repainted as the window repaints it: what
// the sliding dialogs cover, frame by frame.
void BM_PhonePushAnimationFrames(benchmark::State& state)
{
    constexpr int frames = 30;
    bench::Session s(bench::Setup{"galaxy-s24-ultra"});
    auto& main = s.runtime.mainViewController();
    StyleLibraryDialogViewController library("StyleLibraryDialog", s.runtime.mainViewController());
    bench::RepaintedScreen screen(s, main.screen().scale());
    std::int64_t pixels = 0;
    for (auto _ : state) {
        main.pushDialog(library);
        for (int i = 0; i < frames; ++i) {
            s.clock.advance(0.5 / frames);
            s.app().animator().tick();
            pixels += screen.repaint(s);
        }
        state.PauseTiming();
        main.popDialog();
        s.settle();
        screen.repaint(s);
        state.ResumeTiming();
    }
    const double shown = double(frames) * double(state.iterations());
    state.counters["per_frame"] = benchmark::Counter(shown, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["repainted_px"] = double(pixels) / shown;
}
BENCHMARK(BM_PhonePushAnimationFrames)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) { return bench::run(argc, argv); }
