#include "shell/ui/file_writing.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <ostream>

#include <sys/stat.h>

namespace ttl {

namespace {

enum class Target { Absent, RegularFile, Stream, Folder, Other };

// stat() follows a symbolic link, as QSaveFile does when it replaces the link's target.
Target WhatIsAt(const QString& path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) {
        return Target::Absent; // or unreachable: opening it will say why
    }
    if (S_ISREG(info.st_mode)) {
        return Target::RegularFile;
    }
    if (S_ISCHR(info.st_mode) || S_ISFIFO(info.st_mode)) {
        return Target::Stream;
    }
    return S_ISDIR(info.st_mode) ? Target::Folder : Target::Other;
}

// QFileDevice buffers: a write can "succeed" into the buffer and only the flush meet a full disk.
// Empty when all is written, else the system's reason (Qt's own is "Unknown error" after a failed
// flush).
QString WriteAll(QFileDevice& file, const QByteArray& content)
{
    errno = 0;
    if (file.write(content) == content.size() && file.flush() &&
        file.error() == QFileDevice::NoError) {
        return {};
    }
    return errno != 0 ? QString::fromLocal8Bit(std::strerror(errno)) : file.errorString();
}

WriteResult Refused(const QString& path, const QString& why)
{
    return WriteResult::Failed(
        QCoreApplication::translate("files", "Could not write %1: %2.").arg(path, why));
}

WriteResult WriteThrough(const QString& path, const QByteArray& content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return Refused(path, file.errorString());
    }
    if (const QString why = WriteAll(file, content); !why.isEmpty()) {
        return Refused(path, why);
    }
    return WriteResult::Written();
}

WriteResult ReplaceAtOnce(const QString& path, const QByteArray& content)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return Refused(path, file.errorString());
    }
    // commit() would put a cut file in place after a failed flush: check first.
    if (const QString why = WriteAll(file, content); !why.isEmpty()) {
        file.cancelWriting(); // the temporary file goes with `file`
        return Refused(path, why);
    }
    if (!file.commit()) {
        return Refused(path, file.errorString());
    }
    return WriteResult::Written();
}

} // namespace

WriteResult WriteWholeFile(const QString& path, const QByteArray& content)
{
    switch (WhatIsAt(path)) {
    case Target::Absent:
    case Target::RegularFile:
        return ReplaceAtOnce(path, content);
    case Target::Stream:
        return WriteThrough(path, content);
    case Target::Folder:
        return Refused(path, QCoreApplication::translate("files", "it is a folder"));
    case Target::Other:
        break;
    }
    return Refused(path, QCoreApplication::translate("files", "it is neither a file nor a device "
                                                              "that can be written to"));
}

WriteResult WriteFileOrStandardOutput(const QString& path, const QByteArray& content,
                                      std::ostream& standardOutput)
{
    if (path != QStringLiteral("-")) {
        return WriteWholeFile(path, content);
    }
    standardOutput.write(content.constData(), content.size());
    standardOutput.flush();
    if (!standardOutput) {
        return WriteResult::Failed(
            QCoreApplication::translate("files", "Could not write to standard output."));
    }
    return WriteResult::Written();
}

} // namespace ttl
