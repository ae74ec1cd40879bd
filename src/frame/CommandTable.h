#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>
#include <QStyle>

// One command as menus, tool bars and keys show it.
struct CommandInfo
{
    int id = 0;
    // The texts as written, in Chinese, marked for translation in the
    // "CommandTable" context; menuText() and promptText() give them in the
    // language shown.
    const char *text = "";   // menu text, with its "&" mnemonic
    const char *prompt = ""; // status-bar prompt while the item is highlighted; after a "\n" the tool button's tip
    QList<QKeySequence> keys;
    bool checkable = false;
    QString icon;   // icon-theme name for tool bars, if any
    QStyle::StandardPixmap fallback = QStyle::SP_CustomBase; // when the theme has no such icon

    QString menuText() const;
    QString promptText() const;
};

// Every command of the program with its text, prompt and keys. Menus, tool
// bars, accelerators and the keyboard map are built from it.
namespace CommandTable {
const QList<CommandInfo> &all();
// Nothing for an id outside the table (dynamic menu entries, for one).
const CommandInfo *find(int id);
} // namespace CommandTable
