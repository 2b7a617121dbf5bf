// A finger moving over the strip colour palette: the snap, the three byte reads, the strip setter
// without storing, and the repaint of the whole screen the window then draws.
#include "BenchSupport.h"

#include "Dialogs/StripOptionsDialogViewController.h"
#include "MainViewController.h"

#include "desktop/QtViewRenderer.h"

#include "platform/Application.h"
#include "platform/Window.h"

namespace {

struct PaletteSession {
    bench::Session s;
    StripOptionsDialogViewController dialog{"StripOptionsDialog", s.runtime.mainViewController()};
    platform::Point origin;

    PaletteSession()
    {
        s.runtime.mainViewController().pushDialog(dialog);
        s.settle();
        origin = s.find("strip.paletteImage")->convertToWindow({0, 0});
        s.app().window().touchDown({origin.x + 10, origin.y + 10});
    }
    // Points sweep the spectrum so every move picks a new colour.
    platform::Point next(int i) const { return {origin.x + 2 + float(i % 200), origin.y + 2 + float((i / 200) % 70)}; }
};

void BM_TouchOnPalette(benchmark::State& state)
{
    PaletteSession p;
    auto& main = p.s.runtime.mainViewController();
    auto before = main.stripColor();
    int i = 0;
    for (auto _ : state)
        p.s.app().window().touchMove(p.next(i++));
    if (main.stripColor() == before)
        state.SkipWithError("the touches picked no colour");
}
BENCHMARK(BM_TouchOnPalette)->Unit(benchmark::kMicrosecond);

void BM_TouchToRepaintedFrame(benchmark::State& state)
{
    PaletteSession p;
    bench::Screen screen(float(state.range(0)));
    int i = 0;
    for (auto _ : state) {
        p.s.app().window().touchMove(p.next(i++));
        screen.draw(p.s);
    }
}
BENCHMARK(BM_TouchToRepaintedFrame)->Arg(1)->Arg(3)->ArgName("scale")->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return bench::run(argc, argv); }
