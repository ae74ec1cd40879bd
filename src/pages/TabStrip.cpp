#include "pages/TabStrip.h"

#include "pages/CWebBrowser2.h"
#include "pages/PageHost.h"

#include <QApplication>
#include <QBitmap>
#include <QContextMenuEvent>
#include <QDrag>
#include <QHelpEvent>
#include <QMimeData>
#include <QUrl>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

namespace {

constexpr int kTextLeft = 18; // glyph at 4, 10 wide, then a little room

} // namespace

TabStrip::TabStrip(PageHost &host, QWidget *parent)
    : QWidget(parent)
    , m_host(host)
{
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setAcceptDrops(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    const PageList &list = m_host.list();
    connect(&list, &PageList::inserted, this, [this](int index) {
        fit(TabGeometry::Fit::Adding);
        ensureVisible(index);
        update();
    });
    connect(&list, &PageList::removed, this, [this] {
        m_hotTab = m_pressedGlyph = m_litGlyph = -1;
        fit(TabGeometry::Fit::Resize);
        update();
    });
    connect(&list, &PageList::currentChanged, this, [this](int index) {
        ensureVisible(index);
        update();
    });
    connect(&list, &PageList::tabChanged, this, [this](int index) { update(tabRect(index)); });
}

QPixmap TabStrip::glyph(TabGlyph image)
{
    static const QPixmap strip = [] {
        QPixmap pixmap(QStringLiteral(":/tabglyphs.png"));
        pixmap.setMask(pixmap.createMaskFromColor(QColor(255, 0, 255)));
        return pixmap;
    }();
    const int n = static_cast<int>(image);
    if (n < 0 || n >= kTabGlyphCount)
        return {};
    return strip.copy(n * 10, 0, 10, 10);
}

void TabStrip::setTabsOnTop(bool onTop)
{
    m_onTop = onTop;
    update();
}

int TabStrip::count() const
{
    return m_host.list().count();
}

QSize TabStrip::sizeHint() const
{
    return {400, std::max(fontMetrics().height() + 10, 22)};
}

QSize TabStrip::minimumSizeHint() const
{
    return {TabGeometry::kMinimumWidth, sizeHint().height()};
}

QRect TabStrip::tabRect(int index) const
{
    return QRect(index * m_tabWidth - m_scroll, 0, m_tabWidth, height());
}

int TabStrip::tabAt(const QPoint &point) const
{
    if (point.y() < 0 || point.y() >= height() || m_tabWidth <= 0)
        return -1;
    const int x = point.x() + m_scroll;
    if (x < 0)
        return -1;
    const int index = x / m_tabWidth;
    return index < count() ? index : -1;
}

void TabStrip::fit(TabGeometry::Fit form)
{
    m_tabWidth = TabGeometry::fittedWidth(form, width(), m_tabWidth, count());
    setScroll(m_scroll);
    update();
}

void TabStrip::setScroll(int offset)
{
    const int overflow = std::max(0, count() * m_tabWidth - (width() - TabGeometry::kMargin));
    m_scroll = std::clamp(offset, 0, overflow);
}

void TabStrip::ensureVisible(int index)
{
    const int left = index * m_tabWidth;
    const int visible = width() - TabGeometry::kMargin;
    if (left < m_scroll)
        setScroll(left);
    else if (left + m_tabWidth > m_scroll + visible)
        setScroll(left + m_tabWidth - visible);
}

void TabStrip::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fit(TabGeometry::Fit::Resize);
}

std::optional<TabGlyph> TabStrip::glyphShown(int index) const
{
    CWebBrowser2 *page = m_host.list().at(index);
    if (!page)
        return std::nullopt;
    const bool locked = page->isLocked();
    const TabGlyph pressed = locked ? TabGlyph::UnlockPressed : TabGlyph::ClosePressed;
    if (index == m_pressedGlyph && m_leftHeld)
        return pressed;
    if (index == m_litGlyph)
        return m_leftHeld ? pressed : locked ? TabGlyph::UnlockHot : TabGlyph::CloseHot;
    return page->tabImage();
}

void TabStrip::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const int current = m_host.list().current();
    for (int i = 0; i < count(); ++i) {
        if (i != current)
            paintTab(painter, i);
    }
    if (current >= 0 && current < count())
        paintTab(painter, current);
    // The line the tabs stand on.
    painter.setPen(palette().color(QPalette::Mid));
    const int edge = m_onTop ? height() - 1 : 0;
    painter.drawLine(0, edge, width(), edge);
}

void TabStrip::paintTab(QPainter &painter, int index)
{
    CWebBrowser2 *page = m_host.list().at(index);
    const QRect item = tabRect(index);
    if (!page || !item.intersects(rect()))
        return;
    const bool selected = index == m_host.list().current();
    const bool hot = index == m_hotTab;

    QRect body = item.adjusted(0, selected ? 0 : 2, -1, 0);
    if (!m_onTop)
        body = item.adjusted(0, 0, -1, selected ? 0 : -2);
    QColor fill = selected ? palette().color(QPalette::Base) : palette().color(QPalette::Button);
    if (hot)
        fill = palette().color(QPalette::Highlight).lighter(170);
    painter.setPen(palette().color(QPalette::Mid));
    painter.setBrush(fill);
    painter.drawRoundedRect(body, 3, 3);
    if (selected) {
        // Open towards the Pages.
        painter.setPen(fill);
        const int y = m_onTop ? body.bottom() : body.top();
        painter.drawLine(body.left() + 1, y, body.right() - 1, y);
    }

    painter.drawPixmap(item.left() + 4, item.top() + 5, glyph(*glyphShown(index)));

    const QRect textRect = item.adjusted(kTextLeft, 0, -4, 0);
    QFont font = painter.font();
    font.setBold(selected);
    painter.setFont(font);
    painter.setPen(palette().color(QPalette::ButtonText));
    const QString text = QFontMetrics(font).elidedText(page->tabLabel(), Qt::ElideRight, textRect.width());
    painter.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft, text);
}

