// The Page's reactions to its control's events: load state, tab glyph and
// label, the frame's title, status and progress, and new windows.
#include "pages/CWebBrowser2.h"

#include "core/AppSwitches.h"
#include "pages/PageFrame.h"
#include "pages/PageHost.h"
#include "pages/PopupRule.h"
#include "pages/StatusFilter.h"
#include "ui/MessageBoxes.h"

#include <QPointer>
#include <QScopeGuard>
#include <QWidget>

void CWebBrowser2::connectEvents()
{
    BrowserControl *c = m_control.get();
    connect(c, &BrowserControl::beforeNavigate2, this, &CWebBrowser2::onBeforeNavigate2);
    connect(c, &BrowserControl::navigateComplete2, this, &CWebBrowser2::onNavigateComplete2);
    connect(c, &BrowserControl::documentComplete, this, &CWebBrowser2::onDocumentComplete);
    connect(c, &BrowserControl::navigateError, this, &CWebBrowser2::onNavigateError);
    connect(c, &BrowserControl::titleChange, this, &CWebBrowser2::onTitleChange);
    connect(c, &BrowserControl::statusTextChange, this, &CWebBrowser2::onStatusTextChange);
    connect(c, &BrowserControl::progressChange, this, &CWebBrowser2::onProgressChange);
    connect(c, &BrowserControl::newWindow2, this, &CWebBrowser2::onNewWindow2);
    connect(c, &BrowserControl::setSecureLockIcon, this, &CWebBrowser2::onSetSecureLockIcon);
    connect(c, &BrowserControl::scriptError, this, &CWebBrowser2::onScriptError);
    connect(c, &BrowserControl::elementReleased, this, &CWebBrowser2::onElementReleased);
    connect(c, &BrowserControl::enterPressed, this, &CWebBrowser2::onEnterPressed);
    connect(c, &BrowserControl::formSubmittedByKey, this, &CWebBrowser2::onFormSubmittedByKey);
}

bool CWebBrowser2::isActive() const
{
    return m_host.isActive(this);
}

void CWebBrowser2::onBeforeNavigate2(BrowserControl::Frame frame)
{
    if (state == NewWindow)
        state = Normal;
    if (frame != BrowserControl::Frame::Top || pending)
        return;
    pending = true;
    if (isActive())
        m_host.releaseLastClicked();
    if (state == Error)
        state = Normal;
    if (!isLocked())
        setTabImage(TabGlyph::Loading);
}

void CWebBrowser2::onNavigateError(BrowserControl::Frame frame)
{
    if (frame != BrowserControl::Frame::Top)
        return;
    pending = true;
    state = Error;
    setTabImage(TabGlyph::Loading);
}

void CWebBrowser2::onNavigateComplete2(BrowserControl::Frame frame)
{
    if (frame != BrowserControl::Frame::Top || !pending)
        return;
    // What the user is typing in the address bar stays, and so does the focus.
    if (isActive() && !m_host.frame().isEditingAddress()) {
        const QString location = address();
        if (location != QLatin1String("about:blank")) {
            if (!m_host.focusInside())
                m_control->widget()->setFocus();
            m_host.frame().setAddressText(location);
        } else {
            m_host.frame().focusAddressBar();
        }
    }
    if (!isLocked())
        setTabImage(TabGlyph::DocumentLoading);
}

void CWebBrowser2::onDocumentComplete(BrowserControl::Frame frame)
{
    if (frame != BrowserControl::Frame::Top)
        return;
    pending = false;
    if (isLocked())
        return;
    if (state == Error)
        setTabImage(TabGlyph::ErrorPage);
    else
        setTabImage(isActive() ? TabGlyph::LoadedActive : TabGlyph::Loaded);
}

void CWebBrowser2::onTitleChange(const QString &text)
{
    if (text.isEmpty())
        return;
    // A window opened from a link keeps the link's text until it has a
    // title of its own: the engine names a window "about:blank" before, and
    // sometimes after, the window's first navigation has started.
    const bool blank = text.compare(QLatin1String("about:blank"), Qt::CaseInsensitive) == 0;
    if (!(blank && (state == NewWindow || m_keepsWindowLabel)))
        setTabLabel(text);
    if (!blank)
        m_keepsWindowLabel = false;
    title = text;
    if (isActive())
        m_host.frame().setFrameTitle(text);
}

void CWebBrowser2::onStatusTextChange(const QString &text)
{
    if (!isActive())
        return;
    // An empty text clears the pane: the mouse has left the link whose
    // address it shows, and the address must not stay behind.
    if (m_host.switches().NostatusText && !text.isEmpty() && !StatusFilter::isAddressLike(text))
        return;
    m_host.frame().setStatusText(text);
}

void CWebBrowser2::onProgressChange(int progress, int maximum)
{
    if (!isActive())
        return;
    m_host.frame().setProgress(std::clamp(progress, 0, std::max(maximum, 0)), maximum);
}

void CWebBrowser2::onSetSecureLockIcon(int level)
{
    if (!isActive())
        return;
    m_host.frame().setSecurityText(StatusFilter::securityText(level));
}

void CWebBrowser2::onNewWindow2(NewWindowRequest &request)
{
    PopupRule::Request facts;
    facts.blocking = m_host.switches().KillPopup;
    facts.fromActivePage = isActive();
    facts.userInitiated = request.isUserInitiated();
    facts.activeElement = m_control->activeElement();
    facts.lastClicked = m_host.lastClicked();
    const PopupRule::Verdict verdict = PopupRule::decide(facts);
    if (!verdict.allowed)
        return;
    // One click lets one window through.
    m_host.releaseLastClicked();
    CWebBrowser2 *page = m_host.createWindowPage(verdict.label);
    if (!page)
        return;
    request.openIn(page->control());
}

void CWebBrowser2::onScriptError(const QString &message, const QString &source, int line)
{
    if (m_host.switches().bSilent) {
        if (isActive())
            m_host.frame().setStatusText(QStringLiteral("脚本错误!"));
        return;
    }
    // A page that fails on a timer must not stack box upon box: while one
    // error is shown, the next ones only reach the status bar.
    if (m_host.isShowingScriptError()) {
        if (isActive())
            m_host.frame().setStatusText(QStringLiteral("脚本错误!"));
        return;
    }
    m_host.setShowingScriptError(true);
    // The box runs its own event loop: the host may be all that is left after it.
    const auto done = qScopeGuard([host = QPointer<PageHost>(&m_host)] {
        if (host)
            host->setShowingScriptError(false);
    });
    m_host.messages().tell(m_control->widget(),
                           QStringLiteral("%1\n\n%2\n行: %3").arg(message, source).arg(line),
                           MessageBoxes::Icon::Warning, QStringLiteral("脚本错误"));
}

void CWebBrowser2::onElementReleased(const ElementInfo &element)
{
    if (isActive() && m_host.switches().KillPopup)
        m_host.setLastClicked(element);
}

void CWebBrowser2::onEnterPressed(const ElementInfo &active, bool ctrl)
{
    if (!isActive())
        return;
    if (ctrl) {
        m_host.releaseLastClicked();
        return;
    }
    if (m_host.switches().KillPopup)
        m_host.setLastClicked(active);
}

void CWebBrowser2::onFormSubmittedByKey()
{
    if (isActive()) {
        m_host.playSound(QStringLiteral("new.wav"));
        m_host.releaseLastClicked();
    }
}
