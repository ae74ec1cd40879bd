#include "history/CHistoryPanel.h"

#include "history/HistoryGroups.h"
#include "ui/LazyIcon.h"
#include "ui/ThemeIcon.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMap>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Item data: the group's sort key or the page's number.
constexpr int kDataRole = Qt::UserRole;

int itemType(CHistoryPanel::ItemKind kind)
{
    return QTreeWidgetItem::UserType + int(kind);
}

bool lessIgnoringCase(const QString &a, const QString &b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

// A group or a site whose children are made when it is first opened: a
// year of history has far more pages than anybody opens.
class HistoryItem : public QTreeWidgetItem
{
public:
    HistoryItem(const QString &text, CHistoryPanel::ItemKind kind)
        : QTreeWidgetItem(QStringList(text), itemType(kind))
    {
        setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    }

    bool hasPending() const { return !sites.isEmpty() || !pages.isEmpty(); }

    // A group's sites not made yet, in the order met, and their places in
    // that list by name (as spelt, and without case).
    struct Site
    {
        QString name;
        QList<int> pages;
    };
    QList<Site> sites;
    QHash<QString, int> siteIndex;
    // A site's pages not made yet: their numbers.
    QList<int> pages;

    void addPage(const QString &site, int number)
    {
        auto found = siteIndex.constFind(site);
        if (found == siteIndex.constEnd()) {
            // Met in another spelling? The same site without case.
            const QString folded = u'\0' + site.toCaseFolded();
            found = siteIndex.constFind(folded);
            if (found == siteIndex.constEnd()) {
                found = siteIndex.insert(folded, int(sites.size()));
                sites.append({site, {}});
            }
            found = siteIndex.insert(site, *found);
        }
        sites[*found].pages.append(number);
    }
};

HistoryItem *historyItem(QTreeWidgetItem *item)
{
    return CHistoryPanel::kindOf(item) == CHistoryPanel::PageItem ? nullptr : static_cast<HistoryItem *>(item);
}

// The local day of a time, for times that mostly fall on the day met just
// before (the store answers in time order): local time is worked out once
// a day, not once a time.
class LocalDays
{
public:
    QDate dayOf(const QDateTime &time)
    {
        const qint64 at = time.toMSecsSinceEpoch();
        if (at < m_start || at >= m_end) {
            m_day = HistoryGroups::dayOf(time);
            m_start = m_day.startOfDay().toMSecsSinceEpoch();
            m_end = m_day.addDays(1).startOfDay().toMSecsSinceEpoch();
        }
        return m_day;
    }

private:
    QDate m_day;
    qint64 m_start = 0;
    qint64 m_end = 0;
};

} // namespace

