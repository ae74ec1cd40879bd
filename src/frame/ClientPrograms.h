#pragma once

#include "platform/DesktopEntries.h"

#include <QObject>

class MessageBoxes;
class QMenu;
class QWidget;

// The desktop's programs for mail, news and contacts: the default mail
// program and address book, and menus of every installed one.
class ClientPrograms : public QObject
{
    Q_OBJECT
public:
    enum class Kind { Mail, News, Contacts };

    ClientPrograms(MessageBoxes &messages, QWidget *window, QObject *parent = nullptr);

    // Reads the installed programs again (the menus do it when they open).
    void reload();
    void setEntries(DesktopEntries entries) { m_entries = std::move(entries); }

    QList<DesktopEntry> programs(Kind kind) const;
    bool handle(int id);
    static bool owns(int id);
    // Fills a menu with the programs of a kind, as commands of its range.
    void fillMenu(QMenu *menu, Kind kind);

private:
    bool startDefault(Kind kind, const QString &failure);

    MessageBoxes &m_messages;
    QWidget *m_window;
    DesktopEntries m_entries;
    bool m_loaded = false;
};
