#pragma once

#include <QList>
#include <QString>

// Where each command sits in the menu bar. Texts and keys come from the
// command table; a node's own title names a submenu, or labels an entry the
// table does not hold.
struct MenuNode
{
    enum Kind {
        Command,
        Separator,
        Submenu,
        // Filled each time they open.
        ClosedPages,
        PagesList,
        MailPrograms,
        NewsPrograms,
        ContactsPrograms,
        UserTools,
    };
    Kind kind = Command;
    int id = 0;
    QString title;
    QList<MenuNode> children;
};

namespace MenuLayout {
// The menus of the menu bar, in order.
const QList<MenuNode> &menuBar();
} // namespace MenuLayout
