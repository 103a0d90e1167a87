#include "edition/status_messages.h"

#include <gtest/gtest.h>

#include "edition/texts.h"
#include "io/glyph_count.h"

namespace rw {
namespace {

TEST(StatusMessages, NameTheFileAndCountGlyphsWithRussianNumberAgreement) {
    EXPECT_EQ(SavedStatus(kRussian, "s45.bin", 136), "Записано в s45.bin: 136 букв");
    EXPECT_EQ(SavedStatus(kEnglish, "s45.bin", 136), "Saved to s45.bin: 136 glyphs");
    EXPECT_EQ(LoadedStatus(kEnglish, "a.sfe", 1), "Loaded from a.sfe: 1 glyph");
    EXPECT_EQ(GlyphCount(kRussian, 1), "1 буква");
    EXPECT_EQ(GlyphCount(kRussian, 34), "34 буквы");
    EXPECT_EQ(GlyphCount(kRussian, 111), "111 букв");
    EXPECT_EQ(GlyphCount(kRussian, 112), "112 букв");
    EXPECT_EQ(GlyphCount(kRussian, 121), "121 буква");
    EXPECT_EQ(GlyphCount(kRussian, 250), "250 букв");
}

TEST(StatusMessages, GlyphCountsOfFontFileBlocks) {
    EXPECT_EQ(GlyphsInBlocks(Edition::Cyrillic, BlockSet::FirstN(4)), 136);
    EXPECT_EQ(GlyphsInBlocks(Edition::Cyrillic, BlockSet{1}), 34);
    EXPECT_EQ(GlyphsInBlocks(Edition::Latin, BlockSet::FirstN(8)), 250);
    EXPECT_EQ(GlyphsInBlocks(Edition::Latin, BlockSet{2, 7}), 73);
}

}  // namespace
}  // namespace rw
