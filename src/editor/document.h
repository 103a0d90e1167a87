#pragma once

#include "model/edition.h"
#include "model/font_image.h"

namespace rw {

// The font being edited: the only code that changes FontImage. Each method is one kind of
// change the window can make; where the font goes and how it is shown is the session's business.
class Document {
  public:
    const FontImage& font() const { return font_; }
    // Counts the changes: a view drawn from one revision need not be drawn again for it.
    uint64_t revision() const { return revision_; }

    // Elements 0..count-1 of a glyph into the record at `target` of its form's table.
    void WriteRows(GlyphSlot target, const Glyph& glyph, int count) {
        font_.Put(glyph.form, target, glyph, 0, count);
        ++revision_;
    }
    // A whole record: a pasted letter or one slot of a pasted block.
    void PutGlyph(GlyphSlot target, const Glyph& glyph) {
        font_.Put(glyph.form, target, glyph);
        ++revision_;
    }

    // Zeroes the record at `target` of a form's table as the clear items do (ClearedElements).
    void ZeroRecord(GlyphSlot target, GlyphForm form, int elements) {
        font_.Put(form, target, Glyph(form), 0, elements);
        ++revision_;
    }

    // A loaded font, or one an undo brings back.
    void Replace(const FontImage& font) {
        font_ = font;
        ++revision_;
    }

  private:
    FontImage font_;
    uint64_t revision_ = 0;
};

// The elements of a record the clear items zero: the whole record in the Latin edition; in the
// Cyrillic edition elements 0..H of a wide record but 0..H+1 of a narrow one. The byte after row
// H is no row of the kind and is never written to a fullflash; the original cleared it too, and
// the narrow thumbnails show it (row 10 of Small and Browser).
int ClearedElements(Edition edition, GlyphForm form, int last_row);

}  // namespace rw
