#include "favorites/CFavoritesPanel.h"

#include "core/AppSwitches.h"
#include "core/FrameCommandIds.h"
#include "favorites/CFavoritePropertiesDlg.h"
#include "favorites/FavoriteDrop.h"
#include "favorites/FavoriteEntry.h"
#include "favorites/FavoriteFileName.h"
#include "favorites/FavoriteShortcut.h"
#include "platform/InternetShortcut.h"
#include "platform/Trash.h"
#include "ui/MessageBoxes.h"
#include "ui/PageEntryIcon.h"
#include "ui/ThemeIcon.h"

#include <QDir>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace {

const QString kShortcutSuffix = QStringLiteral(".url");
// How near the top or bottom edge a dragged link scrolls the tree.
constexpr int kScrollMargin = 16;

QIcon iconOf(bool folder)
{
    static const QIcon folderIcon = themeIcon(QStringLiteral("folder"), QStyle::SP_DirIcon);
    return folder ? folderIcon : pageEntryIcon();
}

// A name the file system takes as one entry of a folder, as typed.
bool isPlainName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
           && !name.contains(QLatin1Char('/')) && !name.contains(QChar(0));
}

// Gives the item and everything below it the paths under a folder's new path.
void movePaths(QTreeWidgetItem *item, const QString &oldPath, const QString &newPath)
{
    const QString path = CFavoritesPanel::pathOf(item);
    if (path == oldPath)
        item->setData(0, CFavoritesPanel::PathRole, newPath);
    else if (path.startsWith(oldPath + QLatin1Char('/')))
        item->setData(0, CFavoritesPanel::PathRole, newPath + path.mid(oldPath.size()));
    for (int i = 0; i < item->childCount(); ++i)
        movePaths(item->child(i), oldPath, newPath);
}

QTreeWidgetItem *newItem(const QString &name, bool folder, const QString &path)
{
    auto *item = new QTreeWidgetItem;
    item->setText(0, name);
    item->setIcon(0, iconOf(folder));
    item->setData(0, CFavoritesPanel::KindRole, folder ? FavoriteEntry::Folder : FavoriteEntry::Link);
    item->setData(0, CFavoritesPanel::PathRole, path);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
    return item;
}

} // namespace

// Edits the labels: the end of an edit renames on disk instead of writing
// the text into the tree, and while a label is edited the keys the edit
// field needs reach it before the window's shortcuts.
class CFavoritesPanel::LabelDelegate : public QStyledItemDelegate
{
public:
    explicit LabelDelegate(CFavoritesPanel *panel)
        : QStyledItemDelegate(panel)
        , m_panel(panel)
    {
    }

    void setModelData(QWidget *editor, QAbstractItemModel *, const QModelIndex &index) const override
    {
        auto *field = qobject_cast<QLineEdit *>(editor);
        QTreeWidgetItem *item = itemAt(index);
        if (field && item)
            m_panel->renameTo(item, field->text());
    }

protected:
    bool eventFilter(QObject *editor, QEvent *event) override
    {
        if (event->type() == QEvent::ShortcutOverride) {
            const auto *key = static_cast<QKeyEvent *>(event);
            const bool needed = key->modifiers().testFlag(Qt::ControlModifier) || key->key() == Qt::Key_Return
                                || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Escape
                                || key->key() == Qt::Key_Delete;
            if (needed) {
                event->accept();
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(editor, event);
    }

private:
    QTreeWidgetItem *itemAt(const QModelIndex &index) const
    {
        if (!index.isValid())
            return nullptr;
        QTreeWidgetItem *parent = index.parent().isValid() ? itemAt(index.parent())
                                                            : m_panel->m_tree->invisibleRootItem();
        return parent ? parent->child(index.row()) : nullptr;
    }

    CFavoritesPanel *m_panel;
};

CFavoritesPanel::CFavoritesPanel(FavoritesPanelParts parts, QWidget *parent)
    : QWidget(parent)
    , m_parts(std::move(parts))
{
    // Two buttons of half the width each, over the tree.
    m_add = new QPushButton(tr("添加到收藏夹"), this);
    m_organize = new QPushButton(tr("整理收藏夹"), this);
    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(0);
    for (QPushButton *button : {m_add, m_organize}) {
        button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        buttons->addWidget(button, 1);
    }
    connect(m_add, &QPushButton::clicked, this, [this] {
        if (m_parts.runCommand)
            m_parts.runCommand(cmd::AddFavorite);
    });
    connect(m_organize, &QPushButton::clicked, this, [this] {
        if (m_parts.runCommand)
            m_parts.runCommand(cmd::OrganizeFavorites);
    });

    // Whole rows selected, the row under the mouse lit, labels edited with
    // F2 or the context menu. An item view keeps its selection drawn while
    // another widget has the focus.
    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("favoritesTree"));
    m_tree->setHeaderHidden(true);
    m_tree->setColumnCount(1);
    m_tree->header()->setStretchLastSection(true);
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tree->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tree->setAllColumnsShowFocus(true);
    m_tree->setExpandsOnDoubleClick(false);
    m_tree->setMouseTracking(true);
    m_tree->viewport()->setAttribute(Qt::WA_Hover);
    m_tree->setEditTriggers(QAbstractItemView::EditKeyPressed);
    m_tree->setItemDelegate(new LabelDelegate(this));
    m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
    m_tree->setAcceptDrops(true);
    m_tree->viewport()->setAcceptDrops(true);
    m_tree->installEventFilter(this);
    m_tree->viewport()->installEventFilter(this);
    connect(m_tree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) {
        if (!std::exchange(m_doubleClicked, false))
            itemClicked(item);
    });
    connect(m_tree, &QWidget::customContextMenuRequested, this, &CFavoritesPanel::showContextMenu);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(buttons);
    layout->addWidget(m_tree, 1);
}

