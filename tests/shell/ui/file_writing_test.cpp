#include "shell/ui/file_writing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <sstream>

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

// The routine itself, in a child process: exit 0 when it says written, 1 when it gives a reason.
int WriteInLimitedChild(const QString& path, const QByteArray& content)
{
    const pid_t child = ::fork();
    if (child == 0) {
        LimitFileSize();
        const WriteResult written = WriteWholeFile(path, content);
        ::_exit(written ? 0 : (written.reason.contains(path) ? 1 : 3));
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

struct ProgramRun {
    int exitCode = -1;
    QByteArray standardError;
};

ProgramRun RunProgram(const QStringList& arguments, const QString& folder, bool limited)
{
    QProcess process;
    process.setProgram(QStringLiteral(TURNTABLE_LAB_PROGRAM));
    process.setArguments(arguments);
    process.setWorkingDirectory(folder);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder);
    process.setProcessEnvironment(environment);
    if (limited) {
        process.setChildProcessModifier(LimitFileSize);
    }
    process.start();
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardError()};
}

// Each writer, made to fail part-way by a file-size limit over an existing file: it says so
// (status 1 and a reason naming the file on the command line), the old file keeps every byte and
// no half-written temporary file is left beside it. Without the limit the same writer produces
// more than the limit, so the limit really cuts it.
TEST(FileWriting, AWriteCutShortLeavesTheOldFileAndSaysWhy)
{
    struct Case {
        const char* what;
        const char* file;
        std::function<QStringList(const QString&)> arguments; // empty: the routine in a child
    };
    const Case cases[] = {
        {"the routine", "data.bin", nullptr},
        {"SVG snapshot", "s.svg",
         [](const QString& f) {
             return QStringList{QStringLiteral("--snapshot"), QStringLiteral("derivation"), f};
         }},
        {"PNG snapshot", "s.png",
         [](const QString& f) {
             return QStringList{QStringLiteral("--snapshot"), QStringLiteral("rotating"), f};
         }},
        {"CSV export", "run.csv",
         [](const QString& f) { return QStringList{QStringLiteral("--export-csv"), f}; }},
    };
    const QByteArray old = QByteArrayLiteral("the old file, which must survive\n");
    const QByteArray large(3 * FileSizeLimit, 'x');
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        const QString complete = dir.filePath(QStringLiteral("complete-") + c.file);
        const QString path = dir.filePath(QString::fromLatin1(c.file));
        if (c.arguments) {
            ASSERT_EQ(RunProgram(c.arguments(complete), dir.path(), false).exitCode, 0);
        } else {
            ASSERT_TRUE(WriteWholeFile(complete, large));
        }
        ASSERT_GT(QFileInfo(complete).size(), static_cast<qint64>(FileSizeLimit));
        QFile::remove(complete);

        QFile existing(path);
        ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
        existing.write(old);
        existing.close();
        if (c.arguments) {
            const ProgramRun run = RunProgram(c.arguments(path), dir.path(), true);
            EXPECT_EQ(run.exitCode, 1);
            EXPECT_TRUE(run.standardError.contains(QFile::encodeName(path)))
                << run.standardError.constData();
        } else {
            EXPECT_EQ(WriteInLimitedChild(path, large), 1);
        }
        EXPECT_EQ(ReadAll(path), old);
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

    std::ostringstream standardOutput;
    ASSERT_TRUE(WriteFileOrStandardOutput(QStringLiteral("-"), content, standardOutput));
    EXPECT_EQ(QByteArray::fromStdString(standardOutput.str()), content);
}

} // namespace
} // namespace ttl
