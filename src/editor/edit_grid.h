#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "editor/picture.h"
#include "model/font_image.h"

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

// The hint of width bit `bit` (7..0).
constexpr GridHint WidthBitHint(int bit) {
    return static_cast<GridHint>(10 - bit);
}

// One cell of the enlarged grid.
struct GridCell {
    CellRole role = CellRole::Inert;
    Rgb colour = kFaceGrey;
    int number = -1;  // W*r + c for a live cell, -1 otherwise
    GridHint hint = GridHint::None;
    bool live = false;
};

// The 16 x 16 cells, indexed [row][column].
struct EditGrid {
    std::array<std::array<GridCell, kGridSize>, kGridSize> cells{};

    GridCell& At(int row, int col) { return cells[row][col]; }
    const GridCell& At(int row, int col) const { return cells[row][col]; }
};

// The grid layouts: role, clear-bit colour, number, hint and liveness of all 256 cells for last
// row index `last_row`. Neither touches the working glyph or the row labels.
void LayoutWideGrid(int last_row, EditGrid& grid);
void LayoutNarrowGrid(int last_row, EditGrid& grid);

// Paints the eight width-bit cells from an 8-bit width (narrow: row 0 columns 0..7, wide: row 0
// columns 8..15), bit 7 first.
void ShowWidthBits(uint8_t width, bool wide, EditGrid& grid);

// Colours of a set or clear bit in a cell of a role.
Rgb CellColour(CellRole role, bool set);

// Paints rows 0..H of the grid from a glyph, as a letter load does.
void PaintGridFromNarrow(const NarrowGlyph& glyph, int last_row, EditGrid& grid);
void PaintGridFromWide(const WideGlyph& glyph, int last_row, EditGrid& grid);

// The sixteen row labels (ShowRowValues) of a working glyph.
using RowLabels = std::array<std::string, kGridSize>;
void ShowNarrowRowValues(const NarrowGlyph& glyph, int last_row, RowLabels& labels);
void ShowWideRowValues(const WideGlyph& glyph, int last_row, RowLabels& labels);

}  // namespace rw
