#include "app/toolkit_options.h"

#include <QCoreApplication>

namespace ttl {

namespace {
// The options QApplication takes for itself (-platform offscreen, -style fusion, ...): they are
// the toolkit's, not refused here.
const QStringList ToolkitOptionsWithValue{
    QStringLiteral("platform"),        QStringLiteral("platformpluginpath"),
    QStringLiteral("platformtheme"),   QStringLiteral("plugin"),
    QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowicon"),
    QStringLiteral("qwindowtitle"),    QStringLiteral("style"),
    QStringLiteral("stylesheet"),      QStringLiteral("session"),
    QStringLiteral("display"),         QStringLiteral("geometry")};
const QStringList ToolkitFlags{QStringLiteral("reverse"), QStringLiteral("widgetcount"),
                               QStringLiteral("nograb"), QStringLiteral("dograb"),
                               QStringLiteral("sync")};

} // namespace

QString ToolkitOptionsHelp()
{
    QString text = QCoreApplication::translate("cli", "The toolkit's options (Qt):");
    for (const QString& name : ToolkitOptionsWithValue) {
        text += QStringLiteral("\n  -%1 <value>").arg(name);
    }
    for (const QString& name : ToolkitFlags) {
        text += QStringLiteral("\n  -%1").arg(name);
    }
    return text;
}

QStringList WithoutToolkitOptions(const QStringList& arguments)
{
    const QStringList& withValue = ToolkitOptionsWithValue;
    const QStringList& flags = ToolkitFlags;
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString name = arguments[i];
        if (i == 0 || !name.startsWith(QLatin1Char('-'))) {
            kept << arguments[i];
            continue;
        }
        name.remove(0, name.startsWith(QStringLiteral("--")) ? 2 : 1);
        if (withValue.contains(name)) {
            ++i; // and its value
        } else if (!flags.contains(name)) {
            kept << arguments[i];
        }
    }
    return kept;
}

} // namespace ttl
