#include "editor/document.h"

#include <algorithm>

namespace rw {

void Document::WriteRows(GlyphSlot target, const NarrowGlyph& glyph, int count) {
    std::copy_n(glyph.begin(), count, font_.Narrow(target).begin());
}

void Document::WriteRows(GlyphSlot target, const WideGlyph& glyph, int count) {
    std::copy_n(glyph.begin(), count, font_.Wide(target).begin());
}

void Document::ZeroRecord(GlyphSlot glyph, Edition edition, bool wide, int last_row) {
    if (edition == Edition::Latin) {
        font_.Wide(glyph) = {};
    } else if (wide) {
        std::fill_n(font_.Wide(glyph).begin(), std::min(last_row, 15) + 1, 0);
    } else {
        std::fill_n(font_.Narrow(glyph).begin(), std::min(last_row + 1, 12) + 1, 0);
    }
}

void Document::PutBlock(int block, const NarrowBlock& glyphs, int count) {
    std::copy_n(glyphs.begin(), count, font_.narrow[block].begin());
}

void Document::PutBlock(int block, const WideBlock& glyphs, int count) {
    std::copy_n(glyphs.begin(), count, font_.wide[block].begin());
}

}  // namespace rw
