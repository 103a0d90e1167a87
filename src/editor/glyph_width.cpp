#include "editor/glyph_width.h"

#include <algorithm>

namespace rw {

uint8_t GlyphWidthOfRows(const uint16_t* rows, int count, int bits) {
    int left_most = bits;
    int right_most = 0;
    for (int i = 0; i < count; ++i) {
        const uint16_t row = rows[i];
        // The search for the leftmost ink stops at the last column, so an empty row gives W - 1;
        // an empty row's right edge counts as 1.
        int left = 0;
        while (left < bits - 1 && !((row >> (bits - 1 - left)) & 1u)) ++left;
        int right = 0;
        for (int c = bits - 1; c >= 0; --c) {
            if ((row >> (bits - 1 - c)) & 1u) {
                right = c;
                break;
            }
        }
        left_most = std::min(left_most, left);
        right_most = std::max(right_most, right + 1);
    }
    if (right_most + 1 < left_most) return 0;
    // Only the unused column 0 is left out of the width. The phone (and a wide load) draws the
    // width's columns from the left, so counting the empty columns left of the ink as well
    // would cut off the right edge of any glyph that does not start in column 0 or 1.
    return static_cast<uint8_t>(right_most + 1 - std::min(left_most, 1));
}

uint8_t GlyphWidth(const Glyph& glyph, int last_row) {
    return GlyphWidthOfRows(glyph.elements.data() + 1, glyph.LastRowOf(last_row), glyph.columns());
}

}  // namespace rw
