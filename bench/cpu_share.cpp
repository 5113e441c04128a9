// The share of one core the program takes while a Foucault pendulum swings in the step explorer,
// while the body slides in a continuous run, while the explorer is open with nothing running,
// and over a whole Foucault run of 1500 steps in the rotating frame. Run it on a real display (Xvfb):
//   xvfb-run -s "-screen 0 1366x768x24" build/release/bench/cpu_share [seconds]
#include "app/application.h"
#include "explorer/ui/explorer_screen.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>

namespace {

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) * 1e-6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Lets the event loop run for the given time and returns the CPU time spent over wall time.
double ShareOver(double seconds)
{
    QEventLoop loop;
    QTimer::singleShot(500, &loop, &QEventLoop::quit); // let the start settle
    loop.exec();
    const double cpu0 = CpuSeconds();
    QElapsedTimer wall;
    wall.start();
    QTimer::singleShot(int(seconds * 1000), &loop, &QEventLoop::quit);
    loop.exec();
    return (CpuSeconds() - cpu0) / (double(wall.nsecsElapsed()) * 1e-9);
}

// Lets a continuous run go to its end (its timer stops) and returns the CPU time it took over
// its wall time: the run's own average, not diluted by idle time after it. The end is noticed
// right after the tick that stops the timer, so that the measurement wakes nothing up itself.
double ShareOfRun(const QTimer& timer)
{
    const double cpu0 = CpuSeconds();
    QElapsedTimer wall;
    wall.start();
    QEventLoop loop;
    const auto quitAtTheEnd = [&] {
        if (!timer.isActive()) {
            loop.quit();
        }
    };
    QObject::connect(&timer, &QTimer::timeout, &loop, quitAtTheEnd);
    QTimer poll; // in case the run is stopped otherwise
    QObject::connect(&poll, &QTimer::timeout, &loop, quitAtTheEnd);
    poll.start(1000);
    loop.exec();
    return (CpuSeconds() - cpu0) / (double(wall.nsecsElapsed()) * 1e-9);
}

void Trigger(QWidget& screen, const char* name)
{
    auto* action = screen.findChild<QAction*>(QString::fromLatin1(name));
    if (action == nullptr) {
        std::fprintf(stderr, "no action %s\n", name);
        std::exit(1);
    }
    action->trigger();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication qapp(argc, argv);
    const double seconds = argc > 1 ? std::atof(argv[1]) : 20.0;
    ttl::Application app;
    app.OpenExplorer();
    ttl::ExplorerScreen& explorer = app.explorer();
    const QSize screen = QGuiApplication::primaryScreen()->size();

    const double idle = ShareOver(seconds);
    Trigger(explorer, "FOUCAULTTEXTBOOK");
    Trigger(explorer, "CHRONIKHMETAVOLH");
    const double running = ShareOver(seconds);
    Trigger(explorer, "EPANELAVE"); // a fresh run without the pendulum
    Trigger(explorer, "CHRONIKHMETAVOLH");
    const double sliding = ShareOver(seconds);
    Trigger(explorer, "EPANELAVE");
    explorer.findChild<QAbstractButton*>(QStringLiteral("Option1"))->click(); // rotating frame
    Trigger(explorer, "FOUCAULTTEXTBOOK");
    Trigger(explorer, "CHRONIKHMETAVOLH");
    const double rotating = ShareOfRun(*explorer.findChild<QTimer*>(QStringLiteral("Timer1")));

    std::printf("screen %dx%d, %.0f s each\n", screen.width(), screen.height(), seconds);
    std::printf("idle explorer:  %.2f %% of a core\n", idle * 100);
    std::printf("Foucault run:   %.2f %% of a core\n", running * 100);
    std::printf("sliding run:    %.2f %% of a core\n", sliding * 100);
    std::printf("Foucault run, rotating frame: %.2f %% of a core\n", rotating * 100);
    return 0;
}