QString TabStrip::toolTipAt(const QPoint &point) const
{
    const int index = tabAt(point);
    CWebBrowser2 *page = m_host.list().at(index);
    if (!page)
        return {};
    if (TabGeometry::inGlyphZone(tabRect(index), point))
        return page->isLocked() ? QStringLiteral("Unlock") : QStringLiteral("Close");
    return page->title();
}

bool TabStrip::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const QString tip = toolTipAt(help->pos());
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), tip, this, tabRect(tabAt(help->pos())));
        return true;
    }
    return QWidget::event(event);
}

void TabStrip::mousePressEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    const int index = tabAt(pos);
    if (event->button() == Qt::MiddleButton) {
        if (index >= 0)
            m_host.middleClickTab(index);
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    m_host.playSound(QStringLiteral("TabSelect.wav"));
    m_leftHeld = true;
    m_pressPos = pos;
    if (index < 0)
        return;
    if (TabGeometry::inGlyphZone(tabRect(index), pos)) {
        m_pressedGlyph = index;
        m_litGlyph = index;
    } else if (index != m_host.list().current()) {
        m_hotTab = index;
    }
    update();
}

void TabStrip::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    const int index = tabAt(pos);
    if (event->button() != Qt::LeftButton)
        return;
    const int pressed = m_pressedGlyph;
    m_leftHeld = false;
    m_pressedGlyph = -1;
    m_hotTab = -1;
    update();
    if (m_ignoreRelease) {
        m_ignoreRelease = false;
        return;
    }
    if (index < 0)
        return;
    CWebBrowser2 *page = m_host.list().at(index);
    if (pressed == index && TabGeometry::inGlyphZone(tabRect(index), pos)) {
        if (page->isLocked())
            m_host.unlock(index);
        else
            m_host.CloseTabAt(index);
    } else if (event->modifiers() & Qt::ControlModifier) {
        m_host.CloseTabAt(index);
    } else {
        m_host.SelectPage(index);
    }
}

void TabStrip::contextMenuEvent(QContextMenuEvent *event)
{
    // The window system asks for the menu with the right button (on its
    // press here, on its release elsewhere) or the menu key. Over the strip
    // it is the tab menu or nothing, never the window's own.
    event->accept();
    const bool byMouse = event->reason() == QContextMenuEvent::Mouse;
    const int index = byMouse ? tabAt(event->pos()) : m_host.list().current();
    if (index < 0 || index >= count())
        return;
    m_host.setMenuTab(index);
    m_litGlyph = index;
    update();
    emit tabMenuRequested(index, byMouse ? event->globalPos() : mapToGlobal(tabRect(index).center()));
}

void TabStrip::mouseDoubleClickEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    const int index = tabAt(pos);
    if (event->button() != Qt::LeftButton || index < 0) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    m_leftHeld = true;
    m_ignoreRelease = true;
    // The first click on a glyph has closed its tab already; the second one
    // must not close the next tab along.
    if (!TabGeometry::inGlyphZone(tabRect(index), pos))
        m_host.ClosePageAt(index);
}

void TabStrip::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    const int index = tabAt(pos);
    const int lit = index >= 0 && TabGeometry::inGlyphZone(tabRect(index), pos) ? index : -1;
    if (lit != m_litGlyph) {
        m_litGlyph = lit;
        update();
    }
    if (m_hotTab >= 0 && index < 0) {
        m_hotTab = -1;
        update();
    }
    if (m_leftHeld && (event->modifiers() & Qt::AltModifier) && index >= 0
        && (pos - m_pressPos).manhattanLength() >= QApplication::startDragDistance()) {
        startAddressDrag(index);
    }
}

void TabStrip::leaveEvent(QEvent *event)
{
    m_litGlyph = -1;
    update();
    QWidget::leaveEvent(event);
}

void TabStrip::wheelEvent(QWheelEvent *event)
{
    setScroll(m_scroll - event->angleDelta().y() / 2 - event->angleDelta().x() / 2);
    update();
}

void TabStrip::startAddressDrag(int index)
{
    CWebBrowser2 *page = m_host.list().at(index);
    if (!page)
        return;
    m_leftHeld = false;
    m_hotTab = m_pressedGlyph = -1;
    m_ignoreRelease = true;
    auto *mime = new QMimeData;
    mime->setText(page->address());
    auto *drag = new QDrag(this);
    drag->setMimeData(mime);
    drag->exec(Qt::CopyAction);
    m_ignoreRelease = false;
    update();
}

void TabStrip::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasText())
        event->acceptProposedAction();
}

void TabStrip::dragMoveEvent(QDragMoveEvent *event)
{
    if (event->mimeData()->hasText() && tabAt(event->position().toPoint()) >= 0)
        event->acceptProposedAction();
    else
        event->ignore();
}

void TabStrip::dropEvent(QDropEvent *event)
{
    const int index = tabAt(event->position().toPoint());
    if (index < 0 || !event->mimeData()->hasText())
        return;
    event->acceptProposedAction();
    // A dragged link carries its address as a URL and its words as text.
    const QList<QUrl> urls = event->mimeData()->urls();
    m_host.openTextInTab(index, urls.isEmpty() ? event->mimeData()->text() : urls.first().toString());
}
