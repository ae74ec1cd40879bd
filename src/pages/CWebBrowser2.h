#pragma once

#include "pages/BrowserControl.h"
#include "pages/TabGlyph.h"

#include <QObject>
#include <QString>

#include <memory>

class PageHost;

// One Page: a tab's browser control with the little state the Pages keep on
// it. The event handlers (PageEvents.cpp) turn the control's events into this
// state, the tab's label and glyph, and the frame's title and status.
class CWebBrowser2 : public QObject
{
    Q_OBJECT
public:
    enum State { Normal = 0, NewWindow = 1, Error = 2, Locked = 3 };

    CWebBrowser2(std::unique_ptr<BrowserControl> control, PageHost &host);
    ~CWebBrowser2() override;

    BrowserControl *control() const { return m_control.get(); }
    // Gives the control up (the Page is being destroyed).
    std::unique_ptr<BrowserControl> releaseControl();

    QString title;
    State state = Normal;
    int index = 0;
    // A top-level navigation is under way.
    bool pending = false;

    bool isLoading() const { return pending; }
    bool isLocked() const { return state == Locked; }
    QString address() const;

    // What the Page's tab shows.
    QString tabLabel() const { return m_tabLabel; }
    TabGlyph tabImage() const { return m_tabImage; }
    void setTabLabel(const QString &label);
    void setTabImage(TabGlyph image);
    // Made for a window: the label from the link stays over "about:blank" titles.
    void keepWindowLabel() { m_keepsWindowLabel = true; }

    // A Page restored at start that loads its address only when first shown;
    // until then it stands for that address everywhere (tabs, saving, closing).
    void deferLoad(const QString &address) { m_deferred = address; }
    bool isLoadDeferred() const { return !m_deferred.isEmpty(); }
    // Starts the load put off (the Page is being shown).
    void startDeferredLoad();

signals:
    // The tab's label or glyph changed.
    void tabChanged(CWebBrowser2 *page);

private:
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
    PageHost &m_host;
    QString m_tabLabel;
    TabGlyph m_tabImage = TabGlyph::Loading;
    bool m_keepsWindowLabel = false;
    QString m_deferred;
};
