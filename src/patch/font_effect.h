#pragma once

#include <cstdint>
#include <vector>

#include "io/flash_codec.h"
#include "model/edition.h"
#include "model/font_image.h"
#include "model/phone_layouts.h"

namespace rw {

// What writing some bytes of a fullflash does to the font of one layout.
struct FontEffect {
    std::vector<GlyphSlot> glyphs;  // whose records the bytes touch, in the order a save writes
    int64_t bytes_outside = 0;      // written bytes in no record of the font
};

// The effect of writing the bytes at `written` (in any order, overlapping or not): a record is
// the part of a glyph a save writes and a load reads, so a spare byte or the records the 35
// series lack are outside.
FontEffect EffectOnFont(std::vector<ByteRange> written, Edition edition, const FontLayout& layout);

}  // namespace rw
