#pragma once

#include <QColor>
#include <QString>

// What the Pages ask of the window around them.
class PageFrame
{
public:
    virtual ~PageFrame() = default;
    virtual void setStatusText(const QString &text) = 0;
    // The status text's colour; an invalid colour gives it the usual one
    // again. A frame that shows no colours leaves it.
    virtual void setStatusColor(const QColor & /*color*/) {}
    // The download progress of the active Page; a maximum of 0 hides it.
    virtual void setProgress(int position, int maximum) = 0;
    // The text of the security pane.
    virtual void setSecurityText(const QString &text) = 0;
    virtual void setFrameTitle(const QString &pageTitle) = 0;
    virtual void setAddressText(const QString &address) = 0;
    virtual void focusAddressBar() = 0;
    // The user is typing an address not yet confirmed: a Page must not take
    // the focus or the text from the address bar now.
    virtual bool isEditingAddress() const = 0;
};
