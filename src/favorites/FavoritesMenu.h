#pragma once

#include "favorites/FavoriteEntry.h"

#include <QCoreApplication>

#include <memory>

class QMenu;

// The favorites drop-down of the menu bar, made from the favorites model:
// the commands to add, organise, import and export favorites, a separator,
// then the model's entries, each folder a sub-menu that begins with its
// open-all entry. Links and open-all entries show a link picture, sub-menus
// that hold such entries a folder picture.
//
// Every entry's action belongs to the top menu (whose owner runs the command
// in an action's data when the action is its own child), whichever sub-menu
// shows it. A sub-menu gets its entries only when it is first about to show,
// so a large model makes the top menu as quickly as a small one.
//
// Entries whose command id lies past the favorites command range (more than
// 4096 links and open-all entries in all) are shown greyed, without a
// command: their ids belong to other commands.
class FavoritesMenu
{
    Q_DECLARE_TR_FUNCTIONS(FavoritesMenu)

public:
    // Empties the menu (everything in it was made here) and fills it from
    // the model, which the menu keeps for its sub-menus until it is filled
    // again or destroyed.
    static void fill(QMenu *top, std::shared_ptr<const FavoriteEntry> root);
};
