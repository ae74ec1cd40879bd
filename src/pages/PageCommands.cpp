#include "pages/PageCommands.h"

#include "core/CommandIds.h"
#include "core/FrameCommandIds.h"
#include "core/SettingsTable.h"
#include "pages/BlankPage.h"
#include "pages/CWebBrowser2.h"
#include "pages/Encodings.h"
#include "pages/OpenDialog.h"
#include "pages/PageHost.h"
#include "platform/RegistryStore.h"
#include "ui/MessageBoxes.h"
#include "ui/PageEntryIcon.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QMenu>
#include <QMimeData>

#include <utility>

namespace {

const QString kNewSound = QStringLiteral("new.wav");

// The closed-Pages menu and the Pages menu keep their entries this narrow.
constexpr int kClosedMenuWidth = 250;
constexpr int kPagesMenuWidth = 230;
constexpr int kHistoryEntries = 9;

bool inRange(int id, int first, int last)
{
    return id >= first && id <= last;
}

QAction *addEntry(QMenu *menu, int id, const QString &text, int width = 0)
{
    QString label = text;
    if (width > 0)
        label = QFontMetrics(menu->font()).elidedText(text, Qt::ElideRight, width);
    // A lone "&" would turn the next letter into a shortcut.
    label.replace(QLatin1Char('&'), QStringLiteral("&&"));
    QAction *action = menu->addAction(label);
    action->setData(id);
    return action;
}

std::pair<int, QString> runRealOpenDialog(const QStringList &typed)
{
    OpenDialog dialog(typed, QApplication::activeWindow());
    const int result = dialog.exec();
    return {result, dialog.text()};
}

} // namespace

PageCommands::PageCommands(PageHost &host, RegistryStore &registry, QString makerWebsite, QObject *parent)
    : QObject(parent)
    , m_host(host)
    , m_registry(registry)
    , m_makerWebsite(std::move(makerWebsite))
    , m_openDialog(runRealOpenDialog)
{
}

QString PageCommands::charsetFor(int id)
{
    return QLatin1String(Encodings::charsetFor(id));
}

bool PageCommands::owns(int id)
{
    switch (id) {
    case cmd::NewPage:
    case cmd::NewBlankPage:
    case cmd::NewHomePage:
    case cmd::DuplicatePage:
    case cmd::ClipboardPage:
    case cmd::OpenDialog:
    case cmd::MakerWebSite:
    case cmd::CloseCurrentPage:
    case cmd::CloseMenuTab:
    case cmd::CloseAll:
    case cmd::CloseAllButCurrent:
    case cmd::CloseAllButMenuTab:
    case cmd::CloseMenuTabHost:
    case cmd::CloseErrorPages:
    case cmd::ReopenLastClosed:
    case cmd::LockMenuTab:
    case cmd::RefreshMenuTab:
    case cmd::StopMenuTab:
    case cmd::Stop:
    case cmd::StopAll:
    case cmd::Refresh:
    case cmd::RefreshAll:
    case cmd::Back:
    case cmd::Forward:
    case cmd::Home:
    case cmd::Copy:
    case cmd::Cut:
    case cmd::Paste:
    case cmd::SelectAll:
        return true;
    default:
        break;
    }
    return inRange(id, cmd::ClosedPageFirst, cmd::ClosedPageLast)
        || inRange(id, cmd::PageEntryFirst, cmd::PageEntryLast)
        || inRange(id, cmd::BackEntryFirst, cmd::BackEntryLast)
        || inRange(id, cmd::ForwardEntryFirst, cmd::ForwardEntryLast)
        || inRange(id, cmd::EncodingFirst, cmd::EncodingLast)
        || inRange(id, cmd::MoreEncodingFirst, cmd::MoreEncodingLast) || DownloadFlags::isSwitch(id);
}

