#pragma once

#include <QColor>
#include <QIcon>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <optional>
#include <utility>

class QLabel;
class QProgressBar;
class QStatusBar;
class QStackedLayout;

// One pane of the status bar: an icon and a text. A double click sends the
// pane's id as a command.
class StatusPane : public QWidget
{
    Q_OBJECT
public:
    StatusPane(int id, QWidget *parent = nullptr);
    int id() const { return m_id; }
    void setIcon(const QIcon &icon);
    void setText(const QString &text);
    QString text() const;
    // The text's colour; an invalid colour gives it the usual one again.
    void setTextColor(const QColor &color);
    QColor textColor() const;
    // Width 0 hides the pane without taking it out of the order.
    void setShown(bool shown);
    // Shows or hides the text beside the icon; the icon stays.
    void setTextShown(bool shown);
    // The text takes what room the bar leaves and is cut there, instead of
    // asking the bar for its whole width.
    void setTextElastic();

signals:
    void doubleClicked(int id);

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    int m_id;
    QLabel *m_icon;
    QLabel *m_text;
};

// The eight panes of the frame's status bar, in order: program icon, status
// text, proxy, free memory or download progress, edit box, online state,
// pop-up blocking, security.
class StatusPanes : public QObject
{
    Q_OBJECT
public:
    explicit StatusPanes(QStatusBar *bar);

    StatusPane *pane(int id) const;

    void setStatusText(const QString &text);
    QString statusText() const;
    // The status text's colour; invalid: the window text's colour again.
    void setStatusColor(const QColor &color);
    QColor statusColor() const;
    // The proxy in use; empty hides the pane.
    // The proxy pane: the proxy's text, and whether the pane is wide enough
    // to show it (narrow, only its icon shows, to double-click).
    void setProxyText(const QString &proxy);
    void setProxyWide(bool wide);
    // The active Page's download; a maximum of 0 shows the free memory again.
    // A load's progress takes the memory pane's place once the load has
    // taken a moment, and then moves a few times a second: each change
    // repaints the window, and most loads are over sooner.
    void setProgress(int position, int maximum);
    bool showsProgress() const;
    void setOnline(bool online);
    void setPopupsBlocked(bool blocked);
    void setSecurityText(const QString &text);
    // Reads the free and total memory again.
    void refreshMemory();

    // "%dMB/%dMB physical memory free", each figure in bytes / 1024000.
    static QString memoryText(quint64 availableBytes, quint64 totalBytes);
    // Available and total memory in bytes from a meminfo file.
    static std::optional<std::pair<quint64, quint64>> readMemory(const QString &file = QStringLiteral("/proc/meminfo"));

signals:
    void paneDoubleClicked(int id);

private:
    void showProgress();

    QTimer m_progressTimer;
    int m_position = 0;
    int m_maximum = 0;
    StatusPane *addPane(int id, bool stretch);

    QStatusBar *m_bar;
    QList<StatusPane *> m_panes;
    QStackedLayout *m_memoryStack = nullptr;
    QLabel *m_memory = nullptr;
    QProgressBar *m_progress = nullptr;
};