CFavoritesPanel::~CFavoritesPanel() = default;

QString CFavoritesPanel::pathOf(const QTreeWidgetItem *item)
{
    return item ? item->data(0, PathRole).toString() : QString();
}

bool CFavoritesPanel::isFolder(const QTreeWidgetItem *item)
{
    return item && item->data(0, KindRole).toInt() == FavoriteEntry::Folder;
}

void CFavoritesPanel::fill(const FavoriteEntry &root)
{
    ++m_fills;
    m_tree->clear();
    addEntries(m_tree->invisibleRootItem(), root);
}

void CFavoritesPanel::addEntries(QTreeWidgetItem *parent, const FavoriteEntry &folder)
{
    for (const auto &entry : folder.children) {
        if (entry->kind == FavoriteEntry::OpenAll)
            continue;
        const bool isFolder = entry->kind == FavoriteEntry::Folder;
        QTreeWidgetItem *item = newItem(entry->name, isFolder, entry->path);
        parent->addChild(item);
        if (isFolder)
            addEntries(item, *entry);
    }
}

void CFavoritesPanel::itemClicked(QTreeWidgetItem *item)
{
    if (isFolder(item)) {
        item->setExpanded(!item->isExpanded());
        return;
    }
    // The address is read again: the file may have changed since the tree was filled.
    const QString path = pathOf(item);
    if (!QFileInfo(path).isFile())
        return;
    const QString address = InternetShortcut::readUrl(path);
    if (!address.isEmpty() && m_parts.open)
        m_parts.open(address);
}

void CFavoritesPanel::showContextMenu(const QPoint &at)
{
    QTreeWidgetItem *item = m_tree->itemAt(at);
    if (!item)
        return;
    m_tree->setCurrentItem(item);
    QMenu menu(this);
    menu.addAction(tr("删除"))->setData(cmd::FavoriteDelete);
    menu.addAction(tr("重命名"))->setData(cmd::FavoriteRename);
    menu.addAction(tr("属性..."))->setData(cmd::FavoriteProperties);
    const int fills = m_fills;
    QAction *chosen = menu.exec(m_tree->viewport()->mapToGlobal(at));
    // The tree may have been filled anew while the menu was up.
    if (!chosen || fills != m_fills)
        return;
    switch (chosen->data().toInt()) {
    case cmd::FavoriteDelete: deleteItem(item); break;
    case cmd::FavoriteRename: startRename(item); break;
    case cmd::FavoriteProperties: showProperties(item); break;
    default: break;
    }
}

void CFavoritesPanel::deleteItem(QTreeWidgetItem *item)
{
    if (!item)
        return;
    if (removeFromDisk(pathOf(item))) {
        delete item;
        markChanged();
    }
}

bool CFavoritesPanel::removeFromDisk(const QString &path)
{
    const QFileInfo info(path);
    // Already gone: nothing left to delete.
    if (!info.exists() && !info.isSymLink())
        return true;
    // A link is moved or removed as a link, never what it points to.
    if (Trash::move(path))
        return true;
    if (info.isSymLink() || !info.isDir())
        return QFile::remove(path);
    // Removes links inside as links too.
    if (QDir(path).removeRecursively())
        return true;
    // Part of it may be gone: the tree and the menu are made anew.
    markChanged(2);
    m_parts.messages.tell(this, tr("Delete Directory Failed"), MessageBoxes::Icon::Error);
    return false;
}

void CFavoritesPanel::startRename(QTreeWidgetItem *item)
{
    if (!item)
        return;
    m_tree->setFocus();
    m_tree->setCurrentItem(item);
    m_tree->editItem(item);
}

