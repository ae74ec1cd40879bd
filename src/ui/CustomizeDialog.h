#pragma once

#include "ui/UserTools.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QLineEdit;
class QListWidget;

// One tool bar as the customisation dialog edits it: its buttons in order
// (0 is a separator), what it had at first, and the commands it may show.
struct ToolBarChoice
{
    QString title;
    QList<int> buttons;
    QList<int> defaults;
    QList<int> available;
};

// "自定义": which buttons the tool bars show and in what order, and the
// user's own tools.
class CustomizeDialog : public QDialog
{
    Q_OBJECT
public:
    CustomizeDialog(QList<ToolBarChoice> bars, QList<UserTool> tools, std::function<QString(int)> labelFor,
                    QWidget *parent = nullptr);

    // The buttons of each bar, in the order given.
    QList<QList<int>> buttons() const;
    QList<UserTool> tools() const { return m_tools; }

    // The pieces, for tests that work the dialog as a user does.
    QComboBox *barChooser() const { return m_bar; }
    QListWidget *buttonList() const { return m_buttons; }
    QListWidget *toolList() const { return m_toolList; }
    void moveCurrentButton(int step);
    void resetCurrentBar();
    void addTool(const UserTool &tool);
    void removeCurrentTool();

private:
    void showBar(int index);
    void keepBar();
    void showTool(int row);
    void editTool();

    QList<ToolBarChoice> m_bars;
    QList<UserTool> m_tools;
    std::function<QString(int)> m_labelFor;
    int m_shownBar = -1;
    QComboBox *m_bar = nullptr;
    QListWidget *m_buttons = nullptr;
    QListWidget *m_toolList = nullptr;
    QLineEdit *m_name = nullptr;
    QLineEdit *m_command = nullptr;
    QLineEdit *m_arguments = nullptr;
};
