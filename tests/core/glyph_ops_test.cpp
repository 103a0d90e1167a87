// The glyph transforms on narrow and wide glyphs at every last row index H they are used with.
#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "editor/glyph_ops.h"

namespace rw {
namespace {

template <typename Glyph>
class GlyphTransforms : public ::testing::Test {};
using GlyphForms = ::testing::Types<NarrowGlyph, WideGlyph>;
TYPED_TEST_SUITE(GlyphTransforms, GlyphForms);

template <typename Glyph>
constexpr int kBits = sizeof(typename Glyph::value_type) * 8;

// The last row indices of the kinds held in this form: Small/Browser 9, Normal 11, Big 15 (wide).
template <typename Glyph>
std::vector<int> LastRows() {
    if (kBits<Glyph> == 8) return {9, 11};
    return {9, 11, 15};
}

template <typename Glyph>
typename Glyph::value_type Columns(std::initializer_list<int> columns) {
    unsigned row = 0;
    for (int c : columns) row |= 1u << (kBits<Glyph> - 1 - c);
    return static_cast<typename Glyph::value_type>(row);
}

// Every element set to a marker, rows 1..H holding an asymmetric pattern.
template <typename Glyph>
Glyph Sample(int h) {
    Glyph g;
    g.fill(static_cast<typename Glyph::value_type>(0xA5A5));
    for (int r = 1; r <= h; ++r) g[r] = Columns<Glyph>({2, 2 + r % 3});
    g[1] = Columns<Glyph>({0, 5});
    return g;
}

TYPED_TEST(GlyphTransforms, FlipsMirrorRowsAndTheInkSpanAndUndoThemselves) {
    using G = TypeParam;
    for (int h : LastRows<G>()) {
        const G before = Sample<G>(h);
        Glyph v = before;
        TransformRows(v, h, GlyphTransform::FlipVertical);
        for (int r = 1; r <= h; ++r) EXPECT_EQ(v[r], before[h + 1 - r]) << h << " " << r;
        EXPECT_EQ(v[0], before[0]);
        for (int r = h + 1; r < static_cast<int>(before.size()); ++r) EXPECT_EQ(v[r], before[r]);
        TransformRows(v, h, GlyphTransform::FlipVertical);
        EXPECT_EQ(v, before);

        // The ink spans columns 0..5: column c goes to 5 - c, nothing leaves the span.
        Glyph f = before;
        TransformRows(f, h, GlyphTransform::FlipHorizontal);
        EXPECT_EQ(f[1], Columns<G>({5, 0}));
        EXPECT_EQ(f[2], Columns<G>({3, 1}));  // row 2: columns 2 and 4
        EXPECT_EQ(f[0], before[0]);
        TransformRows(f, h, GlyphTransform::FlipHorizontal);
        EXPECT_EQ(f, before);
    }
}

TYPED_TEST(GlyphTransforms, InvertLeavesColumnZeroAndEmboldenDropsInkPastTheEdge) {
    using G = TypeParam;
    const int last = kBits<G> - 1;
    for (int h : LastRows<G>()) {
        const G before = Sample<G>(h);
        Glyph inv = before;
        TransformRows(inv, h, GlyphTransform::Invert);
        for (int r = 1; r <= h; ++r) {
            const unsigned column0 = 1u << last;
            EXPECT_EQ(inv[r] & column0, before[r] & column0);
            EXPECT_EQ((inv[r] ^ before[r]) & (column0 - 1), column0 - 1) << h << " " << r;
        }
        for (int r = h + 1; r < static_cast<int>(before.size()); ++r) EXPECT_EQ(inv[r], before[r]);

        Glyph bold = G{};
        bold[1] = Columns<G>({0, 3, last});
        bold[h] = Columns<G>({last - 1});
        TransformRows(bold, h, GlyphTransform::Embolden);
        EXPECT_EQ(bold[1], Columns<G>({0, 1, 3, 4, last}));
        EXPECT_EQ(bold[h], Columns<G>({last - 1, last}));
    }
}

TYPED_TEST(GlyphTransforms, WidthRuleAfterATransform) {
    using G = TypeParam;
    Glyph g = G{};
    g[3] = Columns<G>({1, 2});
    TransformRows(g, 11, GlyphTransform::Embolden);
    ApplyWidthRule(g, 11);
    EXPECT_EQ(g[0], 4);  // columns 1..3 plus one
    TransformRows(g, 11, GlyphTransform::Invert);
    ApplyWidthRule(g, 11);
    EXPECT_EQ(g[0], kBits<G>);  // ink up to the last column
}

}  // namespace
}  // namespace rw
