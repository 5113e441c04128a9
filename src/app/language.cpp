#include "app/language.h"

#include "shell/number_format.h"
#include "shell/translation.h"
#include "shell/ui/guide_window.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ttl {

namespace {

// Qt's own words that the program shows, translated here for systems without Qt's Greek: the
// frame of --help, the button of the message boxes and that of About.
[[maybe_unused]] const char* const QtWordsShown[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Usage: %1"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "[options]"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Options:"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options."),
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Close"),
};

std::string TranslateWithQt(const char* context, const char* source)
{
    return QCoreApplication::translate(context, source).toStdString();
}

// Replaces the translator installed before, so that a second call changes the language.
void Install(QTranslator& translator, const QLocale& locale, const QString& name,
             const QString& folder)
{
    QCoreApplication::removeTranslator(&translator);
    if (translator.load(locale, name, QStringLiteral("_"), folder)) {
        QCoreApplication::installTranslator(&translator);
    }
}

} // namespace

QString InstallLanguage(const QString& language)
{
    static QTranslator program;
    static QTranslator qt;
    const QLocale locale = language.isEmpty() ? QLocale::system() : QLocale(language);
    Install(program, locale, QStringLiteral("turntable-lab"), QStringLiteral(":/i18n"));
    Install(qt, locale, QStringLiteral("qtbase"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    SetTranslator(&TranslateWithQt);
    const QString used = program.isEmpty() ? QStringLiteral("en") : program.language().left(2);
    SetGuideLanguage(used);
    // Numbers on screen follow the language of the windows, not the system's region.
    const QString point = QLocale(used).decimalPoint();
    SetDecimalSeparator(point.size() == 1 && point.at(0).unicode() < 128
                            ? static_cast<char>(point.at(0).unicode())
                            : '.');
    return used;
}

} // namespace ttl
