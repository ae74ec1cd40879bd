#pragma once

#include <QDialog>

class QLineEdit;

// The properties of one favorite: its name, its address (a link) and where
// it lies on disk, each selectable for copying. Nothing is changed here;
// names change by renaming in the panel.
class CFavoritePropertiesDlg : public QDialog
{
    Q_OBJECT
public:
    // path: the folder or the ".url" file; address: the link's URL, empty
    // for a folder.
    CFavoritePropertiesDlg(const QString &name, const QString &path, bool isFolder, const QString &address,
                           QWidget *parent = nullptr);

    QLineEdit *addressField() const { return m_address; }
    QLineEdit *pathField() const { return m_path; }

private:
    QLineEdit *m_address = nullptr;
    QLineEdit *m_path = nullptr;
};
