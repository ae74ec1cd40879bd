#include "ui/BarArea.h"

#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QSizePolicy>

BarArea::BarArea(QMainWindow &window, QMenuBar *menuBar, QWidget *busy, QWidget *address, QWidget *findBox,
                 QWidget *tabStrip)
    : QObject(&window)
    , m_window(window)
{
    m_menu = addBand(QStringLiteral("menuBand"), tr("菜单栏"), false);
    m_menu->addWidget(menuBar);
    auto *spacer = new QWidget(m_menu);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_menu->addWidget(spacer);
    m_menu->addWidget(busy);

    m_standard = addBand(QStringLiteral("standardBar"), tr("常用工具栏"), true);
    m_search = addBand(QStringLiteral("searchBar"), tr("搜索:"), true);
    m_search->addWidget(new QLabel(tr("搜索: "), m_search));
    m_search->addWidget(findBox);
    m_address = addBand(QStringLiteral("addressBand"), tr("地址:"), true);
    m_address->addWidget(new QLabel(tr("地址: "), m_address));
    m_address->addWidget(address);
    address->setMinimumWidth(200);
    address->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_go = addBand(QStringLiteral("goBar"), tr("转到栏"), true);
    m_tabs = addBand(QStringLiteral("tabBand"), tr("书签栏"), true);
    m_tabs->addWidget(tabStrip);
    tabStrip->setMinimumWidth(200);
}

QToolBar *BarArea::addBand(const QString &objectName, const QString &title, bool newRow)
{
    if (newRow)
        m_window.addToolBarBreak(Qt::TopToolBarArea);
    auto *band = new QToolBar(title, &m_window);
    band->setObjectName(objectName);
    band->setFloatable(false);
    band->setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
    band->setIconSize(QSize(20, 20));
    m_window.addToolBar(Qt::TopToolBarArea, band);
    return band;
}

QList<QToolBar *> BarArea::bands() const
{
    return {m_menu, m_standard, m_search, m_address, m_go, m_tabs};
}

void BarArea::setTabsOnTop(bool onTop)
{
    m_tabsOnTop = onTop;
    m_tabs->setMovable(!m_locked);
    // Already there (as the saved layout put it): nothing moves.
    if (m_window.toolBarArea(m_tabs) == (onTop ? Qt::TopToolBarArea : Qt::BottomToolBarArea))
        return;
    m_window.removeToolBar(m_tabs);
    if (onTop) {
        m_window.addToolBarBreak(Qt::TopToolBarArea);
        m_window.addToolBar(Qt::TopToolBarArea, m_tabs);
    } else {
        m_window.addToolBar(Qt::BottomToolBarArea, m_tabs);
    }
    m_tabs->show();
    // The moved band keeps the lock of the others.
    m_tabs->setMovable(!m_locked);
}

void BarArea::setLocked(bool locked)
{
    m_locked = locked;
    for (QToolBar *band : bands())
        band->setMovable(!locked);
}

void BarArea::setTextLabels(bool on)
{
    m_textLabels = on;
    m_standard->setToolButtonStyle(on ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
}

void BarArea::setTopAreaVisible(bool visible)
{
    for (QToolBar *band : bands()) {
        if (m_window.toolBarArea(band) == Qt::TopToolBarArea && band->property("userHidden").toBool() == false)
            band->setVisible(visible);
    }
}

bool BarArea::isTopAreaVisible() const
{
    return m_menu->isVisible();
}

int BarArea::topAreaBottom() const
{
    int bottom = 0;
    for (QToolBar *band : bands()) {
        if (band->isVisible() && m_window.toolBarArea(band) == Qt::TopToolBarArea)
            bottom = std::max(bottom, band->geometry().bottom());
    }
    return bottom;
}
