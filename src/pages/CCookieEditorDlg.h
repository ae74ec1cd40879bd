#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// The cookie editor: the page's cookie text in an edit filling the window,
// "更改小甜点" to write it back, "取消".
class CCookieEditorDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CCookieEditorDlg(const QString &cookies, QWidget *parent = nullptr);

    QString text() const;
    QPlainTextEdit *edit() const { return m_edit; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }

private:
    QPlainTextEdit *m_edit;
    QPushButton *m_ok;
    QPushButton *m_cancel;
};
