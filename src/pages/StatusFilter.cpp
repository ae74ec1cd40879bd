#include "pages/StatusFilter.h"

#include <QCoreApplication>

namespace StatusFilter {

bool isAddressLike(const QString &text)
{
    return text.startsWith(QLatin1String("about:")) || text.contains(QLatin1String("://"))
           || text.contains(QLatin1String("mailto:")) || text.contains(QLatin1String("javascript:"));
}

QString securityText(int level)
{
    switch (level) {
    case 0: return QCoreApplication::translate("StatusFilter", "安全设置 .");
    case 1: return QCoreApplication::translate("StatusFilter", "Multiple");
    case 2: return QCoreApplication::translate("StatusFilter", "Unknown.");
    case 3: return QCoreApplication::translate("StatusFilter", "40-bit.");
    case 4: return QCoreApplication::translate("StatusFilter", "56-bit.");
    case 5: return QCoreApplication::translate("StatusFilter", "Fortezza.");
    case 6: return QCoreApplication::translate("StatusFilter", "128-bit.");
    default: return {};
    }
}

} // namespace StatusFilter
