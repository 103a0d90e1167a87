#pragma once

#include "model/edition.h"
#include "model/font_image.h"

namespace rw {

// The font being edited: the only code that changes FontImage. Each method is one kind of
// change the window can make; where the font goes and how it is shown is the session's business.
class Document {
  public:
    const FontImage& font() const { return font_; }

    // Copies elements 0..count-1 of a glyph into the record at `target` of that glyph's table.
    void WriteRows(GlyphSlot target, const NarrowGlyph& glyph, int count);
    void WriteRows(GlyphSlot target, const WideGlyph& glyph, int count);

    // Zeroes the record at `glyph` as the clear items do: the whole record in the Latin edition,
    // words 0..H of a Cyrillic wide record, bytes 0..H+1 of a narrow one.
    void ZeroRecord(GlyphSlot glyph, Edition edition, bool wide, int last_row);

    // Whole records: a pasted letter, the first `count` slots of a pasted block.
    void PutGlyph(GlyphSlot target, const NarrowGlyph& glyph) { font_.Narrow(target) = glyph; }
    void PutGlyph(GlyphSlot target, const WideGlyph& glyph) { font_.Wide(target) = glyph; }
    void PutBlock(int block, const NarrowBlock& glyphs, int count);
    void PutBlock(int block, const WideBlock& glyphs, int count);

    // A loaded font, or one an undo brings back.
    void Replace(const FontImage& font) { font_ = font; }

  private:
    FontImage font_;
};

}  // namespace rw
