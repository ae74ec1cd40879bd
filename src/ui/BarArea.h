#pragma once

#include <QObject>
#include <QToolBar>

class QMainWindow;
class QMenuBar;
class QWidget;

// The bands of the frame's tool bar area, in order: menu bar with the busy
// animation, standard tool bar, search bar, address bar, go bar and, while
// the tabs are on top, the tab strip. With the tabs at the bottom the tab
// strip's band sits in the bottom area instead.
class BarArea : public QObject
{
    Q_OBJECT
public:
    BarArea(QMainWindow &window, QMenuBar *menuBar, QWidget *busy, QWidget *address, QWidget *findBox,
            QWidget *tabStrip);

    QToolBar *menuBand() const { return m_menu; }
    QToolBar *standardBar() const { return m_standard; }
    QToolBar *searchBar() const { return m_search; }
    QToolBar *addressBand() const { return m_address; }
    QToolBar *goBar() const { return m_go; }
    QToolBar *tabBand() const { return m_tabs; }
    QList<QToolBar *> bands() const;

    void setTabsOnTop(bool onTop);
    bool tabsOnTop() const { return m_tabsOnTop; }
    // A locked area keeps its bands where they are: no grippers.
    void setLocked(bool locked);
    bool isLocked() const { return m_locked; }
    void setTextLabels(bool on);
    bool textLabels() const { return m_textLabels; }
    // Hides or shows every band of the top area (full screen).
    void setTopAreaVisible(bool visible);
    bool isTopAreaVisible() const;
    // The lowest edge of the top area, in window coordinates.
    int topAreaBottom() const;

private:
    QToolBar *addBand(const QString &objectName, const QString &title, bool newRow);

    QMainWindow &m_window;
    QToolBar *m_menu = nullptr;
    QToolBar *m_standard = nullptr;
    QToolBar *m_search = nullptr;
    QToolBar *m_address = nullptr;
    QToolBar *m_go = nullptr;
    QToolBar *m_tabs = nullptr;
    bool m_tabsOnTop = true;
    bool m_locked = false;
    bool m_textLabels = false;
};