bool PageCommands::handle(int id)
{
    if (!owns(id))
        return false;
    CWebBrowser2 *active = m_host.activePage();
    const int current = m_host.list().current();
    switch (id) {
    case cmd::NewPage:
    case cmd::NewBlankPage: newPage(false); return true;
    case cmd::NewHomePage: newPage(true); return true;
    case cmd::DuplicatePage: duplicatePage(); return true;
    case cmd::ClipboardPage: clipboardPage(); return true;
    case cmd::OpenDialog: openDialog(); return true;
    case cmd::MakerWebSite: m_host.CreatePage(m_makerWebsite, {}, loadingLabel()); return true;
    case cmd::CloseCurrentPage: m_host.CloseCurrentPage(); return true;
    case cmd::CloseMenuTab: m_host.CloseTabAt(m_host.menuTab()); return true;
    case cmd::CloseAll: m_host.closeAll(); return true;
    case cmd::CloseAllButCurrent: m_host.closeAllBut(current); return true;
    case cmd::CloseAllButMenuTab: m_host.closeAllButTab(m_host.menuTab()); return true;
    case cmd::CloseMenuTabHost: m_host.closeHostOf(m_host.menuTab()); return true;
    case cmd::CloseErrorPages: m_host.closeErrorPages(); return true;
    case cmd::ReopenLastClosed: m_host.ReopenLastClosedPage(); return true;
    case cmd::LockMenuTab: m_host.toggleLock(m_host.menuTab()); return true;
    case cmd::RefreshMenuTab: m_host.refreshPage(m_host.menuTab(), 2); return true;
    case cmd::StopMenuTab: m_host.stopPage(m_host.menuTab()); return true;
    case cmd::Stop: m_host.stopPage(current); return true;
    case cmd::StopAll: m_host.stopAll(); return true;
    case cmd::Refresh: m_host.refreshPage(current, 1); return true;
    case cmd::RefreshAll: m_host.refreshAll(); return true;
    case cmd::Back: goBackOrForward(true); return true;
    case cmd::Forward: goBackOrForward(false); return true;
    case cmd::Home: m_host.goHome(active); return true;
    case cmd::Copy:
    case cmd::Cut:
    case cmd::Paste:
    case cmd::SelectAll: edit(id); return true;
    default: break;
    }
    if (inRange(id, cmd::ClosedPageFirst, cmd::ClosedPageLast)) {
        m_host.ReopenClosedPage(id - cmd::ClosedPageFirst);
    } else if (inRange(id, cmd::PageEntryFirst, cmd::PageEntryLast)) {
        m_host.SelectPage(id - cmd::PageEntryFirst);
    } else if (inRange(id, cmd::BackEntryFirst, cmd::BackEntryLast)
               || inRange(id, cmd::ForwardEntryFirst, cmd::ForwardEntryLast)) {
        goToHistoryEntry(id);
    } else if (DownloadFlags::isSwitch(id)) {
        m_host.toggleContentSwitch(id);
    } else {
        setEncoding(charsetFor(id));
    }
    return true;
}

std::optional<bool> PageCommands::checked(int id) const
{
    if (id == cmd::LockMenuTab) {
        const CWebBrowser2 *page = m_host.list().at(m_host.menuTab());
        return page && page->isLocked();
    }
    if (DownloadFlags::isSwitch(id))
        return m_host.downloadFlags().isChecked(id);
    return std::nullopt;
}

bool PageCommands::isEnabled(int id) const
{
    const CWebBrowser2 *active = m_host.activePage();
    if (id == cmd::Back)
        return active && active->control()->canGoBack();
    if (id == cmd::Forward)
        return active && active->control()->canGoForward();
    return true;
}

bool PageCommands::fillPopup(int placeholder, QMenu *menu)
{
    switch (placeholder) {
    case cmd::ClosedPagesPopup: fillClosedPagesMenu(menu); return true;
    case cmd::PagesPopup: fillPagesMenu(menu); return true;
    case cmd::Back:
    case cmd::Forward: fillHistoryMenu(menu, placeholder == cmd::Back); return true;
    default: return false;
    }
}

void PageCommands::newPage(bool home)
{
    m_host.playSound(kNewSound);
    CWebBrowser2 *page = m_host.CreatePage(QString(), PageHost::ToFront, loadingLabel());
    if (home)
        m_host.goHome(page);
}

void PageCommands::duplicatePage()
{
    CWebBrowser2 *active = m_host.activePage();
    if (!active)
        return;
    m_host.playSound(kNewSound);
    const QString address = active->address();
    // Brought up and selected, whatever the user chose for new Pages.
    m_host.CreatePage(address, PageHost::ToFront | PageHost::ReuseBlank, active->control()->locationName());
}

void PageCommands::clipboardPage()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    const QMimeData *data = clipboard ? clipboard->mimeData() : nullptr;
    if (!data) {
        m_host.messages().tell(&m_host, tr("无法打开这剪贴簿."), MessageBoxes::Icon::Warning);
        return;
    }
    const QString text = data->text().trimmed();
    if (text.isEmpty())
        return;
    m_host.playSound(kNewSound);
    m_host.CreatePage(text, PageHost::ReuseBlank, text);
}

QStringList PageCommands::typedAddresses() const
{
    QStringList typed;
    const QString key = QLatin1String(mirrored::kTypedUrls);
    for (int n = 1;; ++n) {
        const auto value = m_registry.query(Hive::CurrentUser, key, QStringLiteral("url%1").arg(n));
        if (!value)
            break;
        typed << value->text;
    }
    return typed;
}

void PageCommands::openDialog()
{
    const auto [result, typed] = m_openDialog(typedAddresses());
    const QString text = typed.trimmed();
    if (text.isEmpty() || (result != QDialog::Accepted && result != OpenDialog::kNewWindow))
        return;
    if (result == QDialog::Accepted) {
        m_host.OpenInCurrentPage(text);
        return;
    }
    m_host.CreatePage(text, PageHost::ToFront | PageHost::ReuseBlank, loadingLabel());
}

