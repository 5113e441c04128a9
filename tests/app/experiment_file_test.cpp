#include "app/application.h"
#include "app/command_line.h"
#include "app/experiment_file.h"
#include "app/experiment_menu.h"
#include "app/experiment_screens.h"
#include "curve/ui/first_step_screen.h"
#include "explorer/ui/explorer_screen.h"
#include "shell/ui/surface_view.h"
#include "translating/ui/relative_motion_screen.h"
#include "turntable/ui/rotating_screen.h"
#include "turntable/ui/simulation_activity.h"
#include "turntable/ui/simulation_experiment.h"

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QJsonDocument>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>
#include <string_view>
#include <vector>

namespace ttl {
namespace {

const QStringList Screens{QStringLiteral("simulation"), QStringLiteral("explorer")};

// The simulation inputs a file describes, or the problem that refused it.
std::optional<SimulationInputs> ReadSimulation(const QByteArray& text, QString& problem)
{
    const ExperimentReading reading = ParseExperiment(text, Screens);
    if (!reading) {
        problem = reading.problem;
        return std::nullopt;
    }
    return ReadSimulationSettings(reading.experiment.settings, problem);
}

QByteArray SimulationFile(const SimulationInputs& inputs)
{
    return ExperimentJson({QStringLiteral("simulation"), SimulationSettings(inputs)});
}

bool WithinBars(const SimulationInputs& in)
{
    namespace bars = simulation_controls;
    const auto within = [](int v, const ScrollRange& r) {
        return v >= r.minimum && v <= r.maximum;
    };
    return within(in.massValue, bars::Mass) && within(in.frictionValue, bars::Friction) &&
           within(in.intervalValue, bars::Interval) && within(in.periodCount, bars::PeriodCount);
}

TEST(ExperimentFile, SimulationSettingsComeBackAsTheyWereSaved)
{
    for (const SimulationInputs& saved : {SimulationInputs{}, SimulationInputs{1, 0, 1, 1, true},
                                          SimulationInputs{20, 10, 10, 40, false}}) {
        QString problem;
        const std::optional<SimulationInputs> read = ReadSimulation(SimulationFile(saved), problem);
        ASSERT_TRUE(read) << problem.toStdString();
        EXPECT_EQ(read->massValue, saved.massValue);
        EXPECT_EQ(read->frictionValue, saved.frictionValue);
        EXPECT_EQ(read->intervalValue, saved.intervalValue);
        EXPECT_EQ(read->periodCount, saved.periodCount);
        EXPECT_EQ(read->baseInfluenced, saved.baseInfluenced);
    }
}

TEST(ExperimentFile, ABadFileIsRefusedNamingTheProblem)
{
    const QByteArray good = SimulationFile({10, 10, 5, 4, false});
    const auto with = [&](const char* from, const char* to) {
        QByteArray text = good;
        EXPECT_TRUE(text.contains(from)) << from;
        return text.replace(from, to);
    };
    struct Case {
        QByteArray text;
        const char* named; // a word the message must hold
    };
    const Case cases[] = {
        {"not json at all", "JSON"},
        {"[1, 2]", "JSON"},
        {with("turntable-lab-experiment", "spreadsheet"), "format"},
        {with("\"version\": 1", "\"version\": 2"), "newer"},
        {with("\"version\": 1", "\"version\": \"1\""), "version"},
        {with("\"screen\": \"simulation\"", "\"screen\": \"kitchen\""), "screen"},
        {with("\"screen\": \"simulation\"", "\"scren\": \"simulation\""), "screen"},
        {with("\"mass\": 10", "\"mass\": 21"), "mass"},
        {with("\"mass\": 10", "\"mass\": 1.5"), "mass"},
        {with("\"mass\": 10", "\"mass\": \"10\""), "mass"},
        {with("\"mass\": 10", "\"mass\": 1e400"), "JSON"},
        {with("\"mass\": 10", "\"mas\": 10"), "mass"},
        {with("\"influenced\": false", "\"influenced\": 0"), "influenced"},
        {with("\"friction\": 10,", "\"friction\": 10, \"colour\": 3,"), "colour"},
        {good + QByteArray(LargestExperimentFile, ' '), "1 MiB"},
    };
    for (const Case& c : cases) {
        QString problem;
        EXPECT_FALSE(ReadSimulation(c.text, problem)) << c.text.left(120).toStdString();
        EXPECT_TRUE(problem.contains(QLatin1String(c.named)))
            << c.named << ": " << problem.toStdString();
    }
}

// A few random edits of a file: inserted JSON pieces, cut or changed bytes, repeated runs.
QByteArray Mutated(QByteArray text, std::mt19937& random)
{
    static const QByteArray pieces[] = {"{",           "}",       "[",        "]",   ",",    ":",
                                        "\"",          "-1",      "1e308",    "NaN", "null", "true",
                                        "99999999999", "\\u0000", "\xCE\xB1", " "};
    for (int edits = 1 + static_cast<int>(random() % 4); edits > 0; --edits) {
        const auto at = static_cast<qsizetype>(random() % static_cast<unsigned>(text.size() + 1));
        switch (random() % 4) {
        case 0:
            text.insert(at, pieces[random() % std::size(pieces)]);
            break;
        case 1:
            text.remove(at, 1 + static_cast<qsizetype>(random() % 6));
            break;
        case 2:
            if (at < text.size()) {
                text[at] = static_cast<char>(random() % 256);
            }
            break;
        default:
            text.insert(at, text.mid(at / 2, 1 + static_cast<qsizetype>(random() % 12)));
        }
    }
    return text;
}

// Mutated files are refused or read to values within the bars; never a crash.
TEST(ExperimentFile, MutatedFilesAreRefusedOrReadWithinRange)
{
    const QByteArray good = SimulationFile({3, 7, 2, 9, true});
    std::mt19937 random(20261209);
    int accepted = 0;
    for (int round = 0; round < 4000; ++round) {
        const QByteArray text = Mutated(good, random);
        QString problem;
        const std::optional<SimulationInputs> read = ReadSimulation(text, problem);
        if (read) {
            ++accepted;
            EXPECT_TRUE(WithinBars(*read)) << text.toStdString();
        } else {
            EXPECT_FALSE(problem.isEmpty()) << text.toStdString();
        }
    }
    // Some mutations leave a valid file (spaces, a reordered field): both paths are exercised.
    EXPECT_GT(accepted, 0);
    EXPECT_LT(accepted, 4000);
}

bool SameInputs(const SimulationInputs& a, const SimulationInputs& b)
{
    return a.massValue == b.massValue && a.frictionValue == b.frictionValue &&
           a.intervalValue == b.intervalValue && a.periodCount == b.periodCount &&
           a.baseInfluenced == b.baseInfluenced;
}

// Saved, changed, opened: the screen and its run are back; a refused file changes nothing; both
// files reached are remembered, newest first.
TEST(ExperimentFile, TheSimulationScreenComesBackFromItsFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("μ experiment.ttlab"));
    Application app;
    app.Simulation().SetBeep([] {});
    const SimulationInputs saved{7, 2, 3, 6, true};
    app.PresetSimulation(saved);
    app.Simulation().RunSimulation();
    const SimulationResult savedRun = *app.Simulation().LastRun();
    ASSERT_TRUE(SaveExperimentTo(app, QStringLiteral("simulation"), path));

