// A finger moving over the strip colour palette: the snap, the three byte reads, the strip setter
// without storing, and the repaint the window then draws: the whole classic screen, or on the largest
// phone of the catalogue what changed, at its own pixels.
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

    explicit PaletteSession(const bench::Setup& setup = {}, float stripOpacity = 1) : s(setup)
    {
        auto& main = s.runtime.mainViewController();
        main.setStripColor(main.stripColor().withAlpha(stripOpacity), false);
        main.pushDialog(dialog);
        s.settle();
        origin = s.find("strip.paletteImage")->convertToWindow({0, 0});
        s.app().window().touchDown({origin.x + 10, origin.y + 10});
        // A finger resting on the palette: the rest of the dialog has faded out, and the moves
        // measured repaint what they change, not the fade.
        s.settle();
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

// galaxy-s24-ultra: 384 × 832 points at 3.75 pixels a point, 1440 × 3120 pixels; over a colour, over
// a 12-megapixel photograph (1), or over it seen through a strip at 60 % (2), where each colour's
// contrast is measured against every pixel of the photograph under the text. Repainted as the window
// repaints (what changed) or whole.
void BM_PhoneTouchToRepaintedFrame(benchmark::State& state)
{
    const bool photograph = state.range(0) != 0, whole = state.range(1) != 0;
    PaletteSession p({"galaxy-s24-ultra", photograph}, state.range(0) == 2 ? 0.6f : 1);
    const float scale = p.s.runtime.mainViewController().screen().scale();
    bench::RepaintedScreen screen(p.s, scale);
    std::int64_t pixels = 0;
    int i = 0;
    for (auto _ : state) {
        p.s.app().window().touchMove(p.next(i++));
        if (whole)
            screen.repaintWhole(p.s);
        else
            pixels += screen.repaint(p.s);
    }
    if (screen.image().width() != 1440 || (photograph && !p.s.runtime.mainViewController().wallpaperImage()))
        state.SkipWithError("not the phone's screen, or no photograph");
    state.counters["repainted_px"] = whole ? double(screen.image().width()) * screen.image().height()
                                           : double(pixels) / double(std::max<std::int64_t>(1, state.iterations()));
}
BENCHMARK(BM_PhoneTouchToRepaintedFrame)
    ->ArgsProduct({{0, 1, 2}, {0, 1}})
    ->ArgNames({"photo", "whole"})
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return bench::run(argc, argv); }
