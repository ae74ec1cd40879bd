#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// Saving a dragged text: where to (an editable path and "浏览..." to choose
// one), the text itself (editable), and "以后不再显示" to save without asking
// from then on.
class CSaveTextDlg : public QDialog
{
    Q_OBJECT
public:
    CSaveTextDlg(const QString &path, const QString &text, QWidget *parent = nullptr);

    QString path() const;
    QString text() const;
    bool dontShowAgain() const;

    QLineEdit *pathEdit() const { return m_path; }
    QPlainTextEdit *textEdit() const { return m_text; }
    QCheckBox *dontShowAgainBox() const { return m_dontShow; }
    QPushButton *browseButton() const { return m_browse; }

private:
    // A save dialog for a text file; the path chosen there replaces the one
    // in the field.
    void browse();

    QLineEdit *m_path;
    QPlainTextEdit *m_text;
    QCheckBox *m_dontShow;
    QPushButton *m_browse;
};