    app.PresetSimulation({});
    app.Simulation().RunSimulation();
    ASSERT_TRUE(OpenExperimentFrom(app, path).isEmpty());
    EXPECT_TRUE(SameInputs(app.simulationScreen().inputs(), saved));
    EXPECT_TRUE(app.BaseFree());
    ASSERT_TRUE(app.Simulation().LastRun());
    EXPECT_EQ(app.Simulation().LastRun()->StepCount, savedRun.StepCount);
    EXPECT_EQ(app.Simulation().LastRun()->series.PositionInertialX,
              savedRun.series.PositionInertialX);

    const QString bad = dir.filePath(QStringLiteral("bad.ttlab"));
    QFile file(bad);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(ExperimentJson({QStringLiteral("simulation"), SimulationSettings({})})
                   .replace("\"mass\": 1", "\"mass\": 100"));
    file.close();
    EXPECT_FALSE(OpenExperimentFrom(app, bad).isEmpty());
    EXPECT_FALSE(OpenExperimentFrom(app, dir.filePath(QStringLiteral("gone.ttlab"))).isEmpty());
    EXPECT_TRUE(SameInputs(app.simulationScreen().inputs(), saved));
    EXPECT_EQ(RecentExperiments().value(0), path);
}

// ---- Every screen's experiment on a live application ----

void Press(QWidget& screen, const char* name)
{
    if (auto* button = screen.findChild<QAbstractButton*>(QString::fromLatin1(name))) {
        button->click();
    } else {
        ASSERT_NE(screen.findChild<QAction*>(QString::fromLatin1(name)), nullptr) << name;
        screen.findChild<QAction*>(QString::fromLatin1(name))->trigger();
    }
}

void SetBar(QWidget& screen, const char* name, int value)
{
    auto* bar = screen.findChild<QScrollBar*>(QString::fromLatin1(name));
    ASSERT_NE(bar, nullptr) << name;
    bar->setValue(value);
}

QWidget& ScreenOf(Application& app, const QString& screen)
{
    if (screen == QLatin1String("explorer")) {
        return app.explorer();
    }
    if (screen == QLatin1String("curve-lab")) {
        return app.firstExplanation();
    }
    if (screen == QLatin1String("translating-frame")) {
        return app.translatingFrame();
    }
    return app.simulationScreen();
}

// Everything the screen's pictures hold, display list by display list.
std::vector<std::vector<Primitive>> Pictures(Application& app, const QString& screen)
{
    std::vector<std::vector<Primitive>> pictures;
    for (SurfaceView* view : ScreenOf(app, screen).findChildren<SurfaceView*>()) {
        pictures.push_back(view->surface().Primitives());
        pictures.push_back(view->surface().TransientPrimitives());
    }
    return pictures;
}

// The same drawings, to the last few bits: a world window computed from another one's text
// metrics rounds differently.
bool SamePictures(const std::vector<std::vector<Primitive>>& a,
                  const std::vector<std::vector<Primitive>>& b)
{
    const auto near = [](double x, double y) {
        return std::abs(x - y) <= 1e-9 * std::max({1.0, std::abs(x), std::abs(y)});
    };
    const auto same = [&near](const Primitive& p, const Primitive& q) {
        const WorldWindow& w = p.window;
        const WorldWindow& v = q.window;
        return p.kind == q.kind && near(p.x1, q.x1) && near(p.y1, q.y1) && near(p.x2, q.x2) &&
               near(p.y2, q.y2) && near(p.radius, q.radius) && p.startAngle == q.startAngle &&
               p.endAngle == q.endAngle && p.filled == q.filled && p.color == q.color &&
               p.width == q.width && p.style == q.style && p.text == q.text && p.font == q.font &&
               near(w.left, v.left) && near(w.top, v.top) && near(w.width, v.width) &&
               near(w.height, v.height);
    };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&same](const auto& x, const auto& y) {
                          return std::equal(x.begin(), x.end(), y.begin(), y.end(), same);
                      });
}

