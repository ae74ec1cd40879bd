#pragma once

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QStyle>

// The desktop's icon of that name, else the style's picture.
// The style's pictures of the names the tool bars use are compiled in under
// the name (":/icons/NAME-SIZE.png"): the style would look for the name in
// the desktop's icon theme once more first, and the first look into a theme
// reads its whole index, several milliseconds of the window's first drawing.
// A desktop without a theme of its own falls back to "hicolor", which holds
// programs' icons only, so nothing is looked up there at all.
inline QIcon themeIcon(const QString &name, QStyle::StandardPixmap fallback)
{
    const QString theme = QIcon::themeName();
    if (!theme.isEmpty() && theme != QLatin1String("hicolor")) {
        const QIcon themed = QIcon::fromTheme(name);
        if (!themed.isNull())
            return themed;
    }
    QIcon bundled;
    for (int size : {16, 24, 32, 48, 128}) {
        const QString file = QStringLiteral(":/icons/%1-%2.png").arg(name).arg(size);
        if (QFile::exists(file))
            bundled.addFile(file, QSize(size, size));
    }
    return bundled.isNull() ? QApplication::style()->standardIcon(fallback) : bundled;
}
