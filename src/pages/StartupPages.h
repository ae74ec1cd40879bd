#pragma once

#include "core/CommandHandler.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

class BackgroundStoreWriter;
class MessageBoxes;
class PageHost;
class SettingsStore;
class QWidget;

// The Pages a start opens (a blank Page, the home page, the Pages of the last
// exit or those of the URL list "startuplist.txt"), the addresses kept for
// the next start, and the command that edits the URL list.
class StartupPages : public QObject, public CommandHandler
{
    Q_OBJECT
public:
    // Opens a file in the desktop's text editor; false when it cannot.
    using EditorLauncher = std::function<bool(const QString &file)>;

    StartupPages(PageHost &host, SettingsStore &settings, MessageBoxes &messages, QString dataDir,
                 EditorLauncher editor, QWidget *window, QObject *parent = nullptr);
    ~StartupPages() override;

    static QString urlListName() { return QStringLiteral("startuplist.txt"); }
    QString urlListFile() const;

    // Opens the first Pages by the start-up type and fills the closed-Page
    // list from the last exit's Pages; then an address the program was
    // started with opens in a Page of its own (or in the blank first Page).
    // From here on the open Pages' addresses are kept within a second of
    // every change, so that a crash loses at most that second.
    void open(const QString &argument = {});
    // Writes the addresses of the open Pages, the last tab first (at exit).
    void save();

    bool handle(int id) override;
    std::optional<bool> checked(int id) const override;
    // Saves the open Pages.
    void aboutToClose() override { save(); }

private:
    void openLastVisit(const QStringList &addresses, bool asPages);
    void openUrlList();
    void scheduleSave();
    // The addresses of the open Pages as stored, the last tab first.
    QByteArray currentValue() const;
    // Keeps them while the program runs: off the window's thread.
    void keep();
    // A background write is done; one that failed is tried again, and the
    // user hears of it once until a write lands again.
    void kept(const QByteArray &value, bool landed);

    PageHost &m_host;
    SettingsStore &m_settings;
    MessageBoxes &m_messages;
    QString m_dataDir;
    EditorLauncher m_editor;
    QWidget *m_window;
    QTimer m_saveTimer;
    QTimer m_retryTimer;
    QByteArray m_saved;
    bool m_failureTold = false;
    std::unique_ptr<BackgroundStoreWriter> m_writer;
};
