#include "pages/LastVisit.h"

#include <QStringDecoder>

namespace LastVisit {

namespace {

// An address this program could have written: valid UTF-8 without control
// characters.
bool isAddressText(const QByteArray &piece, QString *text)
{
    if (piece.size() > kMaxAddressBytes)
        return false;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    *text = utf8.decode(piece);
    if (utf8.hasError())
        return false;
    for (const QChar c : *text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return false;
    }
    return true;
}

} // namespace

QStringList parse(const QByteArray &value)
{
    const qsizetype end = value.indexOf('\0');
    const QByteArrayView text = QByteArrayView(value).first(end < 0 ? value.size() : end);
    QStringList addresses;
    qsizetype from = 0;
    while (from < text.size() && addresses.size() < kMaxAddresses) {
        qsizetype to = text.indexOf('\n', from);
        if (to < 0)
            to = text.size();
        QByteArray piece = text.sliced(from, to - from).toByteArray();
        if (piece.endsWith('\r'))
            piece.chop(1);
        QString address;
        if (!piece.isEmpty() && isAddressText(piece, &address))
            addresses << address;
        from = to + 1;
    }
    return addresses;
}

QByteArray format(const QStringList &addresses)
{
    QByteArray value;
    for (const QString &address : addresses) {
        value += address.toUtf8();
        value += '\n';
    }
    value += '\0';
    return value;
}

} // namespace LastVisit
