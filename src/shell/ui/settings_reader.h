#pragma once

#include "shell/scroll_range.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace ttl {

// Reads a screen's settings from an experiment file's "settings" object, each value checked for
// its type and range as it is read. The first problem is kept, naming its field, and every later
// read returns the fallback, so a screen reads all its values into a plain struct and applies
// them only when Ok(): a bad file never half-changes a screen.
class SettingsReader {
public:
    explicit SettingsReader(QJsonObject settings);

    int Integer(const char* name, int lowest, int highest);
    // A scroll bar's value, within its range.
    int Bar(const char* name, const ScrollRange& range)
    {
        return Integer(name, range.minimum, range.maximum);
    }
    double Number(const char* name, double lowest, double highest);
    bool Boolean(const char* name);
    // One of `choices`, returned as its index.
    int Choice(const char* name, const QStringList& choices);

    // Refuses any field that no read asked for: a misspelt name must not be silently ignored.
    void RefuseUnreadFields();

    [[nodiscard]] bool Ok() const { return m_problem.isEmpty(); }
    [[nodiscard]] const QString& Problem() const { return m_problem; }

private:
    // The field's value when present and no problem was found before.
    [[nodiscard]] bool Take(const char* name, QJsonValue& value);
    void Refuse(const QString& problem);

    QJsonObject m_settings;
    QStringList m_read;
    QString m_problem;
};

// Builds the "settings" object of a file with the same names and forms the reader expects.
class SettingsWriter {
public:
    SettingsWriter& Integer(const char* name, int value);
    SettingsWriter& Number(const char* name, double value);
    SettingsWriter& Boolean(const char* name, bool value);
    SettingsWriter& Choice(const char* name, const QStringList& choices, int index);
    [[nodiscard]] const QJsonObject& Settings() const { return m_settings; }

private:
    QJsonObject m_settings;
};

} // namespace ttl
