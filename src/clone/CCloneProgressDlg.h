#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

// The window a clone shows while it writes: the address and the file under
// way and how many pages are done. "最小化(&M)" minimises it; "中止(&A)"
// (or closing it) stops the clone after the pages under way. It goes when
// the clone ends.
class CCloneProgressDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CCloneProgressDlg(QWidget *parent = nullptr);

    // What the clone reports.
    void showEntry(int index, int total, const QString &address, const QString &path);
    void showProgress(int count, int total);
    // The clone is over: the window closes.
    void jobEnded();

    QLabel *addressLine() const { return m_address; }
    QLabel *targetLine() const { return m_target; }
    QProgressBar *progressBar() const { return m_bar; }
    QPushButton *minimizeButton() const { return m_minimize; }
    QPushButton *abortButton() const { return m_abort; }

signals:
    // The user stopped the clone.
    void aborted();

protected:
    void closeEvent(QCloseEvent *event) override;
    // Escape stops the clone as "中止(&A)" does.
    void reject() override;

private:
    QLabel *m_address;
    QLabel *m_target;
    QProgressBar *m_bar;
    QPushButton *m_minimize;
    QPushButton *m_abort;
    bool m_ended = false;
};
