#pragma once

#include "pages/BlankPage.h"
#include "pages/BrowserControl.h"
#include "pages/TabGlyph.h"

#include <QObject>
#include <QString>

#include <memory>

class PageContext;

// One Page: a tab's browser control with the little state the Pages keep on
// it. The event handlers (PageEvents.cpp) turn the control's events into this
// state, the tab's label and glyph, and the frame's title and status.
class CWebBrowser2 : public QObject
{
    Q_OBJECT
public:
    enum State { Normal = 0, NewWindow = 1, Error = 2, Locked = 3 };

    CWebBrowser2(std::unique_ptr<BrowserControl> control, PageContext &context);
    ~CWebBrowser2() override;

    BrowserControl *control() const { return m_control.get(); }
    // Gives the control up (the Page is being destroyed).
    std::unique_ptr<BrowserControl> releaseControl();

    // The last title the control reported; "about:blank" at first.
    QString title() const { return m_title; }
    State state() const { return m_state; }
    // The Page's place in the page list, which keeps it up to date.
    int index() const { return m_index; }
    // A top-level navigation is under way.
    bool isLoading() const { return m_pending; }
    bool isLocked() const { return m_state == Locked; }
    QString address() const;

    // Made for a window that a page opened: titled with the label from the
    // link, which the tab keeps over "about:blank" titles.
    void becomeWindowPage(const QString &label);
    // A locked Page ignores every close.
    void lock();
    void unlock();
    // The next top-level start counts as a navigation of its own (a reload
    // or a step through the history is about to start one).
    void forgetPendingNavigation() { m_pending = false; }

    // What the Page's tab shows.
    QString tabLabel() const { return m_tabLabel; }
    TabGlyph tabImage() const { return m_tabImage; }
    void setTabLabel(const QString &label);
    void setTabImage(TabGlyph image);

    // A Page restored at start that loads its address only when first shown;
    // until then it stands for that address everywhere (tabs, saving, closing).
    void deferLoad(const QString &address) { m_deferred = address; }
    bool isLoadDeferred() const { return !m_deferred.isEmpty(); }
    // Starts the load put off (the Page is being shown).
    void startDeferredLoad();

signals:
    // What the tab shows changed: its label or its glyph.
    void tabChanged(CWebBrowser2 *page);

private:
    friend class PageList; // numbers its Pages
    void setIndex(int index) { m_index = index; }
    // A change of state that the tab shows (locked, error) comes with a glyph
    // of its own, and that announces it.
    void setState(State state) { m_state = state; }

    void connectEvents();
    void onBeforeNavigate2(BrowserControl::Frame frame);
    void onNavigateComplete2(BrowserControl::Frame frame);
    void onDocumentComplete(BrowserControl::Frame frame);
    void onNavigateError(BrowserControl::Frame frame);
    void onTitleChange(const QString &text);
    void onStatusTextChange(const QString &text);
    void onProgressChange(int progress, int maximum);
    void onNewWindow2(NewWindowRequest &request);
    void onSetSecureLockIcon(int level);
    void onScriptError(const QString &message, const QString &source, int line);
    void onElementReleased(const ElementInfo &element);
    void onEnterPressed(const ElementInfo &active, bool ctrl);
    void onFormSubmittedByKey();
    bool isActive() const;

    std::unique_ptr<BrowserControl> m_control;
    PageContext &m_context;
    QString m_title = kBlankAddress;
    State m_state = Normal;
    int m_index = 0;
    bool m_pending = false;
    QString m_tabLabel;
    TabGlyph m_tabImage = TabGlyph::Loading;
    bool m_keepsWindowLabel = false;
    QString m_deferred;
};
