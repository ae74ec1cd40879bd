#pragma once

#include "core/CommandHandler.h"

#include <QHash>
#include <QList>
#include <QObject>

class BrowserControl;
class CWebBrowser2;
class PageHost;
class QWidget;

// The commands that do something with a Page's content rather than with the
// page list: save, print and preview it, show its properties and its source,
// edit it in place and undo or redo an edit.
class PageFileCommands : public QObject, public CommandHandler
{
    Q_OBJECT
public:
    // window: what the dialogs belong to.
    PageFileCommands(PageHost &host, QWidget *window, QObject *parent = nullptr);

    bool handle(int id) override;
    static bool owns(int id);
    // Edit mode carries a check mark while the active Page is being edited.
    std::optional<bool> checked(int id) const override;
    // Each of them needs a Page.
    bool isEnabled(int id) const override;

private:
    void save(CWebBrowser2 *page);
    void print(CWebBrowser2 *page);
    void printPreview(CWebBrowser2 *page);
    void showProperties(CWebBrowser2 *page);
    void viewSource(CWebBrowser2 *page);
    void toggleEditMode(CWebBrowser2 *page);
    void undo(CWebBrowser2 *page);
    // Remembers whether the control's document is in design mode; a new
    // document is not.
    void setEditing(BrowserControl *control, bool on);

    PageHost &m_host;
    QWidget *m_window;
    // The controls whose document is in design mode, with the connections
    // that forget it when they move on or go.
    QHash<const BrowserControl *, QList<QMetaObject::Connection>> m_editing;
};
