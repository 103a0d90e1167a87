#include <gtest/gtest.h>

#include <algorithm>

#include "faulty_file_system.h"
#include "io/font_files.h"
#include "model/load_scope.h"
#include "test_files.h"

namespace rw {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

FontImage RandomFont(uint32_t seed) {
    FontImage font;
    const auto bytes = testing::RandomBytes(sizeof(font.narrow) + sizeof(font.wide), seed);
    size_t at = 0;
    for (auto& block : font.narrow)
        for (auto& g : block)
            for (auto& b : g) b = bytes[at++];
    for (auto& block : font.wide)
        for (auto& g : block)
            for (auto& w : g) {
                w = static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
                at += 2;
            }
    return font;
}

// The slots a Cyrillic block stores; storage beyond them belongs to no file.
template <typename Block>
bool SameCyrillicSlots(const Block& a, const Block& b) {
    return std::equal(a.begin(), a.begin() + 34, b.begin());
}

TEST(FontFileFormats, SizesAndChoice) {
    EXPECT_EQ(FontFileSize(FontFileFormat::Sft), 1768u);
    EXPECT_EQ(FontFileSize(FontFileFormat::Sbf), 4352u);
    EXPECT_EQ(FontFileSize(FontFileFormat::Sfe), 9472u);
    EXPECT_EQ(FontFileFormatFor(Edition::Cyrillic, false), FontFileFormat::Sft);
    EXPECT_EQ(FontFileFormatFor(Edition::Cyrillic, true), FontFileFormat::Sbf);
    EXPECT_EQ(FontFileFormatFor(Edition::Latin, true), FontFileFormat::Sfe);
}

TEST(FontFileFormats, SftIsTheNarrowTableByteForByte) {
    const FontImage font = RandomFont(1);
    const auto bytes = SerializeFontFile(FontFileFormat::Sft, font);
    ASSERT_EQ(bytes.size(), 1768u);
    EXPECT_EQ(bytes[0], font.narrow[0][0][0]);
    EXPECT_EQ(bytes[13 * 6 + 12], font.narrow[0][6][12]);
    EXPECT_EQ(bytes[442 * 3 + 13 * 33 + 5], font.narrow[3][33][5]);
    EXPECT_EQ(bytes.back(), font.narrow[3][33][12]);
}

TEST(FontFileFormats, WideFilesStoreWordsLowByteFirst) {
    FontImage font;
    font.wide[0][0][1] = 0x8001;  // leftmost and rightmost pixels
    font.wide[3][33][15] = 0x1234;
    const auto sbf = SerializeFontFile(FontFileFormat::Sbf, font);
    ASSERT_EQ(sbf.size(), 4352u);
    EXPECT_EQ(sbf[2], 0x01);
    EXPECT_EQ(sbf[3], 0x80);
    EXPECT_EQ(sbf[4350], 0x34);
    EXPECT_EQ(sbf[4351], 0x12);

    font.wide[7][36][15] = 0xABCD;
    const auto sfe = SerializeFontFile(FontFileFormat::Sfe, font);
    ASSERT_EQ(sfe.size(), 9472u);
    EXPECT_EQ(sfe[1184 * 3 + 32 * 33 + 30], 0x34);  // same glyph, 37 slots a block
    EXPECT_EQ(sfe[9470], 0xCD);
    EXPECT_EQ(sfe[9471], 0xAB);
}

TEST(FontFileFormats, EveryFormatRoundTripsItsTable) {
    const FontImage font = RandomFont(2);
    for (FontFileFormat f : {FontFileFormat::Sft, FontFileFormat::Sbf, FontFileFormat::Sfe}) {
        const auto bytes = SerializeFontFile(f, font);
        FontImage copy;
        MergeFontFile(f, bytes, BlockSet::FirstN(8), copy);
        EXPECT_EQ(SerializeFontFile(f, copy), bytes);
    }
}

TEST(FontFileScopes, SftLoadEmptiesTheBlocksOutsideTheScope) {
    const FontImage source = RandomFont(3);
    const auto bytes = SerializeFontFile(FontFileFormat::Sft, source);
    FontImage font = RandomFont(4);
    const FontImage before = font;
    MergeFontFile(FontFileFormat::Sft, bytes, ScopeBlocks(LoadScope{2}, Edition::Cyrillic), font);
    EXPECT_TRUE(SameCyrillicSlots(font.narrow[2], source.narrow[2]));
    EXPECT_EQ(font.narrow[0], NarrowBlock{});
    EXPECT_EQ(font.narrow[1], NarrowBlock{});
    EXPECT_EQ(font.narrow[3], NarrowBlock{});
    EXPECT_EQ(font.wide, before.wide);
}

TEST(FontFileScopes, SbfAndSfeLoadsMergeTheChosenBlocks) {
    const FontImage source = RandomFont(5);
    FontImage font = RandomFont(6);
    const FontImage before = font;
    MergeFontFile(FontFileFormat::Sbf, SerializeFontFile(FontFileFormat::Sbf, source),
                  ScopeBlocks(LoadScope{2}, Edition::Cyrillic), font);
    EXPECT_TRUE(SameCyrillicSlots(font.wide[2], source.wide[2]));
    EXPECT_EQ(font.wide[0], before.wide[0]);
    EXPECT_EQ(font.wide[3], before.wide[3]);
    EXPECT_EQ(font.narrow, before.narrow);

    FontImage latin = RandomFont(7);
    const FontImage latin_before = latin;
    MergeFontFile(FontFileFormat::Sfe, SerializeFontFile(FontFileFormat::Sfe, source),
                  ScopeBlocks(LoadScope{10}, Edition::Latin), latin);
    for (int b : {2, 3, 6, 7}) EXPECT_EQ(latin.wide[b], source.wide[b]) << b;
    for (int b : {0, 1, 4, 5}) EXPECT_EQ(latin.wide[b], latin_before.wide[b]) << b;
}

TEST(LoadScopes, BlocksOfEveryValue) {
    EXPECT_EQ(ScopeBlocks(LoadScope{6}, Edition::Cyrillic), (BlockSet{0, 1, 2, 3}));
    EXPECT_EQ(ScopeBlocks(LoadScope{5}, Edition::Cyrillic), (BlockSet{2, 3}));
    EXPECT_EQ(ScopeBlocks(LoadScope{7}, Edition::Cyrillic), BlockSet{});
    EXPECT_EQ(ScopeBlocks(LoadScope{2}, Edition::Latin), BlockSet{4});
    EXPECT_EQ(ScopeBlocks(LoadScope{3}, Edition::Latin), BlockSet{5});
    EXPECT_EQ(ScopeBlocks(LoadScope{4}, Edition::Latin), (BlockSet{0, 1, 2, 3}));
    EXPECT_EQ(ScopeBlocks(LoadScope{8}, Edition::Latin), (BlockSet{6, 7}));
    EXPECT_EQ(ScopeBlocks(LoadScope{9}, Edition::Latin), (BlockSet{0, 1, 4, 5}));
    EXPECT_EQ(ScopeBlocks(LoadScope{6}, Edition::Latin), BlockSet::FirstN(8));
    EXPECT_EQ(ScopeBlocks(LoadScope{-1}, Edition::Latin), BlockSet{});
}

class FontFileOnDisk : public ::testing::Test {
  protected:
    TempDir dir_;
};

TEST_F(FontFileOnDisk, SaveAndLoadEveryFormat) {
    const FontImage font = RandomFont(8);
    for (FontFileFormat f : {FontFileFormat::Sft, FontFileFormat::Sbf, FontFileFormat::Sfe}) {
        const std::string path = dir_.File(std::string("font") + FontFileExtension(f));
        ASSERT_TRUE(WriteFontFile(path, f, font).ok());
        EXPECT_EQ(ReadBytes(path), SerializeFontFile(f, font));
        FontImage loaded;
        ASSERT_TRUE(ReadFontFile(path, f, BlockSet::FirstN(8), loaded).ok());
        EXPECT_EQ(SerializeFontFile(f, loaded), SerializeFontFile(f, font));
    }
    EXPECT_EQ(dir_.Names().size(), 3u);  // no temporaries left behind
}

TEST_F(FontFileOnDisk, LongerFileIsCutShorterFileFailsWithoutChange) {
    const FontImage source = RandomFont(9);
    auto bytes = SerializeFontFile(FontFileFormat::Sbf, source);
    bytes.push_back(0xEE);
    const std::string longer = dir_.File("long.sbf");
    WriteBytes(longer, bytes);
    FontImage font;
    ASSERT_TRUE(ReadFontFile(longer, FontFileFormat::Sbf, BlockSet::FirstN(4), font).ok());
    EXPECT_EQ(font.wide[3][33], source.wide[3][33]);

    bytes.resize(4351);
    const std::string shorter = dir_.File("short.sbf");
    WriteBytes(shorter, bytes);
    FontImage kept = RandomFont(10);
    const FontImage before = kept;
    const Status s = ReadFontFile(shorter, FontFileFormat::Sbf, BlockSet::FirstN(4), kept);
    EXPECT_EQ(s.text(), kReadBeyondEnd);
    EXPECT_EQ(s.path(), shorter);
    EXPECT_EQ(kept, before);

    // The .sft load would have emptied the table first: a short file must not.
    WriteBytes(dir_.File("short.sft"), std::vector<uint8_t>(100, 1));
    EXPECT_FALSE(
        ReadFontFile(dir_.File("short.sft"), FontFileFormat::Sft, BlockSet::FirstN(4), kept).ok());
    EXPECT_EQ(kept, before);
}

TEST_F(FontFileOnDisk, MissingAndReadOnlyFiles) {
    FontImage font;
    EXPECT_EQ(
        ReadFontFile(dir_.File("none.sft"), FontFileFormat::Sft, BlockSet::FirstN(4), font).text(),
        kFileNotFound);
    const std::string path = dir_.File("ro.sft");
    WriteBytes(path, SerializeFontFile(FontFileFormat::Sft, RandomFont(11)));
    ::chmod(path.c_str(), 0444);
    EXPECT_TRUE(ReadFontFile(path, FontFileFormat::Sft, BlockSet::FirstN(4), font).ok());
    EXPECT_EQ(WriteFontFile(dir_.File("sub/none.sft"), FontFileFormat::Sft, font).text(),
              kFileNotFound);
}

TEST_F(FontFileOnDisk, SaveIntoAReadOnlyFolderFailsAndLeavesTheOldFile) {
    if (testing::RunningAsRoot()) GTEST_SKIP() << "root may write into a read-only folder";
    const std::string path = dir_.File("font.sft");
    const auto old_bytes = SerializeFontFile(FontFileFormat::Sft, RandomFont(12));
    WriteBytes(path, old_bytes);
    ::chmod(dir_.path().c_str(), 0555);
    EXPECT_EQ(WriteFontFile(path, FontFileFormat::Sft, RandomFont(13)).text(), kFileAccessDenied);
    ::chmod(dir_.path().c_str(), 0755);
    EXPECT_EQ(ReadBytes(path), old_bytes);
}

TEST_F(FontFileOnDisk, FailureAtEveryStepOfASaveKeepsTheOldFileAndNoTemporary) {
    using Op = testing::FaultyFileSystem::Op;
    const std::string path = dir_.File("font.sfe");
    const auto old_bytes = SerializeFontFile(FontFileFormat::Sfe, RandomFont(14));
    WriteBytes(path, old_bytes);
    const FontImage font = RandomFont(15);
    const std::pair<Op, int> failures[] = {{Op::Open, EACCES},
                                           {Op::Write, ENOSPC},
                                           {Op::Flush, EIO},
                                           {Op::Close, EIO},
                                           {Op::Rename, EACCES}};
    for (const auto& [op, error] : failures) {
        testing::FaultyFileSystem fs(op, 1, error);
        const Status s = WriteFontFile(path, FontFileFormat::Sfe, font, fs);
        EXPECT_FALSE(s.ok()) << static_cast<int>(op);
        EXPECT_EQ(s.path(), path);
        EXPECT_EQ(s.text(), ErrorText(error));
        EXPECT_EQ(ReadBytes(path), old_bytes);
        EXPECT_EQ(dir_.Names(), std::vector<std::string>{"font.sfe"});
    }
}

}  // namespace
}  // namespace rw
