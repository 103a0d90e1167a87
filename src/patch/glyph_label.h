#pragma once

#include <string>

#include "model/edition.h"
#include "model/font_image.h"

namespace rw {

// The character a glyph's slot stands for ("А"), as Unicode.
char32_t GlyphCharacter(Edition edition, GlyphSlot glyph);
// "normal" or "bold".
const char* GlyphWeight(Edition edition, GlyphSlot glyph);
// "А normal" in UTF-8, as messages name a glyph.
std::string GlyphLabel(Edition edition, GlyphSlot glyph);

}  // namespace rw
