#include "app/snapshot.h"

#include "app/application.h"
#include "curve/ui/first_step_screen.h"
#include "explorer/ui/explorer_screen.h"
#include "shell/ui/file_writing.h"
#include "shell/ui/introduction_screen.h"
#include "shell/ui/picture_encoding.h"
#include "shell/ui/surface_view.h"
#include "translating/ui/relative_motion_screen.h"
#include "turntable/ui/rotating_screen.h"
#include "turntable/ui/simulation_activity.h"
#include "turntable/ui/work_energy_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QPainter>
#include <QScrollBar>

#include <cstdio>
#include <functional>
#include <map>

namespace ttl {

namespace {

void Complain(const QString& text)
{
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

void Press(QWidget& screen, const char* name)
{
    if (auto* button = screen.findChild<QAbstractButton*>(QString::fromLatin1(name))) {
        button->click();
    } else if (auto* action = screen.findChild<QAction*>(QString::fromLatin1(name))) {
        action->trigger();
    }
}

// The window at the picture's size before anything is drawn on it: drawings fit their size.
template <typename Widget> Widget& Ready(Widget& widget, const SnapshotRequest& r)
{
    widget.setAttribute(Qt::WA_DontShowOnScreen);
    widget.resize(r.size);
    widget.show();
    QApplication::processEvents();
    return widget;
}

using ScreenMaker = std::function<QWidget&(Application&, const SnapshotRequest&)>;

SimulationActivity& AfterRun(Application& app)
{
    app.Simulation().SetBeep([] {});
    app.Simulation().RunSimulation();
    return app.Simulation();
}

// A graph window of the last run, drawn the way its button draws it.
template <typename Window>
ScreenMaker Graph(Window& (Application::*window)(), void (SimulationActivity::*show)())
{
    return [window, show](Application& app, const SnapshotRequest& r) -> QWidget& {
        Ready((app.*window)(), r);
        (AfterRun(app).*show)();
        return (app.*window)();
    };
}

// A screen with STEP (`Command1`), pressed as often as asked.
template <typename Screen> Screen& Stepped(Screen& screen, const SnapshotRequest& r)
{
    Ready(screen, r);
    for (int k = 0; k < r.steps; ++k) {
        Press(screen, "Command1");
    }
    return screen;
}

ExplorerScreen& Explorer(Application& app, const SnapshotRequest& r)
{
    ExplorerScreen& screen = app.explorer();
    if (r.rotatingFrame) {
        Press(screen, "Option1");
    }
    return screen;
}

QWidget& Derivation(Application& app, const SnapshotRequest& r)
{
    ExplorerScreen& screen = Ready(Explorer(app, r), r);
    // a sliding body, whose relative velocities show something
    screen.findChild<QScrollBar*>(QStringLiteral("vxtax"))->setValue(3);
    Press(screen, "CORIOLISEXP");
    for (int k = 0; k < r.page; ++k) {
        emit screen.Picture1().mouseReleased(0.0, 0.0, Qt::NoModifier);
    }
    return screen;
}

// Each screen, set up as a teacher would show it.
std::map<QString, ScreenMaker> Screens()
{
    return {
        {"EISAGOGIKI",
         [](Application& app, const SnapshotRequest& r) -> QWidget& {
             return Ready(app.introduction(), r);
         }},
        {"rotating",
         [](Application& app, const SnapshotRequest& r) -> QWidget& {
             Ready(app.simulationScreen(), r);
             AfterRun(app);
             return Ready(app.simulationScreen(), r);
         }},
        {"x_ygraph",
         [](Application& app, const SnapshotRequest& r) -> QWidget& {
             AfterRun(app);
             return Ready(app.orbitWindow(), r); // redrawn for its size
         }},
        {"goniaxronos", Graph(&Application::baseAngleGraph, &SimulationActivity::ShowBaseAngleGraph)},
        {"goniakigraph",
         Graph(&Application::angularVelocityGraph, &SimulationActivity::ShowAngularVelocityGraph)},
        {"velocitytimes", Graph(&Application::velocityGraph, &SimulationActivity::ShowVelocityGraph)},
        {"base_centrafugal",
         Graph(&Application::workEnergyWindow, &SimulationActivity::ShowWorkEnergyGraph)},
        {"exigisi2",
         [](Application& app, const SnapshotRequest& r) -> QWidget& {
             return Stepped(Explorer(app, r), r);
         }},
        {"derivation", Derivation},
        {"firststep",
         [](Application& app, const SnapshotRequest& r) -> QWidget& {
             return Ready(app.firstExplanation(), r);
         }},
        {"exigisirelative",
         [](Application& app, const SnapshotRequest& r) -> QWidget& {
             return Stepped(app.translatingFrame(), r);
         }},
    };
}

QByteArray Encode(QWidget& widget, bool svg)
{
    if (!svg) {
        return EncodePng(widget.grab().toImage());
    }
    return EncodeSvg(widget.size(), widget.windowTitle(),
                     [&widget](QPainter& painter) { widget.render(&painter); });
}

} // namespace

QStringList SnapshotScreens()
{
    QStringList names;
    for (const auto& entry : Screens()) {
        names << entry.first;
    }
    return names;
}

int TakeSnapshot(Application& app, const SnapshotRequest& request, std::ostream& out)
{
    const auto screens = Screens();
    const auto found = screens.find(request.screen);
    if (found == screens.end()) {
        Complain(QStringLiteral("Unknown screen \"%1\"; the screens are: %2.")
                     .arg(request.screen, SnapshotScreens().join(QStringLiteral(", "))));
        return 2;
    }
    if (request.size.width() < 100 || request.size.height() < 100 || request.size.width() > 8000 ||
        request.size.height() > 8000) {
        Complain(QStringLiteral("A size from 100x100 to 8000x8000, please, not %1x%2.")
                     .arg(request.size.width())
                     .arg(request.size.height()));
        return 2;
    }
    QWidget& widget = found->second(app, request);
    QApplication::processEvents(); // the last drawings are painted
    const bool svg = request.file.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive);
    const QByteArray bytes = Encode(widget, svg);
    const WriteResult written =
        bytes.isEmpty() ? WriteResult::Failed(QStringLiteral("Could not draw the picture."))
                        : WriteFileOrStandardOutput(request.file, bytes, out);
    if (!written) {
        Complain(written.reason);
        return 1;
    }
    return 0;
}

} // namespace ttl
