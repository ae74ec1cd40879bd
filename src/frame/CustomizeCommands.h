#pragma once

#include "core/CommandHandler.h"
#include "ui/UserTools.h"

#include <QObject>

#include <functional>

class BarArea;
class MessageBoxes;
class QAction;
class QToolBar;
class QWidget;
class SettingsStore;

// What the customisation works on.
struct CustomizeParts
{
    BarArea &bars;
    SettingsStore &settings;
    MessageBoxes &messages;
    QWidget *window;
    // The window's action for a command; none for an id it has no action for.
    std::function<QAction *(int id)> action;
    // Makes a menu fill itself through the frame whenever it opens.
    std::function<void(QMenu *menu, int placeholder)> hookPopup;
};

// The buttons of the standard, search and go bars as the user chose them,
// the user's own tools in the tools menu, and the dialog that customises both.
class CustomizeCommands : public QObject, public CommandHandler
{
    Q_OBJECT
public:
    explicit CustomizeCommands(CustomizeParts parts, QObject *parent = nullptr);

    // Puts the kept buttons, or each bar's own, on the bars.
    void restoreButtons();

    // The customisation dialog and the user's tools.
    bool handle(int id) override;
    // The tools menu.
    bool fillPopup(int placeholder, QMenu *menu) override;

    // The user's tools, read when first needed.
    const QList<UserTool> &userTools();
    // Puts the dialog's result in place and keeps it: the buttons of each
    // bar in the order of the dialog, and the tools (those without a name or
    // a program are dropped).
    void apply(const QList<QList<int>> &buttons, const QList<UserTool> &tools);

private:
    void showDialog();
    void startTool(int index);
    void setButtons(QToolBar *bar, const QList<int> &ids);
    static QList<int> buttonsOf(const QToolBar *bar);

    CustomizeParts m_parts;
    QList<UserTool> m_userTools;
    bool m_userToolsLoaded = false;
};
