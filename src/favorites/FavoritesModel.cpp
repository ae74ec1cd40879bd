#include "favorites/FavoritesModel.h"

#include "platform/BoundedFile.h"
#include "platform/InternetShortcut.h"

#include <QCollator>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace {

// Names in the order of the user's language, case left out.
QCollator nameCollator()
{
    QLocale locale;
    // The C locale compares code points: "Ärger" would follow "Zebra".
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::English, QLocale::UnitedStates);
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

QString withSlash(const QString &folder)
{
    QString path = QDir::cleanPath(folder);
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

// Whether the file behind a symbolic link lies inside the folder whose
// canonical path is root (ending in "/").
bool pointsInside(const QFileInfo &link, const QString &root)
{
    const QString target = link.canonicalFilePath();
    return !root.isEmpty() && !target.isEmpty() && target.startsWith(root);
}

// The address in a shortcut that the listing found to be a regular file (or
// a link to one): opened without blocking, read in one call (a short read of
// a regular file is all of it), closed. A file larger than a shortcut can be
// holds no address. buffer is the reader's, kShortcutLimit + 1 bytes long.
// Reading thousands of shortcuts, this takes about two fifths fewer calls
// than a general bounded read (no status call, no read of the end).
QString readUrl(const QString &path, QByteArray &buffer)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return {};
    ssize_t got;
    do {
        got = ::read(fd, buffer.data(), size_t(buffer.size()));
    } while (got < 0 && errno == EINTR);
    ::close(fd);
    if (got <= 0 || got >= buffer.size())
        return {};
    return InternetShortcut::urlIn(QByteArray::fromRawData(buffer.constData(), got));
}

QByteArray readBuffer()
{
    return QByteArray(qsizetype(BoundedFile::kShortcutLimit + 1), Qt::Uninitialized);
}

// One entry of a folder listing that becomes a favorite.
struct Listed
{
    QString name; // as shown: a shortcut's name without ".url"
    QString path;
    bool folder;
};

// The folder's sub-folders and shortcuts in name order (ties, names that
// differ only in case, by code point, so the order never depends on the
// listing's). A symbolic link to a folder is left out, and one to a shortcut
// unless the shortcut lies inside root. False when the folder cannot be listed.
bool list(const QString &dirPath, const QString &root, const QCollator &collator, bool withFolders,
          std::vector<Listed> &out)
{
    const QFileInfo dir(dirPath);
    if (!dir.isDir() || !dir.isReadable() || !dir.isExecutable())
        return false;
    const QDir::Filters filter = withFolders ? QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot : QDir::Files;
    QDirIterator it(dirPath, filter);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        const QString name = info.fileName();
        if (name.startsWith(QLatin1Char('.')))
            continue;
        const bool isFolder = info.isDir();
        // Only regular files (and links to them): a pipe or a device is no shortcut.
        if (!isFolder && (!info.isFile() || !InternetShortcut::isShortcutName(name)))
            continue;
        if (info.isSymLink() && (isFolder || !pointsInside(info, root)))
            continue;
        out.push_back({isFolder ? name : name.chopped(4), info.filePath(), isFolder});
    }
    std::sort(out.begin(), out.end(), [&collator](const Listed &a, const Listed &b) {
        const int order = collator.compare(a.name, b.name);
        return order != 0 ? order < 0 : a.name < b.name;
    });
    return true;
}

class Builder
{
public:
    Builder(QString openAllText, const std::atomic<bool> *abandon, QString root)
        : m_openAllText(std::move(openAllText))
        , m_abandon(abandon)
        , m_root(std::move(root))
        , m_collator(nameCollator())
    {
    }

    bool abandoned() const { return m_abandon && m_abandon->load(std::memory_order_relaxed); }

    // Fills a folder entry from the disk, sub-folders first.
    void scan(FavoriteEntry &folder)
    {
        const QString dirPath = withSlash(folder.path);
        std::vector<Listed> listed;
        if (!list(dirPath, m_root, m_collator, true, listed))
            return; // a folder that cannot be read stays empty, without an open-all entry
        // The entries come in name order, so each group stays in it.
        std::vector<std::unique_ptr<FavoriteEntry>> folders;
        std::vector<std::unique_ptr<FavoriteEntry>> links;
        for (Listed &item : listed) {
            if (abandoned())
                return;
            auto entry = std::make_unique<FavoriteEntry>();
            entry->name = std::move(item.name);
            entry->path = std::move(item.path);
            if (item.folder) {
                entry->kind = FavoriteEntry::Folder;
                scan(*entry);
                folders.push_back(std::move(entry));
            } else {
                entry->kind = FavoriteEntry::Link;
                entry->address = readUrl(entry->path, m_buffer);
                entry->commandId = m_nextId++;
                links.push_back(std::move(entry));
            }
        }
        auto openAll = std::make_unique<FavoriteEntry>();
        openAll->name = m_openAllText;
        openAll->kind = FavoriteEntry::OpenAll;
        openAll->address = QLatin1String(FavoritesModel::kFolderScheme) + dirPath;
        openAll->path = folder.path;
        openAll->commandId = m_nextId++;

        folder.children.reserve(1 + folders.size() + links.size());
        folder.children.push_back(std::move(openAll));
        std::move(folders.begin(), folders.end(), std::back_inserter(folder.children));
        std::move(links.begin(), links.end(), std::back_inserter(folder.children));
    }

private:
    QString m_openAllText;
    const std::atomic<bool> *m_abandon;
    QString m_root; // the favorites folder's canonical path, ending in "/"
    QCollator m_collator;
    QByteArray m_buffer = readBuffer();
    int m_nextId = FavoritesModel::kFirstId;
};

QString canonicalFolder(const QString &folder)
{
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return canonical.isEmpty() ? QString() : withSlash(canonical);
}

} // namespace

QString FavoritesModel::openAllName()
{
    return tr("打开在这个文件夹的全部...");
}

std::unique_ptr<FavoriteEntry> FavoritesModel::build(const QString &folder, const QString &openAllText,
                                                     const std::atomic<bool> *abandon)
{
    auto root = std::make_unique<FavoriteEntry>();
    root->kind = FavoriteEntry::Folder;
    root->path = QDir::cleanPath(folder);
    root->name = QFileInfo(root->path).fileName();
    Builder builder(openAllText, abandon, canonicalFolder(folder));
    builder.scan(*root);
    if (builder.abandoned())
        return nullptr;
    return root;
}

const FavoriteEntry *FavoritesModel::find(const FavoriteEntry &root, int id)
{
    if (id != 0 && root.commandId == id)
        return &root;
    for (const auto &child : root.children) {
        if (const FavoriteEntry *found = find(*child, id))
            return found;
    }
    return nullptr;
}

QStringList FavoritesModel::openAllAddresses(const QString &folder, const QString &root)
{
    std::vector<Listed> listed;
    list(withSlash(folder), canonicalFolder(root.isEmpty() ? folder : root), nameCollator(), false, listed);
    QStringList addresses;
    addresses.reserve(qsizetype(listed.size()));
    QByteArray buffer = readBuffer();
    for (const Listed &item : listed)
        addresses << readUrl(item.path, buffer);
    return addresses;
}
