#pragma once

#include <array>

#include "model/glyph.h"

namespace rw {

// The grid's working copy of a glyph, one of each form: the Cyrillic edition keeps its narrow
// and its wide working glyph apart, and the one of the live form is in use.
class WorkingGlyphs {
  public:
    Glyph& operator[](GlyphForm form) { return glyphs_[static_cast<int>(form)]; }
    const Glyph& operator[](GlyphForm form) const { return glyphs_[static_cast<int>(form)]; }
    friend bool operator==(const WorkingGlyphs&, const WorkingGlyphs&) = default;

  private:
    std::array<Glyph, 2> glyphs_{Glyph(GlyphForm::Narrow), Glyph(GlyphForm::Wide)};
};

}  // namespace rw
