#include "derivation/derivation_pages.h"
#include "explorer/explorer_model.h"
#include "explorer/explorer_views.h"
#include "shell/ui/surface_view.h"

#include <QImage>

#include <benchmark/benchmark.h>

namespace {

struct Setup {
    ttl::ExplorerControls controls;
    ttl::ExplorerState state;
    ttl::Surface picture1;
    ttl::Surface picture2;

    Setup(bool rotating, ttl::FoucaultMode foucault)
    {
        controls.rotatingFrame = rotating;
        controls.foucault = foucault;
        controls.check = {false, true, true, true, true, true, true, true};
        // The classroom pendulum swings without friction.
        controls.check[3] = foucault == ttl::FoucaultMode::Off;
        // A driven base never catches the body, so every step integrates all 250 sub-steps.
        controls.vxValue = 3;
        controls.baseChoice = ttl::BaseChoice::ConstantAngularVelocity;
        ttl::ResetExplorer(state, controls);
        ttl::ScaleExplorerDiagram(picture1, state, controls.zoomValue);
    }

    void Step()
    {
        if (controls.rotatingFrame) {
            ttl::StepRotatingView(picture1, picture2, state, controls);
        } else {
            ttl::StepInertialView(picture1, state, controls);
        }
    }
};

// One explorer step (250 sub-steps with friction, or the pendulum) and its drawing decisions.
void BM_ExplorerStep(benchmark::State& bench)
{
    const bool rotating = bench.range(0) == 1;
    const auto foucault =
        bench.range(1) == 1 ? ttl::FoucaultMode::Textbook : ttl::FoucaultMode::Off;
    Setup s(rotating, foucault);
    for (auto _ : bench) {
        if (s.state.StepIndex >= 100) {
            bench.PauseTiming();
            ttl::ResetExplorer(s.state, s.controls);
            bench.ResumeTiming();
        }
        s.Step();
    }
}
BENCHMARK(BM_ExplorerStep)
    ->ArgNames({"rotating", "foucault"})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({0, 1})
    ->Args({1, 1})
    ->Unit(benchmark::kMicrosecond);

// A whole pendulum run: 1500 steps in the rotating frame.
void BM_FoucaultRun1500(benchmark::State& bench)
{
    for (auto _ : bench) {
        Setup s(true, ttl::FoucaultMode::Textbook);
        for (int n = 0; n < ttl::MaxExplorerSteps; ++n) {
            s.Step();
        }
        benchmark::DoNotOptimize(s.state.PathXR);
    }
}
BENCHMARK(BM_FoucaultRun1500)->Unit(benchmark::kMillisecond);

// One tick of a continuous pendulum run near the end of its histories, the costliest frame:
// the step, then the 800 x 800 diagram's view repainting what changed (the path's snapshot is
// reused; the arrows, the fan and the newest marks are painted). At one tick every 25 ms, the
// share of a core is this time / 25 ms.
void BM_FoucaultTickLate(benchmark::State& bench)
{
    Setup s(true, ttl::FoucaultMode::Textbook);
    for (int n = 0; n < 1400; ++n) {
        s.Step();
    }
    ttl::SurfaceView view;
    view.resize(800, 800);
    view.surface() = s.picture1;
    QImage screen(800, 800, QImage::Format_ARGB32_Premultiplied);
    view.render(&screen);
    for (auto _ : bench) {
        if (s.state.StepIndex >= ttl::MaxExplorerSteps) {
            bench.PauseTiming();
            s.state.StepIndex = 1400;
            bench.ResumeTiming();
        }
        ttl::StepRotatingView(view.surface(), s.picture2, s.state, s.controls);
        view.render(&screen);
    }
}
BENCHMARK(BM_FoucaultTickLate)->Unit(benchmark::kMillisecond);

// A tick of a continuous run near step `range(2)` (100 or the last, 1500): the step, then the
// 800 x 800 diagram's view finding what changed and painting that, as its window does. The cost
// late in a run must stay that of an early tick, in both frames, with the pendulum or the sliding
// body. The run is taken back (untimed) to 16 steps before and its picture drawn whole, then goes
// on tick by tick.
void BM_ExplorerStepLate(benchmark::State& bench)
{
    constexpr int Window = 16;
    const bool rotating = bench.range(0) == 1;
    const auto foucault =
        bench.range(1) == 1 ? ttl::FoucaultMode::Textbook : ttl::FoucaultMode::Off;
    const auto at = static_cast<int>(bench.range(2));
    Setup s(rotating, foucault);
    ttl::SurfaceView view;
    view.resize(800, 800);
    ttl::ScaleExplorerDiagram(view.surface(), s.state, s.controls.zoomValue);
    QImage screen(800, 800, QImage::Format_RGB32); // a window's format on most displays
    for (int n = 1; n <= at - Window; ++n) {
        ttl::AdvanceExplorer(s.state, s.controls);
    }
    const ttl::ExplorerState early = s.state;
    const auto restart = [&] {
        s.state = early;
        if (rotating) {
            ttl::RedrawRotatingView(view.surface(), s.picture2, s.state, s.controls);
        } else {
            ttl::RedrawInertialView(view.surface(), s.state, s.controls);
        }
        view.refresh();
        view.render(&screen);
    };
    restart();
    for (auto _ : bench) {
        if (s.state.StepIndex >= at) {
            bench.PauseTiming();
            restart();
            bench.ResumeTiming();
        }
        if (rotating) {
            ttl::StepRotatingView(view.surface(), s.picture2, s.state, s.controls);
        } else {
            ttl::StepInertialView(view.surface(), s.state, s.controls);
        }
        view.refresh();
        if (!view.lastRefreshRegion().isEmpty()) {
            view.render(&screen, QPoint(), view.lastRefreshRegion());
        }
    }
}
BENCHMARK(BM_ExplorerStepLate)
    ->ArgNames({"rotating", "foucault", "step"})
    ->ArgsProduct({{0, 1}, {0, 1}, {100, ttl::MaxExplorerSteps}})
    ->Unit(benchmark::kMicrosecond);

// A Coriolis arrow that grows with the body's distance and runs far off the picture: rotating
// frame, no friction, Vx = 10, Vy = -10, mass bar 20, zoom 50, only "show CORIOLIS". One step at
// step `range(0)`, with the view painting it; painting must cost what the visible part costs.
void BM_ExplorerFarCoriolisStep(benchmark::State& bench)
{
    ttl::ExplorerControls controls;
    controls.rotatingFrame = true;
    controls.check = {false, false, false, false, true, false, false, false};
    controls.vxValue = 10;
    controls.vyValue = -10;
    controls.massValue = 20;
    controls.zoomValue = 50;
    ttl::ExplorerState state;
    ttl::ResetExplorer(state, controls);
    ttl::SurfaceView view;
    view.resize(800, 800);
    ttl::Surface picture2;
    ttl::ScaleExplorerDiagram(view.surface(), state, controls.zoomValue);
    const auto at = static_cast<int>(bench.range(0));
    for (int n = 0; n < at; ++n) {
        ttl::AdvanceExplorer(state, controls);
    }
    QImage screen(800, 800, QImage::Format_ARGB32_Premultiplied);
    ttl::RedrawRotatingView(view.surface(), picture2, state, controls);
    view.render(&screen);
    for (auto _ : bench) {
        bench.PauseTiming();
        state.StepIndex = at; // the same step again: its cost, not that of a growing run
        bench.ResumeTiming();
        ttl::StepRotatingView(view.surface(), picture2, state, controls);
        view.render(&screen);
    }
}
BENCHMARK(BM_ExplorerFarCoriolisStep)->Arg(10)->Arg(1400)->Unit(benchmark::kMillisecond);

} // namespace

namespace {

// Drawing and painting one page of the derivation (the 700 x 700 picture from scratch): the
// sliding body of the classroom, friction off and Vx = 3X.
void BM_DerivationPage(benchmark::State& bench)
{
    ttl::ExplorerControls controls;
    controls.vxValue = 3;
    ttl::ExplorerState state;
    ttl::ResetExplorer(state, controls);
    for (int k = 0; k < ttl::DerivationSteps; ++k) {
        ttl::AdvanceExplorer(state, controls);
    }
    ttl::SurfaceView view;
    view.resize(700, 700);
    QImage screen(700, 700, QImage::Format_ARGB32_Premultiplied);
    int page = 0;
    for (auto _ : bench) {
        ttl::DrawDerivationPage(view.surface(), state, ttl::DerivationView{}, false, page);
        view.render(&screen);
        page = ttl::NextDerivationPage(page, false, false);
    }
}
BENCHMARK(BM_DerivationPage)->Unit(benchmark::kMillisecond);

} // namespace
