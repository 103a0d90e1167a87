#include "model/character_sets.h"

#include <gtest/gtest.h>

#include <set>

#include "edition/letter_sets.h"

namespace rw {
namespace {

TEST(CodePoints, CyrillicSetsHoldTheAlphabetWithYoAndYeInTheirSlots) {
    EXPECT_EQ(CodePoint(Edition::Cyrillic, 0, 0), U'А');
    EXPECT_EQ(CodePoint(Edition::Cyrillic, 0, 5), U'Е');
    EXPECT_EQ(CodePoint(Edition::Cyrillic, 0, 6), U'Ё');
    EXPECT_EQ(CodePoint(Edition::Cyrillic, 0, 7), U'Ж');
    EXPECT_EQ(CodePoint(Edition::Cyrillic, 0, 32), U'Я');
    EXPECT_EQ(CodePoint(Edition::Cyrillic, 0, 33), U'Є');
    EXPECT_EQ(CodePoint(Edition::Cyrillic, 1, 6), U'ё');
    EXPECT_EQ(CodePoint(Edition::Cyrillic, 1, 32), U'я');
    EXPECT_EQ(CodePoint(Edition::Cyrillic, 1, 33), U'є');
    EXPECT_EQ(CodePoint(Edition::Cyrillic, 0, 34), std::nullopt);
    EXPECT_EQ(CodePoint(Edition::Cyrillic, 2, 0), std::nullopt);
}

TEST(CodePoints, LatinSymbolSetsRunThroughTheirRanges) {
    EXPECT_EQ(CodePoint(Edition::Latin, 0, 25), U'Z');
    EXPECT_EQ(CodePoint(Edition::Latin, 0, 26), std::nullopt);
    EXPECT_EQ(CodePoint(Edition::Latin, 2, 0), U'!');
    EXPECT_EQ(CodePoint(Edition::Latin, 2, 31), U'@');
    EXPECT_EQ(CodePoint(Edition::Latin, 2, 32), U'[');
    EXPECT_EQ(CodePoint(Edition::Latin, 2, 36), U'_');
    EXPECT_EQ(CodePoint(Edition::Latin, 3, 0), U'`');
    EXPECT_EQ(CodePoint(Edition::Latin, 3, 4), U'~');
    EXPECT_EQ(CodePoint(Edition::Latin, 3, 5), U'\u00A1');
    EXPECT_EQ(CodePoint(Edition::Latin, 3, 35), U'\u00BF');
    EXPECT_EQ(CodePoint(Edition::Latin, 3, 36), std::nullopt);
}

TEST(CodePoints, EveryCharacterHasOneSlotAndTheLookupInvertsTheTable) {
    for (Edition edition : {Edition::Cyrillic, Edition::Latin}) {
        std::set<char32_t> seen;
        for (int set = 0; set < SetCount(edition); ++set) {
            for (int slot = 0; slot < 37; ++slot) {
                const auto code = CodePoint(edition, set, slot);
                EXPECT_EQ(code.has_value(), SlotHasCharacter(edition, set, slot));
                if (!code) continue;
                EXPECT_TRUE(seen.insert(*code).second);
                EXPECT_EQ(SlotOfCodePoint(edition, *code), (SetSlot{set, slot}));
            }
        }
    }
    EXPECT_EQ(SlotOfCodePoint(Edition::Cyrillic, U'A'), std::nullopt);
    EXPECT_EQ(SlotOfCodePoint(Edition::Latin, U'Ж'), std::nullopt);
}

}  // namespace
}  // namespace rw
