#include "platform/HandOffRecord.h"

#include <QtEndian>

namespace HandOffRecord {

QByteArray encode(const QString &text)
{
    const QByteArray payload = text.toUtf8();
    if (payload.size() > kMaxText)
        return {};
    QByteArray record(4, '\0');
    qToBigEndian<quint32>(quint32(payload.size()), record.data());
    return record + payload;
}

Decoded decode(const QByteArray &received)
{
    if (received.size() < 4)
        return {};
    const quint32 length = qFromBigEndian<quint32>(received.constData());
    if (length > quint32(kMaxText))
        return {Decoded::Status::Broken, {}};
    if (received.size() < qsizetype(4 + length))
        return {};
    return {Decoded::Status::Complete, QString::fromUtf8(received.constData() + 4, length)};
}

} // namespace HandOffRecord
