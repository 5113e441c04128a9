#include "app/application.h"
#include "app/command_line.h"
#include "app/snapshot.h"
#include "program_run.h"
#include "shell/ui/program_icon.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>

namespace ttl {
namespace {

// Every screen, by the name scripts and the README use, writes a picture at the size asked for
// that shows something.
TEST(Snapshot, EveryScreenWritesAPictureOfTheRequestedSize)
{
    const QStringList names =
        QStringLiteral("introduction simulation orbit orbit-animation vectors angle "
                       "angular-velocity velocities work-energy explorer derivation curve-lab "
                       "translating-frame")
            .split(u' ');
    EXPECT_EQ(SnapshotScreens(), names);
    QTemporaryDir dir;
    for (const QString& screen : names) {
        Application app;
        SnapshotRequest request;
        request.screen = screen;
        request.file = dir.filePath(screen + QStringLiteral(".png"));
        request.size = QSize(800, 500);
        ASSERT_EQ(TakeSnapshot(app, request), 0) << screen.toStdString();
        const QImage image(request.file);
        EXPECT_EQ(image.size(), request.size) << screen.toStdString();
        int different = 0;
        const QRgb corner = image.pixel(image.width() - 1, image.height() - 1);
        // every pixel: the animations' pictures are thin arrows on a plain ground
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                different += image.pixel(x, y) != corner ? 1 : 0;
            }
        }
        EXPECT_GT(different, 1000) << screen.toStdString();
    }
    Application app;
    SnapshotRequest svg{QStringLiteral("orbit"), dir.filePath(QStringLiteral("orbits.svg"))};
    ASSERT_EQ(TakeSnapshot(app, svg), 0);
    QFile file(svg.file);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("<svg"));
}

// A screen that is one drawing is written as an SVG of lines and texts that a worksheet prints
// sharply, not as an image wrapped in SVG; a screen of controls still draws its drawings so.
TEST(Snapshot, ADrawingsSvgIsLinesAndTextsNotAnImage)
{
    QTemporaryDir dir;
    for (const char* screen : {"velocities", "work-energy", "orbit", "simulation"}) {
        Application app;
        SnapshotRequest request{QString::fromLatin1(screen),
                                dir.filePath(QString::fromLatin1(screen) + ".svg")};
        ASSERT_EQ(TakeSnapshot(app, request), 0) << screen;
        QFile file(request.file);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray svg = file.readAll();
        EXPECT_GE(svg.count("<text"), 3) << screen;
        EXPECT_GT(svg.count("<polyline") + svg.count("<path"), 5) << screen;
        if (QByteArray(screen) != "simulation") {
            EXPECT_FALSE(svg.contains("<image")) << screen;
        }
    }
}

TEST(ProgramIcon, IsTheMenuEntrysIconAtEverySize)
{
    const QIcon icon = ProgramIcon();
    ASSERT_FALSE(icon.isNull());
    for (const int side : {16, 48, 256}) {
        EXPECT_EQ(icon.pixmap(side, side).size(), QSize(side, side));
    }
}

// "-" puts the picture on standard output, for a pipe, and makes no file of that name.
TEST(Snapshot, ADashWritesThePngToStandardOutput)
{
    Application app;
    std::ostringstream out;
    ASSERT_EQ(TakeSnapshot(
                  app, {QStringLiteral("simulation"), QStringLiteral("-"), QSize(800, 500)}, out),
              0);
    const QImage image = QImage::fromData(QByteArray::fromStdString(out.str()), "PNG");
    EXPECT_EQ(image.size(), QSize(800, 500));
    EXPECT_FALSE(QFile::exists(QStringLiteral("-")));
}

TEST(Snapshot, AFailureSaysWhyWithItsStatusAndLeavesNoFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("picture.png"));
    Application app;
    EXPECT_EQ(TakeSnapshot(app, {QStringLiteral("no-such-screen"), path}), 2);
    EXPECT_EQ(TakeSnapshot(app, {QStringLiteral("simulation"), path, QSize(20, 20)}), 2);
    EXPECT_FALSE(QFile::exists(path));
    const QString unwritable = dir.filePath(QStringLiteral("missing/picture.png"));
    EXPECT_EQ(TakeSnapshot(app, {QStringLiteral("simulation"), unwritable}), 1);
    EXPECT_FALSE(QFile::exists(unwritable));

    for (const QStringList& line :
         {QStringList{QStringLiteral("--snapshot"), QStringLiteral("simulation")},
          QStringList{QStringLiteral("--snapshot"), QStringLiteral("simulation"), path,
                      QStringLiteral("--size"), QStringLiteral("800")},
          QStringList{QStringLiteral("--snapshot"), QStringLiteral("simulation"), path,
                      QStringLiteral("extra")}}) {
        const CommandLine parsed =
            ParseCommandLine(QStringList{QStringLiteral("turntable-lab")} + line);
        EXPECT_EQ(parsed.action, CommandLine::Action::Refuse) << line.join(' ').toStdString();
    }
    const CommandLine good = ParseCommandLine(
        {QStringLiteral("turntable-lab"), QStringLiteral("--snapshot"),
         QStringLiteral("derivation"), path, QStringLiteral("--size"), QStringLiteral("640x480"),
         QStringLiteral("--page"), QStringLiteral("3"), QStringLiteral("--rotating")});
    ASSERT_EQ(good.action, CommandLine::Action::Snapshot);
    EXPECT_EQ(good.snapshot.size, QSize(640, 480));
    EXPECT_EQ(good.snapshot.page, 3);
    EXPECT_TRUE(good.snapshot.rotatingFrame);
    EXPECT_EQ(good.snapshot.file, path);
}

