#pragma once

#include <QTreeWidget>

class MessageBoxes;

// The favorites folder as a tree, for the dialogs that add, move, import and
// organise favorites: the folder itself on top, its sub-folders and (when
// asked for) its shortcuts below, folders first, each in name order without
// regard to case. Every item keeps its kind and its absolute path, so an item
// stands for one entry on disk and never for a name that two entries share.
// Symbolic links are not shown.
class FavoriteFolderTree : public QTreeWidget
{
    Q_OBJECT
public:
    enum Show { FoldersOnly, FoldersAndLinks };
    enum Kind { Folder = 0, Link = 1 };
    enum Role { KindRole = Qt::UserRole, PathRole };

    FavoriteFolderTree(const QString &favoritesFolder, Show show, QWidget *parent = nullptr);

    // Reads the folder again, keeping the selection and the open folders
    // where they still exist.
    void reload();

    QString rootFolder() const { return m_root; }
    QTreeWidgetItem *rootItem() const { return topLevelItem(0); }
    QTreeWidgetItem *itemFor(const QString &path) const;
    // Selects the item of path; false when there is none.
    bool select(const QString &path);

    static Kind kindOf(const QTreeWidgetItem *item);
    static QString pathOf(const QTreeWidgetItem *item);
    // The selected item's path; empty when nothing is selected.
    QString currentPath() const;
    // The selected folder, or the folder of the selected shortcut; the
    // favorites folder when nothing is selected.
    QString currentFolder() const;

    // Asks for a name and makes that folder in currentFolder(); selects it.
    // The new folder's path, or empty when none was made.
    QString askNewFolder(MessageBoxes &messages);

    // The name the user typed for an entry, or empty (after telling why) when
    // it cannot be one: it holds "/" or names nothing. Control characters and
    // leading dots are taken out, and it is cut to the length a name may have.
    static QString typedName(QWidget *parent, const QString &text, const QString &suffix, MessageBoxes &messages);

private:
    void fill(QTreeWidgetItem *parent, const QString &folder, int depth);
    QTreeWidgetItem *addItem(QTreeWidgetItem *parent, Kind kind, const QString &name, const QString &path);

    QString m_root;
    Show m_show;
};
