#pragma once

#include "clone/CloneList.h"

#include <QDialog>
#include <QList>

class MessageBoxes;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

// The clone dialog: the pages to write, each with a check box (all ticked)
// and a name the user may edit in place, and the folder they go to, with
// "..." to choose it. OK needs a ticked page and a folder that can be made.
class CCloneDlg : public QDialog
{
    Q_OBJECT
public:
    CCloneDlg(QList<CloneEntry> entries, const QString &folder, MessageBoxes &messages, QWidget *parent = nullptr);

    // The ticked entries, with the names as edited.
    QList<CloneEntry> chosen() const;
    // The folder, made when it was missing.
    QString folder() const;

    QTableWidget *list() const { return m_list; }
    QLineEdit *folderEdit() const { return m_folder; }
    QPushButton *browseButton() const { return m_browse; }
    QPushButton *okButton() const { return m_ok; }

    void accept() override;

private:
    void nameChanged(QTableWidgetItem *item);
    void browse();

    QList<CloneEntry> m_entries; // the names as they stand
    MessageBoxes &m_messages;
    QTableWidget *m_list;
    QLineEdit *m_folder;
    QPushButton *m_browse;
    QPushButton *m_ok = nullptr;
    bool m_restoring = false;
};
