#pragma once

#include "pages/BrowserControl.h"
#include "pages/DownloadFlags.h"
#include "pages/PageContext.h"
#include "pages/PageList.h"
#include "pages/PopupGate.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

struct AppSwitches;
class CWebBrowser2;
class MessageBoxes;
class PageFrame;
class QStackedLayout;
class SoundPlayer;

// What the Page Host is built with.
struct PageHostServices
{
    ControlFactory controls;
    AppSwitches &switches;
    DownloadFlags &downloadFlags;
    PageFrame &frame;
    SoundPlayer &sounds;
    MessageBoxes &messages;
    // The home page, asked each time a Page goes home.
    std::function<QString()> homeAddress;
};

// The frame's view: it owns the open Pages, shows the active one over its
// whole area, and makes, selects, closes and reopens Pages.
class PageHost : public QWidget, private PageContext
{
    Q_OBJECT
public:
    explicit PageHost(PageHostServices services, QWidget *parent = nullptr);
    ~PageHost() override;

    PageList &list() { return m_list; }
    const PageList &list() const { return m_list; }
    CWebBrowser2 *activePage() const { return m_list.active(); }
    bool isActive(const CWebBrowser2 *page) const override { return page && page == m_list.active(); }

    enum OpenFlag {
        // The new Page comes up as the active one (with bNewWindowActive
        // every new Page does).
        ToFront = 0x1,
        // An active Page showing "about:blank" loads the address instead.
        ReuseBlank = 0x2,
    };
    Q_DECLARE_FLAGS(OpenFlags, OpenFlag)

    // Makes a Page (inserted after the active one or at the end, as the user
    // chose) and navigates it to the address, or to "about:blank" without
    // one. Nothing is returned when the active Page was reused.
    CWebBrowser2 *CreatePage(const QString &address, OpenFlags flags, const QString &label);
    void OpenInCurrentPage(const QString &address);
    // Only while there is no Page.
    void CreateFirstPage(const QString &address);
    // Makes a Page at the end of the list, behind the active one, and
    // navigates it (with whenShown, only once it is first shown); the first
    // Page becomes the active one and loads at once.
    CWebBrowser2 *appendPage(const QString &address, const QString &label, bool whenShown = false);
    // A tab click: the Page at index becomes the active one.
    void SelectPage(int index);
    // Previous (-1) or next (+1) Page, wrapping around.
    void selectNeighbour(int step);

    void CloseCurrentPage();
    void ClosePageAt(int index);
    void CloseTabAt(int index);
    void RememberClosedPage(int index);
    // A middle click on a tab: closes it and returns to the tab that was
    // selected (with fewer than 3 tabs, to the first).
    void middleClickTab(int index);
    void ReopenLastClosedPage();
    void ReopenClosedPage(int slot);

    void closeAll();
    void closeAllBut(int keep);
    void closeAllButTab(int keep);
    void closeHostOf(int index);
    void closeErrorPages();

    void toggleLock(int index);
    void unlock(int index);
    void refreshPage(int index, int level);
    void stopPage(int index);
    void refreshAll();
    void stopAll();
    void goHome(CWebBrowser2 *page);

    // Drops on the frame: files (".url" and links resolved) and text.
    void openDroppedFiles(const QStringList &files, bool ctrl);
    void openDroppedText(const QString &text);
    // Text dropped on a tab: that tab's Page loads it.
    void openTextInTab(int index, const QString &text);

    PopupGate &popupGate() override { return m_popupGate; }

    // The content switches: flips, writes, tells every Page and refreshes them.
    void toggleContentSwitch(int command);
    DownloadFlags &downloadFlags() { return m_services.downloadFlags; }

    // The text size of every Page, 0 (largest) to 4 (smallest).
    void setTextSize(int size);
    int textSize() const { return m_textSize; }
    static double zoomForTextSize(int size);

    // The tab the tab menu was opened on.
    int menuTab() const { return m_menuTab; }
    void setMenuTab(int index) { m_menuTab = index; }

    bool focusInside() const override;
    void playSound(const QString &wave) override;

    MessageBoxes &messages() { return m_services.messages; }

signals:
    // The Page at index was brought up as the active one.
    void pageShown(int index);
    // What a Page's top-level document did (for the browsing history), the
    // Page named by an opaque pointer: a navigation committed, the load
    // ended on an error page, the load is over, the title changed, the Page
    // was closed.
    void pageCommitted(const void *page, const QString &address);
    void pageFailed(const void *page);
    void pageFinished(const void *page);
    void pageTitled(const void *page, const QString &title);
    void pageClosed(const void *page);

private:
    // What the Pages ask of the host.
    PageFrame &frame() override { return m_services.frame; }
    const AppSwitches &switches() const override { return m_services.switches; }
    // A Page for a window a page opened: the engine fills it.
    CWebBrowser2 *openWindowPage(const QString &label) override;
    bool showScriptError(QWidget *over, const QString &text) override;
    void loadCommitted(const CWebBrowser2 *page, const QString &address) override { emit pageCommitted(page, address); }
    void loadFailed(const CWebBrowser2 *page) override { emit pageFailed(page); }
    void loadFinished(const CWebBrowser2 *page) override { emit pageFinished(page); }
    void titleChanged(const CWebBrowser2 *page, const QString &title) override { emit pageTitled(page, title); }

    // Shows the Page at index as made or after a close: glyph, address, focus, title.
    void selectTab(int index);
    // Before the Page at index comes up for a tab click or F2/F3: its load
    // put off starts, and the active Page's tab shows it goes to the back.
    void readyToBringUp(int index);
    // Shows the Page just made the active one: address, glyph, title.
    void bringUp(bool focus);
    void sendActiveBack();
    void showPage(CWebBrowser2 *page);
    void destroyPage(int index);
    void retire(std::unique_ptr<BrowserControl> control);
    void purgeRetired();
    std::unique_ptr<CWebBrowser2> makePage(const QString &label);
    CWebBrowser2 *insertPage(OpenFlags flags, const QString &label);

    PageHostServices m_services;
    PageList m_list;
    QStackedLayout *m_stack = nullptr;
    PopupGate m_popupGate;
    int m_menuTab = 0;
    // Controls of closed Pages, deleted once their own events are over.
    std::vector<std::unique_ptr<BrowserControl>> m_retired;
    bool m_purgeQueued = false;
    bool m_scriptErrorShown = false;
    int m_textSize = 2;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(PageHost::OpenFlags)
