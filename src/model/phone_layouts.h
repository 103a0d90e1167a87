#pragma once

#include <array>
#include <cstdint>

#include "model/edition.h"
#include "model/glyph.h"

namespace rw {

enum class PhoneModel : int { SME45 = 0, SME45i = 1, C45 = 2, CM35 = 3, S35 = 4, M50 = 5 };
enum class FontKind : int { Normal = 0, Small = 1, Browser = 2, Big = 3 };

constexpr int kPhoneModelCount = 6;
constexpr int kFontKindCount = 4;

// The phone models by code: the caption (C 45 reading "C45" in the Latin edition), the word the
// command line takes, whether the phone has Ё and Є, and whether it holds every Cyrillic font 16
// pixels wide (not only Big).
struct PhoneModelRow {
    PhoneModel model;
    const char* caption;
    const char* latin_caption;
    const char* word;
    bool has_yo_ye;
    bool wide_fonts;
};
inline constexpr PhoneModelRow kPhoneModels[kPhoneModelCount] = {
    {PhoneModel::SME45, "S/ME 45", "S/ME 45", "s45", true, false},
    {PhoneModel::SME45i, "S/ME 45i", "S/ME 45i", "s45i", true, false},
    {PhoneModel::C45, "C 45", "C45", "c45", true, true},
    {PhoneModel::CM35, "C/M 35", "C/M 35", "cm35", false, false},
    {PhoneModel::S35, "S 35", "S 35", "s35", false, false},
    {PhoneModel::M50, "M 50", "M 50", "m50", true, true},
};

// The font kinds by code: the caption, the command line's word, the last row index H (rows 1..H
// of a glyph carry pixels), and whether a letter written back also goes into the bold block:
// Browser and Big have one weight, but the phone still reads their bold block.
struct FontKindRow {
    FontKind kind;
    const char* caption;
    const char* word;
    int last_row;
    bool writes_bold_block;
};
inline constexpr FontKindRow kFontKinds[kFontKindCount] = {
    {FontKind::Normal, "Normal", "normal", 11, false},
    {FontKind::Small, "Small", "small", 9, false},
    {FontKind::Browser, "Browser", "browser", 9, true},
    {FontKind::Big, "Big", "big", 15, true},
};

constexpr bool IsPhoneModel(PhoneModel model) {
    return static_cast<int>(model) >= 0 && static_cast<int>(model) < kPhoneModelCount;
}
constexpr bool IsFontKind(FontKind kind) {
    return static_cast<int>(kind) >= 0 && static_cast<int>(kind) < kFontKindCount;
}
constexpr const PhoneModelRow& RowOf(PhoneModel model) {
    return kPhoneModels[static_cast<int>(model)];
}
constexpr const FontKindRow& RowOf(FontKind kind) {
    return kFontKinds[static_cast<int>(kind)];
}

// Every model and kind, in code order, for code that walks all layouts.
constexpr PhoneModel kAllPhoneModels[kPhoneModelCount] = {PhoneModel::SME45, PhoneModel::SME45i,
                                                          PhoneModel::C45,   PhoneModel::CM35,
                                                          PhoneModel::S35,   PhoneModel::M50};
constexpr FontKind kAllFontKinds[kFontKindCount] = {FontKind::Normal, FontKind::Small,
                                                    FontKind::Browser, FontKind::Big};
constexpr int kSymbolGapCount = 74;

// Last row index H of a kind: rows 1..H of a glyph carry pixels.
constexpr int LastRowIndex(FontKind kind) {
    return RowOf(kind).last_row;
}

// Where the Latin glyphs of one weight lie: A, a and the first symbol, then the byte distance from
// each symbol record to the next (set 1 glyphs 0..36, then set 2 glyphs 0..35; entry 73 unused).
struct LatinWeightPlaces {
    int32_t upper_base = 0;
    int32_t lower_base = 0;
    int32_t symbol_base = 0;
    std::array<int32_t, kSymbolGapCount> symbol_gaps{};
};

// Where the font of one phone model and kind lies in a fullflash and in which record format.
// The Cyrillic edition uses the three offsets, the Latin edition the two weight places.
struct FontLayout {
    int32_t normal_base = 0;
    int32_t bold_base = 0;
    int32_t case_offset = 0;
    LatinWeightPlaces latin_normal;
    LatinWeightPlaces latin_bold;
    bool single_weight = false;
    bool wide = false;
    // 35-series phones lack Ё and Є: the records at those positions belong to other characters.
    bool has_yo_ye = true;
    int last_row = 11;

    GlyphForm form() const { return FormOf(wide); }
    int RecordLength() const { return (last_row + 1) * (wide ? 2 : 1) + 1; }
};

const FontLayout& LookupLayout(Edition edition, PhoneModel model, FontKind kind);

// The same layout with every base moved by `delta` bytes: the records keep their order and
// distances. Lets tests and fuzzers work on small images instead of megabytes of padding.
FontLayout MovedLayout(FontLayout layout, int32_t delta);

}  // namespace rw
