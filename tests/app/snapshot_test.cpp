#include "app/application.h"
#include "shell/ui/program_icon.h"
#include "app/snapshot.h"
#include "app/command_line.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>

namespace ttl {
namespace {

// Every screen's picture is written at the size asked for, and shows something.
TEST(Snapshot, EveryScreenWritesAPictureOfTheRequestedSize)
{
    QTemporaryDir dir;
    for (const QString& screen : SnapshotScreens()) {
        Application app;
        SnapshotRequest request;
        request.screen = screen;
        request.file = dir.filePath(screen + QStringLiteral(".png"));
        request.size = QSize(800, 500);
        request.steps = 5;
        ASSERT_EQ(TakeSnapshot(app, request), 0) << screen.toStdString();
        const QImage image(request.file);
        EXPECT_EQ(image.size(), request.size) << screen.toStdString();
        int different = 0;
        const QRgb corner = image.pixel(image.width() - 1, image.height() - 1);
        for (int y = 0; y < image.height(); y += 7) {
            for (int x = 0; x < image.width(); x += 7) {
                different += image.pixel(x, y) != corner ? 1 : 0;
            }
        }
        EXPECT_GT(different, 100) << screen.toStdString();
    }
    Application app;
    SnapshotRequest svg{QStringLiteral("x_ygraph"), dir.filePath(QStringLiteral("orbits.svg"))};
    ASSERT_EQ(TakeSnapshot(app, svg), 0);
    QFile file(svg.file);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("<svg"));
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
    ASSERT_EQ(
        TakeSnapshot(app, {QStringLiteral("rotating"), QStringLiteral("-"), QSize(800, 500)}, out),
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
    EXPECT_EQ(TakeSnapshot(app, {QStringLiteral("rotating"), path, QSize(20, 20)}), 2);
    EXPECT_FALSE(QFile::exists(path));
    const QString unwritable = dir.filePath(QStringLiteral("missing/picture.png"));
    EXPECT_EQ(TakeSnapshot(app, {QStringLiteral("rotating"), unwritable}), 1);
    EXPECT_FALSE(QFile::exists(unwritable));

    for (const QStringList& line :
         {QStringList{QStringLiteral("--snapshot"), QStringLiteral("rotating")},
          QStringList{QStringLiteral("--snapshot"), QStringLiteral("rotating"), path,
                      QStringLiteral("--size"), QStringLiteral("800")},
          QStringList{QStringLiteral("--snapshot"), QStringLiteral("rotating"), path,
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

} // namespace
} // namespace ttl
