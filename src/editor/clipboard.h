#pragma once

#include "model/font_image.h"

namespace rw {

// The program's own clipboard: one glyph block of each form and the slot of the last letter copy.
// Never cleared; each press uses the buffer of the form live at that moment.
struct Clipboard {
    NarrowBlock narrow{};
    WideBlock wide{};
    int slot = 0;
    bool copied = false;  // something was put in since the start

    Glyph At(GlyphForm form, int k) const {
        return form == GlyphForm::Wide ? Glyph(wide[k]) : Glyph(narrow[k]);
    }
    void Put(int k, const Glyph& glyph) {
        copied = true;
        if (glyph.form == GlyphForm::Wide) {
            wide[k] = glyph.wide();
        } else {
            narrow[k] = glyph.narrow();
        }
    }
};

}  // namespace rw
