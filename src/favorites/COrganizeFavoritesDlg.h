#pragma once

#include <QDialog>

class FavoriteFolderTree;
class MessageBoxes;
class QPushButton;

// Organises the favorites folder: the tree of folders and shortcuts, with
// "新建文件夹", "重命名", "移至文件夹...", "删除" and "关闭". Changes go to disk
// at once. No entry is ever replaced by a rename or a move; deleted entries go
// to the desktop's Trash when it takes them.
class COrganizeFavoritesDlg : public QDialog
{
    Q_OBJECT
public:
    COrganizeFavoritesDlg(const QString &favoritesFolder, MessageBoxes &messages, QWidget *parent = nullptr);

    static void run(QWidget *parent, const QString &favoritesFolder);

    FavoriteFolderTree *tree() const { return m_tree; }
    QPushButton *newFolderButton() const { return m_newFolder; }
    QPushButton *renameButton() const { return m_rename; }
    QPushButton *moveButton() const { return m_move; }
    QPushButton *deleteButton() const { return m_delete; }
    QPushButton *closeButton() const { return m_close; }

    // The actions on the selected entry, as the buttons run them.
    void renameSelected();
    void moveSelected();
    void deleteSelected();

    // True when something on disk was changed since the dialog opened.
    bool changed() const { return m_changed; }

private:
    void updateButtons();

    QString m_root;
    MessageBoxes &m_messages;
    FavoriteFolderTree *m_tree;
    QPushButton *m_newFolder;
    QPushButton *m_rename;
    QPushButton *m_move;
    QPushButton *m_delete;
    QPushButton *m_close;
    bool m_changed = false;
};
