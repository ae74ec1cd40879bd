#pragma once

#include "core/CommandHandler.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class FindCommands;
class MessageBoxes;
class PageHost;
class QMenu;
class QWidget;

// The menus read from the data folder's files (search engines, translation
// and go-to services, the web directory's fifteen categories) and their
// commands, which make the chosen entry an address and open it in a Page.
// Every popup and every command reads its file again: an edited file counts
// at once.
class EngineMenus : public QObject, public CommandHandler
{
    Q_OBJECT
public:
    struct Category
    {
        int customize; // the command that edits its file
        const char *title;
        const char *file;
        int first; // its 256 commands start here
    };
    static const QList<Category> &categories();

    // The default engine, when the search bar searches by itself.
    static inline const QString kDefaultHome = QStringLiteral("https://www.bing.com/");
    static QString defaultSearchAddress() { return kDefaultHome + QStringLiteral("search?q=%s"); }

    using EditorLauncher = std::function<bool(const QString &file)>;
    EngineMenus(PageHost &host, FindCommands &find, MessageBoxes &messages, QString dataDir, EditorLauncher editor,
                QWidget *window, QObject *parent = nullptr);

    bool handle(int id) override;
    // Fills the menu of a placeholder this object owns.
    bool fillPopup(int placeholder, QMenu *menu) override;

    // A data file by its name, letter case ignored (as the files are named on
    // systems that ignore it).
    QString dataFile(const QString &name) const;

private:
    void defaultSearch();
    void searchWith(int n);
    void searchAll();
    void translate(int n);
    void goTo(int n);
    void openWebDirEntry(int id);
    void customize(const QString &file);
    // Entries of a file as menu items from `first` on; false when it cannot be read.
    bool addEntries(QMenu *menu, const QString &file, int first, int last);
    void open(const QString &address, const QString &title, bool front = false);
    QString activeAddress() const;
    // Says that the file, named as given, cannot be read and asks for a new install.
    void tellUnreadable(const QString &file);

    PageHost &m_host;
    FindCommands &m_find;
    MessageBoxes &m_messages;
    QString m_dataDir;
    EditorLauncher m_editor;
    QWidget *m_window;
};
