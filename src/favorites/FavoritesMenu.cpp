#include "favorites/FavoritesMenu.h"

#include "core/FrameCommandIds.h"
#include "ui/LazyIcon.h"
#include "ui/MenuText.h"
#include "ui/ThemeIcon.h"

#include <QAction>
#include <QMenu>

namespace {

struct Pictures
{
    QIcon link;
    QIcon folder;
};

bool holdsLinks(const FavoriteEntry &folder)
{
    for (const auto &child : folder.children) {
        if (child->commandId != 0 || (child->kind == FavoriteEntry::Folder && holdsLinks(*child)))
            return true;
    }
    return false;
}

QAction *command(QMenu *top, const QString &text, int id)
{
    auto *action = new QAction(text, top);
    action->setData(id);
    return action;
}

// Adds the folder's entries to menu; each sub-folder's only when it first shows.
void addEntries(QMenu *top, QMenu *menu, const FavoriteEntry &folder,
                const std::shared_ptr<const FavoriteEntry> &model, const Pictures &pictures)
{
    for (const auto &child : folder.children) {
        if (child->kind == FavoriteEntry::Folder) {
            auto *sub = new QMenu(literalMenuText(child->name), top);
            if (holdsLinks(*child))
                sub->setIcon(pictures.folder);
            menu->addMenu(sub);
            QObject::connect(
                sub, &QMenu::aboutToShow, sub,
                [top, sub, entry = child.get(), model, pictures] { addEntries(top, sub, *entry, model, pictures); },
                Qt::SingleShotConnection);
            continue;
        }
        auto *action = new QAction(pictures.link, literalMenuText(child->name), top);
        if (child->commandId >= cmd::FavoriteFirst && child->commandId <= cmd::FavoriteLast)
            action->setData(child->commandId);
        else
            action->setEnabled(false);
        menu->addAction(action);
    }
}

// Everything the menu holds was made by fill(): its actions and sub-menus
// are all its own children, wherever they show.
void empty(QMenu *top)
{
    top->clear();
    const QObjectList children = top->children();
    for (QObject *child : children) {
        if (child != top->menuAction() && (qobject_cast<QAction *>(child) || qobject_cast<QMenu *>(child)))
            delete child;
    }
}

} // namespace

void FavoritesMenu::fill(QMenu *top, std::shared_ptr<const FavoriteEntry> root)
{
    empty(top);
    top->addAction(command(top, tr("添加到收藏夹...\tCtrl+D"), cmd::AddFavorite));
    top->addAction(command(top, tr("整理收藏夹..."), cmd::OrganizeFavorites));
    auto *transfer = new QMenu(tr("导入/导出..."), top);
    transfer->addAction(command(top, tr("导入收藏夹..."), cmd::ImportFavorites));
    transfer->addAction(command(top, tr("导出收藏夹..."), cmd::ExportFavorites));
    top->addMenu(transfer);
    top->addSeparator();
    if (!root)
        return;
    // The pictures are looked up when first drawn.
    const Pictures pictures{
        LazyIconEngine::icon([] { return themeIcon(QStringLiteral("text-html"), QStyle::SP_FileLinkIcon); }),
        LazyIconEngine::icon([] { return themeIcon(QStringLiteral("folder"), QStyle::SP_DirIcon); })};
    addEntries(top, top, *root, root, pictures);
}
