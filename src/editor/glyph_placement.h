#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/font_image.h"
#include "model/glyph.h"

namespace rw {

// The pixel cell of the live glyph table: W columns (8 narrow, 16 wide), rows 1..H.
struct GlyphCell {
    int columns = 8;
    int last_row = 11;

    static GlyphCell Of(bool wide, int last_row) {
        return {TraitsOf(FormOf(wide)).columns, last_row};
    }
    GlyphForm form() const { return FormOf(columns == TraitsOf(GlyphForm::Wide).columns); }
};

// A one-bit picture of a character as a rasteriser hands it over: `width` x `height` pixels, row
// by row, and where its top-left pixel lies relative to the pen on the baseline (`left` to the
// right, `top` upwards).
struct MonoBitmap {
    int width = 0;
    int height = 0;
    int left = 0;
    int top = 0;
    std::vector<uint8_t> ink;  // width * height values, 1 for ink
    // Larger than MaxGlyphBitmapSide either way: not drawn, so no ink, and all of it clipped.
    bool oversized = false;

    bool Ink(int x, int y) const { return ink[static_cast<size_t>(y) * width + x] != 0; }
};

struct PlacedGlyph {
    GlyphRows rows{};
    bool clipped = false;  // ink fell outside rows 1..H or columns 1..W-1 and was cut off
};

// Pixels a side beyond which a rasteriser does not draw a character for this cell: a few cells
// leave room for any sensible size, and a crafted font cannot make one glyph cost gigabytes.
int MaxGlyphBitmapSide(GlyphCell cell);

// Puts a character into the cell: bitmap row y goes to grid row baseline - top + 1 + y, and the
// leftmost column holding ink goes to grid column 1. Column 0 stays clear, since phones show it
// as the gap before a letter. An oversized bitmap gives an empty glyph, reported as clipped.
PlacedGlyph PlaceMonoBitmap(const MonoBitmap& bitmap, GlyphCell cell, int baseline);

// The bold weight drawn from the normal one: every row ORed with itself shifted one column to
// the right; ink pushed past the last column is lost. True when ink was lost.
bool Embolden(GlyphRows& rows, GlyphCell cell);

// The baseline row a face suggests: H less its descender in whole pixels (the descender in
// 26.6 fixed point, negative below the baseline), kept within rows 1..H.
int DefaultBaseline(GlyphCell cell, long descender_26_6);

// Writes the rows into a slot of the live table with the width the width rule gives them.
void StoreGlyphRows(const GlyphRows& rows, GlyphCell cell, GlyphSlot slot, FontImage& font);
// The rows of a slot of the live table.
GlyphRows LoadGlyphRows(const FontImage& font, GlyphCell cell, GlyphSlot slot);

}  // namespace rw
