#include "editor/edit_grid.h"

namespace rw {
namespace {

// Whether row r (1..15) holds pixels for last row index H: rows 1..9 always, 10..11 when H >= 10,
// 12..15 when H >= 12; never past the last row the form's grid has.
bool IsGlyphRow(GlyphForm form, int row, int last_row) {
    if (row > TraitsOf(form).grid_last_row) return false;
    if (row <= 9) return true;
    if (row <= 11) return last_row >= 10;
    return last_row >= 12;
}

GridHint HintBelowGlyph(int row) {
    return row <= 11 ? GridHint::NormalAndBigBits : GridHint::BigBits;
}

// The hint of width bit `bit` (7..0).
constexpr GridHint WidthBitHint(int bit) {
    return static_cast<GridHint>(10 - bit);
}

GridCell MakeCell(CellRole role, GridHint hint, int number = -1) {
    GridCell cell;
    cell.role = role;
    cell.colour = CellColour(role, false);
    cell.hint = hint;
    cell.live = role == CellRole::Pixel;
    cell.number = cell.live ? number : -1;
    return cell;
}

// The eight cells of the width byte: row 0's last eight columns of the form (columns 0..7
// narrow, 8..15 wide). Wide, the eight before them are the header's high byte.
int FirstWidthColumn(GlyphForm form) {
    return TraitsOf(form).columns - 8;
}

std::string Hex2(unsigned value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    return {kDigits[(value >> 4) & 0xF], kDigits[value & 0xF]};
}

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

GridCell LayoutCell(GlyphForm form, int last_row, int row, int col) {
    const int columns = TraitsOf(form).columns;
    // The narrow grid's right half belongs to the wide fonts alone.
    if (col >= columns) return MakeCell(CellRole::Inert, GridHint::BigBits);
    if (row == 0) {
        const int first_width = FirstWidthColumn(form);
        if (col < first_width) return MakeCell(CellRole::HeaderBit, GridHint::UnusedBit);
        return MakeCell(CellRole::WidthBit, WidthBitHint(7 - (col - first_width)));
    }
    if (!IsGlyphRow(form, row, last_row)) return MakeCell(CellRole::Inert, HintBelowGlyph(row));
    if (col == 0) return MakeCell(CellRole::UnusedColumn, GridHint::UnusedBit);
    return MakeCell(CellRole::Pixel, GridHint::None, columns * row + col);
}

EditGrid LayoutGrid(GlyphForm form, int last_row) {
    EditGrid grid;
    for (int row = 0; row < kGridSize; ++row) {
        for (int col = 0; col < kGridSize; ++col)
            grid.At(row, col) = LayoutCell(form, last_row, row, col);
    }
    return grid;
}

EditGrid PaintGrid(EditGrid grid, const Glyph& glyph, uint8_t header_byte) {
    const int first_width = FirstWidthColumn(glyph.form);
    for (int row = 0; row < kGridSize; ++row) {
        for (int col = 0; col < kGridSize; ++col) {
            GridCell& cell = grid.At(row, col);
            switch (cell.role) {
                case CellRole::Pixel:
                case CellRole::UnusedColumn:
                    cell.colour = CellColour(cell.role, glyph.Ink(row, col));
                    break;
                case CellRole::WidthBit:
                    cell.colour =
                        CellColour(cell.role, (glyph.width() >> (7 - (col - first_width))) & 1u);
                    break;
                case CellRole::HeaderBit:
                    cell.colour = CellColour(cell.role, (header_byte >> (7 - col)) & 1u);
                    break;
                case CellRole::Inert:
                    break;
            }
        }
    }
    return grid;
}

RowLabels RowValues(const Glyph& glyph, int last_row) {
    RowLabels labels;
    for (int row = 0; row < kGridSize; ++row) {
        const uint16_t value = glyph[row];
        if (row != 0 && !IsGlyphRow(glyph.form, row, last_row)) {
            labels[row] = "-- --";
        } else if (glyph.form == GlyphForm::Wide) {
            labels[row] = Hex2(value >> 8) + " " + Hex2(value & 0xFF);
        } else {
            labels[row] = Hex2(value) + " --";
        }
    }
    return labels;
}

}  // namespace rw
