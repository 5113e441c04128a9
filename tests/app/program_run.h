#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

#include <functional>

namespace ttl {

struct ProgramRun {
    int status = -1; // -1 when it did not end by itself
    QByteArray out;
    QByteArray err;
};

// The program itself, as a user's shell runs it: on the offscreen platform, in `folder`, with its
// settings kept there and the toolkit's log rules left to the program. `inChild` runs in the
// child before the program starts (a resource limit).
inline ProgramRun RunProgram(const QStringList& arguments, const QString& folder,
                             const std::function<void()>& inChild = {})
{
    QProcess process;
    process.setProgram(QStringLiteral(TURNTABLE_LAB_PROGRAM));
    process.setArguments(arguments);
    process.setWorkingDirectory(folder);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder);
    environment.remove(QStringLiteral("QT_LOGGING_RULES"));
    process.setProcessEnvironment(environment);
    if (inChild) {
        process.setChildProcessModifier(inChild);
    }
    process.start();
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

} // namespace ttl
