#pragma once

#include <QString>

#include <optional>

class QMenu;

// A subsystem's commands, as the frame routes them: the frame keeps its
// handlers in routing order and offers each command to them in turn, so the
// first that knows the command carries it out.
class CommandHandler
{
public:
    virtual ~CommandHandler() = default;

    // Carries the command out; false when it is not this handler's.
    virtual bool handle(int id) = 0;
    // The check mark the command's menu item shows now; nothing when this
    // handler gives it none.
    virtual std::optional<bool> checked(int id) const
    {
        (void)id;
        return std::nullopt;
    }
    // The command's menu text when it changes with the state; nothing to keep
    // the command table's.
    virtual std::optional<QString> text(int id) const
    {
        (void)id;
        return std::nullopt;
    }
    // Whether the command can be given now; true for commands this handler
    // does not know.
    virtual bool isEnabled(int id) const
    {
        (void)id;
        return true;
    }
    // Fills a menu that is about to open; placeholder names what goes into
    // it. False when the placeholder is not this handler's.
    virtual bool fillPopup(int placeholder, QMenu *menu)
    {
        (void)placeholder;
        (void)menu;
        return false;
    }
    // The window is closing: keeps what the next start needs, while every
    // Page is still there.
    virtual void aboutToClose() {}
};
