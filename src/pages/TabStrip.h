#pragma once

#include "pages/TabGeometry.h"
#include "pages/TabGlyph.h"

#include <QPixmap>
#include <QPoint>
#include <QWidget>

#include <optional>

class PageHost;

// The row of tabs that shows the page list: tab i is Page i. Tabs share the
// strip's width; each has a glyph at its left that shows the load state and
// doubles as a close or unlock button.
class TabStrip : public QWidget
{
    Q_OBJECT
public:
    explicit TabStrip(PageHost &host, QWidget *parent = nullptr);

    // Drawn for a strip above the Pages (true) or below them.
    void setTabsOnTop(bool onTop);
    bool tabsOnTop() const { return m_onTop; }

    int tabWidth() const { return m_tabWidth; }
    int count() const;
    QRect tabRect(int index) const;
    int tabAt(const QPoint &point) const;
    void fit(TabGeometry::Fit form);

    int hotTab() const { return m_hotTab; }
    int pressedGlyph() const { return m_pressedGlyph; }
    // The glyph drawn for a tab now, with presses and the mouse counted.
    std::optional<TabGlyph> glyphShown(int index) const;
    // The tool tip for a point over the strip.
    QString toolTipAt(const QPoint &point) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // One 10x10 picture of the glyph strip.
    static QPixmap glyph(TabGlyph image);

signals:
    // The tab menu is asked for at a place on the screen; the menu tab is set.
    void tabMenuRequested(int index, const QPoint &globalPos);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    bool event(QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void paintTab(QPainter &painter, int index);
    void ensureVisible(int index);
    void startAddressDrag(int index);
    void setScroll(int offset);

    PageHost &m_host;
    bool m_onTop = true;
    int m_tabWidth = 200;
    int m_scroll = 0;
    int m_hotTab = -1;
    int m_pressedGlyph = -1;
    int m_litGlyph = -1;
    bool m_leftHeld = false;
    bool m_ignoreRelease = false;
    QPoint m_pressPos;
};
