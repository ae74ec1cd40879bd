// What a drag carries onto the favorites: the first byte chooses which of the
// formats a dropped link is read from hold the rest (a URI list, plain text,
// the moz address and title, the wide and the narrow file-group descriptor).
#include "favorites/FavoriteDrop.h"

#include <QMimeData>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const uint8_t formats = data[0];
    const QByteArray rest(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    QMimeData mime;
    if (formats & 1)
        mime.setData(QStringLiteral("text/uri-list"), rest);
    if (formats & 2)
        mime.setData(QStringLiteral("text/plain"), rest);
    if (formats & 4)
        mime.setData(QStringLiteral("text/x-moz-url"), rest);
    if (formats & 8)
        mime.setData(QStringLiteral("application/x-qt-windows-mime;value=\"FileGroupDescriptorW\""), rest);
    if (formats & 16)
        mime.setData(QStringLiteral("application/x-qt-windows-mime;value=\"FileGroupDescriptor\""), rest);
    FavoriteDrop::linkIn(mime);
    return 0;
}
