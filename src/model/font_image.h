#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

#include "model/character_sets.h"
#include "model/edition.h"
#include "model/glyph.h"

namespace rw {

// Address of one glyph in the font: glyph block (set + weight) and slot within the block.
struct GlyphSlot {
    int block = 0;
    int slot = 0;
    friend bool operator==(const GlyphSlot&, const GlyphSlot&) = default;
};

using NarrowBlock = std::array<NarrowGlyph, kMaxSlots>;
using WideBlock = std::array<WideGlyph, kMaxSlots>;

// The glyphs of the current font kind. The Cyrillic edition holds a narrow and a wide table, one
// live at a time; the one not live keeps what it held. The Latin edition uses the wide table only.
// Storage is sized for the larger edition; an edition uses BlockCount x SlotCount of it.
struct FontImage {
    std::array<NarrowBlock, kMaxBlocks> narrow{};
    std::array<WideBlock, kMaxBlocks> wide{};

    NarrowGlyph& Narrow(GlyphSlot g) { return narrow[g.block][g.slot]; }
    const NarrowGlyph& Narrow(GlyphSlot g) const { return narrow[g.block][g.slot]; }
    WideGlyph& Wide(GlyphSlot g) { return wide[g.block][g.slot]; }
    const WideGlyph& Wide(GlyphSlot g) const { return wide[g.block][g.slot]; }

    // A glyph of the table of one form, and elements first..first+count-1 written back into it.
    // The only place the editor meets bytes and words.
    Glyph At(GlyphForm form, GlyphSlot g) const {
        return form == GlyphForm::Wide ? Glyph(Wide(g)) : Glyph(Narrow(g));
    }
    void Put(GlyphForm form, GlyphSlot g, const Glyph& glyph, int first, int count) {
        if (form == GlyphForm::Wide) {
            std::copy_n(glyph.elements.begin() + first, count, Wide(g).begin() + first);
            return;
        }
        for (int i = first; i < first + count; ++i) {
            Narrow(g)[i] = static_cast<uint8_t>(glyph.elements[i]);
        }
    }
    // The whole record.
    void Put(GlyphForm form, GlyphSlot g, const Glyph& glyph) {
        Put(form, g, glyph, 0, TraitsOf(form).stored_last_row + 1);
    }
    // One block of one table cleared.
    void Clear(GlyphForm form, int block) {
        if (form == GlyphForm::Wide) {
            wide[block] = {};
        } else {
            narrow[block] = {};
        }
    }

    void ClearNarrow() { narrow = {}; }
    void ClearWide() { wide = {}; }

    friend bool operator==(const FontImage&, const FontImage&) = default;
};

}  // namespace rw
