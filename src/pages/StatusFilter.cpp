#include "pages/StatusFilter.h"

namespace StatusFilter {

bool isAddressLike(const QString &text)
{
    return text.startsWith(QLatin1String("about:")) || text.contains(QLatin1String("://"))
           || text.contains(QLatin1String("mailto:")) || text.contains(QLatin1String("javascript:"));
}

QString securityText(int level)
{
    switch (level) {
    case 0: return QStringLiteral("安全设置 .");
    case 1: return QStringLiteral("Multiple");
    case 2: return QStringLiteral("Unknown.");
    case 3: return QStringLiteral("40-bit.");
    case 4: return QStringLiteral("56-bit.");
    case 5: return QStringLiteral("Fortezza.");
    case 6: return QStringLiteral("128-bit.");
    default: return {};
    }
}

} // namespace StatusFilter
