#include "frame/ExplorerBar.h"

#include "core/FrameCommandIds.h"
#include "ui/LazyIcon.h"
#include "ui/ThemeIcon.h"

#include <QDockWidget>
#include <QTabWidget>

ExplorerBar::ExplorerBar(QDockWidget &dock, QWidget *favorites, QWidget *history, QObject *parent)
    : QObject(parent)
    , m_dock(dock)
    , m_tabs(new QTabWidget(&dock))
    , m_favorites(favorites)
    , m_history(history)
{
    m_tabs->setObjectName(QStringLiteral("explorerTabs"));
    m_tabs->setDocumentMode(true);
    m_tabs->addTab(m_favorites,
                   LazyIconEngine::icon([] { return themeIcon(QStringLiteral("user-bookmarks"), QStyle::SP_DirIcon); }),
                   tr("收藏夹"));
    m_tabs->addTab(m_history, LazyIconEngine::icon([] {
                       return themeIcon(QStringLiteral("document-open-recent"), QStyle::SP_FileDialogDetailedView);
                   }),
                   tr("历史"));
    m_dock.setWidget(m_tabs);
}

bool ExplorerBar::handle(int id)
{
    switch (id) {
    case cmd::FavoritesPanel: toggleTab(m_favorites); return true;
    case cmd::HistoryPanel: toggleTab(m_history); return true;
    default: return false;
    }
}

std::optional<bool> ExplorerBar::checked(int id) const
{
    switch (id) {
    case cmd::FavoritesPanel: return m_favorites->isVisible();
    case cmd::HistoryPanel: return m_history->isVisible();
    default: return std::nullopt;
    }
}

void ExplorerBar::toggleTab(QWidget *panel)
{
    if (!m_dock.isVisible()) {
        m_dock.show();
        // Docked in a tab of its own beside another bar: brought in front.
        m_dock.raise();
        m_tabs->setCurrentWidget(panel);
    } else if (m_tabs->currentWidget() == panel) {
        m_dock.hide();
    } else {
        m_tabs->setCurrentWidget(panel);
    }
}
