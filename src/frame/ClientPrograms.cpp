#include "frame/ClientPrograms.h"

#include "core/FrameCommandIds.h"
#include "ui/MessageBoxes.h"

#include <QAction>
#include <QMenu>

namespace {

int firstOf(ClientPrograms::Kind kind)
{
    switch (kind) {
    case ClientPrograms::Kind::Mail: return cmd::MailProgramFirst;
    case ClientPrograms::Kind::News: return cmd::NewsProgramFirst;
    case ClientPrograms::Kind::Contacts: return cmd::ContactsProgramFirst;
    }
    return 0;
}

void addUnique(QList<DesktopEntry> &list, const QList<DesktopEntry> &more)
{
    for (const DesktopEntry &entry : more) {
        const bool known = std::any_of(list.cbegin(), list.cend(),
                                       [&](const DesktopEntry &e) { return e.id == entry.id; });
        if (!known)
            list << entry;
    }
}

} // namespace

ClientPrograms::ClientPrograms(MessageBoxes &messages, QWidget *window, QObject *parent)
    : QObject(parent)
    , m_messages(messages)
    , m_window(window)
{
}

void ClientPrograms::reload()
{
    m_entries = DesktopEntries::load();
    m_loaded = true;
}

QList<DesktopEntry> ClientPrograms::programs(Kind kind) const
{
    QList<DesktopEntry> list;
    switch (kind) {
    case Kind::Mail: addUnique(list, m_entries.handlers(QStringLiteral("x-scheme-handler/mailto"))); break;
    case Kind::News:
        addUnique(list, m_entries.handlers(QStringLiteral("x-scheme-handler/news")));
        addUnique(list, m_entries.handlers(QStringLiteral("x-scheme-handler/nntp")));
        addUnique(list, m_entries.withCategory(QStringLiteral("News")));
        break;
    case Kind::Contacts:
        addUnique(list, m_entries.withCategory(QStringLiteral("ContactManagement")));
        addUnique(list, m_entries.handlers(QStringLiteral("text/vcard")));
        addUnique(list, m_entries.handlers(QStringLiteral("text/x-vcard")));
        break;
    }
    // At most a range's worth.
    return list.mid(0, 16);
}

bool ClientPrograms::owns(int id)
{
    return id == cmd::DefaultMail || id == cmd::AddressBook
        || (id >= cmd::MailProgramFirst && id <= cmd::MailProgramLast)
        || (id >= cmd::NewsProgramFirst && id <= cmd::NewsProgramLast)
        || (id >= cmd::ContactsProgramFirst && id <= cmd::ContactsProgramLast);
}

bool ClientPrograms::startDefault(Kind kind, const QString &failure)
{
    if (!m_loaded)
        reload();
    const QList<DesktopEntry> list = programs(kind);
    if (list.isEmpty() || !DesktopEntries::start(list.first())) {
        m_messages.tell(m_window, failure, MessageBoxes::Icon::Warning);
        return false;
    }
    return true;
}

bool ClientPrograms::handle(int id)
{
    if (!owns(id))
        return false;
    if (id == cmd::DefaultMail) {
        startDefault(Kind::Mail, tr("发送电子邮件失败。"));
        return true;
    }
    if (id == cmd::AddressBook) {
        startDefault(Kind::Contacts, tr("载入地址簿失败。"));
        return true;
    }
    if (!m_loaded)
        reload();
    const Kind kind = id <= cmd::NewsProgramLast   ? Kind::News
                      : id <= cmd::ContactsProgramLast ? Kind::Contacts
                                                       : Kind::Mail;
    const QList<DesktopEntry> list = programs(kind);
    const int index = id - firstOf(kind);
    // A program that is no longer installed: nothing happens.
    if (index < list.size() && !DesktopEntries::start(list[index]))
        m_messages.tell(m_window, tr("发送电子邮件失败。"), MessageBoxes::Icon::Warning);
    return true;
}

bool ClientPrograms::fillPopup(int placeholder, QMenu *menu)
{
    switch (placeholder) {
    case cmd::MailProgramsPopup: fillMenu(menu, Kind::Mail); return true;
    case cmd::NewsProgramsPopup: fillMenu(menu, Kind::News); return true;
    case cmd::ContactsProgramsPopup: fillMenu(menu, Kind::Contacts); return true;
    default: return false;
    }
}

void ClientPrograms::fillMenu(QMenu *menu, Kind kind)
{
    reload();
    menu->clear();
    const QList<DesktopEntry> list = programs(kind);
    for (int i = 0; i < list.size(); ++i) {
        QAction *action = menu->addAction(list[i].name);
        action->setData(firstOf(kind) + i);
    }
    if (list.isEmpty())
        menu->addAction(tr("(无)"))->setEnabled(false);
}
