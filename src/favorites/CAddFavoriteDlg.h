#pragma once

#include <QDialog>

class FavoriteFolderTree;
class MessageBoxes;
class QLineEdit;
class QPushButton;

// Adds one page to the favorites: its name (the page's title, or its address
// when it has none), the folder to put it in, "新建文件夹...". OK writes the
// shortcut "<folder>/<name>.url"; a name already there is replaced only when
// the user says so, else the dialog stays open for another name.
class CAddFavoriteDlg : public QDialog
{
    Q_OBJECT
public:
    CAddFavoriteDlg(const QString &favoritesFolder, const QString &title, const QString &url, MessageBoxes &messages,
                    QWidget *parent = nullptr);

    // Shows the dialog for the page; true when a shortcut was written.
    // Addresses other than http, https, ftp and file are refused with a message.
    static bool ask(QWidget *parent, const QString &favoritesFolder, const QString &title, const QString &url);
    static bool ask(QWidget *parent, const QString &favoritesFolder, const QString &title, const QString &url,
                    MessageBoxes &messages);

    QLineEdit *nameEdit() const { return m_name; }
    FavoriteFolderTree *tree() const { return m_tree; }
    QPushButton *newFolderButton() const { return m_newFolder; }
    // The shortcut written when the dialog was accepted.
    QString writtenFile() const { return m_written; }

    void accept() override;

private:
    QString m_url;
    MessageBoxes &m_messages;
    QLineEdit *m_name;
    FavoriteFolderTree *m_tree;
    QPushButton *m_newFolder;
    QString m_written;
};