void CFavoritesPanel::renameTo(QTreeWidgetItem *item, const QString &name)
{
    if (name == item->text(0) || !isPlainName(name))
        return;
    const bool folder = isFolder(item);
    const QString oldPath = pathOf(item);
    const QString newPath = QFileInfo(oldPath).absolutePath() + QLatin1Char('/') + name
                            + (folder ? QString() : kShortcutSuffix);
    // Never in place of another entry.
    if (FavoriteFileName::isTaken(newPath))
        return;
    const bool moved = folder ? QDir().rename(oldPath, newPath) : QFile::rename(oldPath, newPath);
    if (!moved)
        return;
    item->setText(0, name);
    movePaths(item, oldPath, newPath);
    markChanged();
}

void CFavoritesPanel::showProperties(QTreeWidgetItem *item)
{
    if (!item)
        return;
    const QString path = pathOf(item);
    const bool folder = isFolder(item);
    CFavoritePropertiesDlg dialog(item->text(0), path, folder,
                                  folder ? QString() : InternetShortcut::readUrl(path), this);
    dialog.exec();
}

QTreeWidgetItem *CFavoritesPanel::dropLink(const QMimeData &data, const QPoint &at)
{
    const auto link = FavoriteDrop::linkIn(data);
    if (!link)
        return nullptr;
    // Into a folder dropped on, else beside the link dropped on, else at the end.
    QTreeWidgetItem *over = m_tree->itemAt(at);
    QTreeWidgetItem *parent = !over ? nullptr : isFolder(over) ? over : over->parent();
    const QString folder = parent ? pathOf(parent) : m_parts.folder;
    QDir().mkpath(folder);
    const QString fileName = FavoriteFileName::freeName(
        folder, link->name.trimmed().isEmpty() ? tr("Untitled") : link->name, kShortcutSuffix);
    const QString path = QDir(folder).filePath(fileName);

    QTreeWidgetItem *item = newItem(fileName.chopped(kShortcutSuffix.size()), false, path);
    (parent ? parent : m_tree->invisibleRootItem())->addChild(item);
    if (parent)
        parent->setExpanded(true);
    m_tree->scrollToItem(item);

    if (!FavoriteShortcut::write(path, link->url)) {
        m_parts.messages.tell(this, tr("不能创建快捷方式:\n%1").arg(QDir::toNativeSeparators(path)),
                              MessageBoxes::Icon::Warning);
        delete item;
        return nullptr;
    }
    markChanged();
    return item;
}

void CFavoritesPanel::markChanged(int level)
{
    m_parts.switches.favoritesChanged = std::max(m_parts.switches.favoritesChanged, level);
}

bool CFavoritesPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_tree && (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride)) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // An open label editor takes its keys itself.
        if (key->modifiers() != Qt::NoModifier || m_tree->indexWidget(m_tree->currentIndex()))
            return false;
        // F2 renames here, not the window's "previous Page"; Enter opens.
        const int k = key->key();
        if (k != Qt::Key_Delete && k != Qt::Key_F2 && k != Qt::Key_Return && k != Qt::Key_Enter)
            return false;
        if (event->type() == QEvent::ShortcutOverride) {
            event->accept();
            return true;
        }
        QTreeWidgetItem *item = m_tree->currentItem();
        if (k == Qt::Key_Delete)
            deleteItem(item);
        else if (k == Qt::Key_F2)
            startRename(item);
        else if (item)
            itemClicked(item);
        return true;
    }
    if (watched != m_tree->viewport())
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: m_doubleClicked = false; return false;
    case QEvent::MouseButtonDblClick: m_doubleClicked = true; return false;
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        const Qt::DropActions offered = drag->possibleActions();
        const bool kept = (offered & (Qt::CopyAction | Qt::LinkAction)) && FavoriteDrop::linkIn(*drag->mimeData());
        drag->setDropAction(!kept ? Qt::IgnoreAction
                            : offered & Qt::CopyAction ? Qt::CopyAction
                                                       : Qt::LinkAction);
        // The entering drag is taken even when it cannot be dropped here, so
        // that it does not go on to the window behind, which opens what is
        // dropped on it.
        drag->setAccepted(kept || event->type() == QEvent::DragEnter);
        // Near an edge the tree scrolls, to reach what is out of sight.
        const int y = drag->position().toPoint().y();
        QScrollBar *bar = m_tree->verticalScrollBar();
        if (y < kScrollMargin)
            bar->setValue(bar->value() - bar->singleStep());
        else if (y > m_tree->viewport()->height() - kScrollMargin)
            bar->setValue(bar->value() + bar->singleStep());
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const Qt::DropActions offered = drop->possibleActions();
        if ((offered & (Qt::CopyAction | Qt::LinkAction)) && dropLink(*drop->mimeData(), drop->position().toPoint())) {
            drop->setDropAction(offered & Qt::CopyAction ? Qt::CopyAction : Qt::LinkAction);
            drop->accept();
        } else {
            drop->ignore();
        }
        return true;
    }
    default: return false;
    }
}
