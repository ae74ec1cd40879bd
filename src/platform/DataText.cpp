#include "platform/DataText.h"

#include <QStringDecoder>

namespace DataText {

QString decode(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder gbk("GBK", QStringDecoder::Flag::Stateless);
    if (!gbk.isValid())
        return text; // no GBK on this system: the UTF-8 reading, with replacement characters
    return gbk.decode(bytes);
}

} // namespace DataText
