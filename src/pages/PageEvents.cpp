// The Page's reactions to its control's events: load state, tab glyph and
// label, the frame's title, status and progress, and new windows.
#include "pages/CWebBrowser2.h"

#include "core/AppSwitches.h"
#include "pages/BlankPage.h"
#include "pages/PageContext.h"
#include "pages/PageFrame.h"
#include "pages/PopupGate.h"
#include "pages/PopupRule.h"
#include "pages/StatusFilter.h"

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
    return m_context.isActive(this);
}

void CWebBrowser2::onBeforeNavigate2(BrowserControl::Frame frame)
{
    if (m_state == NewWindow)
        setState(Normal);
    if (frame != BrowserControl::Frame::Top || m_pending)
        return;
    m_pending = true;
    if (isActive())
        m_context.popupGate().release();
    if (m_state == Error)
        setState(Normal);
    if (!isLocked())
        setTabImage(TabGlyph::Loading);
}

void CWebBrowser2::onNavigateError(BrowserControl::Frame frame)
{
    if (frame != BrowserControl::Frame::Top)
        return;
    m_context.loadFailed(this);
    m_pending = true;
    setState(Error);
    setTabImage(TabGlyph::Loading);
}

void CWebBrowser2::onNavigateComplete2(BrowserControl::Frame frame)
{
    if (frame != BrowserControl::Frame::Top || !m_pending)
        return;
    m_context.loadCommitted(this, address());
    // What the user is typing in the address bar stays, and so does the focus.
    if (isActive() && !m_context.frame().isEditingAddress()) {
        const QString location = address();
        if (location != kBlankAddress) {
            if (!m_context.focusInside())
                m_control->widget()->setFocus();
            m_context.frame().setAddressText(location);
        } else {
            m_context.frame().focusAddressBar();
        }
    }
    if (!isLocked())
        setTabImage(TabGlyph::DocumentLoading);
}

void CWebBrowser2::onDocumentComplete(BrowserControl::Frame frame)
{
    if (frame != BrowserControl::Frame::Top)
        return;
    m_pending = false;
    m_context.loadFinished(this);
    if (isLocked())
        return;
    if (m_state == Error)
        setTabImage(TabGlyph::ErrorPage);
    else
        setTabImage(isActive() ? TabGlyph::LoadedActive : TabGlyph::Loaded);
}

void CWebBrowser2::onTitleChange(const QString &text)
{
    if (text.isEmpty())
        return;
    m_context.titleChanged(this, text);
    // A window opened from a link keeps the link's text until it has a
    // title of its own: the engine names a window "about:blank" before, and
    // sometimes after, the window's first navigation has started.
    const bool blank = text.compare(kBlankAddress, Qt::CaseInsensitive) == 0;
    if (!(blank && (m_state == NewWindow || m_keepsWindowLabel)))
        setTabLabel(text);
    if (!blank)
        m_keepsWindowLabel = false;
    m_title = text;
    if (isActive())
        m_context.frame().setFrameTitle(text);
}

void CWebBrowser2::onStatusTextChange(const QString &text)
{
    if (!isActive())
        return;
    // An empty text clears the pane: the mouse has left the link whose
    // address it shows, and the address must not stay behind.
    if (m_context.switches().NostatusText && !text.isEmpty() && !StatusFilter::isAddressLike(text))
        return;
    m_context.frame().setStatusText(text);
}

void CWebBrowser2::onProgressChange(int progress, int maximum)
{
    if (!isActive())
        return;
    m_context.frame().setProgress(std::clamp(progress, 0, std::max(maximum, 0)), maximum);
}

void CWebBrowser2::onSetSecureLockIcon(int level)
{
    if (!isActive())
        return;
    m_context.frame().setSecurityText(StatusFilter::securityText(level));
}

void CWebBrowser2::onNewWindow2(NewWindowRequest &request)
{
    PopupRule::Request facts;
    PopupGate &gate = m_context.popupGate();
    facts.blocking = m_context.switches().KillPopup;
    facts.fromActivePage = isActive();
    facts.userInitiated = request.isUserInitiated();
    facts.activeElement = m_control->activeElement();
    facts.lastClicked = gate.lastClicked();
    const PopupRule::Verdict verdict = PopupRule::decide(facts);
    if (!verdict.allowed)
        return;
    // One click lets one window through.
    gate.release();
    CWebBrowser2 *page = m_context.openWindowPage(verdict.label);
    if (!page)
        return;
    request.openIn(page->control());
}

void CWebBrowser2::onScriptError(const QString &message, const QString &source, int line)
{
    // Unless script errors are silenced they are shown in a box. A page that
    // fails on a timer must not stack box upon box: while one box is up, the
    // next errors only reach the status bar.
    if (!m_context.switches().bSilent
        && m_context.showScriptError(m_control->widget(),
                                     tr("%1\n\n%2\n行: %3").arg(message, source, QString::number(line))))
        return; // this Page may be gone now
    if (isActive())
        m_context.frame().setStatusText(tr("脚本错误!"));
}

void CWebBrowser2::onElementReleased(const ElementInfo &element)
{
    if (isActive() && m_context.switches().KillPopup)
        m_context.popupGate().clicked(element);
}

void CWebBrowser2::onEnterPressed(const ElementInfo &active, bool ctrl)
{
    if (!isActive())
        return;
    if (ctrl) {
        m_context.popupGate().release();
        return;
    }
    if (m_context.switches().KillPopup)
        m_context.popupGate().clicked(active);
}

void CWebBrowser2::onFormSubmittedByKey()
{
    if (isActive()) {
        m_context.playSound(QStringLiteral("new.wav"));
        m_context.popupGate().release();
    }
}
