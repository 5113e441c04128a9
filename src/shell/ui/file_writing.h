#pragma once

#include <QByteArray>
#include <QString>

#include <iosfwd>

namespace ttl {

// How a save went: written, or nothing replaced and a one-line reason for a message box or
// standard error.
struct WriteResult {
    QString reason; // empty when written

    static WriteResult Written() { return {}; }
    static WriteResult Failed(const QString& why) { return {why}; }
    explicit operator bool() const { return reason.isEmpty(); }
};

// Makes `content` the whole of the file at `path`. A regular file is replaced only once every
// byte of the new one is safely written, so a failure leaves the old file as it was; a character
// device or a FIFO is written through; a folder or anything else is refused.
[[nodiscard]] WriteResult WriteWholeFile(const QString& path, const QByteArray& content);

// The same, except that "-" is `standardOutput`.
[[nodiscard]] WriteResult WriteFileOrStandardOutput(const QString& path, const QByteArray& content,
                                                    std::ostream& standardOutput);

} // namespace ttl
