#include "app/recording.h"

#include "app/application.h"
#include "shell/ui/animation_recording.h"
#include "shell/ui/surface_view.h"
#include "explorer/ui/explorer_screen.h"
#include "translating/ui/relative_motion_screen.h"
#include "turntable/ui/simulation_activity.h"

#include <QApplication>
#include <QCoreApplication>

#include <cstdio>
#include <functional>

namespace ttl {

namespace {
// Shows `window` off screen at the size asked: an animation fits its drawing to its view when it
// begins, so it begins there.
void Ready(QWidget& window, const QSize& size)
{
    window.setAttribute(Qt::WA_DontShowOnScreen);
    window.resize(size);
    window.show();
    QApplication::processEvents();
}

// A simulation animation in a window of its own, after a run with the screen's settings.
RecordableAnimation SimulationAnimation(Application& app, SimulationGraph graph, const QSize& size)
{
    app.Simulation().SetBeep([] {});
    app.Simulation().RunSimulation();
    RecordableAnimation animation = app.Simulation().AnimationRecording(graph, GraphPlace::Window);
    Ready(*animation.view, size);
    return animation;
}

struct Recordable {
    const char* name;
    std::function<RecordableAnimation(Application&, const QSize&)> prepare;
};

const Recordable Recordables[] = {
    {"orbit-animation",
     [](Application& app, const QSize& size) {
         return SimulationAnimation(app, SimulationGraph::OrbitAnimation, size);
     }},
    {"vectors",
     [](Application& app, const QSize& size) {
         return SimulationAnimation(app, SimulationGraph::VectorsAnimation, size);
     }},
    {"explorer",
     [](Application& app, const QSize& size) {
         app.explorer().SetBeep([] {});
         Ready(app.explorer(), size);
         return app.explorer().ContinuousRunRecording();
     }},
    {"translating-frame",
     [](Application& app, const QSize& size) {
         Ready(app.translatingFrame(), size);
         return app.translatingFrame().TimeEvolutionRecording(app.translatingFrame().LabView());
     }},
};

void Complain(const QString& text)
{
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}
} // namespace

QStringList RecordingScreens()
{
    QStringList names;
    for (const Recordable& r : Recordables) {
        names << QString::fromLatin1(r.name);
    }
    return names;
}

int TakeRecording(Application& app, const RecordingRequest& request)
{
    const auto* found =
        std::find_if(std::begin(Recordables), std::end(Recordables),
                     [&](const Recordable& r) { return request.screen == QLatin1String(r.name); });
    if (found == std::end(Recordables)) {
        return 2; // the command line refuses it first
    }
    if (request.size.width() < 100 || request.size.height() < 100 || request.size.width() > 4000 ||
        request.size.height() > 4000) {
        Complain(QCoreApplication::translate("cli",
                                             "--size must be from 100x100 to 4000x4000 for a "
                                             "recording, not %1x%2.")
                     .arg(request.size.width())
                     .arg(request.size.height()));
        return 2;
    }
    const RecordableAnimation animation = found->prepare(app, request.size);
    const GifAnimation gif = RecordWithoutWindows(animation, request.seconds * 1000);
    const WriteResult written = WriteRecording(
        gif, request.file, [] { return false; }, [](int) {});
    if (!written) {
        Complain(written.reason);
        return 1;
    }
    return 0;
}

} // namespace ttl
