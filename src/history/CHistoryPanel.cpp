#include "history/CHistoryPanel.h"

#include "history/HistoryGroups.h"
#include "ui/LazyIcon.h"
#include "ui/ThemeIcon.h"

#include <QApplication>
#include <QHeaderView>
#include <QMap>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// Item data: the group's sort key or the page's number; and the item's kind.
constexpr int kDataRole = Qt::UserRole;
constexpr int kKindRole = Qt::UserRole + 1;

bool lessIgnoringCase(const QString &a, const QString &b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

// Inserts a site among its group's sites in alphabetical order.
void insertSorted(QTreeWidgetItem *group, QTreeWidgetItem *site)
{
    int low = 0;
    int high = group->childCount();
    while (low < high) {
        const int middle = (low + high) / 2;
        if (lessIgnoringCase(group->child(middle)->text(0), site->text(0)))
            low = middle + 1;
        else
            high = middle;
    }
    group->insertChild(low, site);
}

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

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tree);

    connect(&m_store, &HistoryStore::cleared, this, &CHistoryPanel::refresh);
    refresh();
}

CHistoryPanel::~CHistoryPanel()
{
    setWaiting(false);
}

CHistoryPanel::ItemKind CHistoryPanel::kindOf(const QTreeWidgetItem *item)
{
    return ItemKind(item->data(0, kKindRole).toInt());
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
    m_urls.clear();
    addEntries(entries);
    m_filled = true;
    emit filled();
}

void CHistoryPanel::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Before the first filling there is nothing to read again.
    if (m_filled)
        refreshToday();
}

void CHistoryPanel::refreshToday()
{
    const quint64 generation = ++m_generation;
    const QDateTime midnight = m_clock().toLocalTime().date().startOfDay();
    m_store.readSince(midnight, this, [this, generation](const HistoryStore::Entries &entries) {
        if (generation == m_generation)
            replaceToday(entries);
    });
}

void CHistoryPanel::replaceToday(const HistoryStore::Entries &entries)
{
    const QString today = HistoryGroups::todayLabel();
    for (int i = m_tree->topLevelItemCount() - 1; i >= 0; --i) {
        if (m_tree->topLevelItem(i)->text(0).compare(today, Qt::CaseInsensitive) == 0)
            delete m_tree->takeTopLevelItem(i);
    }
    addEntries(entries);
    emit filled();
}

void CHistoryPanel::addEntries(const HistoryStore::Entries &entries)
{
    const QDate today = m_clock().toLocalTime().date();
    // Groups and their sites by name without case, as far as this filling
    // has met them. New groups are built off the tree and put in at the end:
    // one change of the tree each instead of one per item.
    struct Group
    {
        QTreeWidgetItem *item = nullptr;
        bool inTree = false;
        QHash<QString, QTreeWidgetItem *> sites;
    };
    QMap<int, Group> groups;
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = m_tree->topLevelItem(i);
        Group &group = groups[item->data(0, kDataRole).toInt()];
        group.item = item;
        group.inTree = true;
        for (int s = 0; s < item->childCount(); ++s)
            group.sites.insert(item->child(s)->text(0).toCaseFolded(), item->child(s));
    }

    for (const HistoryEntry &entry : entries) {
        const std::optional<QString> site = HistoryGroups::siteOf(entry.address);
        if (!site)
            continue;
        const HistoryGroups::Group date = HistoryGroups::groupOf(HistoryGroups::dayOf(entry.lastVisited), today);
        Group &group = groups[date.key];
        if (!group.item) {
            group.item = new QTreeWidgetItem(QStringList(date.label));
            group.item->setIcon(0, m_groupIcon);
            group.item->setData(0, kDataRole, date.key);
            group.item->setData(0, kKindRole, GroupItem);
        }
        QTreeWidgetItem *&siteItem = group.sites[site->toCaseFolded()];
        if (!siteItem) {
            siteItem = new QTreeWidgetItem(QStringList(*site));
            siteItem->setIcon(0, m_siteIcon);
            siteItem->setData(0, kKindRole, SiteItem);
            insertSorted(group.item, siteItem);
        }
        m_urls.append(entry.address);
        auto *page = new QTreeWidgetItem(siteItem, QStringList(HistoryGroups::pageText(entry.address, entry.title)));
        page->setIcon(0, m_pageIcon);
        page->setData(0, kDataRole, int(m_urls.size()));
        page->setData(0, kKindRole, PageItem);
        page->setToolTip(0, entry.address);
    }

    // The new groups go in by ascending key among those already there.
    int row = 0;
    for (auto it = groups.cbegin(); it != groups.cend(); ++it) {
        if (!it->inTree)
            m_tree->insertTopLevelItem(row, it->item);
        ++row;
    }
}

void CHistoryPanel::onClicked(QTreeWidgetItem *item)
{
    if (!item)
        return;
    if (item->childCount() > 0) {
        item->setExpanded(!item->isExpanded());
        return;
    }
    if (kindOf(item) == PageItem) {
        const QString address = m_urls.value(item->data(0, kDataRole).toInt() - 1);
        if (!address.isEmpty() && m_open)
            m_open(address);
    }
}
