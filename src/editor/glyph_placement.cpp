#include "editor/glyph_placement.h"

#include <algorithm>
#include <cmath>

#include "editor/glyph_width.h"

namespace rw {
namespace {

// The leftmost bitmap column with ink, -1 for a blank bitmap.
int LeftmostInk(const MonoBitmap& bitmap) {
    int left = bitmap.width;
    for (int y = 0; y < bitmap.height; ++y) {
        for (int x = 0; x < std::min(left, bitmap.width); ++x) {
            if (bitmap.Ink(x, y)) {
                left = x;
                break;
            }
        }
    }
    return left == bitmap.width ? -1 : left;
}

uint16_t ColumnBit(GlyphCell cell, int column) {
    return static_cast<uint16_t>(1u << (cell.columns - 1 - column));
}

}  // namespace

int MaxGlyphBitmapSide(GlyphCell cell) {
    constexpr int kCells = 4;
    return kCells * std::max(cell.columns, cell.last_row + 1);
}

PlacedGlyph PlaceMonoBitmap(const MonoBitmap& bitmap, GlyphCell cell, int baseline) {
    PlacedGlyph placed;
    if (bitmap.oversized) {
        placed.clipped = true;
        return placed;
    }
    const int ink_left = LeftmostInk(bitmap);
    if (ink_left < 0) return placed;
    const int first_row = baseline - bitmap.top + 1;
    for (int y = 0; y < bitmap.height; ++y) {
        const int row = first_row + y;
        for (int x = ink_left; x < bitmap.width; ++x) {
            if (!bitmap.Ink(x, y)) continue;
            const int column = 1 + x - ink_left;
            if (row < 1 || row > cell.last_row || column > cell.columns - 1) {
                placed.clipped = true;
                continue;
            }
            placed.rows[row] |= ColumnBit(cell, column);
        }
    }
    return placed;
}

bool Embolden(GlyphRows& rows, GlyphCell cell) {
    bool lost = false;
    for (int r = 1; r <= cell.last_row; ++r) {
        if (rows[r] & 1u) lost = true;
        rows[r] = static_cast<uint16_t>(rows[r] | (rows[r] >> 1));
    }
    return lost;
}

int DefaultBaseline(GlyphCell cell, long descender_26_6) {
    const long below = std::lround(static_cast<double>(-descender_26_6) / 64.0);
    return static_cast<int>(std::clamp<long>(cell.last_row - below, 1, cell.last_row));
}

void StoreGlyphRows(const GlyphRows& rows, GlyphCell cell, GlyphSlot slot, FontImage& font) {
    Glyph glyph(cell.form());
    const unsigned columns = (1u << glyph.columns()) - 1u;
    for (int r = 1; r <= glyph.LastRowOf(cell.last_row); ++r) {
        glyph[r] = static_cast<uint16_t>(rows[r] & columns);
    }
    glyph[0] = GlyphWidth(glyph, cell.last_row);
    font.Put(glyph.form, slot, glyph);
}

GlyphRows LoadGlyphRows(const FontImage& font, GlyphCell cell, GlyphSlot slot) {
    const Glyph glyph = font.At(cell.form(), slot);
    GlyphRows rows{};
    for (int r = 1; r <= glyph.LastRowOf(cell.last_row); ++r) rows[r] = glyph[r];
    return rows;
}

}  // namespace rw
