#include "shell/ui/settings_reader.h"

#include <QCoreApplication>
#include <QJsonValue>

#include <cmath>

namespace ttl {

namespace {
QString Name(const char* name)
{
    return QString::fromLatin1(name);
}
} // namespace

SettingsReader::SettingsReader(QJsonObject settings) : m_settings(std::move(settings)) {}

bool SettingsReader::Take(const char* name, QJsonValue& value)
{
    m_read.append(Name(name));
    if (!Ok()) {
        return false;
    }
    value = m_settings.value(Name(name));
    if (value.isUndefined()) {
        Refuse(QCoreApplication::translate("ttl::SettingsReader", "the setting \"%1\" is missing")
                   .arg(Name(name)));
        return false;
    }
    return true;
}

void SettingsReader::Refuse(const QString& problem)
{
    if (Ok()) {
        m_problem = problem;
    }
}

int SettingsReader::Integer(const char* name, int lowest, int highest)
{
    QJsonValue value;
    if (!Take(name, value)) {
        return lowest;
    }
    const double number = value.toDouble(std::nan(""));
    if (!value.isDouble() || number != std::floor(number)) {
        Refuse(QCoreApplication::translate("ttl::SettingsReader", "\"%1\" must be a whole number")
                   .arg(Name(name)));
        return lowest;
    }
    if (number < lowest || number > highest) {
        Refuse(QCoreApplication::translate("ttl::SettingsReader", "\"%1\" must be from %2 to %3")
                   .arg(Name(name))
                   .arg(lowest)
                   .arg(highest));
        return lowest;
    }
    return static_cast<int>(number);
}

double SettingsReader::Number(const char* name, double lowest, double highest)
{
    QJsonValue value;
    if (!Take(name, value)) {
        return lowest;
    }
    if (!value.isDouble()) {
        Refuse(QCoreApplication::translate("ttl::SettingsReader", "\"%1\" must be a number")
                   .arg(Name(name)));
        return lowest;
    }
    const double number = value.toDouble();
    if (!(number >= lowest && number <= highest)) {
        Refuse(QCoreApplication::translate("ttl::SettingsReader", "\"%1\" must be from %2 to %3")
                   .arg(Name(name))
                   .arg(lowest)
                   .arg(highest));
        return lowest;
    }
    return number;
}

bool SettingsReader::Boolean(const char* name)
{
    QJsonValue value;
    if (!Take(name, value)) {
        return false;
    }
    if (!value.isBool()) {
        Refuse(QCoreApplication::translate("ttl::SettingsReader", "\"%1\" must be true or false")
                   .arg(Name(name)));
        return false;
    }
    return value.toBool();
}

int SettingsReader::Choice(const char* name, const QStringList& choices)
{
    QJsonValue value;
    if (!Take(name, value)) {
        return 0;
    }
    const qsizetype index = value.isString() ? choices.indexOf(value.toString()) : -1;
    if (index < 0) {
        Refuse(QCoreApplication::translate("ttl::SettingsReader", "\"%1\" must be one of: %2")
                   .arg(Name(name), choices.join(QStringLiteral(", "))));
        return 0;
    }
    return static_cast<int>(index);
}

void SettingsReader::RefuseUnreadFields()
{
    for (const QString& key : m_settings.keys()) {
        if (!m_read.contains(key)) {
            Refuse(QCoreApplication::translate("ttl::SettingsReader", "unknown setting \"%1\"")
                       .arg(key));
            return;
        }
    }
}

SettingsWriter& SettingsWriter::Integer(const char* name, int value)
{
    m_settings.insert(Name(name), value);
    return *this;
}

SettingsWriter& SettingsWriter::Number(const char* name, double value)
{
    m_settings.insert(Name(name), value);
    return *this;
}

SettingsWriter& SettingsWriter::Boolean(const char* name, bool value)
{
    m_settings.insert(Name(name), value);
    return *this;
}

SettingsWriter& SettingsWriter::Choice(const char* name, const QStringList& choices, int index)
{
    m_settings.insert(Name(name), choices.value(index));
    return *this;
}

} // namespace ttl
