#pragma once

#include <QString>

struct AppSwitches;
class CWebBrowser2;
class PageFrame;
class PopupGate;
class QWidget;

// What a Page needs of the Pages around it to react to its control's events.
class PageContext
{
public:
    virtual bool isActive(const CWebBrowser2 *page) const = 0;
    // The window the active Page reports to.
    virtual PageFrame &frame() = 0;
    virtual const AppSwitches &switches() const = 0;
    virtual PopupGate &popupGate() = 0;
    // A Page for a window that a page opened; nothing when none can be made.
    virtual CWebBrowser2 *openWindowPage(const QString &label) = 0;
    // Whether the focus is in one of the Pages.
    virtual bool focusInside() const = 0;
    virtual void playSound(const QString &wave) = 0;
    // Shows a page's script error in a box over `over`, unless a box is up
    // already: then nothing is shown and the answer is false. The box runs
    // its own event loop; the Page that asked may be gone when it returns.
    virtual bool showScriptError(QWidget *over, const QString &text) = 0;

    // What a Page's top-level document did, for the browsing history: a
    // navigation committed to an address, the load ended on an error page,
    // the load is over, the document's title changed.
    virtual void loadCommitted(const CWebBrowser2 *, const QString & /*address*/) {}
    virtual void loadFailed(const CWebBrowser2 *) {}
    virtual void loadFinished(const CWebBrowser2 *) {}
    virtual void titleChanged(const CWebBrowser2 *, const QString & /*title*/) {}

protected:
    ~PageContext() = default;
};
