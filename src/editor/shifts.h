#pragma once

#include "model/font_image.h"

namespace rw {

enum class ShiftDirection { Right, Left, Up, Down };

// Moves rows 1..H of a glyph one pixel; nothing wraps, ink pushed over an edge is lost, column 0
// stays clear on a left shift. Element 0 and elements above H are not touched.
void ShiftRows(NarrowGlyph& glyph, int last_row, ShiftDirection direction);
void ShiftRows(WideGlyph& glyph, int last_row, ShiftDirection direction);

}  // namespace rw
