#include "edition/status_messages.h"

#include <gtest/gtest.h>

#include "edition/texts.h"
#include "io/glyph_count.h"

namespace rw {
namespace {

TEST(StatusMessages, NameTheFileAndCountGlyphsWithRussianNumberAgreement) {
    EXPECT_EQ(Render(SavedStatus("s45.bin", 136), kRussian), "Записано в s45.bin: 136 букв");
    EXPECT_EQ(Render(SavedStatus("s45.bin", 136), kEnglish), "Saved to s45.bin: 136 glyphs");
    EXPECT_EQ(Render(LoadedStatus("a.sfe", 1), kEnglish), "Loaded from a.sfe: 1 glyph");
    auto loaded = [](int glyphs) { return Render(LoadedStatus("f", glyphs), kRussian); };
    EXPECT_EQ(loaded(1), "Загружено из f: 1 буква");
    EXPECT_EQ(loaded(34), "Загружено из f: 34 буквы");
    EXPECT_EQ(loaded(111), "Загружено из f: 111 букв");
    EXPECT_EQ(loaded(112), "Загружено из f: 112 букв");
    EXPECT_EQ(loaded(121), "Загружено из f: 121 буква");
    EXPECT_EQ(loaded(250), "Загружено из f: 250 букв");
}

TEST(StatusMessages, GlyphCountsOfFontFileBlocks) {
    EXPECT_EQ(GlyphsInBlocks(Edition::Cyrillic, BlockSet::FirstN(4)), 136);
    EXPECT_EQ(GlyphsInBlocks(Edition::Cyrillic, BlockSet{1}), 34);
    EXPECT_EQ(GlyphsInBlocks(Edition::Latin, BlockSet::FirstN(8)), 250);
    EXPECT_EQ(GlyphsInBlocks(Edition::Latin, BlockSet{2, 7}), 73);
}

}  // namespace
}  // namespace rw
