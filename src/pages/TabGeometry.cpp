#include "pages/TabGeometry.h"

#include <algorithm>

namespace TabGeometry {

int fittedWidth(Fit form, int clientWidth, int current, int count)
{
    const int available = clientWidth - kMargin;
    const int n = std::max(count, 1);
    const bool refit = form == Fit::Adding ? current > kThreshold
                                           : (current > kThreshold || n * current < available);
    if (!refit)
        return current;
    return std::max(available / n, kMinimumWidth);
}

QRect glyphZone(const QRect &item)
{
    return QRect(item.left() + 4, item.top() + 5, 10, 9);
}

bool inGlyphZone(const QRect &item, const QPoint &point)
{
    return glyphZone(item).contains(point);
}

} // namespace TabGeometry
