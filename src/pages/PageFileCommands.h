#pragma once

#include "core/CommandHandler.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPageLayout>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <optional>

class BrowserControl;
class CWebBrowser2;
class MessageBoxes;
class PageHost;
class QPrinter;
class QWidget;

// What the page file commands work with.
struct PageFileParts
{
    PageHost &host;
    QWidget *window; // what the dialogs belong to
    MessageBoxes &messages;
    // Opens a file in the desktop's text editor; false when there is none.
    std::function<bool(const QString &file)> openInEditor;
    // The program's own temporary folder.
    QString tempDir;
    // The address bar's text, and showing an address there.
    std::function<QString()> addressText;
    std::function<void(const QString &address)> showAddress;
    // The maker's web site, named in the mails we write.
    QString makerWebsite;
    // Opens the program's connection settings (the closest it has to the
    // desktop's Internet options).
    std::function<void()> openConnectionSettings;
};

// The commands that do something with a Page's content rather than with the
// page list: save, print and preview it, show its properties and its source,
// edit it in place and undo or redo an edit, go up a level in its address,
// put a link to it on the desktop,
// mail it or its address, edit its cookies, open it in the desktop's default browser.
class PageFileCommands : public QObject, public CommandHandler
{
    Q_OBJECT
public:
    explicit PageFileCommands(PageFileParts parts, QObject *parent = nullptr);
    // Removes the web archives handed to the mail program.
    ~PageFileCommands() override;

    bool handle(int id) override;
    static bool owns(int id);
    // Edit mode carries a check mark while the active Page is being edited.
    std::optional<bool> checked(int id) const override;
    // Each of them needs a Page.
    bool isEnabled(int id) const override;
    // The Up button's drop-down: the addresses above the address bar's text.
    bool fillPopup(int placeholder, QMenu *menu) override;

private:
    // What the save dialog offers.
    enum class SaveKind { AnyFormat, HtmlOnly, ArchiveCopy };
    void save(CWebBrowser2 *page, SaveKind kind);
    void print(CWebBrowser2 *page);
    // Paper, orientation and margins for the printing that follows.
    void printSetup();
    // A printer with the layout chosen in the print setup.
    void applyPageLayout(QPrinter &printer) const;
    void printPreview(CWebBrowser2 *page);
    void showProperties(CWebBrowser2 *page);
    void viewSource(CWebBrowser2 *page);
    void toggleEditMode(CWebBrowser2 *page);
    // Scrolls the page slowly down until the end, a click or a key, or stops it.
    void toggleAutoScroll(CWebBrowser2 *page);
    void undo(CWebBrowser2 *page);
    // The text of the page's body in the text editor.
    void viewText(CWebBrowser2 *page);
    // Our private folder for files handed to other programs (mode 0700);
    // empty when it cannot be made.
    QString privateFolder();
    // The page attached to a new mail: a local file as itself, anything else
    // as a web archive of what the Page shows.
    void mailPage(CWebBrowser2 *page);
    void attachToMail(const QString &file, const QString &subject);
    // A mail with the page's address; a mail recommending the program to
    // the addresses the page links to.
    void mailAddress(CWebBrowser2 *page);
    void tellFriend(CWebBrowser2 *page);
    // Hands a mailto: address to the desktop's mail program.
    void handToMailProgram(const QString &mailto);
    // Files chosen by the user, the first in a blank active Page or a new
    // one, the others in Pages behind it.
    void openFiles();
    // The page's address in the desktop's default browser, unless that is us.
    void openInDefaultBrowser(CWebBrowser2 *page);
    // The document's cookies, edited in a dialog and written back.
    void editCookies(CWebBrowser2 *page);
    // A link entry for the page on the user's desktop.
    void sendDesktopShortcut(CWebBrowser2 *page);
    // Opens the n-th address above the address bar's text (0: one level up).
    void goUp(int n);
    // Remembers whether the control's document is in design mode; a new
    // document is not.
    void setEditing(BrowserControl *control, bool on);

    PageFileParts m_parts;
    // Chosen in the print setup; the printer's own until then.
    std::optional<QPageLayout> m_pageLayout;
    // Made in the shared temporary folder when the program has no folder of its own.
    std::unique_ptr<QTemporaryDir> m_fallbackTemp;
    PageHost &m_host;
    QWidget *m_window;
    // The controls whose document is in design mode, with the connections
    // that forget it when they move on or go.
    QHash<const BrowserControl *, QList<QMetaObject::Connection>> m_editing;
    // Web archives made for mails: the mail program may read them any time
    // while we run.
    QStringList m_mailArchives;
};
