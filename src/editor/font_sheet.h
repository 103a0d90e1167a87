#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "edition/message.h"
#include "editor/glyph_placement.h"
#include "editor/rgb_images.h"
#include "model/block_set.h"
#include "model/edition.h"
#include "model/font_image.h"

namespace rw {

// The whole font as one picture for any pixel editor: block b is a row of its slot_count, slot s a
// cell of W x H pixels at x = s * (W + 1), y = b * (H + 1), everything scaled by `scale`. Ink is
// black, blank white, the lines between cells the window's face grey.
struct FontSheetGeometry {
    GlyphCell cell;
    int block_count = 4;
    int slot_count = 34;

    static FontSheetGeometry Of(Edition edition, GlyphCell cell) {
        return {cell, BlockCount(edition), SlotCount(edition)};
    }
    int Width(int scale) const { return slot_count * (cell.columns + 1) * scale; }
    int Height(int scale) const { return block_count * (cell.last_row + 1) * scale; }
};

// The sheet of blocks first..first + count - 1 of the font (count = all blocks for a whole sheet;
// one block makes a preview strip).
RgbImage PaintFontSheet(const FontImage& font, const FontSheetGeometry& geometry, int scale,
                        int first_block = 0, int count = -1);

// Why a picture of this size is no sheet of the font: its width is no whole multiple of the cell
// grid, or its height does not fit; the reason names both sizes. nullopt for a sheet's size.
std::optional<Message> SheetSizeProblem(int width, int height, const FontSheetGeometry& geometry);

// One block as a preview at most `max_width` pixels wide (unless a single cell is wider): its
// slots in lines of equal count, the last one shorter, as the strip would show them.
RgbImage PaintBlockPreview(const FontImage& font, const FontSheetGeometry& geometry, int scale,
                           int block, int max_width);

// Reads the blocks of the set from a whole sheet into the font; other blocks stay. The scale is
// what the width gives; a width that is no whole multiple of the cell grid, or a height that
// does not fit, fails with a reason naming both sizes and leaves the font as it was. A pixel is
// ink where the centre of its square is dark (luminance below 128) and not transparent.
std::optional<Message> ReadFontSheet(const RgbaImage& sheet, const FontSheetGeometry& geometry,
                                     BlockSet blocks, FontImage& font);

}  // namespace rw
