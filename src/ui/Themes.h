#pragma once

class QStyle;

// The three looks of the program: 0 a clean modern light one, 1 pink,
// 2 the classic one. The theme is application-wide.
namespace Themes {
inline constexpr int kModern = 0;
inline constexpr int kPink = 1;
inline constexpr int kClassic = 2;

// Installs the theme for the whole application; any other value counts as 0.
void apply(int skin);
int current();
// The style of a theme, newly made.
QStyle *makeStyle(int skin);
} // namespace Themes
