#include "editor/grid_cursor.h"

#include <algorithm>

#include "editor/edit_grid.h"

namespace rw {
namespace {

bool IsLive(GlyphForm form, int last_row, int row, int col) {
    if (row < 0 || row >= kGridSize || col < 0 || col >= kGridSize) return false;
    return LayoutCell(form, last_row, row, col).live;
}

// The live cells of every layout form one rectangle: pixel rows 1..H (as far as the form's grid
// goes), columns 1 up to the form's last.
struct LiveBounds {
    int first_row = kGridSize;
    int last_row = -1;
    int first_col = kGridSize;
    int last_col = -1;
};

LiveBounds BoundsOf(GlyphForm form, int last_row) {
    LiveBounds bounds;
    for (int row = 0; row < kGridSize; ++row) {
        for (int col = 0; col < kGridSize; ++col) {
            if (!IsLive(form, last_row, row, col)) continue;
            bounds.first_row = std::min(bounds.first_row, row);
            bounds.last_row = std::max(bounds.last_row, row);
            bounds.first_col = std::min(bounds.first_col, col);
            bounds.last_col = std::max(bounds.last_col, col);
        }
    }
    return bounds;
}

}  // namespace

std::optional<GridCursor> MovedCursor(GridCursor cursor, CursorMove move, GlyphForm form,
                                      int last_row) {
    GridCursor next = cursor;
    switch (move) {
        case CursorMove::Left:
            --next.col;
            break;
        case CursorMove::Right:
            ++next.col;
            break;
        case CursorMove::Up:
            --next.row;
            break;
        case CursorMove::Down:
            ++next.row;
            break;
    }
    if (!IsLive(form, last_row, next.row, next.col)) return std::nullopt;
    return next;
}

GridCursor KeptLive(GridCursor cursor, GlyphForm form, int last_row) {
    if (IsLive(form, last_row, cursor.row, cursor.col)) return cursor;
    const LiveBounds bounds = BoundsOf(form, last_row);
    if (bounds.last_row < 0) return cursor;  // no layout is without pixels
    return {std::clamp(cursor.row, bounds.first_row, bounds.last_row),
            std::clamp(cursor.col, bounds.first_col, bounds.last_col)};
}

}  // namespace rw
