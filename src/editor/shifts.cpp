#include "editor/shifts.h"

#include <algorithm>

namespace rw {
namespace {

template <typename Element, size_t N>
void ShiftGlyphRows(std::array<Element, N>& glyph, int last_row, ShiftDirection direction,
                    unsigned bits) {
    const int h = std::min<int>(last_row, static_cast<int>(N) - 1);
    const unsigned mask = (1u << bits) - 1u;
    switch (direction) {
        case ShiftDirection::Right:
            for (int r = 1; r <= h; ++r) glyph[r] = static_cast<Element>(glyph[r] >> 1);
            break;
        case ShiftDirection::Left:
            // Twice left within the element, then once right: column 1's ink falls out and the
            // unused column 0 stays clear.
            for (int r = 1; r <= h; ++r) {
                const unsigned twice = (static_cast<unsigned>(glyph[r]) << 2) & mask;
                glyph[r] = static_cast<Element>(twice >> 1);
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

}  // namespace

void ShiftRows(NarrowGlyph& glyph, int last_row, ShiftDirection direction) {
    ShiftGlyphRows(glyph, last_row, direction, 8);
}

void ShiftRows(WideGlyph& glyph, int last_row, ShiftDirection direction) {
    ShiftGlyphRows(glyph, last_row, direction, 16);
}

}  // namespace rw
