#include "platform/DesktopEntries.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QStringDecoder>

namespace {

QStringList splitList(const QString &value)
{
    QStringList items = value.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString &item : items)
        item = item.trimmed();
    return items;
}

// [Default Applications] of the mimeapps.list files, first file first.
QHash<QString, QStringList> readDefaults(const QStringList &files)
{
    QHash<QString, QStringList> defaults;
    for (const QString &path : files) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        bool inDefaults = false;
        for (const QByteArray &raw : file.readAll().split('\n')) {
            const QString line = QString::fromUtf8(raw).trimmed();
            if (line.startsWith(QLatin1Char('['))) {
                inDefaults = line == QLatin1String("[Default Applications]");
                continue;
            }
            const qsizetype eq = line.indexOf(QLatin1Char('='));
            if (!inDefaults || eq <= 0)
                continue;
            const QString type = line.left(eq).trimmed();
            // An earlier file wins.
            if (!defaults.contains(type))
                defaults.insert(type, splitList(line.mid(eq + 1)));
        }
    }
    return defaults;
}

} // namespace

QHash<QString, QString> DesktopEntries::readEntryGroup(const QString &path)
{
    QHash<QString, QString> keys;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > 1024 * 1024)
        return keys;
    const QString text = QStringDecoder(QStringDecoder::Utf8).decode(file.readAll());
    bool inEntry = false;
    for (QString line : text.split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inEntry = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (!inEntry || eq <= 0 || line.startsWith(QLatin1Char('#')))
            continue;
        keys.insert(line.left(eq).trimmed(), line.mid(eq + 1).trimmed());
    }
    return keys;
}

std::optional<DesktopEntry> DesktopEntries::parse(const QString &path)
{
    const QHash<QString, QString> keys = readEntryGroup(path);
    auto key = [&keys](const char *name) { return keys.value(QLatin1String(name)); };
    if (key("Type") != QLatin1String("Application") || key("Hidden") == QLatin1String("true"))
        return std::nullopt;
    DesktopEntry entry;
    entry.id = QFileInfo(path).fileName();
    entry.name = key("Name");
    entry.genericName = key("GenericName");
    entry.exec = key("Exec");
    entry.mimeTypes = splitList(key("MimeType"));
    entry.categories = splitList(key("Categories"));
    entry.keywords = splitList(key("Keywords"));
    if (entry.exec.isEmpty() || entry.name.isEmpty())
        return std::nullopt;
    return entry;
}

DesktopEntries DesktopEntries::load()
{
    QStringList dirs;
    for (const QString &dir : QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation))
        dirs << dir;
    QStringList mimeapps;
    for (const QString &dir : QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation))
        mimeapps << dir + QStringLiteral("/mimeapps.list");
    for (const QString &dir : dirs)
        mimeapps << dir + QStringLiteral("/mimeapps.list");
    return load(dirs, mimeapps);
}

DesktopEntries DesktopEntries::load(const QStringList &applicationDirs, const QStringList &mimeappsFiles)
{
    DesktopEntries result;
    QSet<QString> seen;
    for (const QString &dir : applicationDirs) {
        const QStringList files = QDir(dir).entryList({QStringLiteral("*.desktop")}, QDir::Files, QDir::Name);
        for (const QString &name : files) {
            if (seen.contains(name))
                continue;
            seen.insert(name);
            if (auto entry = parse(dir + QLatin1Char('/') + name))
                result.m_entries << *entry;
        }
    }
    result.m_defaults = readDefaults(mimeappsFiles);
    return result;
}

std::optional<DesktopEntry> DesktopEntries::byId(const QString &id) const
{
    for (const DesktopEntry &entry : m_entries) {
        if (entry.id == id)
            return entry;
    }
    return std::nullopt;
}

std::optional<DesktopEntry> DesktopEntries::defaultFor(const QString &mimeType) const
{
    for (const QString &id : m_defaults.value(mimeType)) {
        if (auto entry = byId(id))
            return entry;
    }
    const QList<DesktopEntry> all = handlers(mimeType);
    return all.isEmpty() ? std::nullopt : std::optional(all.first());
}

QList<DesktopEntry> DesktopEntries::handlers(const QString &mimeType) const
{
    QList<DesktopEntry> result;
    const QStringList preferred = m_defaults.value(mimeType);
    for (const QString &id : preferred) {
        if (auto entry = byId(id))
            result << *entry;
    }
    for (const DesktopEntry &entry : m_entries) {
        if (entry.mimeTypes.contains(mimeType) && !preferred.contains(entry.id))
            result << entry;
    }
    return result;
}

QList<DesktopEntry> DesktopEntries::withCategory(const QString &category) const
{
    QList<DesktopEntry> result;
    for (const DesktopEntry &entry : m_entries) {
        if (entry.categories.contains(category))
            result << entry;
    }
    return result;
}

QStringList DesktopEntries::commandLine(const QString &exec, const QStringList &arguments)
{
    QStringList result;
    for (const QString &word : QProcess::splitCommand(exec)) {
        if (word == QLatin1String("%f") || word == QLatin1String("%u")) {
            if (!arguments.isEmpty())
                result << arguments.first();
            continue;
        }
        if (word == QLatin1String("%F") || word == QLatin1String("%U")) {
            result << arguments;
            continue;
        }
        // Icons, names and the entry's own path are not passed on.
        if (word == QLatin1String("%i") || word == QLatin1String("%c") || word == QLatin1String("%k"))
            continue;
        QString plain = word;
        plain.replace(QLatin1String("%%"), QLatin1String("\x01"));
        static const QStringList codes{QStringLiteral("%f"), QStringLiteral("%F"), QStringLiteral("%u"),
                                       QStringLiteral("%U"), QStringLiteral("%d"), QStringLiteral("%D"),
                                       QStringLiteral("%n"), QStringLiteral("%N"), QStringLiteral("%v"),
                                       QStringLiteral("%m")};
        for (const QString &code : codes)
            plain.remove(code);
        plain.replace(QLatin1Char('\x01'), QLatin1Char('%'));
        if (!plain.isEmpty())
            result << plain;
    }
    return result;
}

bool DesktopEntries::start(const DesktopEntry &entry, const QStringList &arguments)
{
    QStringList words = commandLine(entry.exec, arguments);
    if (words.isEmpty())
        return false;
    const QString program = words.takeFirst();
    return QProcess::startDetached(program, words, QStringLiteral("."));
}
