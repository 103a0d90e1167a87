#pragma once

#include <cstdint>

#include "model/glyph.h"

namespace rw {

// The width rule: from column 1 (column 0 when it holds ink) to the ink's rightmost column over
// rows 1..H, plus one column of spacing; 0 for an empty glyph. Ink in columns 0 and 15 gives 17,
// ink in column 3 alone 4.
uint8_t GlyphWidth(const Glyph& glyph, int last_row);

// The rule over rows given as W-bit values, most significant bit leftmost.
uint8_t GlyphWidthOfRows(const uint16_t* rows, int count, int bits);

}  // namespace rw
