#include "shell/ui/graph_interaction.h"
#include "shell/ui/surface_painter.h"
#include "shell/ui/surface_view.h"
#include "turntable/animations.h"
#include "turntable/orbit_graph.h"
#include "turntable/time_graphs.h"
#include "turntable/work_energy_graph.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

const ttl::SimulationResult& LongRun()
{
    static const ttl::SimulationResult run = [] {
        ttl::SimulationInputs inputs;
        inputs.periodCount = 40;
        inputs.intervalValue = 1; // capped at 5000 steps
        inputs.baseInfluenced = true;
        return ttl::RunSimulation(inputs);
    }();
    return run;
}

// A frame of the orbit animation near frame `range(0)` as its window shows it: the frame drawn,
// then the view painting what changed, if anything did. The cost must not grow as the trail does.
// Frames run on from 16 before; the animation is begun again (untimed) when they reach it. The
// first frame after that replay is shown untimed too: the replay of thousands of frames has just
// filled the caches with the trail, which a window showing one frame after another never does.
void BM_OrbitAnimationFrame(benchmark::State& bench)
{
    constexpr int Window = 16;
    const ttl::OrbitAnimation animation(LongRun());
    const int last = std::min(static_cast<int>(bench.range(0)), animation.FrameCount());
    const int first = std::max(1, last - Window - 1);
    ttl::SurfaceView view;
    view.resize(683, 384);
    QImage screen(683, 384, QImage::Format_ARGB32_Premultiplied);
    const auto show = [&](int frame) {
        animation.DrawFrame(view.surface(), frame);
        view.refresh();
        if (!view.lastRefreshRegion().isEmpty()) {
            view.render(&screen, QPoint(), view.lastRefreshRegion());
        }
    };
    int frame = last;
    for (auto _ : bench) {
        if (frame >= last) {
            bench.PauseTiming();
            animation.Begin(view.surface());
            for (int i = 1; i < first; ++i) {
                animation.DrawFrame(view.surface(), i);
            }
            view.refresh();
            view.render(&screen);
            show(first);
            frame = first + 1;
            bench.ResumeTiming();
        }
        show(frame++);
    }
}
BENCHMARK(BM_OrbitAnimationFrame)->Arg(10)->Arg(5000)->Unit(benchmark::kMicrosecond);

// Each graph window drawn and painted whole once at 5000 steps, at 1280 x 640.
template <typename Draw> void DrawAndPaint(benchmark::State& bench, Draw draw)
{
    ttl::Surface surface;
    surface.SetPixelSize(1280, 640);
    QImage image(1280, 640, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : bench) {
        draw(surface);
        QPainter painter(&image);
        ttl::PaintSurface(painter, surface, QSizeF(1280, 640));
    }
}

void BM_AngularVelocityGraph(benchmark::State& bench)
{
    DrawAndPaint(bench, [](ttl::Surface& s) { ttl::DrawAngularVelocityGraph(s, LongRun()); });
}
BENCHMARK(BM_AngularVelocityGraph)->Unit(benchmark::kMillisecond);

void BM_VelocityGraph(benchmark::State& bench)
{
    DrawAndPaint(bench, [](ttl::Surface& s) { ttl::DrawVelocityGraph(s, LongRun()); });
}
BENCHMARK(BM_VelocityGraph)->Unit(benchmark::kMillisecond);

void BM_WorkEnergyGraph(benchmark::State& bench)
{
    DrawAndPaint(bench, [](ttl::Surface& s) {
        const ttl::WorkRange range = ttl::ComputeWorkRange(LongRun());
        ttl::DrawWorkEnergyGraph(s, LongRun(), range.max, range.min, false);
    });
}
BENCHMARK(BM_WorkEnergyGraph)->Unit(benchmark::kMillisecond);

