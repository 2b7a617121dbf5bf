// Start-up to the first frame drawn: the application object, the delegate's launch (which loads the
// main screen, writes the missing defaults and refreshes) and the first whole screen.
#include "BenchSupport.h"

#include "desktop/QtViewRenderer.h"

#include <chrono>

namespace {

using Steady = std::chrono::steady_clock;

void startAndDraw()
{
    bench::Session s(false);
    s.runtime.launch();
    benchmark::DoNotOptimize(s.runtime.renderer().renderScreen(s.app(), 1));
}

// A first start on an empty home, as after installing: the defaults are written (and synced).
void BM_StartupToFirstFrame(benchmark::State& state)
{
    for (auto _ : state)
        startAndDraw();
}
BENCHMARK(BM_StartupToFirstFrame)->Unit(benchmark::kMillisecond);

// A later start, reading the settings file the first one left.
void BM_RestartToFirstFrame(benchmark::State& state)
{
    bench::ScratchHome home;
    bench::QuietLog log;
    platform::ManualClock clock;
    {
        desktop::AppRuntime first(clock, log);
        first.launch();
    }
    for (auto _ : state) {
        desktop::AppRuntime runtime(clock, log);
        runtime.launch();
        benchmark::DoNotOptimize(runtime.renderer().renderScreen(runtime.application(), 1));
    }
}
BENCHMARK(BM_RestartToFirstFrame)->Unit(benchmark::kMillisecond);

} // namespace

// The cold start, once per process, from before the Qt application exists (fonts not yet loaded) to
// the first frame: what a user waits for after the process is running. bench/run takes the median of
// several processes.
int main(int argc, char** argv)
{
    auto begin = Steady::now();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication qt(argc, argv);
    startAndDraw();
    double cold = std::chrono::duration<double>(Steady::now() - begin).count();
    benchmark::RegisterBenchmark("BM_ColdStartToFirstFrame", [cold](benchmark::State& state) {
        for (auto _ : state)
            state.SetIterationTime(cold);
    })->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
    return bench::runRegistered(argc, argv);
}
