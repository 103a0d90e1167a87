#include "editor/edit_grid.h"

#include <algorithm>

namespace rw {
namespace {

GridCell MakeCell(CellRole role, GridHint hint, int number = -1) {
    GridCell cell;
    cell.role = role;
    cell.colour = CellColour(role, false);
    cell.hint = hint;
    cell.live = role == CellRole::Pixel;
    cell.number = cell.live ? number : -1;
    return cell;
}

// A glyph row of a layout: the unused column 0, then pixel columns 1..bits-1.
void LayoutGlyphRow(int row, int bits, EditGrid& grid) {
    grid.At(row, 0) = MakeCell(CellRole::UnusedColumn, GridHint::UnusedBit);
    for (int c = 1; c < bits; ++c) {
        grid.At(row, c) = MakeCell(CellRole::Pixel, GridHint::None, bits * row + c);
    }
}

void LayoutInertRow(int row, int from, int to, GridHint hint, EditGrid& grid) {
    for (int c = from; c < to; ++c) grid.At(row, c) = MakeCell(CellRole::Inert, hint);
}

// Whether row r (1..15) holds pixels for last row index H: rows 1..9 always, 10..11 when H >= 10,
// 12..15 when H >= 12.
bool IsGlyphRow(int row, int last_row) {
    if (row <= 9) return true;
    if (row <= 11) return last_row >= 10;
    return last_row >= 12;
}

GridHint HintBelowGlyph(int row) {
    return row <= 11 ? GridHint::NormalAndBigBits : GridHint::BigBits;
}

void PaintBits(uint16_t value, int row, int first_col, int count, CellRole role, EditGrid& grid) {
    for (int i = 0; i < count; ++i) {
        const bool set = (value >> (count - 1 - i)) & 1u;
        grid.At(row, first_col + i).colour = CellColour(role, set);
    }
}

void PaintGlyphRow(uint16_t value, int row, int bits, EditGrid& grid) {
    grid.At(row, 0).colour = CellColour(CellRole::UnusedColumn, (value >> (bits - 1)) & 1u);
    for (int c = 1; c < bits; ++c) {
        grid.At(row, c).colour = CellColour(CellRole::Pixel, (value >> (bits - 1 - c)) & 1u);
    }
}

std::string Hex2(unsigned value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    return {kDigits[(value >> 4) & 0xF], kDigits[value & 0xF]};
}

constexpr const char* kNoRow = "-- --";

}  // namespace

Rgb CellColour(CellRole role, bool set) {
    switch (role) {
        case CellRole::Pixel:
            return set ? kBlack : kWhite;
        case CellRole::WidthBit:
        case CellRole::HeaderBit:
            return set ? kRed : kFaceGrey;
        case CellRole::UnusedColumn:
            return set ? kDarkGrey : kFaceGrey;
        case CellRole::Inert:
            return kFaceGrey;
    }
    return kFaceGrey;
}

void LayoutWideGrid(int last_row, EditGrid& grid) {
    for (int c = 0; c < 8; ++c) grid.At(0, c) = MakeCell(CellRole::HeaderBit, GridHint::UnusedBit);
    for (int c = 8; c < 16; ++c) {
        grid.At(0, c) = MakeCell(CellRole::WidthBit, WidthBitHint(15 - c));
    }
    for (int row = 1; row < kGridSize; ++row) {
        if (IsGlyphRow(row, last_row)) {
            LayoutGlyphRow(row, 16, grid);
        } else {
            LayoutInertRow(row, 0, 16, HintBelowGlyph(row), grid);
        }
    }
}

void LayoutNarrowGrid(int last_row, EditGrid& grid) {
    for (int c = 0; c < 8; ++c) grid.At(0, c) = MakeCell(CellRole::WidthBit, WidthBitHint(7 - c));
    for (int row = 0; row < kGridSize; ++row) LayoutInertRow(row, 8, 16, GridHint::BigBits, grid);
    // The narrow table has no rows 13..15: they stay inert even with H = 15.
    for (int row = 1; row < kGridSize; ++row) {
        if (row <= 11 && IsGlyphRow(row, last_row)) {
            LayoutGlyphRow(row, 8, grid);
        } else {
            LayoutInertRow(row, 0, 8, HintBelowGlyph(row), grid);
        }
    }
}

void ShowWidthBits(uint8_t width, bool wide, EditGrid& grid) {
    PaintBits(width, 0, wide ? 8 : 0, 8, CellRole::WidthBit, grid);
}

void PaintGridFromNarrow(const NarrowGlyph& glyph, int last_row, EditGrid& grid) {
    PaintBits(glyph[0], 0, 0, 8, CellRole::WidthBit, grid);
    for (int row = 1; row <= std::min(last_row, 11); ++row) {
        if (IsGlyphRow(row, last_row)) PaintGlyphRow(glyph[row], row, 8, grid);
    }
}

void PaintGridFromWide(const WideGlyph& glyph, int last_row, EditGrid& grid) {
    PaintBits(glyph[0] >> 8, 0, 0, 8, CellRole::HeaderBit, grid);
    PaintBits(glyph[0] & 0xFF, 0, 8, 8, CellRole::WidthBit, grid);
    for (int row = 1; row <= std::min(last_row, 15); ++row) {
        if (IsGlyphRow(row, last_row)) PaintGlyphRow(glyph[row], row, 16, grid);
    }
}

void ShowNarrowRowValues(const NarrowGlyph& glyph, int last_row, RowLabels& labels) {
    for (int row = 0; row < kGridSize; ++row) {
        const bool shown = row <= 11 && (row <= 9 || last_row >= 10);
        labels[row] = shown ? Hex2(glyph[row]) + " --" : kNoRow;
    }
}

void ShowWideRowValues(const WideGlyph& glyph, int last_row, RowLabels& labels) {
    for (int row = 0; row < kGridSize; ++row) {
        const bool shown = row == 0 || IsGlyphRow(row, last_row);
        labels[row] = shown ? Hex2(glyph[row] >> 8) + " " + Hex2(glyph[row] & 0xFF) : kNoRow;
    }
}

}  // namespace rw