// An option the chosen mode or screen does not use is refused, naming the option (or the range
// of pages the observer has), never silently ignored; --lang is valid in every mode.
TEST(CommandLineModes, AnOptionTheModeDoesNotUseIsRefused)
{
    const auto parse = [](const QString& line) {
        return ParseCommandLine(QStringList{QStringLiteral("turntable-lab")} +
                                line.split(QLatin1Char(' ')));
    };
    struct Row {
        const char* line;
        const char* named; // empty: accepted
    };
    for (const Row& row : {
             Row{"--snapshot introduction a.png --export-csv o.csv", "--export-csv"},
             Row{"--export-csv o.csv --size 0x0 --steps 99 --page 5", "--size"},
             Row{"--steps 3", "--steps"},
             Row{"--rotating", "--rotating"},
             Row{"--snapshot introduction a.png --steps 3", "--steps"},
             Row{"--snapshot explorer a.png --page 2", "--page"},
             Row{"--snapshot derivation a.png --page 9 --rotating", "0 to 8"},
             Row{"--snapshot derivation a.png --page 10", "0 to 9"},
             Row{"--snapshot derivation a.png --page 9 --lang en", ""},
             Row{"--snapshot derivation a.png --page 8 --rotating", ""},
             Row{"--export-csv o.csv --mass 3 --lang el", ""},
             Row{"--snapshot translating-frame a.png --steps 3 --lang en", ""},
         }) {
        const CommandLine parsed = parse(QString::fromLatin1(row.line));
        if (*row.named == '\0') {
            EXPECT_NE(parsed.action, CommandLine::Action::Refuse) << row.line;
        } else {
            EXPECT_EQ(parsed.action, CommandLine::Action::Refuse) << row.line;
            EXPECT_TRUE(parsed.text.contains(QString::fromLatin1(row.named)))
                << row.line << ": " << parsed.text.toStdString();
        }
    }
    const CommandLine all = parse(QStringLiteral("--help-all"));
    EXPECT_EQ(all.action, CommandLine::Action::Help);
    EXPECT_TRUE(all.text.contains(QStringLiteral("-platform")));
}

// The program run as a user's shell runs it: its status, what it prints, and that the toolkit's
// platform notes stay out of the output while the program's own complaints are printed.
TEST(Snapshot, TheProgramAnswersItsCommandLine)
{
    const QString version = QStringLiteral("turntable-lab " TURNTABLE_LAB_VERSION "\n");
    ASSERT_TRUE(QRegularExpression(QStringLiteral("^turntable-lab \\d+\\.\\d+\\.\\d+\n$"))
                    .match(version)
                    .hasMatch());
    const QStringList names = SnapshotScreens();
    const QString snapshot = QStringLiteral("--snapshot");
    const struct {
        QStringList arguments;
        int status;
        QStringList outHas;
        QStringList errHas; // nothing else on standard error when empty
    } cases[] = {
        {{QStringLiteral("--version")}, 0, {version}, {}},
        {{QStringLiteral("--help")}, 0, names, {}},
        {{snapshot, QStringLiteral("EISAGOGIKI"), QStringLiteral("a.png")},
         2,
         {},
         names + QStringList{QStringLiteral("EISAGOGIKI")}},
        {{snapshot, QStringLiteral("vectors"), QStringLiteral("a.png")}, 0, {}, {}},
        {{snapshot, QStringLiteral("orbit"), QStringLiteral("missing/a.png")},
         1,
         {},
         {QStringLiteral("missing")}},
        {{QStringLiteral("--export-csv"), QStringLiteral("run.csv")}, 0, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        QTemporaryDir dir;
        const ProgramRun run = RunProgram(c.arguments, dir.path());
        const QString out = QString::fromLocal8Bit(run.out);
        const QString err = QString::fromLocal8Bit(run.err);
        EXPECT_EQ(run.status, c.status) << err.toStdString();
        for (const QString& text : c.outHas) {
            EXPECT_TRUE(out.contains(text)) << text.toStdString();
        }
        for (const QString& text : c.errHas) {
            EXPECT_TRUE(err.contains(text)) << text.toStdString();
        }
        if (c.errHas.isEmpty()) {
            EXPECT_EQ(err.toStdString(), "");
        }
    }
}

} // namespace
} // namespace ttl
