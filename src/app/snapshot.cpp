#include "app/snapshot.h"

#include "app/application.h"
#include "curve/ui/first_step_screen.h"
#include "explorer/ui/explorer_screen.h"
#include "shell/ui/file_writing.h"
#include "shell/ui/introduction_screen.h"
#include "shell/ui/picture_encoding.h"
#include "shell/ui/surface_painter.h"
#include "shell/ui/surface_view.h"
#include "translating/ui/relative_motion_screen.h"
#include "turntable/animations.h"
#include "turntable/ui/rotating_screen.h"
#include "turntable/ui/simulation_activity.h"
#include "turntable/ui/work_energy_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

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

// An animation of the last run, played as far as --steps frames (to its end without them) on
// its window at the picture's size: an animation fits its drawing to the window's shape when it
// begins, so it begins on the window as the picture has it.
template <typename Animation> ScreenMaker Animated(SurfaceView& (Application::*window)())
{
    return [window](Application& app, const SnapshotRequest& r) -> QWidget& {
        SurfaceView& view = Ready((app.*window)(), r);
        const Animation animation(*AfterRun(app).LastRun());
        animation.Begin(view.surface());
        const int count = animation.FrameCount();
        const int last = r.steps > 0 ? std::min(r.steps, count) : count;
        for (int i = 1; i <= last; ++i) {
            animation.DrawFrame(view.surface(), i);
        }
        if constexpr (requires(const Animation& a, Surface& s) { a.Finish(s); }) {
            if (last == count) {
                animation.Finish(view.surface());
            }
        }
        view.refresh();
        return view;
    };
}

struct Screen {
    const char* name;
    const char* description;
    ScreenMaker make;
};

// Each screen, set up as a teacher would show it, in the order the program reaches them.
const std::vector<Screen>& Screens()
{
    static const std::vector<Screen> screens{
        {"introduction",
         QT_TRANSLATE_NOOP("snapshot", "the opening screen, where an activity is chosen"),
         [](Application& app, const SnapshotRequest& r) -> QWidget& {
             return Ready(app.introduction(), r);
         }},
        {"simulation", QT_TRANSLATE_NOOP("snapshot", "the simulation screen after a run"),
         [](Application& app, const SnapshotRequest& r) -> QWidget& {
             Ready(app.simulationScreen(), r);
             AfterRun(app);
             return Ready(app.simulationScreen(), r);
         }},
        {"orbit", QT_TRANSLATE_NOOP("snapshot", "the run's orbits in both frames"),
         [](Application& app, const SnapshotRequest& r) -> QWidget& {
             AfterRun(app);
             return Ready(app.orbitWindow(), r); // redrawn for its size
         }},
        {"orbit-animation", QT_TRANSLATE_NOOP("snapshot", "the orbits drawn as the body moves"),
         Animated<OrbitAnimation>(&Application::orbitAnimation)},
        {"vectors", QT_TRANSLATE_NOOP("snapshot", "the velocity and the friction force, animated"),
         Animated<VectorsAnimation>(&Application::vectorsAnimation)},
        {"angle", QT_TRANSLATE_NOOP("snapshot", "the base's angle against time"),
         Graph(&Application::baseAngleGraph, &SimulationActivity::ShowBaseAngleGraph)},
        {"angular-velocity",
         QT_TRANSLATE_NOOP("snapshot", "the base's angular velocity against time"),
         Graph(&Application::angularVelocityGraph, &SimulationActivity::ShowAngularVelocityGraph)},
        {"velocities", QT_TRANSLATE_NOOP("snapshot", "the body's velocities against time"),
         Graph(&Application::velocityGraph, &SimulationActivity::ShowVelocityGraph)},
        {"work-energy", QT_TRANSLATE_NOOP("snapshot", "work and energy in both frames"),
         Graph(&Application::workEnergyWindow, &SimulationActivity::ShowWorkEnergyGraph)},
        {"explorer", QT_TRANSLATE_NOOP("snapshot", "the step-by-step explorer"),
         [](Application& app, const SnapshotRequest& r) -> QWidget& {
             return Stepped(Explorer(app, r), r);
         }},
        {"derivation", QT_TRANSLATE_NOOP("snapshot", "the Coriolis term, derived page by page"),
         Derivation},
        {"curve-lab",
         QT_TRANSLATE_NOOP("snapshot", "the curve lab: why a body lags behind the disk"),
         [](Application& app, const SnapshotRequest& r) -> QWidget& {
             return Ready(app.firstExplanation(), r);
         }},
        {"translating-frame", QT_TRANSLATE_NOOP("snapshot", "a body on an accelerating platform"),
         [](Application& app, const SnapshotRequest& r) -> QWidget& {
             return Stepped(app.translatingFrame(), r);
         }},
    };
    return screens;
}

const Screen* FindScreen(const QString& name)
{
    const auto& screens = Screens();
    const auto found = std::find_if(screens.begin(), screens.end(), [&name](const Screen& s) {
        return name == QLatin1String(s.name);
    });
    return found == screens.end() ? nullptr : &*found;
}

QByteArray Encode(QWidget& widget, bool svg)
{
    if (!svg) {
        return EncodePng(widget.grab().toImage());
    }
    // A screen that is one drawing is written as "Save picture…" writes it: lines and texts that
    // stay sharp on paper, without the window's buttons.
    if (const auto* view = qobject_cast<const SurfaceView*>(&widget)) {
        return EncodeSurfaceSvg(view->surface(), view->size(), widget.windowTitle());
    }
    return EncodeSvg(widget.size(), widget.windowTitle(),
                     [&widget](QPainter& painter) { widget.render(&painter); });
}

} // namespace

QStringList SnapshotScreens()
{
    QStringList names;
    for (const Screen& screen : Screens()) {
        names << QString::fromLatin1(screen.name);
    }
    return names;
}

QString SnapshotScreensHelp()
{
    QStringList lines{QCoreApplication::translate("snapshot", "Screens for --snapshot:")};
    for (const Screen& screen : Screens()) {
        lines << QStringLiteral("  %1  %2")
                     .arg(QString::fromLatin1(screen.name), -17)
                     .arg(QCoreApplication::translate("snapshot", screen.description));
    }
    return lines.join(u'\n');
}

QString UnknownScreenRefusal(const QString& screen)
{
    if (FindScreen(screen) != nullptr) {
        return {};
    }
    return QCoreApplication::translate("cli", "Unknown screen \"%1\"; the screens are: %2.")
        .arg(screen, SnapshotScreens().join(QStringLiteral(", ")));
}

int TakeSnapshot(Application& app, const SnapshotRequest& request, std::ostream& out)
{
    const Screen* screen = FindScreen(request.screen);
    if (screen == nullptr) {
        Complain(UnknownScreenRefusal(request.screen));
        return 2;
    }
    if (request.size.width() < 100 || request.size.height() < 100 || request.size.width() > 8000 ||
        request.size.height() > 8000) {
        Complain(QCoreApplication::translate("cli",
                                             "--size must be from 100x100 to 8000x8000, not %1x%2.")
                     .arg(request.size.width())
                     .arg(request.size.height()));
        return 2;
    }
    QWidget& widget = screen->make(app, request);
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
