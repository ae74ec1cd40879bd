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
        // A submenu filled by the frame's popup hook each time it opens; its
        // id names what fills it. Its children, if any, come first each time.
        Popup,
        // The whole menu lists the open Pages.
        PagesList,
    };
    Kind kind = Command;
    int id = 0;
    // The title as written, marked for translation in the context named
    // beside it; none for a separator or an entry whose text the command
    // table gives.
    const char *context = nullptr;
    const char *title = nullptr;
    QList<MenuNode> children;

    // The title in the language shown; empty when there is none.
    QString shownTitle() const;
};

namespace MenuLayout {
// The menus of the menu bar, in order.
const QList<MenuNode> &menuBar();
} // namespace MenuLayout