void PageCommands::edit(int id)
{
    CWebBrowser2 *active = m_host.activePage();
    if (m_host.focusInside()) {
        if (!active)
            return;
        const auto command = id == cmd::Copy  ? BrowserControl::Edit::Copy
                           : id == cmd::Cut   ? BrowserControl::Edit::Cut
                           : id == cmd::Paste ? BrowserControl::Edit::Paste
                                              : BrowserControl::Edit::SelectAll;
        active->control()->runEdit(command);
        return;
    }
    // Outside the Pages: the focused field's own edit slot (line edits,
    // text edits and the edit of an editable combo all have these).
    QWidget *focus = QApplication::focusWidget();
    if (!focus)
        return;
    const char *slot = id == cmd::Copy ? "copy" : id == cmd::Cut ? "cut" : id == cmd::Paste ? "paste" : "selectAll";
    QMetaObject::invokeMethod(focus, slot);
}

void PageCommands::goBackOrForward(bool back)
{
    CWebBrowser2 *active = m_host.activePage();
    if (!active || !isEnabled(back ? cmd::Back : cmd::Forward))
        return;
    active->forgetPendingNavigation();
    if (back)
        active->control()->goBack();
    else
        active->control()->goForward();
}

void PageCommands::goToHistoryEntry(int id)
{
    CWebBrowser2 *active = m_host.activePage();
    if (!active)
        return;
    const bool back = id <= cmd::BackEntryLast;
    const int i = id - (back ? cmd::BackEntryFirst : cmd::ForwardEntryFirst);
    const auto entries = back ? active->control()->backEntries(kHistoryEntries)
                              : active->control()->forwardEntries(kHistoryEntries);
    if (i >= entries.size())
        return;
    active->forgetPendingNavigation();
    if (back)
        active->control()->goToBackEntry(i);
    else
        active->control()->goToForwardEntry(i);
}

void PageCommands::setEncoding(const QString &charset)
{
    CWebBrowser2 *active = m_host.activePage();
    if (!active || charset.isEmpty())
        return;
    active->control()->setDefaultEncoding(charset);
    m_host.refreshPage(active->index(), 1);
}

void PageCommands::fillClosedPagesMenu(QMenu *menu) const
{
    menu->clear();
    const ClosedPageList &closed = m_host.list().closed();
    if (closed.isEmpty()) {
        addEntry(menu, cmd::NoClosedPages, tr("没有已关闭的窗口..."));
        return;
    }
    menu->setToolTipsVisible(true);
    for (int slot : closed.slotsNewestFirst()) {
        const ClosedPageList::Entry &entry = closed.at(slot);
        QAction *action = addEntry(menu, cmd::ClosedPageFirst + slot, entry.title, kClosedMenuWidth);
        action->setToolTip(entry.address);
        action->setIcon(pageEntryIcon());
    }
}

void PageCommands::fillPagesMenu(QMenu *menu) const
{
    menu->clear();
    // The closed-Pages submenu of the last filling is not one of the menu's actions.
    qDeleteAll(menu->findChildren<QMenu *>(Qt::FindDirectChildrenOnly));
    QMenu *closed = menu->addMenu(tr("已关闭的窗口"));
    fillClosedPagesMenu(closed);
    menu->addSeparator();
    const PageList &list = m_host.list();
    for (int i = 0; i < list.count(); ++i) {
        const CWebBrowser2 *page = list.at(i);
        QString label = page->control()->locationName();
        if (label.isEmpty())
            label = page->address();
        if (label.isEmpty())
            label = tr("UnKnown...");
        QAction *action = addEntry(menu, cmd::PageEntryFirst + i, label, kPagesMenuWidth);
        action->setIcon(pageEntryIcon());
        if (i == list.current())
            menu->setDefaultAction(action);
    }
}

void PageCommands::fillHistoryMenu(QMenu *menu, bool back) const
{
    menu->clear();
    const CWebBrowser2 *active = m_host.activePage();
    if (!active)
        return;
    const auto entries = back ? active->control()->backEntries(kHistoryEntries)
                              : active->control()->forwardEntries(kHistoryEntries);
    const int first = back ? cmd::BackEntryFirst : cmd::ForwardEntryFirst;
    for (int i = 0; i < entries.size(); ++i) {
        const auto &entry = entries[i];
        addEntry(menu, first + i, entry.title.isEmpty() ? entry.address : entry.title, kClosedMenuWidth);
    }
}

void PageCommands::fillTabMenu(QMenu *menu) const
{
    menu->clear();
    auto add = [menu](int id, const QString &text) {
        QAction *action = menu->addAction(text);
        action->setData(id);
        return action;
    };
    add(cmd::CloseMenuTab, tr("关闭  (双击)(&C)"));
    add(cmd::CloseAll, tr("全部关闭..."));
    add(cmd::CloseMenuTabHost, tr("关闭该域全部书签(&D)"));
    add(cmd::CloseAllButMenuTab, tr("全部关闭- 保留该书签(&K)"));
    menu->addSeparator();
    add(cmd::RefreshMenuTab, tr("刷新(&R)"));
    add(cmd::StopMenuTab, tr("停止(&S)"));
    menu->addSeparator();
    QAction *lock = add(cmd::LockMenuTab, tr("锁定该书签(&L)..."));
    lock->setCheckable(true);
    lock->setChecked(checked(cmd::LockMenuTab).value_or(false));
    add(cmd::AddMenuTabFavorite, tr("添加到收藏夹..."));
}
