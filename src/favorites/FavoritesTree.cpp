#include "favorites/FavoritesTree.h"

#include "favorites/BookmarkFile.h"
#include "favorites/FavoriteFileName.h"
#include "platform/InternetShortcut.h"
#include "ui/MessageBoxes.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QInputDialog>
#include <QSet>
#include <QStyle>

#include <algorithm>

FavoriteFolderTree::FavoriteFolderTree(const QString &favoritesFolder, Show show, QWidget *parent)
    : QTreeWidget(parent)
    , m_root(QDir::cleanPath(QFileInfo(favoritesFolder).absoluteFilePath()))
    , m_show(show)
{
    setObjectName(QStringLiteral("favoritesTree"));
    setHeaderHidden(true);
    setColumnCount(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformRowHeights(true);
    reload();
    setCurrentItem(rootItem());
}

void FavoriteFolderTree::reload()
{
    const QString selected = currentPath();
    QSet<QString> open;
    for (QTreeWidgetItemIterator it(this); *it; ++it) {
        if ((*it)->isExpanded())
            open.insert(pathOf(*it));
    }
    clear();
    QTreeWidgetItem *root = addItem(nullptr, Folder, tr("收藏夹"), m_root);
    fill(root, m_root, 1);
    root->setExpanded(true);
    for (QTreeWidgetItemIterator it(this); *it; ++it) {
        if (open.contains(pathOf(*it)))
            (*it)->setExpanded(true);
    }
    if (!select(selected))
        setCurrentItem(root);
}

void FavoriteFolderTree::fill(QTreeWidgetItem *parent, const QString &folder, int depth)
{
    QFileInfoList entries =
        QDir(folder).entryInfoList(QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot | QDir::NoSymLinks, QDir::NoSort);
    std::stable_sort(entries.begin(), entries.end(), [](const QFileInfo &a, const QFileInfo &b) {
        if (a.isDir() != b.isDir())
            return a.isDir();
        return a.fileName().compare(b.fileName(), Qt::CaseInsensitive) < 0;
    });
    for (const QFileInfo &entry : entries) {
        if (entry.isSymLink())
            continue;
        if (entry.isDir()) {
            // As deep as a bookmarks file goes; deeper folders are not offered.
            if (depth > BookmarkFile::kMaxDepth)
                continue;
            QTreeWidgetItem *item = addItem(parent, Folder, entry.fileName(), entry.absoluteFilePath());
            fill(item, entry.absoluteFilePath(), depth + 1);
        } else if (m_show == FoldersAndLinks && entry.isFile() && InternetShortcut::isShortcutName(entry.fileName())) {
            addItem(parent, Link, entry.fileName().chopped(4), entry.absoluteFilePath());
        }
    }
}

QTreeWidgetItem *FavoriteFolderTree::addItem(QTreeWidgetItem *parent, Kind kind, const QString &name,
                                             const QString &path)
{
    auto *item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    item->setText(0, name);
    item->setData(0, KindRole, int(kind));
    item->setData(0, PathRole, path);
    item->setIcon(0, style()->standardIcon(kind == Folder ? QStyle::SP_DirIcon : QStyle::SP_FileLinkIcon));
    return item;
}

QTreeWidgetItem *FavoriteFolderTree::itemFor(const QString &path) const
{
    if (path.isEmpty())
        return nullptr;
    for (QTreeWidgetItemIterator it(const_cast<FavoriteFolderTree *>(this)); *it; ++it) {
        if (pathOf(*it) == path)
            return *it;
    }
    return nullptr;
}

bool FavoriteFolderTree::select(const QString &path)
{
    QTreeWidgetItem *item = itemFor(path);
    if (!item)
        return false;
    for (QTreeWidgetItem *above = item->parent(); above; above = above->parent())
        above->setExpanded(true);
    setCurrentItem(item);
    scrollToItem(item);
    return true;
}

FavoriteFolderTree::Kind FavoriteFolderTree::kindOf(const QTreeWidgetItem *item)
{
    return item && item->data(0, KindRole).toInt() == Link ? Link : Folder;
}

QString FavoriteFolderTree::pathOf(const QTreeWidgetItem *item)
{
    return item ? item->data(0, PathRole).toString() : QString();
}

QString FavoriteFolderTree::currentPath() const
{
    return pathOf(currentItem());
}

QString FavoriteFolderTree::currentFolder() const
{
    const QTreeWidgetItem *item = currentItem();
    if (!item)
        return m_root;
    if (kindOf(item) == Link)
        item = item->parent();
    return item ? pathOf(item) : m_root;
}

QString FavoriteFolderTree::askNewFolder(MessageBoxes &messages)
{
    QInputDialog dialog(window());
    dialog.setObjectName(QStringLiteral("newFolderDialog"));
    dialog.setWindowTitle(tr("新建文件夹"));
    dialog.setLabelText(tr("文件夹名称:"));
    dialog.setTextValue(tr("新建文件夹"));
    dialog.setOkButtonText(tr("确定"));
    dialog.setCancelButtonText(tr("取消"));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QString name = typedName(window(), dialog.textValue(), {}, messages);
    if (name.isEmpty())
        return {};
    const QString folder = currentFolder();
    const QString path = QDir(folder).filePath(name);
    if (FavoriteFileName::isTaken(path)) {
        messages.tell(window(), tr("“%1”已经存在。").arg(name), MessageBoxes::Icon::Warning);
        return {};
    }
    if (!QDir(folder).mkdir(name)) {
        messages.tell(window(), tr("不能创建文件夹“%1”。").arg(path), MessageBoxes::Icon::Error);
        return {};
    }
    reload();
    select(path);
    return path;
}

QString FavoriteFolderTree::typedName(QWidget *parent, const QString &text, const QString &suffix,
                                      MessageBoxes &messages)
{
    if (text.contains(QLatin1Char('/'))) {
        messages.tell(parent, tr("名称中不能有“/”。"), MessageBoxes::Icon::Warning);
        return {};
    }
    const QString typed = text.trimmed();
    const QString cleaned = FavoriteFileName::clean(typed);
    if (typed.isEmpty() || (cleaned == QLatin1String(FavoriteFileName::kUntitled) && typed != cleaned)) {
        messages.tell(parent, tr("“%1”不能作为名称。").arg(typed), MessageBoxes::Icon::Warning);
        return {};
    }
    return FavoriteFileName::fit(cleaned, suffix);
}
