#include "favorites/COrganizeFavoritesDlg.h"

#include "favorites/CFavoriteFolderDlg.h"
#include "favorites/FavoriteFileName.h"
#include "favorites/FavoritesTree.h"
#include "platform/Trash.h"
#include "ui/MessageBoxes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr QLatin1String kShortcutSuffix(".url");

// Moves or renames an entry as itself (a link as the link), never in place
// of another.
bool moveEntry(const QString &from, const QString &to)
{
    if (FavoriteFileName::isTaken(to))
        return false;
    return QFileInfo(from).isDir() && !QFileInfo(from).isSymLink() ? QDir().rename(from, to) : QFile::rename(from, to);
}

} // namespace

COrganizeFavoritesDlg::COrganizeFavoritesDlg(const QString &favoritesFolder, MessageBoxes &messages, QWidget *parent)
    : QDialog(parent)
    , m_root(favoritesFolder)
    , m_messages(messages)
    , m_tree(new FavoriteFolderTree(favoritesFolder, FavoriteFolderTree::FoldersAndLinks, this))
    , m_newFolder(new QPushButton(tr("新建文件夹(&C)"), this))
    , m_rename(new QPushButton(tr("重命名(&R)"), this))
    , m_move(new QPushButton(tr("移至文件夹(&M)..."), this))
    , m_delete(new QPushButton(tr("删除(&D)"), this))
    , m_close(new QPushButton(tr("关闭"), this))
{
    setObjectName(QStringLiteral("organizeFavoritesDialog"));
    setWindowTitle(tr("整理收藏夹"));
    m_newFolder->setObjectName(QStringLiteral("newFolder"));
    m_rename->setObjectName(QStringLiteral("rename"));
    m_move->setObjectName(QStringLiteral("move"));
    m_delete->setObjectName(QStringLiteral("delete"));
    m_close->setObjectName(QStringLiteral("close"));
    for (QPushButton *button : {m_newFolder, m_rename, m_move, m_delete})
        button->setAutoDefault(false);
    m_close->setDefault(true);

    connect(m_newFolder, &QPushButton::clicked, this, [this] {
        if (!m_tree->askNewFolder(m_messages).isEmpty())
            m_changed = true;
    });
    connect(m_rename, &QPushButton::clicked, this, &COrganizeFavoritesDlg::renameSelected);
    connect(m_move, &QPushButton::clicked, this, &COrganizeFavoritesDlg::moveSelected);
    connect(m_delete, &QPushButton::clicked, this, &COrganizeFavoritesDlg::deleteSelected);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_tree, &QTreeWidget::currentItemChanged, this, &COrganizeFavoritesDlg::updateButtons);

    auto *prompt = new QLabel(tr("要创建新文件夹，请单击“新建文件夹”按钮。要重命名或删除项目，请选择该项目，"
                                 "然后单击“重命名”或“删除”。"),
                              this);
    prompt->setWordWrap(true);
    auto *buttons = new QGridLayout;
    buttons->addWidget(m_newFolder, 0, 0);
    buttons->addWidget(m_rename, 0, 1);
    buttons->addWidget(m_move, 1, 0);
    buttons->addWidget(m_delete, 1, 1);
    auto *left = new QVBoxLayout;
    left->addWidget(prompt);
    left->addLayout(buttons);
    left->addStretch(1);
    auto *closeRow = new QHBoxLayout;
    closeRow->addStretch(1);
    closeRow->addWidget(m_close);
    left->addLayout(closeRow);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addWidget(m_tree, 1);
    resize(fontMetrics().averageCharWidth() * 90, fontMetrics().height() * 26);
    updateButtons();
    m_tree->setFocus();
}

void COrganizeFavoritesDlg::run(QWidget *parent, const QString &favoritesFolder)
{
    QDir().mkpath(favoritesFolder);
    QtMessageBoxes messages;
    COrganizeFavoritesDlg dialog(favoritesFolder, messages, parent ? parent->window() : nullptr);
    dialog.exec();
}

void COrganizeFavoritesDlg::updateButtons()
{
    // The favorites folder itself stays where it is.
    const bool entry = m_tree->currentItem() && m_tree->currentItem() != m_tree->rootItem();
    m_rename->setEnabled(entry);
    m_move->setEnabled(entry);
    m_delete->setEnabled(entry);
}

