#pragma once

#include <QDialog>

class FavoriteFolderTree;
class MessageBoxes;
class QPushButton;

// Asks for one folder of the favorites: where to import a bookmarks file,
// where to move an entry. The folder tree, "新建文件夹...", OK and Cancel.
class CFavoriteFolderDlg : public QDialog
{
    Q_OBJECT
public:
    CFavoriteFolderDlg(const QString &favoritesFolder, const QString &title, const QString &prompt,
                       MessageBoxes &messages, QWidget *parent = nullptr);

    // The chosen folder's absolute path, or empty when the user cancelled.
    // selected is the folder chosen at first (the favorites folder when it is
    // empty or not in the tree).
    static QString choose(QWidget *parent, const QString &favoritesFolder, const QString &title,
                          const QString &prompt, MessageBoxes &messages, const QString &selected = {});

    FavoriteFolderTree *tree() const { return m_tree; }
    QPushButton *newFolderButton() const { return m_newFolder; }
    QString folder() const;

private:
    FavoriteFolderTree *m_tree;
    QPushButton *m_newFolder;
};
