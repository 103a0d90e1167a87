#pragma once

#include <vector>

#include "editor/picture.h"
#include "model/edition.h"
#include "model/font_image.h"

namespace rw {

// One thumbnail: a grey picture with the glyph's rows in its columns. A narrow thumbnail paints
// the table's thirteen bytes whatever the kind, rows 11 and 12 blank for Small and Browser
// (H = 9); a wide one paints rows 0..9, 10..11 when H > 9 and 12..15 when H > 11. Row 0 is the
// width, which the marker over the thumbnail hides.
void PaintThumbnail(const Glyph& glyph, int last_row, Picture16& picture);

// The edit image PaintBoxEdit over what it showed: row 0 white, rows 1..H from the glyph. A
// narrow glyph's image is cleared white first; a wide one's rows below H keep what they showed,
// as the original's wide previews left them (a load clears the whole image).
void PaintEditImage(const Glyph& glyph, int last_row, Picture16& picture);

// The thumbnails of every slot of one glyph block, painted from the narrow or the wide table as
// the window's previews paint them with that table live.
std::vector<Picture16> PaintBlockThumbnails(Edition edition, const FontImage& font, bool wide,
                                            int last_row, int block);

}  // namespace rw
