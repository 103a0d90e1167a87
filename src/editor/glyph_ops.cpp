#include "editor/glyph_ops.h"

#include <algorithm>
#include <utility>

#include "editor/glyph_width.h"

namespace rw {
namespace {

template <typename Glyph>
using Row = typename Glyph::value_type;

template <typename Glyph>
constexpr int kBits = static_cast<int>(sizeof(Row<Glyph>) * 8);

// The last row a glyph of this form stores: a narrow glyph has 12 rows, a wide one 15.
template <typename Glyph>
int StoredLastRow(int last_row) {
    return std::min<int>(last_row, static_cast<int>(std::tuple_size_v<Glyph>) - 1);
}

// Bit of column `col` (0 leftmost) in a row.
template <typename Glyph>
constexpr unsigned ColumnBit(int col) {
    return 1u << (kBits<Glyph> - 1 - col);
}

// The leftmost and rightmost ink columns over rows 1..h; false for an empty glyph.
template <typename Glyph>
bool InkSpan(const Glyph& glyph, int h, int& left, int& right) {
    unsigned all = 0;
    for (int r = 1; r <= h; ++r) all |= glyph[r];
    if (all == 0) return false;
    left = 0;
    while (!(all & ColumnBit<Glyph>(left))) ++left;
    right = kBits<Glyph> - 1;
    while (!(all & ColumnBit<Glyph>(right))) --right;
    return true;
}

template <typename Glyph>
void FlipHorizontally(Glyph& glyph, int h) {
    int left = 0;
    int right = 0;
    if (!InkSpan(glyph, h, left, right)) return;
    for (int r = 1; r <= h; ++r) {
        unsigned mirrored = 0;
        for (int c = left; c <= right; ++c) {
            if (glyph[r] & ColumnBit<Glyph>(c)) mirrored |= ColumnBit<Glyph>(left + right - c);
        }
        glyph[r] = static_cast<Row<Glyph>>(mirrored);
    }
}

}  // namespace

template <typename Glyph>
void ShiftRows(Glyph& glyph, int last_row, ShiftDirection direction) {
    const int h = StoredLastRow<Glyph>(last_row);
    const unsigned mask = (1u << kBits<Glyph>)-1u;
    switch (direction) {
        case ShiftDirection::Right:
            for (int r = 1; r <= h; ++r) glyph[r] = static_cast<Row<Glyph>>(glyph[r] >> 1);
            break;
        case ShiftDirection::Left:
            // Twice left within the element, then once right: column 1's ink falls out and the
            // unused column 0 stays clear.
            for (int r = 1; r <= h; ++r) {
                const unsigned twice = (static_cast<unsigned>(glyph[r]) << 2) & mask;
                glyph[r] = static_cast<Row<Glyph>>(twice >> 1);
            }
            break;
        case ShiftDirection::Up:
            for (int r = 1; r < h; ++r) glyph[r] = glyph[r + 1];
            if (h >= 1) glyph[h] = 0;
            break;
        case ShiftDirection::Down:
            for (int r = h; r > 1; --r) glyph[r] = glyph[r - 1];
            if (h >= 1) glyph[1] = 0;
            break;
    }
}

template <typename Glyph>
void TransformRows(Glyph& glyph, int last_row, GlyphTransform transform) {
    const int h = StoredLastRow<Glyph>(last_row);
    switch (transform) {
        case GlyphTransform::FlipHorizontal:
            FlipHorizontally(glyph, h);
            break;
        case GlyphTransform::FlipVertical:
            for (int r = 1; r < h + 1 - r; ++r) std::swap(glyph[r], glyph[h + 1 - r]);
            break;
        case GlyphTransform::Invert: {
            const unsigned pixels = ColumnBit<Glyph>(0) - 1u;  // columns 1..W-1
            for (int r = 1; r <= h; ++r) glyph[r] = static_cast<Row<Glyph>>(glyph[r] ^ pixels);
            break;
        }
        case GlyphTransform::Embolden:
            for (int r = 1; r <= h; ++r)
                glyph[r] = static_cast<Row<Glyph>>(glyph[r] | glyph[r] >> 1);
            break;
    }
}

template <typename Glyph>
void ApplyWidthRule(Glyph& glyph, int last_row) {
    glyph[0] = GlyphWidth(glyph, last_row);
}

template void ShiftRows(NarrowGlyph&, int, ShiftDirection);
template void ShiftRows(WideGlyph&, int, ShiftDirection);
template void TransformRows(NarrowGlyph&, int, GlyphTransform);
template void TransformRows(WideGlyph&, int, GlyphTransform);
template void ApplyWidthRule(NarrowGlyph&, int);
template void ApplyWidthRule(WideGlyph&, int);

}  // namespace rw
