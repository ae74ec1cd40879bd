#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// A program as the desktop lists it: a freedesktop .desktop entry of type
// Application.
struct DesktopEntry
{
    QString id;   // the file name, e.g. "org.gnome.TextEditor.desktop"
    QString name;
    QString genericName;
    QString exec; // the command line with its field codes
    QStringList mimeTypes;
    QStringList categories;
    QStringList keywords;
};

// The programs installed for this user, and which one the desktop starts
// for a kind of file or address.
class DesktopEntries
{
public:
    // Reads the entries of the desktop's application folders; the user's
    // own folder comes first and hides system entries of the same id.
    static DesktopEntries load();
    // From the given folders, first folder first.
    static DesktopEntries load(const QStringList &applicationDirs, const QStringList &mimeappsFiles);
    static std::optional<DesktopEntry> parse(const QString &file);
    // The keys of a desktop file's [Desktop Entry] group; empty when it
    // cannot be read.
    static QHash<QString, QString> readEntryGroup(const QString &file);

    const QList<DesktopEntry> &entries() const { return m_entries; }
    // The entries that open a MIME type, the desktop's default first.
    QList<DesktopEntry> handlers(const QString &mimeType) const;
    std::optional<DesktopEntry> defaultFor(const QString &mimeType) const;
    QList<DesktopEntry> withCategory(const QString &category) const;
    std::optional<DesktopEntry> byId(const QString &id) const;

    // The program and its arguments from an entry's command line, with the
    // file or address arguments put in place of its field codes.
    static QStringList commandLine(const QString &exec, const QStringList &arguments = {});
    // Starts the entry's program detached, in the current folder.
    static bool start(const DesktopEntry &entry, const QStringList &arguments = {});

private:
    QList<DesktopEntry> m_entries;
    QHash<QString, QStringList> m_defaults; // MIME type -> entry ids
};
