#include "favorites/BookmarkTransfer.h"

#include "favorites/FavoriteFileName.h"
#include "favorites/FavoriteShortcut.h"
#include "platform/InternetShortcut.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <algorithm>

namespace BookmarkTransfer {

namespace {

using BookmarkFile::Node;

int countBelow(const Node &folder)
{
    int count = 0;
    for (const Node &child : folder.children)
        count += 1 + (child.kind == Node::Folder ? countBelow(child) : 0);
    return count;
}

class Importer
{
public:
    explicit Importer(const QString &root)
        : m_root(root)
    {
    }

    void folderInto(const Node &folder, const QString &dir)
    {
        // The next number to try for each name already given in this folder.
        QHash<QString, int> next;
        for (const Node &child : folder.children) {
            const bool isFolder = child.kind == Node::Folder;
            const QString suffix = isFolder ? QString() : QStringLiteral(".url");
            const QString title = child.title.isEmpty() && !isFolder ? child.url : child.title;
            const QString plain = FavoriteFileName::numbered(title, suffix);
            // What is there already is taken in, not doubled: a folder of the
            // same name takes the folder's content, and the same link under
            // the same name is there already (a file exported and imported again).
            const QString existing = dir + QLatin1Char('/') + plain;
            const QFileInfo there(existing);
            if (!there.isSymLink() && inside(existing) && !next.contains(plain)) {
                if (isFolder && there.isDir()) {
                    next[plain] = 2;
                    folderInto(child, existing);
                    continue;
                }
                if (!isFolder && there.isFile() && InternetShortcut::readUrl(existing) == child.url) {
                    next[plain] = 2;
                    ++m_result.present;
                    continue;
                }
            }
            int &n = next[plain];
            const QString name = FavoriteFileName::freeName(dir, title, suffix, n);
            ++n;
            const QString path = dir + QLatin1Char('/') + name;
            if (isFolder) {
                if (inside(path) && QDir(dir).mkdir(name)) {
                    ++m_result.folders;
                    folderInto(child, path);
                } else {
                    m_result.failed += 1 + countBelow(child);
                }
            } else if (inside(path) && FavoriteShortcut::write(path, child.url)) {
                ++m_result.links;
                if (child.addDate > 0)
                    setDate(path, child.addDate);
            } else {
                ++m_result.failed;
            }
        }
    }

    Result result() const { return m_result; }

private:
    // The names come from FavoriteFileName and hold no "/", but the last word
    // is the path itself.
    bool inside(const QString &path) const
    {
        const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
        return absolute.startsWith(m_root + QLatin1Char('/')) && absolute.size() > m_root.size() + 1;
    }

    static void setDate(const QString &path, qint64 seconds)
    {
        const QDateTime date = QDateTime::fromSecsSinceEpoch(seconds);
        QFile file(path);
        if (date.isValid() && file.open(QIODevice::ReadOnly))
            file.setFileTime(date, QFileDevice::FileModificationTime);
    }

    QString m_root;
    Result m_result;
};

bool byName(const Node &a, const Node &b)
{
    return a.title.compare(b.title, Qt::CaseInsensitive) < 0;
}

// Reads dir's sub-folders and shortcuts into folders and links; below the
// depth limit a sub-folder's content is read into the same lists.
void read(const QString &dir, int depth, std::vector<Node> &folders, std::vector<Node> &links)
{
    const QFileInfoList entries =
        QDir(dir).entryInfoList(QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot | QDir::NoSymLinks, QDir::NoSort);
    for (const QFileInfo &entry : entries) {
        if (entry.isSymLink())
            continue;
        const qint64 date = entry.lastModified().toSecsSinceEpoch();
        if (entry.isDir()) {
            if (depth > BookmarkFile::kMaxDepth) {
                read(entry.filePath(), depth + 1, folders, links);
                continue;
            }
            Node folder = Node::folder(entry.fileName(), {}, date);
            std::vector<Node> subFolders;
            std::vector<Node> subLinks;
            read(entry.filePath(), depth + 1, subFolders, subLinks);
            std::stable_sort(subFolders.begin(), subFolders.end(), byName);
            std::stable_sort(subLinks.begin(), subLinks.end(), byName);
            folder.children = std::move(subFolders);
            std::move(subLinks.begin(), subLinks.end(), std::back_inserter(folder.children));
            folders.push_back(std::move(folder));
        } else if (entry.isFile() && InternetShortcut::isShortcutName(entry.fileName())) {
            const QString url = InternetShortcut::readUrl(entry.filePath());
            if (!url.isEmpty())
                links.push_back(Node::link(entry.fileName().chopped(4), url, date));
        }
    }
}

} // namespace

Result importInto(const BookmarkFile::Node &root, const QString &targetFolder)
{
    const QFileInfo target(targetFolder);
    const QString canonical = target.canonicalFilePath();
    if (canonical.isEmpty() || !QFileInfo(canonical).isDir())
        return Result{0, 0, countBelow(root)};
    Importer importer(canonical);
    importer.folderInto(root, canonical);
    return importer.result();
}

BookmarkFile::Node exportFolder(const QString &favoritesFolder)
{
    std::vector<Node> folders;
    std::vector<Node> links;
    read(favoritesFolder, 1, folders, links);
    std::stable_sort(folders.begin(), folders.end(), byName);
    std::stable_sort(links.begin(), links.end(), byName);
    Node root = Node::folder({}, std::move(folders));
    std::move(links.begin(), links.end(), std::back_inserter(root.children));
    return root;
}

} // namespace BookmarkTransfer
