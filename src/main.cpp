#include "shell/ui/application.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Turntable Lab"));
    QApplication::setApplicationVersion(QStringLiteral("0.1.0"));

    ttl::Application app;
    app.Start();
    return QApplication::exec();
}