void COrganizeFavoritesDlg::renameSelected()
{
    QTreeWidgetItem *item = m_tree->currentItem();
    if (!item || item == m_tree->rootItem())
        return;
    const bool link = FavoriteFolderTree::kindOf(item) == FavoriteFolderTree::Link;
    const QString oldPath = FavoriteFolderTree::pathOf(item);

    QInputDialog dialog(this);
    dialog.setObjectName(QStringLiteral("renameDialog"));
    dialog.setWindowTitle(tr("重命名"));
    dialog.setLabelText(tr("新名称:"));
    dialog.setTextValue(item->text(0));
    dialog.setOkButtonText(tr("确定"));
    dialog.setCancelButtonText(tr("取消"));
    if (dialog.exec() != QDialog::Accepted || dialog.textValue() == item->text(0))
        return;
    const QString suffix = link ? QString(kShortcutSuffix) : QString();
    const QString name = FavoriteFolderTree::typedName(this, dialog.textValue(), suffix, m_messages);
    if (name.isEmpty() || name == item->text(0))
        return;
    const QString newPath = QFileInfo(oldPath).absolutePath() + QLatin1Char('/') + name + suffix;
    if (FavoriteFileName::isTaken(newPath)) {
        m_messages.tell(this, tr("已经有名为“%1”的文件或文件夹。").arg(name), MessageBoxes::Icon::Warning);
        return;
    }
    if (!moveEntry(oldPath, newPath)) {
        m_messages.tell(this, tr("不能把“%1”重命名为“%2”。").arg(item->text(0), name), MessageBoxes::Icon::Error);
        return;
    }
    m_changed = true;
    m_tree->reload();
    m_tree->select(newPath);
}

void COrganizeFavoritesDlg::moveSelected()
{
    QTreeWidgetItem *item = m_tree->currentItem();
    if (!item || item == m_tree->rootItem())
        return;
    const QString path = FavoriteFolderTree::pathOf(item);
    const QString from = QFileInfo(path).absolutePath();
    const QString to = CFavoriteFolderDlg::choose(this, m_root, tr("移至文件夹"),
                                                  tr("选择要将“%1”移入的文件夹。").arg(item->text(0)), m_messages, from);
    if (to.isEmpty() || to == from)
        return;
    if (to == path || to.startsWith(path + QLatin1Char('/'))) {
        m_messages.tell(this, tr("不能把文件夹“%1”移到它自己里面。").arg(item->text(0)), MessageBoxes::Icon::Warning);
        return;
    }
    const QString target = to + QLatin1Char('/') + QFileInfo(path).fileName();
    if (FavoriteFileName::isTaken(target)) {
        m_messages.tell(this, tr("目标文件夹中已经有“%1”。").arg(item->text(0)), MessageBoxes::Icon::Warning);
        return;
    }
    if (!moveEntry(path, target)) {
        m_messages.tell(this, tr("不能移动“%1”。").arg(item->text(0)), MessageBoxes::Icon::Error);
        return;
    }
    m_changed = true;
    m_tree->reload();
    m_tree->select(target);
}

void COrganizeFavoritesDlg::deleteSelected()
{
    QTreeWidgetItem *item = m_tree->currentItem();
    if (!item || item == m_tree->rootItem())
        return;
    // The item's own path: deleting folder "Foo" never touches "Foo.url".
    const QString path = FavoriteFolderTree::pathOf(item);
    const QFileInfo info(path);
    bool removed = !info.exists() && !info.isSymLink();
    // A link goes as the link, never what it points to.
    if (!removed)
        removed = Trash::move(path);
    bool tried = removed;
    if (!removed
        && m_messages.ask(this, tr("“%1”不能移到回收站。要永久删除它吗?").arg(item->text(0)), tr("删除"))) {
        const bool folder = info.isDir() && !info.isSymLink();
        tried = true;
        removed = folder ? QDir(path).removeRecursively() : QFile::remove(path);
        if (!removed)
            m_messages.tell(this, folder ? tr("Delete Directory Failed") : tr("不能删除“%1”。").arg(item->text(0)),
                            MessageBoxes::Icon::Error);
    }
    if (!tried)
        return;
    QTreeWidgetItem *next = m_tree->itemBelow(item);
    if (!next || next->parent() != item->parent())
        next = m_tree->itemAbove(item);
    const QString nextPath = FavoriteFolderTree::pathOf(next);
    m_changed = true; // a failed deletion may still have taken part of a folder
    m_tree->reload();
    if (!m_tree->select(nextPath))
        m_tree->setCurrentItem(m_tree->rootItem());
}
