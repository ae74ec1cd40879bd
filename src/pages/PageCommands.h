#pragma once

#include "core/CommandHandler.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class PageHost;
class QMenu;
class RegistryStore;

// The commands the Page Host carries out: making, closing and reopening
// Pages, navigation of the active Page, the clipboard commands, the content
// switches and encodings, and the menus that list Pages and their history.
// The frame offers every command here first.
class PageCommands : public QObject, public CommandHandler
{
    Q_OBJECT
public:
    PageCommands(PageHost &host, RegistryStore &registry, QString makerWebsite, QObject *parent = nullptr);

    // Carries the command out; false when it is not one of the Pages'.
    bool handle(int id) override;
    static bool owns(int id);
    // Whether the command's menu item is checked; nothing when it has no check mark.
    std::optional<bool> checked(int id) const override;
    bool isEnabled(int id) const override;
    // The closed Pages, the Pages and the back and forward lists.
    bool fillPopup(int placeholder, QMenu *menu) override;

    // The character set an encoding command sets; empty for none.
    static QString charsetFor(int id);
    // The addresses the user typed, as the Open dialog lists them.
    QStringList typedAddresses() const;

    // Dynamic menus, filled each time they open. Entries carry their command
    // id as the action's data; the frame dispatches what is chosen.
    void fillClosedPagesMenu(QMenu *menu) const;
    void fillPagesMenu(QMenu *menu) const;
    void fillHistoryMenu(QMenu *menu, bool back) const;
    void fillTabMenu(QMenu *menu) const;

    // Runs the Open dialog; tests can put another runner in its place.
    // It returns the dialog's result code and the text typed.
    using OpenDialogRunner = std::function<std::pair<int, QString>(const QStringList &typed)>;
    void setOpenDialogRunner(OpenDialogRunner runner) { m_openDialog = std::move(runner); }

private:
    void newPage(bool home);
    void duplicatePage();
    void clipboardPage();
    void openDialog();
    void edit(int id);
    void goBackOrForward(bool back);
    void goToHistoryEntry(int id);
    void setEncoding(const QString &charset);

    PageHost &m_host;
    RegistryStore &m_registry;
    QString m_makerWebsite;
    OpenDialogRunner m_openDialog;
};
