#pragma once

#include "pages/TabGlyph.h"

#include <ostream>

// Test failures name a glyph by its place in the strip.
inline void PrintTo(TabGlyph glyph, std::ostream *os)
{
    *os << "glyph " << static_cast<int>(glyph);
}
