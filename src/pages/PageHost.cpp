#include "pages/PageHost.h"

#include "core/AppSwitches.h"
#include "pages/BlankPage.h"
#include "pages/CWebBrowser2.h"
#include "pages/DroppedFile.h"
#include "pages/PageFrame.h"
#include "platform/Sounds.h"
#include "ui/MessageBoxes.h"

#include <QApplication>
#include <QPointer>
#include <QScopeGuard>
#include <QStackedLayout>
#include <QTimer>
#include <QUrl>

namespace {


} // namespace

PageHost::PageHost(PageHostServices services, QWidget *parent)
    : QWidget(parent)
    , m_services(std::move(services))
{
    m_stack = new QStackedLayout(this);
    m_stack->setContentsMargins(0, 0, 0, 0);
}

PageHost::~PageHost()
{
    // Pages go while the host and its services are still whole.
    while (!m_list.isEmpty()) {
        auto page = m_list.take(m_list.count() - 1);
        auto control = page->releaseControl();
        page.reset();
        control.reset();
    }
    m_retired.clear();
}

std::unique_ptr<CWebBrowser2> PageHost::makePage(const QString &label)
{
    std::unique_ptr<BrowserControl> control = m_services.controls ? m_services.controls(this) : nullptr;
    if (!control || !control->widget())
        return nullptr;
    control->setContentPolicy(m_services.downloadFlags.policy());
    control->setZoomFactor(zoomForTextSize(m_textSize));
    m_stack->addWidget(control->widget());
    auto page = std::make_unique<CWebBrowser2>(std::move(control), static_cast<PageContext &>(*this));
    page->setTabLabel(label);
    page->setTabImage(TabGlyph::Loading);
    return page;
}

CWebBrowser2 *PageHost::insertPage(OpenFlags flags, const QString &label)
{
    auto owned = makePage(label);
    if (!owned)
        return nullptr;
    CWebBrowser2 *page = owned.get();

    // The first Page is the active one whatever is asked.
    const bool first = m_list.isEmpty();
    m_list.insert(m_list.placeForNew(m_services.switches.bNewWindowFollow), std::move(owned));
    if (!first && (flags.testFlag(ToFront) || m_services.switches.bNewWindowActive)) {
        sendActiveBack();
        m_list.select(page->index());
        selectTab(page->index());
    }
    return page;
}

CWebBrowser2 *PageHost::CreatePage(const QString &address, OpenFlags flags, const QString &label)
{
    CWebBrowser2 *active = m_list.active();
    if (flags.testFlag(ReuseBlank) && active && active->address() == kBlankAddress) {
        OpenInCurrentPage(address);
        return nullptr;
    }
    if (m_list.isEmpty()) {
        CreateFirstPage(address.isEmpty() ? kBlankAddress : address);
        CWebBrowser2 *first = m_list.active();
        if (first)
            first->setTabLabel(label);
        return first;
    }
    CWebBrowser2 *page = insertPage(flags, label);
    if (!page)
        return nullptr;
    page->control()->navigate(address.isEmpty() ? kBlankAddress : address);
    return page;
}

CWebBrowser2 *PageHost::openWindowPage(const QString &label)
{
    CWebBrowser2 *page = insertPage({}, label);
    if (page)
        page->becomeWindowPage(label);
    return page;
}

void PageHost::OpenInCurrentPage(const QString &address)
{
    if (CWebBrowser2 *page = m_list.active()) {
        if (!address.isEmpty())
            page->control()->navigate(address);
        return;
    }
    CreatePage(address, {}, loadingLabel());
}

CWebBrowser2 *PageHost::appendPage(const QString &address, const QString &label, bool whenShown)
{
    if (m_list.isEmpty()) {
        CreateFirstPage(address);
        return m_list.active();
    }
    auto owned = makePage(label);
    if (!owned)
        return nullptr;
    CWebBrowser2 *page = owned.get();
    if (whenShown && !address.isEmpty()) {
        page->deferLoad(address);
        page->setTabLabel(address);
        page->setTabImage(TabGlyph::Loaded); // not loading
    }
    m_list.insert(m_list.count(), std::move(owned));
    if (!page->isLoadDeferred())
        page->control()->navigate(address.isEmpty() ? kBlankAddress : address);
    return page;
}

void PageHost::CreateFirstPage(const QString &address)
{
    if (!m_list.isEmpty())
        return;
    CWebBrowser2 *page = insertPage({}, loadingLabel());
    if (!page)
        return;
    selectTab(0);
    page->control()->navigate(address.isEmpty() ? kBlankAddress : address);
}

void PageHost::sendActiveBack()
{
    // A loaded Page that is no longer the active one shows it on its tab.
    CWebBrowser2 *was = m_list.active();
    if (was && was->tabImage() == TabGlyph::LoadedActive)
        was->setTabImage(TabGlyph::Loaded);
}

void PageHost::showPage(CWebBrowser2 *page)
{
    m_stack->setCurrentWidget(page->control()->widget());
    // The progress pane follows the Page shown.
    if (!page->isLoading())
        m_services.frame.setProgress(0, 0);
    emit pageShown(page->index());
}

