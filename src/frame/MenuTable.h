#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

// The menu bar as data: each item is a command with its text and keys, a
// separator, or a submenu the Pages fill each time it opens.
struct MenuItem
{
    enum Kind { Command, Separator, ClosedPages, PagesList, Encodings };
    Kind kind = Command;
    int id = 0;
    QString text;
    QList<QKeySequence> keys;
    bool checkable = false;
};

struct MenuSpec
{
    QString title;
    QList<MenuItem> items;
};

namespace MenuTable {
// The menus of the menu bar, in order.
const QList<MenuSpec> &menus();
// The entries of the encoding menu: command and label.
const QList<MenuItem> &encodings();
} // namespace MenuTable
