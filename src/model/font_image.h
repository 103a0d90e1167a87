#pragma once

#include <array>
#include <cstdint>

#include "model/edition.h"

namespace rw {

// 8-pixel glyph: byte 0 the width, bytes 1..12 the rows, bit 7 the leftmost column.
using NarrowGlyph = std::array<uint8_t, 13>;
// 16-pixel glyph: word 0 the header (width in the low byte), words 1..15 the rows, bit 15 leftmost.
using WideGlyph = std::array<uint16_t, 16>;

constexpr int kMaxBlocks = 8;
constexpr int kMaxSlots = 37;

constexpr int BlockCount(Edition e) {
    return e == Edition::Latin ? 8 : 4;
}
constexpr int SlotCount(Edition e) {
    return e == Edition::Latin ? 37 : 34;
}
// Block index of a set (case, or Latin symbol set) in a weight.
constexpr int BoldStep(Edition e) {
    return e == Edition::Latin ? 4 : 2;
}

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

    void ClearNarrow() { narrow = {}; }
    void ClearWide() { wide = {}; }

    friend bool operator==(const FontImage&, const FontImage&) = default;
};

}  // namespace rw