// One move of the hover cursor over the velocities graph of a 5000-step run at 1366 x 768: the
// readout is drawn on the transient layer and painted over the cached picture.
void BM_HoverCursorMove(benchmark::State& bench)
{
    ttl::SurfaceView view;
    view.resize(1366, 768);
    ttl::GraphInteraction& reading = ttl::GraphReadingOf(view, [] {
        return ttl::ReadableGraph{ttl::VelocityGraph(LongRun()), std::nullopt};
    });
    view.redraw();
    QImage screen(1366, 768, QImage::Format_ARGB32_Premultiplied);
    view.render(&screen);
    const double end = LongRun().TotalTime;
    int k = 0;
    for (auto _ : bench) {
        reading.ShowReadoutAt((0.1 + 0.8 * (k++ % 100) / 100.0) * end, 0.0);
        view.render(&screen);
    }
}
BENCHMARK(BM_HoverCursorMove)->Unit(benchmark::kMillisecond);

// A full repaint of a graph window at 1366 x 768, what a window that is uncovered or a second
// monitor asks for: the display list of a 5000-step run is drawn once, then painted whole.
template <typename Draw> void Repaint(benchmark::State& bench, Draw draw)
{
    const QSize size(1366, 768);
    ttl::Surface surface;
    surface.SetPixelSize(size.width(), size.height());
    surface.SetTextMeasure(ttl::MeasureText);
    draw(surface);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : bench) {
        QPainter painter(&image);
        ttl::PaintSurface(painter, surface, QSizeF(size));
    }
    bench.counters["primitives"] = static_cast<double>(surface.Primitives().size());
}

// The velocities graph painted one primitive at a time, as it was before marks were batched: the
// yardstick for BM_RepaintVelocityGraph on the same machine under the same load.
void BM_RepaintVelocityGraphMarkByMark(benchmark::State& bench)
{
    const QSize size(1366, 768);
    ttl::Surface surface;
    surface.SetPixelSize(size.width(), size.height());
    surface.SetTextMeasure(ttl::MeasureText);
    ttl::DrawVelocityGraph(surface, LongRun());
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : bench) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        for (std::size_t k = 0; k < surface.Primitives().size(); ++k) {
            ttl::PaintPrimitives(painter, surface.Primitives(), k, QSizeF(size), k + 1);
        }
    }
}
BENCHMARK(BM_RepaintVelocityGraphMarkByMark)->Unit(benchmark::kMillisecond);

void BM_RepaintBaseAngleGraph(benchmark::State& bench)
{
    Repaint(bench, [](ttl::Surface& s) { ttl::DrawBaseAngleGraph(s, LongRun()); });
}
BENCHMARK(BM_RepaintBaseAngleGraph)->Unit(benchmark::kMillisecond);

void BM_RepaintAngularVelocityGraph(benchmark::State& bench)
{
    Repaint(bench, [](ttl::Surface& s) { ttl::DrawAngularVelocityGraph(s, LongRun()); });
}
BENCHMARK(BM_RepaintAngularVelocityGraph)->Unit(benchmark::kMillisecond);

void BM_RepaintVelocityGraph(benchmark::State& bench)
{
    Repaint(bench, [](ttl::Surface& s) { ttl::DrawVelocityGraph(s, LongRun()); });
}
BENCHMARK(BM_RepaintVelocityGraph)->Unit(benchmark::kMillisecond);

void BM_RepaintWorkEnergyGraph(benchmark::State& bench)
{
    Repaint(bench, [](ttl::Surface& s) {
        const ttl::WorkRange range = ttl::ComputeWorkRange(LongRun());
        ttl::DrawWorkEnergyGraph(s, LongRun(), range.max, range.min, false);
    });
}
BENCHMARK(BM_RepaintWorkEnergyGraph)->Unit(benchmark::kMillisecond);

// "Save picture..." on a window enlarged to 4000 x 3500: the picture is rendered at most 4096
// pixels on its longer side and written with fast compression.
void BM_SavePictureLarge(benchmark::State& bench)
{
    ttl::SurfaceView view;
    view.resize(4000, 3500);
    ttl::DrawOrbitGraph(view.surface(), LongRun());
    const QString path = QDir::temp().filePath(QStringLiteral("turntable_bench_picture.png"));
    for (auto _ : bench) {
        benchmark::DoNotOptimize(view.savePicture(path));
    }
    QFile::remove(path);
}
BENCHMARK(BM_SavePictureLarge)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