// Settings as text, for a readable failure.
std::string Json(const QJsonObject& settings)
{
    return QJsonDocument(settings).toJson(QJsonDocument::Compact).toStdString();
}

struct ScreenCase {
    const char* screen;
    // Sets the screen up as a teacher would, through its own controls.
    std::function<void(QWidget&)> setUp;
    // Another experiment of the same screen, every value different.
    QJsonObject other;
};

std::vector<ScreenCase> ScreenCases()
{
    ExplorerExperiment otherExplorer;
    otherExplorer.controls.vxValue = -4;
    otherExplorer.controls.vyValue = 6;
    otherExplorer.controls.massValue = 11;
    otherExplorer.controls.zoomValue = 300;
    otherExplorer.controls.foucault = FoucaultMode::Textbook;
    otherExplorer.baseFree = true;
    otherExplorer.steps = 3;
    CurveExperiment otherCurve;
    otherCurve.view = CurveExperiment::View::Curve;
    otherCurve.mouse = CurveMouseMode::AssumeForce;
    otherCurve.inputs = {30, 40, 1, 5};
    TranslatingExperiment otherTranslating;
    otherTranslating.inputs.frameAx = -3;
    otherTranslating.inputs.bodyVx = -1;
    otherTranslating.inputs.scale = 3;
    otherTranslating.steps = 7;
    return {
        {"explorer",
         [](QWidget& s) {
             SetBar(s, "vxtax", 3);
             SetBar(s, "vytax", -2);
             SetBar(s, "mazalazo", 5);
             SetBar(s, "zoumerno", 200);
             for (const char* check :
                  {"Option1", "Check1", "Check2", "Check3", "Check4", "Check5", "Check7"}) {
                 Press(s, check);
             }
             for (int k = 0; k < 12; ++k) {
                 Press(s, "Command1");
             }
         },
         ExplorerSettings(otherExplorer)},
        {"explorer",
         [](QWidget& s) {
             Press(s, "Option1");
             SetBar(s, "vxtax", 3);
             Press(s, "CORIOLISEXP");
             SetBar(s, "protosimiox", 50);
             SetBar(s, "XSCALEFIGURE", 4);
             auto& explorer = static_cast<ExplorerScreen&>(s);
             for (int page = 0; page < 2; ++page) {
                 emit explorer.Picture1().mouseReleased(0.0, 0.0, Qt::NoModifier);
             }
         },
         ExplorerSettings(otherExplorer)},
        {"curve-lab",
         [](QWidget& s) {
             SetBar(s, "platosvalue", 12);
             SetBar(s, "syxnotikamp", 25);
             SetBar(s, "arxikives", 2);
             Press(s, "Option2");
             Press(s, "Command1"); // START, and a few ticks of the timer
             QTest::qWait(150);
         },
         CurveSettings(otherCurve)},
        {"curve-lab",
         [](QWidget& s) {
             SetBar(s, "epitaxyno", 7);
             Press(s, "DYNAMEISDIAFORES");
         },
         CurveSettings(otherCurve)},
        {"translating-frame",
         [](QWidget& s) {
             Press(s, "Command3"); // REPEAT: a new launch
             Press(s, "Command4"); // CLS
             SetBar(s, "epitaxynshx", 4);
             SetBar(s, "taxythtay", 2);
             SetBar(s, "trivistoepipedo", 30);
             SetBar(s, "xscaleeikona2", 10);
             Press(s, "Follow");
             for (int k = 0; k < 40; ++k) {
                 Press(s, "Command1");
             }
         },
         TranslatingSettings(otherTranslating)},
    };
}

