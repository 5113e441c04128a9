#include "app/language.h"
#include "shell/drawing_scale.h"
#include "shell/ui/surface_painter.h"
#include "turntable/animations.h"
#include "turntable/orbit_graph.h"
#include "turntable/time_graphs.h"
#include "turntable/work_energy_graph.h"

#include <QRectF>
#include <QString>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace ttl {
namespace {

struct DrawnText {
    std::string text;
    QRectF box;
};

// Where each text of the surface lands, measured as the painter draws it.
std::vector<DrawnText> DrawnTexts(const Surface& s)
{
    std::vector<DrawnText> texts;
    for (const Primitive& p : s.Primitives()) {
        if (p.kind == PrimitiveKind::Text) {
            const TextExtent size = MeasureText(p.text, p.font);
            const double x = (p.x1 - p.window.left) / p.window.width * s.PixelWidth();
            const double y = (p.y1 - p.window.top) / p.window.height * s.PixelHeight();
            texts.push_back({p.text, QRectF(x, y, size.width, size.height)});
        }
    }
    return texts;
}

using Draw = std::function<void(Surface&, const SimulationResult&)>;

struct GraphCase {
    const char* name;
    Draw draw;
};

void DrawWork(Surface& s, const SimulationResult& run, bool fromWindowButton)
{
    const WorkRange range = ComputeWorkRange(run);
    DrawWorkEnergyGraph(s, run, range.max, range.min, fromWindowButton);
}

// Every graph window, in both languages, on both screens, at normal and double size.
TEST(GraphLayout, NoTextOverlapsAnotherOrLeavesItsWindow)
{
    SimulationInputs inputs;
    inputs.baseInfluenced = true;
    const SimulationResult run = RunSimulation(inputs);
    const GraphCase graphs[] = {
        {"angle", DrawBaseAngleGraph},
        {"angular velocity", DrawAngularVelocityGraph},
        {"velocities", DrawVelocityGraph},
        {"work-energy", [](Surface& s, const SimulationResult& r) { DrawWork(s, r, false); }},
        {"work-energy halved", [](Surface& s, const SimulationResult& r) { DrawWork(s, r, true); }},
        {"orbit", DrawOrbitGraph},
        {"orbit animation",
         [](Surface& s, const SimulationResult& r) {
             const OrbitAnimation animation(r);
             animation.Begin(s);
             animation.Finish(s);
         }},
    };
    // Whole screens, and a quarter of the smaller one (the orbit windows' place), also in the
    // largest text.
    const std::pair<QSize, double> screens[] = {
        {{1024, 768}, 1.0}, {{1366, 768}, 1.0}, {{1024, 768}, 2.0}, {{1366, 768}, 2.0},
        {{512, 384}, 1.0},  {{512, 384}, 2.0},  {{512, 384}, 2.5}};
    for (const char* language : Languages) {
        InstallLanguage(QString::fromLatin1(language));
        for (const auto& [size, scale] : screens) {
            SetDrawingScale(scale);
            {
                for (const GraphCase& graph : graphs) {
                    Surface s;
                    s.SetTextMeasure(MeasureText);
                    s.SetPixelSize(size.width(), size.height());
                    graph.draw(s, run);
                    const std::vector<DrawnText> texts = DrawnTexts(s);
                    const std::string where = std::string(graph.name) + " " + language + " " +
                                              std::to_string(size.width()) + "x" +
                                              std::to_string(size.height()) + " at " +
                                              std::to_string(scale);
                    ASSERT_GT(texts.size(), 4U) << where; // ticks and titles at least
                    const QRectF window(0, 0, size.width(), size.height());
                    for (std::size_t i = 0; i < texts.size(); ++i) {
                        EXPECT_TRUE(window.contains(texts[i].box)) << where << ": " << texts[i].text;
                        for (std::size_t j = i + 1; j < texts.size(); ++j) {
                            EXPECT_FALSE(texts[i].box.intersects(texts[j].box))
                                << where << ": " << texts[i].text << " / " << texts[j].text;
                        }
                    }
                }
            }
        }
    }
    SetDrawingScale(1.0);
    InstallLanguage(QStringLiteral("en"));
}

} // namespace
} // namespace ttl
