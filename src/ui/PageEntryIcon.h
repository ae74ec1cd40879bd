#pragma once

#include <QApplication>
#include <QIcon>
#include <QStyle>

// The picture of a menu entry that opens a page (closed and open Pages,
// translations, the maker's site): the desktop's web page icon, else the
// style's file icon.
inline QIcon pageEntryIcon()
{
    static const QIcon icon = [] {
        const QIcon themed = QIcon::fromTheme(QStringLiteral("text-html"));
        return themed.isNull() ? QApplication::style()->standardIcon(QStyle::SP_FileIcon) : themed;
    }();
    return icon;
}