void PageHost::selectTab(int index)
{
    CWebBrowser2 *page = m_list.at(index);
    if (!page)
        return;
    if (page->state() != CWebBrowser2::Error && !page->isLocked())
        page->setTabImage(TabGlyph::LoadedActive);
    showPage(page);
    m_services.frame.setAddressText(page->address());
    page->control()->widget()->setFocus();
    m_services.frame.setFrameTitle(page->title());
}

void PageHost::readyToBringUp(int index)
{
    if (CWebBrowser2 *page = m_list.at(index); page && page->isLoadDeferred())
        page->startDeferredLoad();
    sendActiveBack();
}

void PageHost::bringUp(bool focus)
{
    CWebBrowser2 *page = m_list.active();
    m_services.frame.setAddressText(page->address());
    if (focus)
        page->control()->widget()->setFocus();
    if (!page->isLoading() && page->state() != CWebBrowser2::Error && !page->isLocked())
        page->setTabImage(TabGlyph::LoadedActive);
    showPage(page);
    m_services.frame.setFrameTitle(page->title());
}

void PageHost::SelectPage(int index)
{
    if (!m_list.at(index) || index == m_list.current())
        return;
    readyToBringUp(index);
    m_list.select(index);
    bringUp(true);
}

void PageHost::selectNeighbour(int step)
{
    const int index = m_list.neighbour(step);
    if (index < 0)
        return;
    readyToBringUp(index);
    m_list.selectNeighbour(step);
    // The focus stays where it is.
    bringUp(false);
}

void PageHost::CloseCurrentPage()
{
    ClosePageAt(m_list.current());
}

void PageHost::ClosePageAt(int index)
{
    CWebBrowser2 *page = m_list.at(index);
    if (!page || page->isLocked())
        return;
    RememberClosedPage(index);
    m_popupGate.release();
    destroyPage(index);
}

void PageHost::CloseTabAt(int index)
{
    CWebBrowser2 *page = m_list.at(index);
    if (!page || page->isLocked())
        return;
    if (index == m_list.current()) {
        CloseCurrentPage();
        return;
    }
    m_list.prepareTabClose();
    ClosePageAt(index);
}

void PageHost::middleClickTab(int index)
{
    CWebBrowser2 *page = m_list.at(index);
    if (!page)
        return;
    m_list.prepareMiddleClickClose(!page->isLocked());
    ClosePageAt(index);
}

void PageHost::destroyPage(int index)
{
    const bool wasActive = index == m_list.current();
    auto page = m_list.take(index);
    if (!page)
        return;
    emit pageClosed(page.get());
    retire(page->releaseControl());
    page.reset();
    if (!wasActive)
        return;
    // There is always a Page.
    if (m_list.isEmpty())
        CreateFirstPage(kBlankAddress);
    else
        selectTab(m_list.current());
}

void PageHost::retire(std::unique_ptr<BrowserControl> control)
{
    if (!control)
        return;
    // The control may be in the middle of raising one of its own events:
    // it is hidden now and deleted once control is back in the event loop.
    control->disconnect();
    if (QWidget *widget = control->widget()) {
        m_stack->removeWidget(widget);
        widget->hide();
    }
    m_retired.push_back(std::move(control));
    if (!m_purgeQueued) {
        m_purgeQueued = true;
        QTimer::singleShot(0, this, &PageHost::purgeRetired);
    }
}

void PageHost::purgeRetired()
{
    m_purgeQueued = false;
    m_retired.clear();
}

void PageHost::RememberClosedPage(int index)
{
    m_list.rememberClosed(index);
}

void PageHost::ReopenLastClosedPage()
{
    const ClosedPageList &closed = m_list.closed();
    if (closed.isEmpty())
        return;
    const QString address = closed.at(closed.newestSlot()).address;
    if (address.isEmpty())
        return;
    CreatePage(address, ReuseBlank, loadingLabel());
    m_list.forgetNewestClosed();
}

void PageHost::ReopenClosedPage(int slot)
{
    const ClosedPageList &closed = m_list.closed();
    if (!closed.holds(slot))
        return;
    CreatePage(closed.at(slot).address, ReuseBlank, loadingLabel());
    m_list.forgetClosed(slot);
}

void PageHost::closeAll()
{
    for (int i = m_list.count() - 1; i >= 0; --i)
        ClosePageAt(i);
}

void PageHost::closeAllBut(int keep)
{
    CWebBrowser2 *kept = m_list.at(keep);
    if (!kept)
        return;
    m_list.prepareCloseAllBut(keep);
    for (int i = m_list.count() - 1; i > kept->index(); --i)
        ClosePageAt(i);
    for (int i = kept->index() - 1; i >= 0; --i)
        ClosePageAt(i);
}

