#pragma once
// Drags delivered the way the window system delivers them: to a top-level
// window, at a point of it, from where Qt hands them to the widget there.

#include <QMimeData>
#include <QPoint>
#include <QWindow>
#include <qpa/qplatformdrag.h>
#include <qpa/qwindowsysteminterface.h>

namespace WindowDrag {

inline constexpr Qt::DropActions kAnyAction = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;

// The drag enters the window or moves over it; the answer is the action
// the widget under the point accepts (IgnoreAction: none).
inline Qt::DropAction over(QWindow *window, const QMimeData &data, const QPoint &at,
                           Qt::KeyboardModifiers modifiers = Qt::NoModifier, Qt::DropActions offered = kAnyAction)
{
    const QPlatformDragQtResponse response
        = QWindowSystemInterface::handleDrag(window, &data, at, offered, Qt::LeftButton, modifiers);
    return response.isAccepted() ? response.acceptedAction() : Qt::IgnoreAction;
}

// The drag leaves the window.
inline void leave(QWindow *window)
{
    QWindowSystemInterface::handleDrag(window, nullptr, QPoint(), Qt::IgnoreAction, Qt::NoButton, Qt::NoModifier);
}

// The drag comes over the point and is dropped there; true when the drop
// was taken.
inline bool drop(QWindow *window, const QMimeData &data, const QPoint &at,
                 Qt::KeyboardModifiers modifiers = Qt::NoModifier, Qt::DropActions offered = kAnyAction)
{
    over(window, data, at, modifiers, offered);
    return QWindowSystemInterface::handleDrop(window, &data, at, offered, Qt::NoButton, modifiers).isAccepted();
}

} // namespace WindowDrag
