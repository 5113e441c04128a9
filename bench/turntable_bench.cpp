#include "shell/ui/surface_painter.h"
#include "turntable/orbit_graph.h"
#include "turntable/simulation_run.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

// The two step counts a user meets most: the screen's defaults, and the cap.
ttl::SimulationInputs InputsFor(int steps)
{
    ttl::SimulationInputs inputs;
    if (steps >= ttl::MaxStepCount) {
        inputs.periodCount = 40;
        inputs.intervalValue = 1;
    }
    return inputs;
}

void BM_RunSimulation(benchmark::State& state)
{
    const ttl::SimulationInputs inputs = InputsFor(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(ttl::RunSimulation(inputs));
    }
}
BENCHMARK(BM_RunSimulation)->Arg(786)->Arg(5000)->Unit(benchmark::kMillisecond);

// Drawing and painting the whole orbit window at the largest step count, as after a resize.
void BM_PaintOrbitWindow(benchmark::State& state)
{
    const ttl::SimulationResult run = ttl::RunSimulation(InputsFor(5000));
    ttl::Surface surface;
    surface.SetPixelSize(1280, 720);
    QImage image(1280, 720, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        ttl::DrawOrbitGraph(surface, run);
        QPainter painter(&image);
        ttl::PaintSurface(painter, surface, QSizeF(1280, 720));
    }
}
BENCHMARK(BM_PaintOrbitWindow)->Unit(benchmark::kMillisecond);

} // namespace
