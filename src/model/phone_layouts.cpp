#include "model/phone_layouts.h"

namespace rw {
namespace {

// One row of the Cyrillic table. A bold base equal to the normal base marks a single-weight font.
struct CyrillicRow {
    int32_t normal_base;
    int32_t bold_base;
};

// Indexed [model code][kind code]: kinds in the order Normal, Small, Browser, Big.
constexpr CyrillicRow kCyrillicRows[kPhoneModelCount][kFontKindCount] = {
    // S/ME 45
    {{742950, 764834}, {785445, 802981}, {819365, 819365}, {502376, 502376}},
    // S/ME 45i
    {{740550, 760459}, {780175, 796278}, {811932, 811932}, {502376, 502376}},
    // C 45
    {{2666157, 2690575}, {2715052, 2736463}, {2752847, 2752847}, {2634971, 2634971}},
    // C/M 35: one font serves Small and Browser
    {{3386704, 3390619}, {3414851, 3414851}, {3414851, 3414851}, {3368586, 3368586}},
    // S 35
    {{3386704, 3390619}, {3414851, 3427532}, {3414851, 3414851}, {3368586, 3368586}},
    // M 50
    {{5435053, 5459471}, {5483948, 5505359}, {5521743, 5521743}, {5403867, 5403867}},
};

struct LatinBases {
    int32_t upper;
    int32_t lower;
    int32_t symbol;
};

// One row of the Latin table; a single-weight font repeats its normal bases as bold ones.
struct LatinRow {
    LatinBases normal;
    LatinBases bold;
    int32_t gap41_normal;
    int32_t gap41_bold;
};

constexpr LatinRow kLatinRows[kPhoneModelCount][kFontKindCount] = {
    // S/ME 45
    {{{735178, 735978, 734378}, {757613, 758413, 756813}, 601, 50},
     {{779378, 780050, 778706}, {796686, 797358, 796014}, 42, 42},
     {{814027, 814699, 813355}, {814027, 814699, 813355}, 42, 42},
     {{492608, 493664, 491552}, {492608, 493664, 491552}, 66, 66}},
    // S/ME 45i
    {{{732412, 733212, 731612}, {754488, 755288, 753688}, 50, 50},
     {{774108, 774780, 773436}, {791261, 791933, 790589}, 42, 42},
     {{807645, 808317, 806973}, {807645, 808317, 806973}, 42, 42},
     {{492608, 493664, 491552}, {492608, 493664, 491552}, 66, 66}},
    // C 45
    {{{2650970, 2651770, 2650170}, {2680411, 2681211, 2679611}, 5862, 50},
     {{2707177, 2707849, 2706505}, {2726896, 2727568, 2726224}, 42, 42},
     {{2746973, 2747645, 2746301}, {2746973, 2747645, 2746301}, 42, 42},
     {{2622528, 2623584, 2621472}, {2622528, 2623584, 2621472}, 66, 66}},
    // C/M 35
    {{{3380053, 3380853, 3379253}, {3395437, 3396237, 3394637}, 50, 50},
     {{3409264, 3409936, 3408592}, {3409264, 3409936, 3408592}, 42, 42},
     {{3409264, 3409936, 3408592}, {3409264, 3409936, 3408592}, 42, 42},
     {{3359808, 3360864, 3358752}, {3359808, 3360864, 3358752}, 66, 66}},
    // S 35
    {{{3380053, 3380853, 3379253}, {3395437, 3396237, 3394637}, 50, 50},
     {{3409264, 3409936, 3408592}, {3421503, 3422175, 3420831}, 42, 1492},
     {{3409264, 3409936, 3408592}, {3409264, 3409936, 3408592}, 42, 42},
     {{3359808, 3360864, 3358752}, {3359808, 3360864, 3358752}, 66, 66}},
    // M 50
    {{{5419866, 5420666, 5419066}, {5449307, 5450107, 5448507}, 5862, 50},
     {{5476073, 5476745, 5475401}, {5495792, 5496464, 5495120}, 42, 42},
     {{5515869, 5516541, 5515197}, {5515869, 5516541, 5515197}, 42, 42},
     {{5391424, 5392480, 5390368}, {5391424, 5392480, 5390368}, 66, 66}},
};

// Symbols follow each other record by record, except for two jumps over the letters (after
// symbol 31 of set 1 and after the last symbol of set 1) and one model-dependent gap at entry 41.
std::array<int32_t, kSymbolGapCount> SymbolGaps(int record_length, int32_t gap41) {
    std::array<int32_t, kSymbolGapCount> gaps{};
    gaps.fill(record_length);
    gaps[31] = 27 * record_length;
    gaps[37] = 27 * record_length;
    gaps[41] = gap41;
    return gaps;
}

LatinWeightPlaces LatinPlaces(const LatinBases& bases, int record_length, int32_t gap41) {
    return {bases.upper, bases.lower, bases.symbol, SymbolGaps(record_length, gap41)};
}

FontLayout BuildLayout(Edition edition, PhoneModel model, FontKind kind) {
    const int m = static_cast<int>(model);
    const int k = static_cast<int>(kind);
    FontLayout layout;
    layout.last_row = LastRowIndex(kind);
    if (edition == Edition::Latin) {
        const LatinRow& row = kLatinRows[m][k];
        layout.wide = true;
        const int r = layout.RecordLength();
        layout.latin_normal = LatinPlaces(row.normal, r, row.gap41_normal);
        layout.latin_bold = LatinPlaces(row.bold, r, row.gap41_bold);
        layout.single_weight = row.normal.upper == row.bold.upper;
        layout.normal_base = row.normal.upper;
        layout.bold_base = row.bold.upper;
        layout.case_offset = 32 * r;
        return layout;
    }
    const CyrillicRow& row = kCyrillicRows[m][k];
    layout.wide = kind == FontKind::Big || RowOf(model).wide_fonts;
    layout.normal_base = row.normal_base;
    layout.bold_base = row.bold_base;
    layout.case_offset = 32 * layout.RecordLength();
    layout.single_weight = row.normal_base == row.bold_base;
    layout.has_yo_ye = RowOf(model).has_yo_ye;
    return layout;
}

}  // namespace

const FontLayout& LookupLayout(Edition edition, PhoneModel model, FontKind kind) {
    // Built once: the session asks for the layout in force at every turn.
    static const auto kLayouts = [] {
        std::array<std::array<std::array<FontLayout, kFontKindCount>, kPhoneModelCount>, 2> all;
        for (Edition e : {Edition::Cyrillic, Edition::Latin}) {
            for (PhoneModel m : kAllPhoneModels) {
                for (FontKind k : kAllFontKinds) {
                    all[static_cast<int>(e)][static_cast<int>(m)][static_cast<int>(k)] =
                        BuildLayout(e, m, k);
                }
            }
        }
        return all;
    }();
    return kLayouts[static_cast<int>(edition)][static_cast<int>(model)][static_cast<int>(kind)];
}

FontLayout MovedLayout(FontLayout layout, int32_t delta) {
    layout.normal_base += delta;
    layout.bold_base += delta;
    for (LatinWeightPlaces* w : {&layout.latin_normal, &layout.latin_bold}) {
        w->upper_base += delta;
        w->lower_base += delta;
        w->symbol_base += delta;
    }
    return layout;
}

}  // namespace rw
