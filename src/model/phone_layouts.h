#pragma once

#include <array>
#include <cstdint>

#include "model/edition.h"

namespace rw {

enum class PhoneModel : int { SME45 = 0, SME45i = 1, C45 = 2, CM35 = 3, S35 = 4, M50 = 5 };
enum class FontKind : int { Normal = 0, Small = 1, Browser = 2, Big = 3 };

constexpr int kPhoneModelCount = 6;
constexpr int kFontKindCount = 4;

// Every model and kind, in code order, for code that walks all layouts.
constexpr PhoneModel kAllPhoneModels[kPhoneModelCount] = {PhoneModel::SME45, PhoneModel::SME45i,
                                                          PhoneModel::C45,   PhoneModel::CM35,
                                                          PhoneModel::S35,   PhoneModel::M50};
constexpr FontKind kAllFontKinds[kFontKindCount] = {FontKind::Normal, FontKind::Small,
                                                    FontKind::Browser, FontKind::Big};
constexpr int kSymbolGapCount = 74;

// Last row index H of a kind: rows 1..H of a glyph carry pixels.
int LastRowIndex(FontKind kind);

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

    int RecordLength() const { return (last_row + 1) * (wide ? 2 : 1) + 1; }
};

FontLayout LookupLayout(Edition edition, PhoneModel model, FontKind kind);

// The same layout with every base moved by `delta` bytes: the records keep their order and
// distances. Lets tests and fuzzers work on small images instead of megabytes of padding.
FontLayout MovedLayout(FontLayout layout, int32_t delta);

}  // namespace rw
