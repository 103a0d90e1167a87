#pragma once

#include "model/glyph.h"

namespace rw {

enum class ShiftDirection { Right, Left, Up, Down };

// The glyph transforms of the edit menu; each works on rows 1..H of the working glyph.
enum class GlyphTransform {
    FlipHorizontal,  // the ink's column span mirrored in place
    FlipVertical,    // rows 1..H in reverse order
    Invert,          // every pixel of columns 1..W-1 (column 0 is not a pixel)
    Embolden,        // every row OR'ed with itself one column to the right
};

// Pure functions on one glyph of either form. Element 0 (the width) and elements above H are
// never touched; the caller applies the width rule afterwards.

// Moves rows 1..H one pixel; nothing wraps, ink pushed over an edge is lost, column 0 stays
// clear on a left shift.
void ShiftRows(Glyph& glyph, int last_row, ShiftDirection direction);

void TransformRows(Glyph& glyph, int last_row, GlyphTransform transform);

// Element 0 := the width rule over rows 1..H; a wide header keeps no high byte.
void ApplyWidthRule(Glyph& glyph, int last_row);

}  // namespace rw
