#pragma once

#include "core/CommandHandler.h"
#include "favorites/FavoriteEntry.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <utility>

class AppSwitches;
class MessageBoxes;
class QMenu;
class QThread;
class QWidget;

// What the favorites commands work with.
struct FavoritesParts
{
    QString folder; // the favorites folder on disk
    AppSwitches &switches;
    MessageBoxes &messages;
    QWidget *window; // the owner of the dialogs
    // Opens an address in a new Page, or in the active Page when that is
    // blank and reuseBlank is set.
    std::function<void(const QString &address, bool reuseBlank)> open;
    // The title and address of the active Page, and of the Page whose tab
    // menu was opened last (empty when there is none).
    std::function<std::pair<QString, QString>()> activePage;
    std::function<std::pair<QString, QString>()> menuTabPage;
    // Gives the keyboard focus to the active Page.
    std::function<void()> focusPage;
};

// The dialogs the commands run: adding a Page, organising, importing and
// exporting. Each add, organise and import reports whether it may have
// changed the folder.
struct FavoritesDialogs
{
    std::function<bool(QWidget *window, const QString &folder, const QString &title, const QString &url)> add;
    std::function<void(QWidget *window, const QString &folder)> organize;
    std::function<bool(QWidget *window, const QString &folder, MessageBoxes &messages)> importFavorites;
    std::function<void(QWidget *window, const QString &folder, MessageBoxes &messages)> exportFavorites;

    // The program's own dialogs.
    static FavoritesDialogs real();
};

// The favorites menu and its commands: it holds the favorites model, reads
// it in the background at start and after changes, fills the menu bar's
// favorites drop-down from it, and opens what is chosen there.
//
// The favorites changed flag of the switches says what has to be made anew:
// 1 (the panel changed the disk itself) the menu, when it next opens; 2 the
// model, the menu and the panel, as soon as the program is idle. "Idle" is
// the moment the window's event loop is about to wait for more events, so
// whoever sets the flag needs to tell nobody: the check is one comparison.
class FavoritesCommands : public QObject, public CommandHandler
{
    Q_OBJECT
public:
    // Starts reading the folder in the background.
    explicit FavoritesCommands(FavoritesParts parts, QObject *parent = nullptr);
    // A read still running is abandoned and waited for.
    ~FavoritesCommands() override;

    bool handle(int id) override;
    bool fillPopup(int placeholder, QMenu *menu) override;

    // The latest model; none until the first read is in.
    const FavoriteEntry *model() const { return m_model.get(); }
    // Tests put dialogs of their own in place of the real ones.
    void setDialogs(FavoritesDialogs dialogs) { m_dialogs = std::move(dialogs); }

signals:
    // A new model was read: after the first read, and after each change that
    // set the flag to 2. The favorites panel shows it. Never null; it stays
    // valid until the next one. (A pointer, not a reference: the entry owns
    // its children and cannot be copied, as the meta-object system of a
    // reference parameter would want.)
    void modelRebuilt(const FavoriteEntry *root);

private:
    struct Read;

    void startRead();
    // Takes in the read that has just ended, if it is still the one awaited.
    void readFinished(std::shared_ptr<Read> read);
    // Waits for a read that is still running and takes it in.
    void finishRead();
    void adopt(std::shared_ptr<const FavoriteEntry> model);
    void checkWhenIdle();
    void refreshMenu();
    void openFavorite(int id);
    void addPage(const std::pair<QString, QString> &page);
    void changed();

    FavoritesParts m_parts;
    FavoritesDialogs m_dialogs;
    std::shared_ptr<const FavoriteEntry> m_model;
    std::shared_ptr<Read> m_read; // the read running now
    QThread *m_thread = nullptr;  // ... and its thread
    bool m_readAgain = false;     // the folder changed while it ran
    QPointer<QMenu> m_menu;       // the drop-down, once it has opened
    bool m_menuStale = true;      // the drop-down shows an older model
};
