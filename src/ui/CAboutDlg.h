#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;

// "关于 Vesperal 浏览器": the program's version and release date, the web
// engine it shows pages with, where to write to, and what it is built on.
class CAboutDlg : public QDialog
{
    Q_OBJECT
public:
    // releaseDate: the date text of the build; supportMail: the maker's
    // support address, opened as a mailto: link.
    CAboutDlg(const QString &releaseDate, const QString &supportMail, QWidget *parent = nullptr);

    // The web engine's version and the Chromium it is built from.
    static QString engineVersion();
    // What the program is built on, with the versions it runs with.
    static QString credits();

    QLabel *productLine() const { return m_product; }
    QLabel *releaseDateLabel() const { return m_date; }
    QLabel *engineLabel() const { return m_engine; }
    QLabel *mailLink() const { return m_mail; }
    QPlainTextEdit *creditsField() const { return m_credits; }

private:
    QLabel *m_product;
    QLabel *m_date;
    QLabel *m_engine;
    QLabel *m_mail;
    QPlainTextEdit *m_credits;
};
