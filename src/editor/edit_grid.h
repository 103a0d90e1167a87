#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "editor/picture.h"
#include "model/glyph.h"

namespace rw {

constexpr int kGridSize = 16;

// What a grid cell stands for.
enum class CellRole {
    Pixel,         // a pixel of the glyph: live, white or black
    WidthBit,      // one of the eight bits of the width byte
    HeaderBit,     // wide layout, row 0, columns 0..7: the high byte of the header word
    UnusedColumn,  // column 0 of a glyph row
    Inert,         // outside the glyph: never reacts to the mouse
};

// The eleven grid hint texts, in the order the window holds them; None for a cell without hint.
enum class GridHint : int8_t {
    None = -1,
    UnusedBit = 0,
    BigBits = 1,
    NormalAndBigBits = 2,
    WidthBit7 = 3,  // WidthBit7 + k is width bit 7 - k
    WidthBit0 = 10,
};
constexpr int kGridHintCount = 11;

// One cell of the enlarged grid.
struct GridCell {
    CellRole role = CellRole::Inert;
    Rgb colour = kFaceGrey;
    int number = -1;  // W*r + c for a live cell, -1 otherwise
    GridHint hint = GridHint::None;
    bool live = false;
    friend bool operator==(const GridCell&, const GridCell&) = default;
};

// The 16 x 16 cells, indexed [row][column].
struct EditGrid {
    std::array<std::array<GridCell, kGridSize>, kGridSize> cells{};

    GridCell& At(int row, int col) { return cells[row][col]; }
    const GridCell& At(int row, int col) const { return cells[row][col]; }
    friend bool operator==(const EditGrid&, const EditGrid&) = default;
};

// One cell of the grid layout of a glyph form for last row index H: its role, hint, number and
// liveness, in the colour of a clear bit. This is the original's two layout routines in one:
// the wide layout LayoutWideGrid (header bits and width bits in row 0, pixel rows 1..H of 15
// columns) and the narrow layout LayoutNarrowGrid (width bits in row 0, pixel rows of 7 columns,
// columns 8..15 inert).
GridCell LayoutCell(GlyphForm form, int last_row, int row, int col);

// Every cell of that layout.
EditGrid LayoutGrid(GlyphForm form, int last_row);

// The grid showing a glyph: the layout of the glyph's form for its H, rows 0..H coloured by the
// glyph's bits, as a letter load paints them. The header-bit cells show `header_byte`: after a
// click the width rule clears the header's high byte, but those cells keep the colours of the
// last load.
EditGrid PaintGrid(EditGrid layout, const Glyph& glyph, uint8_t header_byte);

// Colours of a set or clear bit in a cell of a role.
Rgb CellColour(CellRole role, bool set);

// The sixteen row labels (ShowRowValues) of a working glyph: the wide grid's "3C 00" for a
// word, the narrow grid's "3C --" for a byte, "-- --" for a row the kind does not have.
using RowLabels = std::array<std::string, kGridSize>;
RowLabels RowValues(const Glyph& glyph, int last_row);

}  // namespace rw
