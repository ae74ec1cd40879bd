#include "favorites/FavoritesCommands.h"

#include "core/AppSwitches.h"
#include "core/FrameCommandIds.h"
#include "favorites/BookmarkDialogs.h"
#include "favorites/CAddFavoriteDlg.h"
#include "favorites/COrganizeFavoritesDlg.h"
#include "favorites/FavoritesMenu.h"
#include "favorites/FavoritesModel.h"
#include "ui/MessageBoxes.h"
#include "ui/WaitCursor.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QThread>

#include <atomic>

namespace {

// Open-all asks first when a folder holds more links than this.
constexpr int kLinksWithoutAsking = 40;


} // namespace

// One read of the favorites folder: the worker gets it by value and leaves
// the model in it.
struct FavoritesCommands::Read
{
    QString folder;
    QString openAllText;
    std::atomic<bool> abandon{false};
    std::unique_ptr<FavoriteEntry> model;
};

FavoritesDialogs FavoritesDialogs::real()
{
    return {
        [](QWidget *window, const QString &folder, const QString &title, const QString &url) {
            return CAddFavoriteDlg::ask(window, folder, title, url);
        },
        [](QWidget *window, const QString &folder) { COrganizeFavoritesDlg::run(window, folder); },
        [](QWidget *window, const QString &folder, MessageBoxes &messages) {
            return BookmarkDialogs::importFavorites(window, folder, messages);
        },
        [](QWidget *window, const QString &folder, MessageBoxes &messages) {
            BookmarkDialogs::exportFavorites(window, folder, messages);
        },
    };
}

FavoritesCommands::FavoritesCommands(FavoritesParts parts, QObject *parent)
    : QObject(parent)
    , m_parts(std::move(parts))
    , m_dialogs(FavoritesDialogs::real())
{
    if (QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance(thread()))
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &FavoritesCommands::checkWhenIdle);
    startRead();
}

FavoritesCommands::~FavoritesCommands()
{
    if (m_thread) {
        m_read->abandon = true;
        m_thread->wait();
        delete m_thread;
    }
}

void FavoritesCommands::startRead()
{
    if (m_thread) {
        m_readAgain = true;
        return;
    }
    auto read = std::make_shared<Read>();
    read->folder = m_parts.folder;
    read->openAllText = FavoritesModel::openAllName();
    m_read = read;
    m_thread = QThread::create(
        [read] { read->model = FavoritesModel::build(read->folder, read->openAllText, &read->abandon); });
    connect(m_thread, &QThread::finished, this, [this, read] { readFinished(read); });
    m_thread->start(QThread::LowPriority);
}

void FavoritesCommands::readFinished(std::shared_ptr<Read> read)
{
    if (read != m_read)
        return; // already taken in while the menu waited for it
    m_thread->wait();
    delete std::exchange(m_thread, nullptr);
    m_read.reset();
    if (read->model)
        adopt(std::shared_ptr<const FavoriteEntry>(std::move(read->model)));
    if (std::exchange(m_readAgain, false))
        startRead();
}

void FavoritesCommands::finishRead()
{
    if (m_thread)
        readFinished(m_read);
}

void FavoritesCommands::adopt(std::shared_ptr<const FavoriteEntry> model)
{
    m_model = std::move(model);
    // The model stays whole while the panel reads it, whatever its slots do.
    const std::shared_ptr<const FavoriteEntry> shown = m_model;
    emit modelRebuilt(shown.get());
    refreshMenu();
}

void FavoritesCommands::refreshMenu()
{
    m_menuStale = true;
    // An open drop-down is left alone; it is made anew when it next opens.
    if (m_menu && !m_menu->isVisible()) {
        FavoritesMenu::fill(m_menu, m_model);
        m_menuStale = false;
    }
}

void FavoritesCommands::checkWhenIdle()
{
    if (m_parts.switches.favoritesChanged != 2)
        return;
    // A change made while the folder is read is seen by the next read.
    m_parts.switches.favoritesChanged = 0;
    startRead();
}

bool FavoritesCommands::fillPopup(int placeholder, QMenu *menu)
{
    if (placeholder != cmd::FavoritesPopup)
        return false;
    if (m_parts.switches.favoritesChanged == 1) {
        // The panel has shown its change already: only the menu is behind.
        WaitCursor wait;
        finishRead();
        m_model = FavoritesModel::build(m_parts.folder);
        m_menuStale = true;
        m_parts.switches.favoritesChanged = 0;
    } else if (!m_model && m_thread) {
        // Opened before the first read is in: it is nearly done.
        WaitCursor wait;
        finishRead();
    }
    if (menu != m_menu || m_menuStale) {
        FavoritesMenu::fill(menu, m_model);
        m_menu = menu;
        m_menuStale = false;
    }
    return true;
}

bool FavoritesCommands::handle(int id)
{
    if (id >= cmd::FavoriteFirst && id <= cmd::FavoriteLast) {
        openFavorite(id);
        return true;
    }
    switch (id) {
    case cmd::AddFavorite: addPage(m_parts.activePage()); return true;
    case cmd::AddMenuTabFavorite: addPage(m_parts.menuTabPage()); return true;
    case cmd::OrganizeFavorites:
        QDir().mkpath(m_parts.folder);
        m_dialogs.organize(m_parts.window, m_parts.folder);
        changed();
        return true;
    case cmd::ImportFavorites:
        QDir().mkpath(m_parts.folder);
        if (m_dialogs.importFavorites(m_parts.window, m_parts.folder, m_parts.messages))
            changed();
        return true;
    case cmd::ExportFavorites:
        m_dialogs.exportFavorites(m_parts.window, m_parts.folder, m_parts.messages);
        return true;
    default: return false;
    }
}

void FavoritesCommands::openFavorite(int id)
{
    if (!m_model)
        finishRead();
    const FavoriteEntry *entry = m_model ? FavoritesModel::find(*m_model, id) : nullptr;
    if (!entry)
        return; // a menu entry of a model that is gone
    const QLatin1String scheme(FavoritesModel::kFolderScheme);
    if (!entry->address.startsWith(scheme)) {
        m_parts.open(entry->address, true);
    } else {
        QStringList addresses;
        {
            WaitCursor wait;
            addresses = FavoritesModel::openAllAddresses(entry->address.mid(scheme.size()), m_parts.folder);
        }
        if (addresses.size() <= kLinksWithoutAsking
            || m_parts.messages.ask(m_parts.window, tr("超过40 个链接在这个文件夹！\n你想一起打开他们？"))) {
            for (qsizetype i = 0; i < addresses.size(); ++i)
                m_parts.open(addresses.at(i), i == 0);
        }
    }
    m_parts.focusPage();
}

void FavoritesCommands::addPage(const std::pair<QString, QString> &page)
{
    const auto &[title, url] = page;
    if (url.isEmpty())
        return; // no Page
    QDir().mkpath(m_parts.folder);
    if (m_dialogs.add(m_parts.window, m_parts.folder, title, url))
        changed();
}

void FavoritesCommands::changed()
{
    // The model, the menu and the panel are made anew once the program is idle.
    m_parts.switches.favoritesChanged = 2;
}
