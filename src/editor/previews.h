#pragma once

#include <vector>

#include "editor/picture.h"
#include "model/edition.h"
#include "model/font_image.h"

namespace rw {

// One thumbnail of a narrow glyph: rows 0..10 (and 11..12 unless H = 9) from the glyph in
// columns 0..7, grey to the right; rows 11..12 white when H = 9; rows 13..15 grey.
void PaintNarrowGlyph(const NarrowGlyph& glyph, int last_row, Picture16& picture);
// One thumbnail of a wide glyph: grey, then rows 0..9, 10..11 when H > 9, 12..15 when H > 11.
void PaintWideGlyph(const WideGlyph& glyph, int last_row, Picture16& picture);

// The edit image as the narrow previews paint it: white, then rows 1..H of columns 0..7.
void PaintNarrowEditImage(const NarrowGlyph& glyph, int last_row, Picture16& picture);
// The edit image as the wide previews and the wide letter load paint it: rows 0..H only (row 0
// white); rows below H keep what they showed.
void PaintWideEditImage(const WideGlyph& glyph, int last_row, Picture16& picture);

// The thumbnails of every slot of one glyph block, painted narrow or wide as the window's
// previews paint them with that table live.
std::vector<Picture16> PaintBlockThumbnails(Edition edition, const FontImage& font, bool wide,
                                            int last_row, int block);

}  // namespace rw
