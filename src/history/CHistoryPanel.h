#pragma once

#include "history/HistoryStore.h"

#include <QDateTime>
#include <QIcon>
#include <QStringList>
#include <QWidget>

#include <functional>

class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

// The History Panel: the visited addresses as a tree of date groups (oldest
// week first, today last), sites under them and pages under the sites. It is
// filled from the history store when it is made, and today's group is read
// again whenever the panel comes into view. A click on a group or a site opens
// or closes it; a click on a page opens the page's address. A group's sites
// and a site's pages are made when it is first opened.
class CHistoryPanel : public QWidget
{
    Q_OBJECT
public:
    CHistoryPanel(HistoryStore &store, std::function<void(const QString &)> open, QWidget *parent = nullptr);
    ~CHistoryPanel() override;

    QTreeWidget *tree() const { return m_tree; }
    // What an item stands for: its image. The item's type tells it.
    enum ItemKind { GroupItem = 0, SiteItem = 1, PageItem = 2 };
    static ItemKind kindOf(const QTreeWidgetItem *item);

    // Reads the whole history again (the store was cleared, say).
    void refresh();
    // The time the groups are reckoned from (the current time unless set).
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }

signals:
    // The tree was filled, or today's group was read again.
    void filled();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fill(const HistoryStore::Entries &entries);
    void refreshToday();
    void replaceToday(const HistoryStore::Entries &entries);
    // Files the entries into the tree, each page numbered on from the array's end.
    void addEntries(const HistoryStore::Entries &entries);
    // Makes the sites of a group, or the pages of a site, filed for it so far.
    void makeChildren(QTreeWidgetItem *item);
    void onClicked(QTreeWidgetItem *item);
    void setWaiting(bool waiting);

    HistoryStore &m_store;
    std::function<void(const QString &)> m_open;
    std::function<QDateTime()> m_clock = &QDateTime::currentDateTime;
    QTreeWidget *m_tree = nullptr;
    // The entry of page number k (the page item's data) is element k - 1.
    HistoryStore::Entries m_entries;
    quint64 m_generation = 0; // reads older than the latest are dropped
    bool m_filled = false;
    QDate m_filledOn; // the day the groups were reckoned from
    bool m_waiting = false;
    QTimer *m_liveRefresh = nullptr; // today's group follows new visits while shown
    QIcon m_groupIcon;
    QIcon m_siteIcon;
    QIcon m_pageIcon;
};
