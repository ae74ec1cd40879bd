#pragma once

#include "ui/ThemeIcon.h"

// The picture of a menu entry that opens a page (closed and open Pages,
// translations, the maker's site): the desktop's web page icon, else the
// style's file icon.
inline QIcon pageEntryIcon()
{
    static const QIcon icon = themeIcon(QStringLiteral("text-html"), QStyle::SP_FileIcon);
    return icon;
}
