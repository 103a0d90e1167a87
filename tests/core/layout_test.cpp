#include <gtest/gtest.h>

#include "model/editor_state.h"
#include "model/phone_layouts.h"

namespace rw {
namespace {

bool HasBothWeights(PhoneModel m, FontKind k) {
    if (k == FontKind::Browser || k == FontKind::Big) return false;
    return !(m == PhoneModel::CM35 && k == FontKind::Small);
}

TEST(PhoneLayouts, RecordLengthsFollowKindAndWidth) {
    for (Edition e : {Edition::Cyrillic, Edition::Latin}) {
        for (PhoneModel m : kAllPhoneModels) {
            for (FontKind k : kAllFontKinds) {
                const FontLayout l = LookupLayout(e, m, k);
                const bool wide_expected = e == Edition::Latin || k == FontKind::Big ||
                                           m == PhoneModel::C45 || m == PhoneModel::M50;
                EXPECT_EQ(l.wide, wide_expected);
                EXPECT_EQ(l.last_row, LastRowIndex(k));
                const int expected_length = k == FontKind::Big      ? 33
                                            : k == FontKind::Normal ? (l.wide ? 25 : 13)
                                                                    : (l.wide ? 21 : 11);
                EXPECT_EQ(l.RecordLength(), expected_length);
                EXPECT_EQ(l.single_weight, !HasBothWeights(m, k));
                EXPECT_EQ(l.case_offset, 32 * l.RecordLength());
            }
        }
    }
}

TEST(PhoneLayouts, CyrillicRowsHoldTheKnownOffsets) {
    const FontLayout sme45 = LookupLayout(Edition::Cyrillic, PhoneModel::SME45, FontKind::Normal);
    EXPECT_EQ(sme45.normal_base, 742950);
    EXPECT_EQ(sme45.bold_base, 764834);
    EXPECT_EQ(sme45.case_offset, 416);
    const FontLayout c45_small = LookupLayout(Edition::Cyrillic, PhoneModel::C45, FontKind::Small);
    EXPECT_EQ(c45_small.normal_base, 2715052);
    EXPECT_EQ(c45_small.bold_base, 2736463);
    EXPECT_EQ(c45_small.case_offset, 672);
    const FontLayout m50_big = LookupLayout(Edition::Cyrillic, PhoneModel::M50, FontKind::Big);
    EXPECT_EQ(m50_big.normal_base, 5403867);
    EXPECT_EQ(m50_big.case_offset, 1056);

    const FontLayout cm35_small =
        LookupLayout(Edition::Cyrillic, PhoneModel::CM35, FontKind::Small);
    EXPECT_TRUE(cm35_small.single_weight);
    EXPECT_EQ(cm35_small.bold_base, 3414851);
    const FontLayout s35_small = LookupLayout(Edition::Cyrillic, PhoneModel::S35, FontKind::Small);
    EXPECT_FALSE(s35_small.single_weight);
    EXPECT_EQ(s35_small.bold_base, 3427532);
}

TEST(PhoneLayouts, SharedRowsAreEqual) {
    for (Edition e : {Edition::Cyrillic, Edition::Latin}) {
        auto same = [e](PhoneModel m1, FontKind k1, PhoneModel m2, FontKind k2) {
            const FontLayout a = LookupLayout(e, m1, k1);
            const FontLayout b = LookupLayout(e, m2, k2);
            return a.normal_base == b.normal_base && a.bold_base == b.bold_base &&
                   a.latin_normal.symbol_gaps == b.latin_normal.symbol_gaps &&
                   a.latin_bold.symbol_base == b.latin_bold.symbol_base;
        };
        for (FontKind k : {FontKind::Normal, FontKind::Browser, FontKind::Big}) {
            EXPECT_TRUE(same(PhoneModel::CM35, k, PhoneModel::S35, k));
        }
        EXPECT_TRUE(same(PhoneModel::SME45, FontKind::Big, PhoneModel::SME45i, FontKind::Big));
        EXPECT_TRUE(same(PhoneModel::CM35, FontKind::Small, PhoneModel::CM35, FontKind::Browser));
    }
}

TEST(PhoneLayouts, LatinBasesKeepTheirDistances) {
    for (PhoneModel m : kAllPhoneModels) {
        for (FontKind k : kAllFontKinds) {
            const FontLayout l = LookupLayout(Edition::Latin, m, k);
            const int r = l.RecordLength();
            for (const LatinWeightPlaces* w : {&l.latin_normal, &l.latin_bold}) {
                EXPECT_EQ(w->lower_base, w->upper_base + 32 * r);
                EXPECT_EQ(w->symbol_base, w->upper_base - 32 * r);
                for (int i = 0; i < kSymbolGapCount; ++i) {
                    if (i == 31 || i == 37) {
                        EXPECT_EQ(w->symbol_gaps[i], 27 * r) << i;
                    } else if (i != 41) {
                        EXPECT_EQ(w->symbol_gaps[i], r) << i;
                    }
                }
            }
            if (l.single_weight) {
                EXPECT_EQ(l.latin_bold.upper_base, l.latin_normal.upper_base);
                EXPECT_EQ(l.latin_bold.symbol_gaps, l.latin_normal.symbol_gaps);
            }
        }
    }
}

TEST(PhoneLayouts, LatinSpecialGapEntries) {
    auto gap41 = [](PhoneModel m, FontKind k) {
        const FontLayout l = LookupLayout(Edition::Latin, m, k);
        return std::pair(l.latin_normal.symbol_gaps[41], l.latin_bold.symbol_gaps[41]);
    };
    EXPECT_EQ(gap41(PhoneModel::SME45, FontKind::Normal), std::pair(601, 50));
    EXPECT_EQ(gap41(PhoneModel::C45, FontKind::Normal), std::pair(5862, 50));
    EXPECT_EQ(gap41(PhoneModel::M50, FontKind::Normal), std::pair(5862, 50));
    EXPECT_EQ(gap41(PhoneModel::S35, FontKind::Small), std::pair(42, 1492));
    EXPECT_EQ(gap41(PhoneModel::SME45i, FontKind::Normal), std::pair(50, 50));
    EXPECT_EQ(gap41(PhoneModel::M50, FontKind::Big), std::pair(66, 66));
    EXPECT_EQ(LookupLayout(Edition::Latin, PhoneModel::S35, FontKind::Small).latin_bold.upper_base,
              3421503);
    EXPECT_EQ(LookupLayout(Edition::Latin, PhoneModel::C45, FontKind::Big).latin_normal.symbol_base,
              2621472);
}

TEST(EditorStateStart, BothEditionsStartOnSme45Normal) {
    const EditorState cyr = EditorState::AtStart(Edition::Cyrillic);
    EXPECT_FALSE(cyr.wide());
    EXPECT_EQ(cyr.layout().normal_base, 742950);
    EXPECT_EQ(cyr.last_row(), 11);
    EXPECT_EQ(TagOf(cyr.load_scope), 6);
    const EditorState lat = EditorState::AtStart(Edition::Latin);
    EXPECT_TRUE(lat.wide());
    EXPECT_EQ(lat.layout().latin_normal.upper_base, 735178);
    EXPECT_EQ(lat.model, PhoneModel::SME45);
    EXPECT_EQ(lat.kind, FontKind::Normal);
}

}  // namespace
}  // namespace rw
