#include "shell/ui/surface_view.h"
#include "translating/relative_motion_views.h"

#include <QImage>

#include <benchmark/benchmark.h>

namespace {

// One step of the translating-frame screen at step `range(0)`: the motion, the newest trail
// points and the arrows, and both 500 x 500 views painting what is new. The cost must not grow
// with the trail.
void BM_RelativeMotionStep(benchmark::State& bench)
{
    ttl::RelativeMotionInputs in;
    in.frameAx = 2;
    in.frameAy = -1;
    in.friction = 10; // it keeps sliding: every step integrates
    in.scale = 4;
    ttl::RelativeMotionRun run;
    ttl::SurfaceView lab, moving;
    lab.resize(500, 500);
    moving.resize(500, 500);
    ttl::BeginLabView(lab.surface(), in);
    ttl::BeginMovingView(moving.surface(), run, in);
    const auto at = static_cast<int>(bench.range(0));
    for (int k = 0; k < at; ++k) {
        ttl::RelativeMotionStep(run, in);
        ttl::DrawRelativeStep(lab.surface(), moving.surface(), run, in);
    }
    QImage screen(500, 500, QImage::Format_ARGB32_Premultiplied);
    lab.render(&screen);
    moving.render(&screen);
    for (auto _ : bench) {
        bench.PauseTiming();
        run.n = at; // the same step again
        bench.ResumeTiming();
        ttl::RelativeMotionStep(run, in);
        ttl::DrawRelativeStep(lab.surface(), moving.surface(), run, in);
        lab.render(&screen);
        moving.render(&screen);
    }
}
BENCHMARK(BM_RelativeMotionStep)->Arg(10)->Arg(1400)->Unit(benchmark::kMicrosecond);

} // namespace
