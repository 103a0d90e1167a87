#pragma once

#include <string>

#include "io/file_io.h"
#include "model/edition.h"
#include "model/font_image.h"
#include "model/phone_layouts.h"

namespace rw {

// The glyphs a fullflash save would replace although the user did not change them, and how many
// of those are empty (no ink) in the font being saved: a save that would blank glyphs says so.
struct ReplacedGlyphs {
    int count = 0;
    int empty = 0;
};

// How many records a fullflash save of `font` would change in the image at `path` although their
// glyph is the same in `base`, the font as the last fullflash load or save left it: the glyphs
// the user did not change that the save would still replace. Compares, for exactly the records a
// save writes, the bytes it would write with the bytes the image holds, as a load reads them:
// ink beyond a wide glyph's width, which every load drops, is no glyph. Opens the image as a
// load does (shared lock, rollback of an interrupted save) and only reads it otherwise; fails as
// a load does (a missing, unreadable or too short image, a journal it may not use).
Status CountReplacedUnchangedGlyphs(const std::string& path, Edition edition,
                                    const FontLayout& layout, const FontImage& font,
                                    const FontImage& base, ReplacedGlyphs* replaced,
                                    FileSystem& fs = SystemFileSystem());

}  // namespace rw