CHistoryPanel::CHistoryPanel(HistoryStore &store, std::function<void(const QString &)> open, QWidget *parent)
    : QWidget(parent)
    , m_store(store)
    , m_open(std::move(open))
{
    // Made at first drawing: the panel is built with the window.
    m_groupIcon = LazyIconEngine::icon(
        [] { return themeIcon(QStringLiteral("x-office-calendar"), QStyle::SP_FileDialogInfoView); });
    m_siteIcon = LazyIconEngine::icon([] {
        QIcon icon = themeIcon(QStringLiteral("folder"), QStyle::SP_DirClosedIcon);
        const QIcon open = themeIcon(QStringLiteral("folder-open"), QStyle::SP_DirOpenIcon);
        for (int size : {16, 24, 32})
            icon.addPixmap(open.pixmap(size), QIcon::Selected);
        return icon;
    });
    m_pageIcon = LazyIconEngine::icon([] { return themeIcon(QStringLiteral("text-html"), QStyle::SP_FileIcon); });

    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("historyTree"));
    m_tree->setColumnCount(1);
    m_tree->setHeaderHidden(true);
    m_tree->header()->setStretchLastSection(true);
    // Full-row selection, hot tracking, lines at the root, and a selection
    // that stays visible while the focus is elsewhere.
    m_tree->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tree->setAllColumnsShowFocus(true);
    m_tree->setMouseTracking(true);
    m_tree->viewport()->setAttribute(Qt::WA_Hover);
    m_tree->setRootIsDecorated(true);
    m_tree->setExpandsOnDoubleClick(false);
    QPalette palette = m_tree->palette();
    for (auto role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    m_tree->setPalette(palette);
    connect(m_tree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) { onClicked(item); });
    connect(m_tree, &QTreeWidget::itemExpanded, this, &CHistoryPanel::makeChildren);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tree);

    connect(&m_store, &HistoryStore::cleared, this, &CHistoryPanel::refresh);
    // While the panel is shown, today's group takes new visits in; a burst
    // of them (a page's commit, title and end) is read once.
    m_liveRefresh = new QTimer(this);
    m_liveRefresh->setSingleShot(true);
    m_liveRefresh->setInterval(300);
    connect(m_liveRefresh, &QTimer::timeout, this, [this] {
        if (isVisible() && m_filled && !m_waiting)
            refreshToday();
    });
    connect(&m_store, &HistoryStore::changed, m_liveRefresh, qOverload<>(&QTimer::start));
    // Enter opens, as a click does.
    m_tree->installEventFilter(this);
    refresh();
}

CHistoryPanel::~CHistoryPanel()
{
    setWaiting(false);
}

CHistoryPanel::ItemKind CHistoryPanel::kindOf(const QTreeWidgetItem *item)
{
    return ItemKind(item->type() - QTreeWidgetItem::UserType);
}

void CHistoryPanel::setWaiting(bool waiting)
{
    if (waiting == m_waiting)
        return;
    m_waiting = waiting;
    if (waiting)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void CHistoryPanel::refresh()
{
    setWaiting(true);
    const quint64 generation = ++m_generation;
    m_store.readSince(QDateTime(), this, [this, generation](const HistoryStore::Entries &entries) {
        if (generation != m_generation)
            return;
        setWaiting(false);
        fill(entries);
    });
}

void CHistoryPanel::fill(const HistoryStore::Entries &entries)
{
    m_tree->clear();
    m_entries.clear();
    addEntries(entries);
    m_filled = true;
    m_filledOn = m_clock().toLocalTime().date();
    emit filled();
}

void CHistoryPanel::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Before the first filling, or while all is being read, there is
    // nothing to read again. On another day every group may have a new
    // name: all is read again.
    if (!m_filled || m_waiting)
        return;
    if (m_clock().toLocalTime().date() != m_filledOn)
        refresh();
    else
        refreshToday();
}

void CHistoryPanel::refreshToday()
{
    const quint64 generation = ++m_generation;
    const QDate today = m_clock().toLocalTime().date();
    m_store.readSince(today.startOfDay(), this, [this, generation, today](HistoryStore::Entries entries) {
        if (generation != m_generation)
            return;
        // A visit dated ahead of today (the clock was put back) is in a group of its own already.
        const QDateTime tomorrow = today.addDays(1).startOfDay();
        entries.removeIf([&tomorrow](const HistoryEntry &entry) { return entry.lastVisited >= tomorrow; });
        replaceToday(entries);
    });
}

void CHistoryPanel::replaceToday(const HistoryStore::Entries &entries)
{
    const QString today = HistoryGroups::todayLabel();
    auto isToday = [&today](const QTreeWidgetItem *item) {
        return item->text(0).compare(today, Qt::CaseInsensitive) == 0;
    };
    // What the user opened of today's group stays open.
    bool wasOpen = false;
    QStringList openSites;
    for (int i = m_tree->topLevelItemCount() - 1; i >= 0; --i) {
        QTreeWidgetItem *group = m_tree->topLevelItem(i);
        if (!isToday(group))
            continue;
        wasOpen = wasOpen || group->isExpanded();
        for (int j = 0; j < group->childCount(); ++j) {
            if (group->child(j)->isExpanded())
                openSites << group->child(j)->text(0);
        }
        delete m_tree->takeTopLevelItem(i);
    }
    addEntries(entries);
    for (int i = 0; wasOpen && i < m_tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem *group = m_tree->topLevelItem(i);
        if (!isToday(group))
            continue;
        group->setExpanded(true);
        for (int j = 0; j < group->childCount(); ++j) {
            if (openSites.contains(group->child(j)->text(0)))
                group->child(j)->setExpanded(true);
        }
    }
    emit filled();
}