void PageHost::closeAllButTab(int keep)
{
    CWebBrowser2 *kept = m_list.at(keep);
    if (!kept)
        return;
    for (int i = m_list.count() - 1; i > kept->index(); --i)
        CloseTabAt(i);
    for (int i = kept->index() - 1; i >= 0; --i)
        CloseTabAt(i);
}

void PageHost::closeHostOf(int index)
{
    CWebBrowser2 *page = m_list.at(index);
    if (!page)
        return;
    const QUrl url(page->address(), QUrl::StrictMode);
    const QString host = url.host();
    if (!url.isValid() || host.isEmpty())
        return;
    for (int i = m_list.count() - 1; i >= 0; --i) {
        CWebBrowser2 *candidate = m_list.at(i);
        if (candidate && candidate->address().contains(host))
            CloseTabAt(i);
    }
}

void PageHost::closeErrorPages()
{
    for (int i = m_list.count() - 1; i >= 0; --i) {
        CWebBrowser2 *page = m_list.at(i);
        if (page && page->state() == CWebBrowser2::Error)
            ClosePageAt(i);
    }
}

void PageHost::toggleLock(int index)
{
    CWebBrowser2 *page = m_list.at(index);
    if (!page)
        return;
    if (page->isLocked())
        page->unlock();
    else
        page->lock();
}

void PageHost::unlock(int index)
{
    if (CWebBrowser2 *page = m_list.at(index))
        page->unlock();
}

void PageHost::refreshPage(int index, int level)
{
    if (CWebBrowser2 *page = m_list.at(index)) {
        // The reload's own start records the pending navigation again.
        page->forgetPendingNavigation();
        page->control()->refresh(level);
    }
}

void PageHost::stopPage(int index)
{
    if (CWebBrowser2 *page = m_list.at(index))
        page->control()->stop();
}

void PageHost::refreshAll()
{
    for (int i = 0; i < m_list.count(); ++i)
        refreshPage(i, 1);
}

void PageHost::stopAll()
{
    for (int i = 0; i < m_list.count(); ++i)
        stopPage(i);
}

void PageHost::goHome(CWebBrowser2 *page)
{
    if (!page)
        return;
    const QString home = m_services.homeAddress ? m_services.homeAddress() : QString();
    page->forgetPendingNavigation();
    page->control()->navigate(home.isEmpty() ? kBlankAddress : home);
}

void PageHost::openDroppedFiles(const QStringList &files, bool ctrl)
{
    for (int i = 0; i < files.size(); ++i) {
        const QString address = DroppedFile::address(files[i]);
        // A shortcut may hold a script: it would run in the active Page's site.
        if (address.isEmpty() || DroppedFile::isScript(address))
            continue;
        if (i == 0 && !ctrl)
            OpenInCurrentPage(address);
        else
            CreatePage(address, ReuseBlank, loadingLabel());
    }
}

void PageHost::openDroppedText(const QString &text)
{
    if (DroppedFile::isScript(text))
        return;
    CreatePage(text.trimmed(), {}, loadingLabel());
}

void PageHost::openTextInTab(int index, const QString &text)
{
    CWebBrowser2 *page = m_list.at(index);
    // Only an address the address bar would open: a script dragged out of one
    // page must not run in another page's site, and mere words open nothing.
    const QString address = DroppedFile::openableAddress(text);
    if (!page || address.isEmpty())
        return;
    page->setTabLabel(tr("loading..."));
    page->setTabImage(TabGlyph::LoadedActive);
    page->control()->navigate(address);
}

void PageHost::toggleContentSwitch(int command)
{
    if (!DownloadFlags::isSwitch(command))
        return;
    m_services.downloadFlags.toggle(command);
    const auto policy = m_services.downloadFlags.policy();
    for (int i = 0; i < m_list.count(); ++i)
        m_list.at(i)->control()->setContentPolicy(policy);
    refreshAll();
}

double PageHost::zoomForTextSize(int size)
{
    // Largest to smallest, the middle one being the page's own size.
    static constexpr double kZoom[] = {1.5, 1.25, 1.0, 0.85, 0.7};
    return kZoom[std::clamp(size, 0, 4)];
}

void PageHost::setTextSize(int size)
{
    m_textSize = std::clamp(size, 0, 4);
    for (int i = 0; i < m_list.count(); ++i)
        m_list.at(i)->control()->setZoomFactor(zoomForTextSize(m_textSize));
}

bool PageHost::showScriptError(QWidget *over, const QString &text)
{
    if (m_scriptErrorShown)
        return false;
    m_scriptErrorShown = true;
    // The box runs its own event loop: the host may be gone after it.
    const auto done = qScopeGuard([host = QPointer<PageHost>(this)] {
        if (host)
            host->m_scriptErrorShown = false;
    });
    m_services.messages.tell(over, text, MessageBoxes::Icon::Warning, tr("脚本错误"));
    return true;
}

bool PageHost::focusInside() const
{
    QWidget *focus = QApplication::focusWidget();
    return focus && isAncestorOf(focus);
}

void PageHost::playSound(const QString &wave)
{
    if (m_services.switches.bSound)
        m_services.sounds.play(wave);
}
