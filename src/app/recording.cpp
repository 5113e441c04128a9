#include "app/recording.h"

#include "app/application.h"
#include "shell/ui/animation_recording.h"
#include "shell/ui/surface_view.h"
#include "turntable/ui/simulation_activity.h"

#include <QApplication>
#include <QCoreApplication>

#include <cstdio>
#include <functional>

namespace ttl {

namespace {
struct Recordable {
    const char* name;
    SimulationGraph graph;
};

const Recordable Recordables[] = {
    {"orbit-animation", SimulationGraph::OrbitAnimation},
    {"vectors", SimulationGraph::VectorsAnimation},
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
    app.Simulation().SetBeep([] {});
    app.Simulation().RunSimulation();
    // In a window of its own: the size asked for is the window's.
    const RecordableAnimation animation =
        app.Simulation().AnimationRecording(found->graph, GraphPlace::Window);
    SurfaceView& view = *animation.view;
    // The animation fits its drawing to the window when it begins: it begins at the size asked.
    view.setAttribute(Qt::WA_DontShowOnScreen);
    view.resize(request.size);
    view.show();
    QApplication::processEvents();
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
