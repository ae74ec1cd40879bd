#pragma once

#include <QString>

class QWidget;

// Every message box and yes/no question goes through this, so that tests can
// read what the user was told and answer in the user's place.
class MessageBoxes
{
public:
    enum class Icon { Information, Warning, Error };

    virtual ~MessageBoxes() = default;
    virtual void tell(QWidget *parent, const QString &text, Icon icon = Icon::Information,
                      const QString &title = {}) = 0;
    // True when the user answers yes.
    virtual bool ask(QWidget *parent, const QString &text, const QString &title = {}) = 0;
};

// The real boxes: modal Qt message boxes titled with the program's name.
// Each text is also written to standard error, so a start from a terminal or
// a script leaves a trace of what went wrong.
class QtMessageBoxes : public MessageBoxes
{
public:
    void tell(QWidget *parent, const QString &text, Icon icon, const QString &title) override;
    bool ask(QWidget *parent, const QString &text, const QString &title) override;
};