bool CHistoryPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_tree && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && key->modifiers() == Qt::NoModifier) {
            onClicked(m_tree->currentItem());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CHistoryPanel::addEntries(const HistoryStore::Entries &entries)
{
    // The groups are new: the tree holds none of their keys (today's group
    // was taken out before it is read again).
    const QDate today = m_clock().toLocalTime().date();
    QMap<int, HistoryItem *> groups;
    LocalDays days;
    QDate day;
    HistoryGroups::Group date;
    for (const HistoryEntry &entry : entries) {
        const std::optional<QString> site = HistoryGroups::siteOf(entry.address);
        if (!site)
            continue;
        const QDate entryDay = days.dayOf(entry.lastVisited);
        if (entryDay != day) {
            day = entryDay;
            date = HistoryGroups::groupOf(day, today);
        }
        HistoryItem *&group = groups[date.key];
        if (!group) {
            group = new HistoryItem(date.label, GroupItem);
            group->setIcon(0, m_groupIcon);
            group->setData(0, kDataRole, date.key);
        }
        m_entries.append(entry);
        group->addPage(*site, int(m_entries.size()));
    }

    // Each goes in by ascending key among those already there.
    for (HistoryItem *group : std::as_const(groups)) {
        const int key = group->data(0, kDataRole).toInt();
        int row = 0;
        while (row < m_tree->topLevelItemCount() && m_tree->topLevelItem(row)->data(0, kDataRole).toInt() < key)
            ++row;
        m_tree->insertTopLevelItem(row, group);
    }
}

void CHistoryPanel::makeChildren(QTreeWidgetItem *item)
{
    HistoryItem *parent = historyItem(item);
    if (!parent || !parent->hasPending())
        return;
    QList<QTreeWidgetItem *> children;
    if (kindOf(parent) == SiteItem) {
        for (int number : std::as_const(parent->pages)) {
            const HistoryEntry &entry = m_entries.at(number - 1);
            auto *page = new QTreeWidgetItem(QStringList(HistoryGroups::pageText(entry.address, entry.title)),
                                             itemType(PageItem));
            page->setIcon(0, m_pageIcon);
            page->setData(0, kDataRole, number);
            children.append(page);
        }
        parent->pages.clear();
    } else {
        std::stable_sort(parent->sites.begin(), parent->sites.end(),
                         [](const HistoryItem::Site &a, const HistoryItem::Site &b) {
                             return lessIgnoringCase(a.name, b.name);
                         });
        for (HistoryItem::Site &site : parent->sites) {
            auto *siteItem = new HistoryItem(site.name, SiteItem);
            siteItem->setIcon(0, m_siteIcon);
            siteItem->pages = std::move(site.pages);
            children.append(siteItem);
        }
        parent->sites.clear();
        parent->siteIndex.clear();
    }
    // In one go: one change of the tree.
    parent->addChildren(children);
}

void CHistoryPanel::onClicked(QTreeWidgetItem *item)
{
    if (!item)
        return;
    if (kindOf(item) != PageItem) {
        // Opening it makes its children.
        if (item->childCount() > 0 || historyItem(item)->hasPending())
            item->setExpanded(!item->isExpanded());
        return;
    }
    const int number = item->data(0, kDataRole).toInt();
    if (number > 0 && number <= m_entries.size()) {
        const QString address = m_entries.at(number - 1).address;
        if (!address.isEmpty() && m_open)
            m_open(address);
    }
}
