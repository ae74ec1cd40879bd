#include "core/BuildNumber.h"

#include <limits>

namespace BuildNumber {

qint32 value(QStringView text)
{
    constexpr qint64 kLargest = std::numeric_limits<qint32>::max();
    qint64 n = 0;
    for (const QChar c : text.trimmed()) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        n = std::min(n * 10 + (c.unicode() - '0'), kLargest + 1);
    }
    return qint32(std::min(n, kLargest));
}

QString dateText(QStringView text)
{
    return QStringLiteral("%1, %2, %3").arg(text.mid(0, 4), text.mid(4, 2), text.mid(6, 2));
}

} // namespace BuildNumber
