#include "curve/elliptic.h"
#include "curve/timed_curve.h"
#include "shell/ui/surface_view.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

void BM_EllipticE(benchmark::State& bench)
{
    double phi = 0.1;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(ttl::EllipticE(phi, 0.46));
        phi = phi > 19.0 ? 0.1 : phi + 0.37;
    }
}
BENCHMARK(BM_EllipticE)->Unit(benchmark::kNanosecond);

void BM_InverseEllipticE(benchmark::State& bench)
{
    const double k = 0.46;
    double e = 0.1;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(ttl::InverseEllipticE(e, k));
        e = e > 18.0 ? 0.1 : e + 0.41;
    }
}
BENCHMARK(BM_InverseEllipticE)->Unit(benchmark::kMicrosecond);

// One tick of the timed run at tick `range(0)`, with the 700 x 700 view painting what is new:
// the cost must not grow with the track. The slowest run (v0 = 0, at = 0.1, on the longest
// curve: A = 3.5, beta = 60 degrees) passes x = 30 at tick 792.
void BM_TimedCurveStep(benchmark::State& bench)
{
    const ttl::CurveInputs inputs{35, 60, 0, 1};
    ttl::SurfaceView view;
    view.resize(700, 700);
    view.surface().Scale(0, 10, 20, -10);
    ttl::TimedCurveRun run;
    ttl::StartTimedCurve(run, view.surface(), inputs);
    const auto at = static_cast<int>(bench.range(0));
    while (run.n < at && ttl::TimedCurveStep(run, view.surface(), inputs)) {
    }
    QImage screen(700, 700, QImage::Format_ARGB32_Premultiplied);
    view.render(&screen);
    for (auto _ : bench) {
        bench.PauseTiming();
        run.n = at; // the same tick again
        run.running = true;
        bench.ResumeTiming();
        ttl::TimedCurveStep(run, view.surface(), inputs);
        view.render(&screen);
    }
}
BENCHMARK(BM_TimedCurveStep)->Arg(10)->Arg(700)->Unit(benchmark::kMicrosecond);

} // namespace
