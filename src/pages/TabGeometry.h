#pragma once

#include <QPoint>
#include <QRect>

// The tab strip's sizing and hit rules, kept apart from the drawing.
namespace TabGeometry {

// Tab widths are fitted after a Page was added (Adding) or when the strip or
// the number of tabs changes (Resize).
enum class Fit { Adding, Resize };

inline constexpr int kThreshold = 60;   // tabs this narrow stop shrinking
inline constexpr int kMargin = 15;      // kept free at the strip's right end
inline constexpr int kMinimumWidth = 20;

// The width every tab gets, or the current width when the rule leaves it.
// clientWidth: the strip's width; current: the width of tab 0; count: tabs
// (0 counts as 1).
int fittedWidth(Fit form, int clientWidth, int current, int count);

// The close/unlock glyph of a tab whose item rectangle is `item`: 10 by 10
// pixels, 4 from the left and 5 from the top.
QRect glyphZone(const QRect &item);
bool inGlyphZone(const QRect &item, const QPoint &point);

} // namespace TabGeometry
