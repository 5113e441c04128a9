#include "../../app/program_run.h"
#include "app/application.h"
#include "shell/ui/file_writing.h"
#include "turntable/ui/simulation_activity.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace ttl {
namespace {

constexpr rlim_t FileSizeLimit = 64 * 1024;

// What a full disk does to a writer: a write past the limit fails (EFBIG) part-way.
void LimitFileSize()
{
    const rlimit limit{FileSizeLimit, FileSizeLimit};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, SIG_IGN);
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// How a save ended: 0 written, 1 refused; and what it said.
struct Outcome {
    int status = -1;
    QByteArray said;
};
using Saver = std::function<Outcome(const QString& path, bool limited)>;

// A save made in this process's code, under the limit in a child process so that the limit
// stays there; the child hands its reason back through a pipe.
Saver InProcess(std::function<WriteResult(const QString&)> save)
{
    return [save](const QString& path, bool limited) -> Outcome {
        if (!limited) {
            const WriteResult written = save(path);
            return {written ? 0 : 1, written.reason.toUtf8()};
        }
        int pipeEnds[2];
        if (::pipe(pipeEnds) != 0) {
            return {};
        }
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(pipeEnds[0]);
            LimitFileSize();
            const WriteResult written = save(path);
            const QByteArray reason = written.reason.toUtf8();
            const bool told =
                ::write(pipeEnds[1], reason.constData(), reason.size()) == reason.size();
            ::_exit(!told ? 3 : written ? 0 : 1);
        }
        ::close(pipeEnds[1]);
        Outcome outcome;
        char buffer[512];
        for (ssize_t n; (n = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;) {
            outcome.said.append(buffer, n);
        }
        ::close(pipeEnds[0]);
        int status = 0;
        ::waitpid(child, &status, 0);
        outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return outcome;
    };
}

// The program itself, as a user's shell runs it; the file is the last argument.
Saver Program(const QStringList& arguments)
{
    return [arguments](const QString& path, bool limited) -> Outcome {
        const ProgramRun run = RunProgram(arguments + QStringList{path}, QFileInfo(path).path(),
                                          limited ? LimitFileSize : std::function<void()>{});
        return {run.status, run.err};
    };
}

// Each writer, made to fail part-way by a file-size limit over an existing file: it says so
// (status 1 and a reason naming the file), the old file keeps every byte and no half-written
// temporary file is left beside it. Without the limit the same writer produces more than the
// limit, so the limit really cuts it.
TEST(FileWriting, AWriteCutShortLeavesTheOldFileAndSaysWhy)
{
    Application app;
    app.Simulation().SetBeep([] {});
    app.Simulation().RunSimulation();
    const QByteArray large(3 * FileSizeLimit, 'x');
    const QString csv = QStringLiteral("--export-csv");
    const QString snapshot = QStringLiteral("--snapshot");
    const struct {
        const char* what;
        const char* file;
        Saver save;
    } cases[] = {
        {"the routine", "data.bin",
         InProcess([&large](const QString& path) { return WriteWholeFile(path, large); })},
        {"Save run as CSV", "run.csv",
         InProcess([&app](const QString& path) { return app.Simulation().SaveLastRun(path); })},
        {"SVG snapshot", "s.svg", Program({snapshot, QStringLiteral("derivation")})},
        {"PNG snapshot", "s.png", Program({snapshot, QStringLiteral("simulation")})},
        {"CSV export", "run.csv", Program({csv})},
    };
    const QByteArray old = QByteArrayLiteral("the old file, which must survive\n");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        const QString complete = dir.filePath(QStringLiteral("complete-") + c.file);
        ASSERT_EQ(c.save(complete, false).status, 0);
        ASSERT_GT(QFileInfo(complete).size(), static_cast<qint64>(FileSizeLimit));
        QFile::remove(complete);

        const QString path = dir.filePath(QString::fromLatin1(c.file));
        QFile existing(path);
        ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
        existing.write(old);
        existing.close();
        const Outcome cut = c.save(path, true);
        EXPECT_EQ(cut.status, 1);
        EXPECT_TRUE(cut.said.contains(QFile::encodeName(path))) << cut.said.constData();
        EXPECT_TRUE(ReadAll(path) == old) << "the old file was replaced";
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{QString::fromLatin1(c.file)});
    }
}

// A device or a FIFO is written through and stays what it was; a folder is refused, with a
// reason, and left alone.
TEST(FileWriting, StreamsAreWrittenThroughAndFoldersRefused)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // A reader first, so that opening the FIFO to write does not wait.
    const int reader = ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    const QByteArray content = QByteArrayLiteral("time,x,y\n0,1,2\n");
    struct stat info {};

    ASSERT_TRUE(WriteWholeFile(fifo, content));
    ASSERT_EQ(::stat(QFile::encodeName(fifo).constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    char received[64] = {};
    EXPECT_EQ(::read(reader, received, sizeof received), content.size());
    EXPECT_EQ(QByteArray(received), content);
    ::close(reader);

    // As root, a faulty writer would replace the machine's /dev/null: only try it as a user.
    if (::geteuid() != 0) {
        EXPECT_TRUE(WriteWholeFile(QStringLiteral("/dev/null"), content));
        ASSERT_EQ(::stat("/dev/null", &info), 0);
        EXPECT_TRUE(S_ISCHR(info.st_mode));
    }

    const QString folder = dir.filePath(QStringLiteral("folder"));
    ASSERT_TRUE(QDir().mkdir(folder));
    const WriteResult refused = WriteWholeFile(folder, content);
    EXPECT_FALSE(refused);
    EXPECT_TRUE(refused.reason.contains(folder));
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

} // namespace
} // namespace ttl
