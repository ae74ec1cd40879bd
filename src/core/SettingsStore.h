#pragma once

#include "core/SettingsTable.h"

#include <QByteArray>
#include <QString>

class RegistryStore;

// The program's settings: one value per (section, name) under the program's
// key, each read with a default and written at once by whoever changes it.
class SettingsStore
{
public:
    explicit SettingsStore(RegistryStore &registry, QString appKey = QString::fromLatin1(settings::kAppKey));

    int readInt(const QString &section, const QString &value, int def) const;
    QString readText(const QString &section, const QString &value, const QString &def) const;
    QByteArray readBinary(const QString &section, const QString &value) const;
    bool writeInt(const QString &section, const QString &value, int number);
    bool writeText(const QString &section, const QString &value, const QString &text);
    bool writeBinary(const QString &section, const QString &value, const QByteArray &bytes);

    int read(const IntSetting &s) const;
    // For a setting whose default depends on the installation, pass it.
    QString read(const TextSetting &s, const QString &installDefault = {}) const;
    QByteArray read(const BinarySetting &s) const;
    bool write(const IntSetting &s, int number);
    bool write(const TextSetting &s, const QString &text);
    bool write(const BinarySetting &s, const QByteArray &bytes);

    bool sectionExists(const QString &section) const;

    RegistryStore &registry() const { return m_registry; }
    QString appKey() const { return m_appKey; }
    // The registry key of a section.
    QString keyOf(const QString &section) const;

private:
    RegistryStore &m_registry;
    QString m_appKey;
};
