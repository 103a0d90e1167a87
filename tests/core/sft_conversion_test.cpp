#include <gtest/gtest.h>

#include "io/font_files.h"
#include "io/sft_conversion.h"
#include "model/load_scope.h"
#include "test_files.h"

namespace rw {
namespace {

// An .sft image whose every glyph is recognisable: width = block * 40 + slot, row r = r + block.
std::vector<uint8_t> MarkedSft() {
    FontImage font;
    for (int b = 0; b < 4; ++b) {
        for (int s = 0; s < 34; ++s) {
            font.narrow[b][s][0] = static_cast<uint8_t>(b * 40 + s);
            for (int r = 1; r <= 12; ++r) font.narrow[b][s][r] = static_cast<uint8_t>(r + b);
        }
    }
    return SerializeFontFile(FontFileFormat::Sft, font);
}

TEST(SftConversion, ThinKeepsWeightsAndPutsRowsIntoTheLeftHalf) {
    FontImage font;
    ConvertSftToWide(MarkedSft(), SftWeight::Thin, BlockSet::FirstN(4), font);
    EXPECT_EQ(font.wide[0][1][0], 1);
    EXPECT_EQ(font.wide[2][1][0], 81);
    EXPECT_EQ(font.wide[3][33][12], (12 + 3) << 8);
    EXPECT_EQ(font.wide[1][0][13], 0);
}

TEST(SftConversion, BoldSwapsTheWeights) {
    FontImage font;
    ConvertSftToWide(MarkedSft(), SftWeight::Bold, BlockSet::FirstN(4), font);
    EXPECT_EQ(font.wide[0][1][0], 81);  // bold upper-case Б as the normal one
    EXPECT_EQ(font.wide[1][0][0], 120);
    EXPECT_EQ(font.wide[2][0][0], 0);
    EXPECT_EQ(font.wide[3][5][0], 45);
}

TEST(SftConversion, RowByteBecomesTheHighByte) {
    FontImage narrow;
    narrow.narrow[0][0][1] = 0x81;
    FontImage font;
    ConvertSftToWide(SerializeFontFile(FontFileFormat::Sft, narrow), SftWeight::Thin,
                     BlockSet::FirstN(4), font);
    EXPECT_EQ(font.wide[0][0][1], 0x8100);  // columns 0 and 7
}

TEST(SftConversion, ScopeClearsEveryBlockButFillsOnlyItsOwn) {
    FontImage font;
    for (auto& block : font.wide)
        for (auto& g : block) g.fill(0xFFFF);
    font.narrow[1][1][1] = 7;
    ConvertSftToWide(MarkedSft(), SftWeight::Bold, ScopeBlocks(LoadScope{0}, Edition::Cyrillic),
                     font);
    EXPECT_EQ(font.wide[0][1][0], 81);
    for (int b = 1; b < 4; ++b) {
        for (int w = 0; w <= 12; ++w) EXPECT_EQ(font.wide[b][4][w], 0) << b << " " << w;
    }
    for (int b = 0; b < 4; ++b) {
        for (int w = 13; w <= 15; ++w) EXPECT_EQ(font.wide[b][20][w], 0xFFFF);  // Big rows survive
    }
    EXPECT_EQ(font.narrow[1][1][1], 7);
}

TEST(SftConversion, FromFileFailsWithoutChangingTheFont) {
    testing::TempDir dir;
    auto bytes = MarkedSft();
    bytes.pop_back();
    const std::string path = dir.File("short.sft");
    testing::WriteBytes(path, bytes);
    FontImage font;
    font.wide[0][0][1] = 0x1234;
    const FontImage before = font;
    EXPECT_EQ(LoadThinSftAsSbf(path, BlockSet::FirstN(4), font).text(), kReadBeyondEnd);
    EXPECT_EQ(LoadBoldSftAsSbf(dir.File("none.sft"), BlockSet::FirstN(4), font).text(),
              kFileNotFound);
    EXPECT_EQ(font, before);

    bytes.push_back(0);
    testing::WriteBytes(path, bytes);
    ASSERT_TRUE(LoadBoldSftAsSbf(path, BlockSet::FirstN(4), font).ok());
    EXPECT_EQ(font.wide[0][1][0], 81);
}

}  // namespace
}  // namespace rw
