#include "editor/glyph_ops.h"

#include <utility>

#include "editor/glyph_width.h"

namespace rw {
namespace {

// The leftmost and rightmost ink columns over rows 1..h; false for an empty glyph.
bool InkSpan(const Glyph& glyph, int h, int& left, int& right) {
    unsigned all = 0;
    for (int r = 1; r <= h; ++r) all |= glyph[r];
    if (all == 0) return false;
    left = 0;
    while (!(all & glyph.ColumnBit(left))) ++left;
    right = glyph.columns() - 1;
    while (!(all & glyph.ColumnBit(right))) --right;
    return true;
}

void FlipHorizontally(Glyph& glyph, int h) {
    int left = 0;
    int right = 0;
    if (!InkSpan(glyph, h, left, right)) return;
    for (int r = 1; r <= h; ++r) {
        unsigned mirrored = 0;
        for (int c = left; c <= right; ++c) {
            if (glyph.Ink(r, c)) mirrored |= glyph.ColumnBit(left + right - c);
        }
        glyph[r] = static_cast<uint16_t>(mirrored);
    }
}

}  // namespace

void ShiftRows(Glyph& glyph, int last_row, ShiftDirection direction) {
    const int h = glyph.LastRowOf(last_row);
    const unsigned mask = (1u << glyph.columns()) - 1u;
    switch (direction) {
        case ShiftDirection::Right:
            for (int r = 1; r <= h; ++r) glyph[r] = static_cast<uint16_t>(glyph[r] >> 1);
            break;
        case ShiftDirection::Left:
            // Twice left within the element, then once right: column 1's ink falls out and the
            // unused column 0 stays clear.
            for (int r = 1; r <= h; ++r) {
                const unsigned twice = (static_cast<unsigned>(glyph[r]) << 2) & mask;
                glyph[r] = static_cast<uint16_t>(twice >> 1);
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

void TransformRows(Glyph& glyph, int last_row, GlyphTransform transform) {
    const int h = glyph.LastRowOf(last_row);
    switch (transform) {
        case GlyphTransform::FlipHorizontal:
            FlipHorizontally(glyph, h);
            break;
        case GlyphTransform::FlipVertical:
            for (int r = 1; r < h + 1 - r; ++r) std::swap(glyph[r], glyph[h + 1 - r]);
            break;
        case GlyphTransform::Invert: {
            const unsigned pixels = glyph.ColumnBit(0) - 1u;  // columns 1..W-1
            for (int r = 1; r <= h; ++r) glyph[r] = static_cast<uint16_t>(glyph[r] ^ pixels);
            break;
        }
        case GlyphTransform::Embolden:
            for (int r = 1; r <= h; ++r) glyph[r] = static_cast<uint16_t>(glyph[r] | glyph[r] >> 1);
            break;
    }
}

void ApplyWidthRule(Glyph& glyph, int last_row) {
    glyph[0] = GlyphWidth(glyph, last_row);
}

}  // namespace rw
