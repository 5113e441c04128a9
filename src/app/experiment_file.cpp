#include "app/experiment_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonParseError>

namespace ttl {

namespace {
constexpr auto FormatName = "turntable-lab-experiment";
constexpr int Version = 1;

ExperimentReading Refused(const QString& problem)
{
    return {{}, problem};
}
} // namespace

QByteArray ExperimentJson(const Experiment& experiment)
{
    QJsonObject root;
    root.insert(QStringLiteral("format"), QString::fromLatin1(FormatName));
    root.insert(QStringLiteral("version"), Version);
    root.insert(QStringLiteral("screen"), experiment.screen);
    root.insert(QStringLiteral("settings"), experiment.settings);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

ExperimentReading ParseExperiment(const QByteArray& text, const QStringList& screens)
{
    if (text.size() > LargestExperimentFile) {
        return Refused(QCoreApplication::translate(
            "ttl::ExperimentFile", "the file is larger than an experiment can be (1 MiB)"));
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        return Refused(QCoreApplication::translate(
            "ttl::ExperimentFile", "the file is not an experiment: it is not a JSON object"));
    }
    const QJsonObject root = document.object();
    if (root.value(QStringLiteral("format")).toString() != QLatin1String(FormatName)) {
        return Refused(
            QCoreApplication::translate("ttl::ExperimentFile",
                                        "the file is not an experiment: its \"format\" is not %1")
                .arg(QString::fromLatin1(FormatName)));
    }
    const QJsonValue version = root.value(QStringLiteral("version"));
    if (!version.isDouble() || version.toDouble() != Version) {
        return Refused(
            version.isDouble() && version.toDouble() > Version
                ? QCoreApplication::translate(
                      "ttl::ExperimentFile",
                      "the experiment was saved by a newer version of the program")
                : QCoreApplication::translate("ttl::ExperimentFile", "\"version\" must be %1")
                      .arg(Version));
    }
    const QJsonValue screen = root.value(QStringLiteral("screen"));
    if (!screen.isString() || !screens.contains(screen.toString())) {
        return Refused(
            QCoreApplication::translate("ttl::ExperimentFile", "\"screen\" must be one of: %1")
                .arg(screens.join(QStringLiteral(", "))));
    }
    const QJsonValue settings = root.value(QStringLiteral("settings"));
    if (!settings.isObject()) {
        return Refused(
            QCoreApplication::translate("ttl::ExperimentFile", "\"settings\" must be an object"));
    }
    for (const QString& key : root.keys()) {
        if (key != QLatin1String("format") && key != QLatin1String("version") &&
            key != QLatin1String("screen") && key != QLatin1String("settings")) {
            return Refused(
                QCoreApplication::translate("ttl::ExperimentFile", "unknown field \"%1\"")
                    .arg(key));
        }
    }
    return {{screen.toString(), settings.toObject()}, {}};
}

ExperimentReading ReadExperimentFile(const QString& path, const QStringList& screens)
{
    if (QFileInfo(path).isDir()) {
        return Refused(
            QCoreApplication::translate("ttl::ExperimentFile", "cannot read %1: it is a folder")
                .arg(path));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Refused(QCoreApplication::translate("ttl::ExperimentFile", "cannot read %1: %2")
                           .arg(path, file.errorString()));
    }
    // One byte more than allowed tells a file too large without reading all of it.
    const QByteArray text = file.read(LargestExperimentFile + 1);
    return ParseExperiment(text, screens);
}

WriteResult SaveExperimentFile(const QString& path, const Experiment& experiment)
{
    return WriteWholeFile(path, ExperimentJson(experiment));
}

} // namespace ttl
