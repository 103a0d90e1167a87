#pragma once

#include <optional>

#include "model/glyph.h"

namespace rw {

// The grid's keyboard cursor: the cell that Space flips and the arrows move, in cells. It stands
// on live cells only, the pixels a click may change.
struct GridCursor {
    int row = 1;
    int col = 1;
    friend constexpr bool operator==(GridCursor, GridCursor) = default;
};

enum class CursorMove { Left, Right, Up, Down };

// The live cell next to `cursor` that way in the layout of `form` for last row index H; none at
// the edge of the live cells.
std::optional<GridCursor> MovedCursor(GridCursor cursor, CursorMove move, GlyphForm form,
                                      int last_row);

// The live cell nearest to `cursor` in the layout of `form` for H: the cursor itself when it is
// live. After a change of the form or of H the cursor stays on the glyph.
GridCursor KeptLive(GridCursor cursor, GlyphForm form, int last_row);

}  // namespace rw
