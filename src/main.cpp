#include "shell/ui/application.h"
#include "turntable/ui/command_line_export.h"

#include <QApplication>
#include <QCoreApplication>

namespace {
QStringList Arguments(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return arguments;
}
} // namespace

int main(int argc, char* argv[])
{
    const QStringList arguments = Arguments(argc, argv);
    if (ttl::WantsHeadlessRun(arguments)) {
        // No display needed: a handout or a script's check, straight to a file.
        QCoreApplication core(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("turntable-lab"));
        return ttl::RunCommandLineExport(arguments);
    }
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Turntable Lab"));
    QApplication::setApplicationVersion(QStringLiteral("0.1.0"));

    ttl::Application app;
    app.Start();
    return QApplication::exec();
}
