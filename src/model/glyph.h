#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

namespace rw {

// 8-pixel glyph as the narrow table stores it: byte 0 the width, bytes 1..12 the rows, bit 7 the
// leftmost column.
using NarrowGlyph = std::array<uint8_t, 13>;
// 16-pixel glyph as the wide table stores it: word 0 the header (width in the low byte), words
// 1..15 the rows, bit 15 the leftmost column.
using WideGlyph = std::array<uint16_t, 16>;

// The rows of one glyph as W-bit values, most significant bit the leftmost column. Index r holds
// grid row r; index 0 holds the width (the header word of a wide glyph).
using GlyphRows = std::array<uint16_t, 16>;

// Which table a glyph lives in: the two forms differ only in the width of a row and how many
// rows the table keeps.
enum class GlyphForm : uint8_t { Narrow, Wide };

struct GlyphFormTraits {
    int columns;          // W: 8 or 16
    int stored_last_row;  // the last row the table keeps: 12 narrow, 15 wide
    // The last row the grid shows: the narrow layout has cells down to row 11 only (no narrow
    // kind is taller than Normal's H = 11), while the narrow table and its thumbnails keep 12.
    int grid_last_row;
};

inline constexpr GlyphFormTraits kGlyphForms[] = {
    {8, 12, 11},   // Narrow
    {16, 15, 15},  // Wide
};

constexpr const GlyphFormTraits& TraitsOf(GlyphForm form) {
    return kGlyphForms[static_cast<int>(form)];
}
constexpr GlyphForm FormOf(bool wide) {
    return wide ? GlyphForm::Wide : GlyphForm::Narrow;
}

// One glyph as the editor works on it, from either table: the same rows, 8 or 16 columns wide.
// Only reading it from and writing it into a table knows bytes from words.
struct Glyph {
    GlyphForm form = GlyphForm::Narrow;
    GlyphRows elements{};

    Glyph() = default;
    explicit Glyph(GlyphForm f) : form(f) {}
    // The tables' own forms convert implicitly: a stored glyph is a glyph.
    Glyph(const NarrowGlyph& g) : form(GlyphForm::Narrow) {
        std::copy(g.begin(), g.end(), elements.begin());
    }
    Glyph(const WideGlyph& g) : form(GlyphForm::Wide), elements(g) {}

    uint16_t& operator[](int i) { return elements[i]; }
    uint16_t operator[](int i) const { return elements[i]; }

    int columns() const { return TraitsOf(form).columns; }
    int stored_last_row() const { return TraitsOf(form).stored_last_row; }
    // The last row of a kind with last row index H that this form keeps.
    int LastRowOf(int last_row) const { return std::min(last_row, stored_last_row()); }
    // The bit of column `col` (0 leftmost) in a row.
    unsigned ColumnBit(int col) const { return 1u << (columns() - 1 - col); }
    bool Ink(int row, int col) const { return (elements[row] & ColumnBit(col)) != 0; }
    // The width value: the width byte, or the low byte of a wide header.
    uint8_t width() const { return static_cast<uint8_t>(elements[0] & 0xFF); }

    NarrowGlyph narrow() const {
        NarrowGlyph g{};
        for (size_t i = 0; i < g.size(); ++i) g[i] = static_cast<uint8_t>(elements[i]);
        return g;
    }
    const WideGlyph& wide() const { return elements; }

    friend bool operator==(const Glyph&, const Glyph&) = default;
};

}  // namespace rw
