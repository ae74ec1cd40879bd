#include "core/SettingsStore.h"

#include "platform/RegistryStore.h"

SettingsStore::SettingsStore(RegistryStore &registry, QString appKey)
    : m_registry(registry)
    , m_appKey(std::move(appKey))
{
}

QString SettingsStore::keyOf(const QString &section) const
{
    return m_appKey + QLatin1Char('\\') + section;
}

int SettingsStore::readInt(const QString &section, const QString &value, int def) const
{
    const auto v = m_registry.query(Hive::CurrentUser, keyOf(section), value);
    if (!v || v->type != RegType::Dword)
        return def;
    return int(v->dword);
}

QString SettingsStore::readText(const QString &section, const QString &value, const QString &def) const
{
    const auto v = m_registry.query(Hive::CurrentUser, keyOf(section), value);
    if (!v || v->type != RegType::Sz)
        return def;
    return v->text;
}

QByteArray SettingsStore::readBinary(const QString &section, const QString &value) const
{
    const auto v = m_registry.query(Hive::CurrentUser, keyOf(section), value);
    if (!v || v->type != RegType::Binary)
        return {};
    return v->binary;
}

bool SettingsStore::writeInt(const QString &section, const QString &value, int number)
{
    return m_registry.createAndSetValue(Hive::CurrentUser, keyOf(section), value, RegValue::fromDword(quint32(number)));
}

bool SettingsStore::writeText(const QString &section, const QString &value, const QString &text)
{
    return m_registry.createAndSetValue(Hive::CurrentUser, keyOf(section), value, RegValue::fromText(text));
}

bool SettingsStore::writeBinary(const QString &section, const QString &value, const QByteArray &bytes)
{
    return m_registry.createAndSetValue(Hive::CurrentUser, keyOf(section), value, RegValue::fromBinary(bytes));
}

int SettingsStore::read(const IntSetting &s) const
{
    return readInt(QLatin1String(s.section), QLatin1String(s.value), s.def);
}

QString SettingsStore::read(const TextSetting &s, const QString &installDefault) const
{
    const QString def = s.def ? QString::fromUtf8(s.def) : installDefault;
    return readText(QLatin1String(s.section), QLatin1String(s.value), def);
}

QByteArray SettingsStore::read(const BinarySetting &s) const
{
    return readBinary(QLatin1String(s.section), QLatin1String(s.value));
}

bool SettingsStore::write(const IntSetting &s, int number)
{
    return writeInt(QLatin1String(s.section), QLatin1String(s.value), number);
}

bool SettingsStore::write(const TextSetting &s, const QString &text)
{
    return writeText(QLatin1String(s.section), QLatin1String(s.value), text);
}

bool SettingsStore::write(const BinarySetting &s, const QByteArray &bytes)
{
    return writeBinary(QLatin1String(s.section), QLatin1String(s.value), bytes);
}

bool SettingsStore::sectionExists(const QString &section) const
{
    return m_registry.keyExists(Hive::CurrentUser, keyOf(section));
}
