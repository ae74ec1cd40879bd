#pragma once

#include "core/CommandHandler.h"

#include <QObject>

class QDockWidget;
class QTabWidget;
class QWidget;

// The Explorer Bar's content and commands: the favorites and the history,
// one tab each, in the window's docking bar. Each panel's command shows its
// tab, or hides the bar when the tab is already in sight.
class ExplorerBar : public QObject, public CommandHandler
{
    Q_OBJECT
public:
    // The panels become the pages of the bar's tabs.
    ExplorerBar(QDockWidget &dock, QWidget *favorites, QWidget *history, QObject *parent = nullptr);

    QTabWidget *tabs() const { return m_tabs; }

    bool handle(int id) override;
    std::optional<bool> checked(int id) const override;

private:
    void toggleTab(QWidget *panel);

    QDockWidget &m_dock;
    QTabWidget *m_tabs;
    QWidget *m_favorites;
    QWidget *m_history;
};
