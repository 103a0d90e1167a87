// The width rule: the ink's extent plus one column, 0 for an empty glyph.
#include <gtest/gtest.h>

#include "editor/glyph_width.h"
#include "editor_test_support.h"

namespace rw {
namespace {

using editor_testing::Narrow;
using editor_testing::Wide;

TEST(GlyphWidthRule, EmptyGlyphHasWidthZero) {
    EXPECT_EQ(GlyphWidth(NarrowGlyph{}, 11), 0);
    EXPECT_EQ(GlyphWidth(WideGlyph{}, 15), 0);
    EXPECT_EQ(GlyphWidth(WideGlyph{}, 9), 0);
}

TEST(GlyphWidthRule, FromColumnOneToTheInkPlusOne) {
    // Empty columns left of the ink count: the phone draws the width from the left.
    EXPECT_EQ(GlyphWidth(Narrow(0, {0x10}), 11), 4);         // column 3 alone
    EXPECT_EQ(GlyphWidth(Narrow(0, {0x7F}), 11), 8);         // columns 1..7
    EXPECT_EQ(GlyphWidth(Wide(0, {0x7FFF}), 11), 16);        // columns 1..15
    EXPECT_EQ(GlyphWidth(Wide(0, {0, 0, 0x0001}), 11), 16);  // column 15 alone
    EXPECT_EQ(GlyphWidth(Narrow(0, {0x01}), 9), 8);          // column 7 alone
    EXPECT_EQ(GlyphWidth(Narrow(0, {0x40, 0x02}), 9), 7);    // columns 1 and 6 in two rows
}

TEST(GlyphWidthRule, UnusedColumnCountsLikeAnyOther) {
    EXPECT_EQ(GlyphWidth(Wide(0, {0x8001}), 11), 17);
    EXPECT_EQ(GlyphWidth(Wide(0, {0x8000}), 11), 2);
    EXPECT_EQ(GlyphWidth(Narrow(0, {0x80}), 11), 2);
}

TEST(GlyphWidthRule, OnlyRowsOneToHCount) {
    // Element 0 (the width) and rows below H are not part of the glyph.
    EXPECT_EQ(GlyphWidth(Narrow(0xFF, {}), 11), 0);
    NarrowGlyph g{};
    g[10] = 0x7F;
    EXPECT_EQ(GlyphWidth(g, 9), 0);
    EXPECT_EQ(GlyphWidth(g, 11), 8);
    WideGlyph w{};
    w[14] = 0x0100;
    EXPECT_EQ(GlyphWidth(w, 11), 0);
    EXPECT_EQ(GlyphWidth(w, 15), 8);
}

}  // namespace
}  // namespace rw
