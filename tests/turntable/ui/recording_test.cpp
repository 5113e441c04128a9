#include "app/application.h"
#include "app/command_line.h"
#include "shell/ui/animation_recording.h"
#include "shell/ui/surface_view.h"
#include "turntable/animations.h"
#include "turntable/ui/simulation_activity.h"

#include <QApplication>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace ttl {
namespace {

// The share of pixels two pictures of the same size differ in by more than the palette's step
// between a colour and its blends into the page.
double Differing(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    if (x.size() != y.size()) {
        return 1.0;
    }
    long long differ = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col) {
            const int dr = qRed(p[col]) - qRed(q[col]);
            const int dg = qGreen(p[col]) - qGreen(q[col]);
            const int db = qBlue(p[col]) - qBlue(q[col]);
            differ += dr * dr + dg * dg + db * db > 48 * 48;
        }
    }
    return static_cast<double>(differ) / (static_cast<double>(x.width()) * x.height());
}

// The orbit animation, recorded without windows: one frame per 40 ms of the animation as it
// plays on screen, its first and last frames the view's pictures then, and a cancelled write
// leaves nothing.
TEST(Recording, TheOrbitAnimationIsRecordedFrameByFrameAsItPlays)
{
    Application app;
    app.Simulation().SetBeep([] {});
    app.Simulation().RunSimulation();
    RecordableAnimation animation = app.Simulation().AnimationRecording(SimulationGraph::OrbitAnimation, GraphPlace::Window);
    SurfaceView& view = *animation.view;
    view.setAttribute(Qt::WA_DontShowOnScreen);
    view.resize(320, 240);
    view.show();
    QApplication::processEvents();

    QImage first;
    const auto restart = animation.restart;
    animation.restart = [&] {
        restart();
        first = view.renderImage();
    };
    const GifAnimation gif = RecordWithoutWindows(animation, 60'000);
    const QImage last = view.renderImage();

    // Every step is a picture shown for the player's interval; a frame holds 40 ms of them.
    const int steps = OrbitAnimation(*app.Simulation().LastRun()).FrameCount();
    const int playedMs = steps * animation.tickMs();
    EXPECT_EQ(gif.FrameCount(), (playedMs + FastestFrameMs - 1) / FastestFrameMs + 1);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("orbit.gif"));
    ASSERT_TRUE(WriteRecording(gif, path, [] { return false; }, [](int) {}));
    QImageReader reader(path);
    std::vector<QImage> frames;
    int shownMs = 0;
    while (reader.canRead()) {
        frames.push_back(reader.read());
        shownMs += reader.nextImageDelay();
    }
    ASSERT_EQ(static_cast<int>(frames.size()), gif.FrameCount());
    EXPECT_EQ(frames.front().size(), QSize(320, 240));
    // Up to the palette: the smoothed edges of lines take the nearest of its colours.
    EXPECT_LT(Differing(frames.front(), first), 0.005);
    EXPECT_LT(Differing(frames.back(), last), 0.005);
    EXPECT_GT(Differing(frames.front(), frames.back()), 0.01); // the orbit was drawn meanwhile

    const QString cancelled = dir.filePath(QStringLiteral("cancelled.gif"));
    EXPECT_FALSE(WriteRecording(gif, cancelled, [] { return true; }, [](int) {}));
    EXPECT_FALSE(QFile::exists(cancelled));
}

TEST(Recording, TheCommandLineTakesAnAnimatedScreenAndALengthWithinItsLimits)
{
    struct Case {
        QStringList arguments;
        bool accepted;
    };
    const Case cases[] = {
        {{QStringLiteral("--record"), QStringLiteral("vectors"), QStringLiteral("v.gif")}, true},
        {{QStringLiteral("--record"), QStringLiteral("orbit-animation"), QStringLiteral("o.gif"),
          QStringLiteral("--seconds"), QStringLiteral("120"), QStringLiteral("--size"),
          QStringLiteral("320x200")},
         true},
        {{QStringLiteral("--record"), QStringLiteral("explorer"), QStringLiteral("e.gif")}, true},
        {{QStringLiteral("--record"), QStringLiteral("translating-frame"), QStringLiteral("t.gif")},
         true},
        {{QStringLiteral("--record"), QStringLiteral("angle"), QStringLiteral("a.gif")}, false},
        {{QStringLiteral("--record"), QStringLiteral("vectors")}, false},
        {{QStringLiteral("--record"), QStringLiteral("vectors"), QStringLiteral("v.gif"),
          QStringLiteral("--seconds"), QStringLiteral("121")},
         false},
        {{QStringLiteral("--seconds"), QStringLiteral("5")}, false},
        {{QStringLiteral("--record"), QStringLiteral("vectors"), QStringLiteral("v.gif"),
          QStringLiteral("--steps"), QStringLiteral("5")},
         false},
        {{QStringLiteral("--record"), QStringLiteral("vectors"), QStringLiteral("v.gif"),
          QStringLiteral("--export-csv"), QStringLiteral("o.csv")},
         false},
    };
    for (const Case& c : cases) {
        const CommandLine line = ParseCommandLine(QStringList{QStringLiteral("turntable-lab")} +
                                                  c.arguments);
        EXPECT_EQ(line.action == CommandLine::Action::Record, c.accepted)
            << c.arguments.join(u' ').toStdString() << ": " << line.text.toStdString();
    }
}

} // namespace
} // namespace ttl
