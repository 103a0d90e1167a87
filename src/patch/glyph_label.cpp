#include "patch/glyph_label.h"

#include "edition/utf8.h"
#include "model/character_sets.h"

namespace rw {

char32_t GlyphCharacter(Edition edition, GlyphSlot glyph) {
    // Every slot that has a record stands for a character; '?' only guards a slot without one.
    return CodePoint(edition, glyph.block % BoldStep(edition), glyph.slot).value_or(U'?');
}

const char* GlyphWeight(Edition edition, GlyphSlot glyph) {
    return glyph.block >= BoldStep(edition) ? "bold" : "normal";
}

std::string GlyphLabel(Edition edition, GlyphSlot glyph) {
    return EncodeUtf8(GlyphCharacter(edition, glyph)) + " " + GlyphWeight(edition, glyph);
}

}  // namespace rw
