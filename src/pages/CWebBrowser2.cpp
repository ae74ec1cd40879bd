#include "pages/CWebBrowser2.h"

#include "pages/PageContext.h"

#include <QWidget>

CWebBrowser2::CWebBrowser2(std::unique_ptr<BrowserControl> control, PageContext &context)
    : m_control(std::move(control))
    , m_context(context)
{
    connectEvents();
}

CWebBrowser2::~CWebBrowser2() = default;

std::unique_ptr<BrowserControl> CWebBrowser2::releaseControl()
{
    if (m_control)
        m_control->disconnect(this);
    return std::move(m_control);
}

QString CWebBrowser2::address() const
{
    if (!m_deferred.isEmpty())
        return m_deferred;
    return m_control ? m_control->locationUrl() : QString();
}

void CWebBrowser2::becomeWindowPage(const QString &label)
{
    m_title = label;
    m_keepsWindowLabel = true;
    setState(NewWindow);
}

void CWebBrowser2::lock()
{
    setState(Locked);
    setTabImage(TabGlyph::Locked);
}

void CWebBrowser2::unlock()
{
    if (!isLocked())
        return;
    setState(Normal);
    setTabImage(isActive() ? TabGlyph::LoadedActive : TabGlyph::Loaded);
}

void CWebBrowser2::startDeferredLoad()
{
    const QString address = m_deferred;
    m_deferred.clear();
    if (!address.isEmpty() && m_control)
        m_control->navigate(address);
}

void CWebBrowser2::setTabLabel(const QString &label)
{
    if (label == m_tabLabel)
        return;
    m_tabLabel = label;
    emit tabChanged(this);
}

void CWebBrowser2::setTabImage(TabGlyph image)
{
    if (image == m_tabImage)
        return;
    m_tabImage = image;
    emit tabChanged(this);
}