// Saved, every setting changed, opened: the settings and the pictures are the saved ones.
TEST(ExperimentScreens, EachScreenComesBackAsItWasSaved)
{
    EXPECT_EQ(ExperimentScreens(),
              QStringList({QStringLiteral("simulation"), QStringLiteral("explorer"),
                           QStringLiteral("curve-lab"), QStringLiteral("translating-frame")}));
    QTemporaryDir dir;
    for (const ScreenCase& c : ScreenCases()) {
        const QString screen = QString::fromLatin1(c.screen);
        Application app;
        // The screen shown as opening shows it, at the size it is given there.
        ASSERT_EQ(OpenExperiment(app, {screen, c.other}), QString()) << c.screen;
        QWidget& widget = ScreenOf(app, screen);
        c.setUp(widget);
        const QString path = dir.filePath(screen + QStringLiteral(".ttlab"));
        ASSERT_TRUE(SaveExperimentFile(path, CurrentExperiment(app, screen)));
        const Experiment saved = CurrentExperiment(app, screen);
        const auto savedPictures = Pictures(app, screen);

        ASSERT_EQ(OpenExperiment(app, {screen, c.other}), QString()) << c.screen;
        ASSERT_NE(Json(CurrentExperiment(app, screen).settings), Json(saved.settings)) << c.screen;
        ASSERT_FALSE(Pictures(app, screen) == savedPictures) << c.screen;

        const ExperimentReading reading = ReadExperimentFile(path, ExperimentScreens());
        ASSERT_TRUE(reading) << reading.problem.toStdString();
        EXPECT_EQ(OpenExperiment(app, reading.experiment), QString()) << c.screen;
        EXPECT_EQ(Json(CurrentExperiment(app, screen).settings), Json(saved.settings)) << c.screen;
        EXPECT_TRUE(SamePictures(Pictures(app, screen), savedPictures)) << c.screen;
        EXPECT_TRUE(widget.isVisible()) << c.screen;
    }
}

// A bad value anywhere is refused naming its field, and the screen stays exactly as it was.
TEST(ExperimentScreens, ARefusedExperimentLeavesTheScreenUntouched)
{
    struct Case {
        const char* screen;
        const char* field;
        QJsonValue value;
    };
    const Case cases[] = {
        {"explorer", "frame", QStringLiteral("sideways")},
        {"explorer", "show_coriolis", 1},
        {"explorer", "steps", MaxExplorerSteps + 1},
        // the rotating observer's derivation has one page fewer
        {"explorer", "derivation_page", 9},
        {"explorer", "zoom", 49},
        {"curve-lab", "mouse", QStringLiteral("drag")},
        {"curve-lab", "ticks", 2.5},
        {"curve-lab", "amplitude", 36},
        {"translating-frame", "lab_pan_x", QStringLiteral("far")},
        {"translating-frame", "moving_pan_y", 51},
        {"translating-frame", "steps", -1},
        {"translating-frame", "colour", 3},
    };
    Application app;
    for (const ScreenCase& c : ScreenCases()) {
        ASSERT_EQ(OpenExperiment(app, {QString::fromLatin1(c.screen), c.other}), QString());
    }
    for (const Case& c : cases) {
        const QString screen = QString::fromLatin1(c.screen);
        const Experiment before = CurrentExperiment(app, screen);
        const auto pictures = Pictures(app, screen);
        Experiment bad = before;
        if (std::string_view(c.field) == "derivation_page") {
            bad.settings.insert(QStringLiteral("frame"), QStringLiteral("rotating"));
        }
        bad.settings.insert(QString::fromLatin1(c.field), c.value);
        const QString problem = OpenExperiment(app, bad);
        EXPECT_TRUE(problem.contains(QLatin1String(c.field)))
            << c.field << ": " << problem.toStdString();
        EXPECT_EQ(Json(CurrentExperiment(app, screen).settings), Json(before.settings)) << c.field;
        EXPECT_TRUE(Pictures(app, screen) == pictures) << c.field;
    }
}

// Mutated files of every screen opened on a live application: never a crash, and a refused one
// changes nothing.
TEST(ExperimentScreens, MutatedFilesNeverHalfChangeAScreen)
{
    Application app;
    std::mt19937 random(20261210);
    for (const ScreenCase& c : ScreenCases()) {
        const QString screen = QString::fromLatin1(c.screen);
        const QByteArray good = ExperimentJson({screen, c.other});
        int refused = 0;
        for (int round = 0; round < 400; ++round) {
            const Experiment before = CurrentExperiment(app, screen);
            const auto pictures = Pictures(app, screen);
            const ExperimentReading reading =
                ParseExperiment(Mutated(good, random), ExperimentScreens());
            if (!reading || reading.experiment.screen != screen) {
                continue;
            }
            if (!OpenExperiment(app, reading.experiment).isEmpty()) {
                ++refused;
                ASSERT_EQ(Json(CurrentExperiment(app, screen).settings), Json(before.settings));
                ASSERT_TRUE(Pictures(app, screen) == pictures);
            }
        }
        EXPECT_GT(refused, 0) << c.screen;
    }
}

// The command line takes every screen's experiment, and refuses a bad one naming it.
TEST(ExperimentScreens, TheCommandLineOpensEveryScreensExperiment)
{
    QTemporaryDir dir;
    for (const ScreenCase& c : ScreenCases()) {
        const QString screen = QString::fromLatin1(c.screen);
        const QString path = dir.filePath(screen + QStringLiteral(".ttlab"));
        const QString open = QStringLiteral("--open");
        ASSERT_TRUE(SaveExperimentFile(path, {screen, c.other}));
        const CommandLine line =
            ParseCommandLine({QStringLiteral("turntable-lab"), QStringLiteral("--snapshot"), screen,
                              dir.filePath(QStringLiteral("out.png")), open, path});
        ASSERT_EQ(line.action, CommandLine::Action::Snapshot) << line.text.toStdString();
        ASSERT_TRUE(line.experiment);
        EXPECT_EQ(Json(line.experiment->settings), Json(c.other));
        // Only a simulation has a run to write.
        const auto csv = [&] {
            return ParseCommandLine({QStringLiteral("turntable-lab"),
                                     QStringLiteral("--export-csv"),
                                     dir.filePath(QStringLiteral("out.csv")), open, path});
        };
        EXPECT_TRUE(csv().text.contains(screen)) << csv().text.toStdString();

        QJsonObject bad = c.other;
        bad.insert(QStringLiteral("steps"), QStringLiteral("many"));
        ASSERT_TRUE(SaveExperimentFile(path, {screen, bad}));
        const CommandLine refused =
            ParseCommandLine({QStringLiteral("turntable-lab"), QStringLiteral("--snapshot"), screen,
                              dir.filePath(QStringLiteral("out.png")), open, path});
        EXPECT_EQ(refused.action, CommandLine::Action::Refuse);
        EXPECT_TRUE(refused.text.contains(QLatin1String("steps"))) << refused.text.toStdString();
        EXPECT_EQ(csv().action, CommandLine::Action::Refuse);
    }
}

} // namespace
} // namespace ttl
