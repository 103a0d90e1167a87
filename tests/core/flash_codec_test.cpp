#include <gtest/gtest.h>

#include <set>

#include "all_layouts.h"
#include "faulty_file_system.h"
#include "io/flash_codec.h"
#include "test_files.h"

namespace rw {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

using testing::kAllBlocks;

using testing::AllLayouts;
using testing::LayoutCase;

std::string Name(const LayoutCase& c) {
    return std::string(c.edition == Edition::Latin ? "eng" : "rus") + " model " +
           std::to_string(static_cast<int>(c.id.model)) + " kind " +
           std::to_string(static_cast<int>(c.id.kind));
}

// What a load-then-save must leave in the image: every written record with its wide rows masked
// to the record's width; every other byte as it was.
std::vector<uint8_t> ExpectedAfterRoundTrip(std::vector<uint8_t> image, Edition e,
                                            const FontLayout& layout) {
    const bool wide = e == Edition::Latin || layout.wide;
    for (const FlashRecord& rec : RecordsToWrite(e, layout)) {
        if (!wide) continue;
        uint8_t* p = image.data() + rec.position;
        const int width = p[1];
        for (int r = 1; r <= layout.last_row; ++r) {
            const uint16_t row =
                MaskToWidth(static_cast<uint16_t>(p[2 * r] << 8 | p[2 * r + 1]), width);
            p[2 * r] = static_cast<uint8_t>(row >> 8);
            p[2 * r + 1] = static_cast<uint8_t>(row & 0xFF);
        }
    }
    return image;
}

TEST(FlashRoundTrip, EveryLayoutLoadsAndSavesBackOnlyItsRecords) {
    TempDir dir;
    const std::vector<uint8_t> random = testing::RandomBytes(5600000, 42);
    for (const LayoutCase& c : AllLayouts()) {
        SCOPED_TRACE(Name(c));
        const FontLayout layout = LookupLayout(c.edition, c.id.model, c.id.kind);
        const auto records = RecordsToRead(c.edition, layout, kAllBlocks);
        const size_t size = static_cast<size_t>(RequiredImageSize(records, layout)) + 7;
        ASSERT_LE(size, random.size());
        std::vector<uint8_t> image(random.begin(), random.begin() + size);
        const std::string path = dir.File("flash.bin");
        WriteBytes(path, image);

        FontImage font;
        ASSERT_TRUE(ReadFlashFont(path, c.edition, layout, kAllBlocks, font).ok());
        ASSERT_TRUE(WriteFlashFont(path, c.edition, layout, font).ok());
        const std::vector<uint8_t> after = ReadBytes(path);
        ASSERT_EQ(after.size(), image.size());
        EXPECT_TRUE(after == ExpectedAfterRoundTrip(image, c.edition, layout));
    }
}

TEST(FlashRoundTrip, RecordsNeverOverlapAndSpareBytesStayOutside) {
    for (const LayoutCase& c : AllLayouts()) {
        SCOPED_TRACE(Name(c));
        const FontLayout layout = LookupLayout(c.edition, c.id.model, c.id.kind);
        std::set<int64_t> bytes;
        for (const FlashRecord& rec : RecordsToWrite(c.edition, layout)) {
            for (int i = 0; i < layout.RecordLength(); ++i) {
                EXPECT_TRUE(bytes.insert(rec.position + i).second) << "slot " << rec.glyph.slot;
            }
        }
    }
}

TEST(RecordPositions, CyrillicYoAndYeLieAroundTheRuns) {
    const FontLayout l = LookupLayout(Edition::Cyrillic, PhoneModel::SME45, FontKind::Normal);
    const int64_t p = l.normal_base;
    auto at = [&](int block, int slot) {
        return RecordPosition(Edition::Cyrillic, l, {block, slot});
    };
    EXPECT_EQ(at(0, 0), p);
    EXPECT_EQ(at(0, 5), p + 5 * 13);
    EXPECT_EQ(at(0, 7), p + 6 * 13);    // Ж follows Е directly
    EXPECT_EQ(at(0, 32), p + 31 * 13);  // Я ends the run of 32
    EXPECT_EQ(at(0, 6), p - 195);       // Ё
    EXPECT_EQ(at(0, 33), p - 156);      // Є
    EXPECT_EQ(at(1, 0), p + 416);
    EXPECT_EQ(at(1, 6), p + 845);   // ё
    EXPECT_EQ(at(1, 33), p + 884);  // є
    EXPECT_EQ(at(2, 0), l.bold_base);
    EXPECT_EQ(at(3, 6), l.bold_base + 845);
}

TEST(RecordPositions, LatinSymbolsFollowTheRunningGapSum) {
    FontLayout l = LookupLayout(Edition::Latin, PhoneModel::SME45i, FontKind::Normal);
    const int r = l.RecordLength();
    const int64_t s = l.latin_normal.symbol_base;
    auto at = [&](int block, int slot) { return RecordPosition(Edition::Latin, l, {block, slot}); };
    EXPECT_EQ(at(0, 25), l.latin_normal.upper_base + 25 * r);
    EXPECT_EQ(at(1, 3), l.latin_normal.lower_base + 3 * r);
    EXPECT_EQ(at(2, 0), s);
    EXPECT_EQ(at(2, 31), s + 31 * r);
    EXPECT_EQ(at(2, 32), s + 58 * r);  // jumps over the 26 capitals
    EXPECT_EQ(at(3, 0), s + 63 * r);
    EXPECT_EQ(at(3, 1), s + 63 * r + 27 * r);                  // jumps over the small letters
    EXPECT_EQ(at(3, 5), s + 63 * r + 27 * r + 3 * r + 2 * r);  // entry 41 is two records here
    EXPECT_EQ(at(7, 0), l.latin_bold.symbol_base + 63 * r);

    const FontLayout sme45 = LookupLayout(Edition::Latin, PhoneModel::SME45, FontKind::Normal);
    EXPECT_EQ(RecordPosition(Edition::Latin, sme45, {3, 5}) -
                  RecordPosition(Edition::Latin, sme45, {3, 4}),
              601);
}

TEST(RecordDecoding, WideRowsAreMaskedToTheWidthOnReadOnly) {
    uint8_t record[25] = {0x7A, 5, 0xFF, 0xFF};
    WideGlyph g{};
    DecodeWideRecord(record, 11, g);
    EXPECT_EQ(g[0], 0x7A05);  // both header bytes kept
    EXPECT_EQ(g[1], 0xF800);
    uint8_t out[25] = {};
    EncodeWideRecord(g, 11, out);
    EXPECT_EQ(out[2], 0xF8);
    EXPECT_EQ(out[3], 0x00);
    EXPECT_EQ(out[0], 0x7A);

    uint8_t empty_width[25] = {0x12, 0, 0xAB, 0xCD};
    DecodeWideRecord(empty_width, 11, g);
    EXPECT_EQ(g[0], 0x1200);
    EXPECT_EQ(g[1], 0);
}

TEST(RecordDecoding, WidthSeventeenKeepsWholeRows) {
    uint8_t record[25] = {0, 17, 0x80, 0x01};
    WideGlyph g{};
    DecodeWideRecord(record, 11, g);
    EXPECT_EQ(g[1], 0x8001);
}

TEST(RecordDecoding, NarrowRowsKeepEveryBit) {
    uint8_t record[13] = {2, 0xFF, 0x81};
    NarrowGlyph g{};
    DecodeNarrowRecord(record, 11, g);
    EXPECT_EQ(g[0], 2);
    EXPECT_EQ(g[1], 0xFF);
    EXPECT_EQ(g[2], 0x81);
}

TEST(MaskToWidth, KeepsTheLeftmostBits) {
    EXPECT_EQ(MaskToWidth(0xFFFF, 0), 0);
    EXPECT_EQ(MaskToWidth(0xFFFF, 1), 0x8000);
    EXPECT_EQ(MaskToWidth(0xFFFF, 15), 0xFFFE);
    EXPECT_EQ(MaskToWidth(0x1234, 16), 0x1234);
    EXPECT_EQ(MaskToWidth(0x1234, 200), 0x1234);
}

class FlashFile : public ::testing::Test {
  protected:
    // An image of random bytes long enough for the layout, written to flash.bin.
    std::string MakeImage(Edition e, const FontLayout& layout, int64_t extra = 3) {
        const auto records = RecordsToRead(e, layout, kAllBlocks);
        image_ = testing::RandomBytes(
            static_cast<size_t>(RequiredImageSize(records, layout) + extra), 9);
        const std::string path = dir_.File("flash.bin");
        WriteBytes(path, image_);
        return path;
    }
    TempDir dir_;
    std::vector<uint8_t> image_;
};

TEST_F(FlashFile, PartialLoadFillsOnlyItsBlocksAndASaveWritesTheEmptyOnes) {
    const FontLayout l = LookupLayout(Edition::Cyrillic, PhoneModel::SME45, FontKind::Normal);
    const std::string path = MakeImage(Edition::Cyrillic, l);
    FontImage font;
    font.narrow[2][4][1] = 0x55;  // stale glyph from an earlier font
    ASSERT_TRUE(ReadFlashFont(path, Edition::Cyrillic, l, {0}, font).ok());
    const int64_t a = l.normal_base;
    EXPECT_EQ(font.narrow[0][0][1], image_[a + 1]);
    EXPECT_EQ(font.narrow[1][0], NarrowGlyph{});
    EXPECT_EQ(font.narrow[2][4], NarrowGlyph{});

    ASSERT_TRUE(WriteFlashFont(path, Edition::Cyrillic, l, font).ok());
    const auto after = ReadBytes(path);
    const int64_t lower_a = RecordPosition(Edition::Cyrillic, l, {1, 0});
    for (int i = 0; i < 12; ++i) EXPECT_EQ(after[lower_a + i], 0);
    EXPECT_EQ(after[lower_a + 12], image_[lower_a + 12]);  // spare byte untouched
}

TEST_F(FlashFile, CyrillicLoadKeepsTheTableOfTheOtherWidth) {
    const FontLayout big = LookupLayout(Edition::Cyrillic, PhoneModel::SME45, FontKind::Big);
    const std::string path = MakeImage(Edition::Cyrillic, big);
    FontImage font;
    font.narrow[1][3][2] = 0x42;
    ASSERT_TRUE(ReadFlashFont(path, Edition::Cyrillic, big, kAllBlocks, font).ok());
    EXPECT_EQ(font.narrow[1][3][2], 0x42);
    EXPECT_NE(font.wide[0][0], WideGlyph{});
}

TEST_F(FlashFile, SingleWeightLoadCopiesNormalIntoBoldAndSaveSkipsBold) {
    const FontLayout l = LookupLayout(Edition::Cyrillic, PhoneModel::SME45, FontKind::Browser);
    const std::string path = MakeImage(Edition::Cyrillic, l);
    FontImage font;
    ASSERT_TRUE(ReadFlashFont(path, Edition::Cyrillic, l, kAllBlocks, font).ok());
    EXPECT_EQ(font.narrow[2], font.narrow[0]);
    EXPECT_EQ(font.narrow[3], font.narrow[1]);
    font.narrow[2][0] = NarrowGlyph{9, 9, 9};
    ASSERT_TRUE(WriteFlashFont(path, Edition::Cyrillic, l, font).ok());
    EXPECT_EQ(ReadBytes(path), image_);
}

TEST_F(FlashFile, ThirtyFiveSeriesSaveLeavesTheYoAndYeRecordsAlone) {
    for (PhoneModel m : {PhoneModel::CM35, PhoneModel::S35}) {
        const FontLayout l = LookupLayout(Edition::Cyrillic, m, FontKind::Normal);
        const std::string path = MakeImage(Edition::Cyrillic, l);
        FontImage font;  // an empty font: a save would zero every record it writes
        ASSERT_TRUE(WriteFlashFont(path, Edition::Cyrillic, l, font).ok());
        const auto after = ReadBytes(path);
        for (int block = 0; block < 4; ++block) {
            for (int slot : {6, 33}) {
                const int64_t p = RecordPosition(Edition::Cyrillic, l, {block, slot});
                for (int i = 0; i < 12; ++i)
                    EXPECT_EQ(after[p + i], image_[p + i]) << block << " " << slot;
            }
            const int64_t b = RecordPosition(Edition::Cyrillic, l, {block, 1});
            EXPECT_EQ(after[b], 0);
        }
        // Reading still takes those records.
        FontImage loaded;
        ASSERT_TRUE(ReadFlashFont(path, Edition::Cyrillic, l, kAllBlocks, loaded).ok());
        const int64_t yo = RecordPosition(Edition::Cyrillic, l, {0, 6});
        EXPECT_EQ(loaded.narrow[0][6][3], image_[yo + 3]);
    }
    const FontLayout sme45 = LookupLayout(Edition::Cyrillic, PhoneModel::SME45, FontKind::Normal);
    const std::string path = MakeImage(Edition::Cyrillic, sme45);
    ASSERT_TRUE(WriteFlashFont(path, Edition::Cyrillic, sme45, FontImage{}).ok());
    EXPECT_EQ(ReadBytes(path)[RecordPosition(Edition::Cyrillic, sme45, {0, 6})], 0);
}

TEST_F(FlashFile, LatinLoadClearsTheBoldSymbolsOfAnEarlierFont) {
    const FontLayout l = LookupLayout(Edition::Latin, PhoneModel::SME45, FontKind::Normal);
    const std::string path = MakeImage(Edition::Latin, l);
    FontImage font;
    font.wide[6][3][1] = 0xFFFF;
    font.wide[7][0][2] = 0xFFFF;
    font.wide[0][30][1] = 0x1234;  // a letter slot with no record
    ASSERT_TRUE(ReadFlashFont(path, Edition::Latin, l, {0, 1, 2, 3}, font).ok());
    EXPECT_EQ(font.wide[6][3], WideGlyph{});
    EXPECT_EQ(font.wide[7][0], WideGlyph{});
    EXPECT_EQ(font.wide[0][30], WideGlyph{});
}

TEST_F(FlashFile, LoadReadsARecordEndingExactlyAtTheEndOfTheImage) {
    const FontLayout l = LookupLayout(Edition::Latin, PhoneModel::M50, FontKind::Big);
    const std::string path =
        MakeImage(Edition::Latin, l, /*extra=*/0);  // the last spare byte is missing
    FontImage font;
    EXPECT_TRUE(ReadFlashFont(path, Edition::Latin, l, kAllBlocks, font).ok());
    EXPECT_TRUE(WriteFlashFont(path, Edition::Latin, l, font).ok());
    EXPECT_EQ(ReadBytes(path).size(), image_.size());
}

TEST_F(FlashFile, ImageOneByteShortFailsAndChangesNothing) {
    const FontLayout l = LookupLayout(Edition::Cyrillic, PhoneModel::C45, FontKind::Normal);
    MakeImage(Edition::Cyrillic, l, 0);
    image_.pop_back();
    const std::string path = dir_.File("short.bin");
    WriteBytes(path, image_);

    FontImage font;
    font.wide[0][0][1] = 0x4000;
    const FontImage before = font;
    const Status load = ReadFlashFont(path, Edition::Cyrillic, l, BlockSet::FirstN(4), font);
    EXPECT_FALSE(load.ok());
    // The standard text, and the sizes as the save gives them.
    EXPECT_EQ(load.text(), std::string(kReadBeyondEnd) + ": the image holds " +
                               std::to_string(image_.size()) + " bytes, the font needs " +
                               std::to_string(image_.size() + 1) + " bytes");
    EXPECT_EQ(load.path(), path);
    EXPECT_EQ(font, before);

    const Status save = WriteFlashFont(path, Edition::Cyrillic, l, font);
    EXPECT_FALSE(save.ok());
    EXPECT_NE(save.text().find("too short"), std::string::npos);
    EXPECT_NE(save.text().find(std::to_string(image_.size())), std::string::npos);
    EXPECT_NE(save.text().find(std::to_string(image_.size() + 1)), std::string::npos);
    EXPECT_EQ(ReadBytes(path), image_);
}

TEST_F(FlashFile, SaveNeverCreatesAFile) {
    const FontLayout l = LookupLayout(Edition::Cyrillic, PhoneModel::SME45, FontKind::Normal);
    const std::string path = dir_.File("missing.bin");
    const Status s = WriteFlashFont(path, Edition::Cyrillic, l, FontImage{});
    EXPECT_EQ(s.text(), kFileNotFound);
    EXPECT_FALSE(testing::Exists(path));
    FontImage font;
    EXPECT_EQ(ReadFlashFont(path, Edition::Cyrillic, l, kAllBlocks, font).text(), kFileNotFound);
}

TEST_F(FlashFile, ReadOnlyImageLoads) {
    const FontLayout l = LookupLayout(Edition::Cyrillic, PhoneModel::SME45, FontKind::Normal);
    const std::string path = MakeImage(Edition::Cyrillic, l);
    ::chmod(path.c_str(), 0444);
    FontImage font;
    EXPECT_TRUE(ReadFlashFont(path, Edition::Cyrillic, l, kAllBlocks, font).ok());
    if (testing::RunningAsRoot()) GTEST_SKIP() << "root may write a read-only file";
    EXPECT_EQ(WriteFlashFont(path, Edition::Cyrillic, l, font).text(), kFileAccessDenied);
}

TEST_F(FlashFile, AccessDeniedIsReportedWithThePath) {
    const FontLayout l = LookupLayout(Edition::Cyrillic, PhoneModel::SME45, FontKind::Normal);
    const std::string path = MakeImage(Edition::Cyrillic, l);
    testing::FaultyFileSystem fs(testing::FaultyFileSystem::Op::Open, 1, EACCES);
    const Status s = WriteFlashFont(path, Edition::Cyrillic, l, FontImage{}, fs);
    EXPECT_EQ(s.text(), kFileAccessDenied);
    EXPECT_EQ(s.Line(kEnglish), path + ": File access denied");
}

TEST_F(FlashFile, AFailedWriteAtAnyRecordLeavesTheImageAsItWas) {
    const FontLayout l = LookupLayout(Edition::Latin, PhoneModel::SME45, FontKind::Small);
    const std::string path = MakeImage(Edition::Latin, l);
    const FontImage font{};  // differs from the random records everywhere
    const int writes = static_cast<int>(RecordsToWrite(Edition::Latin, l).size());
    // The journal is written and flushed first, then sealed and flushed again; the record writes
    // follow it.
    for (int nth : {1, 2, writes / 2, writes}) {
        testing::FaultyFileSystem fs(testing::FaultyFileSystem::Op::Write, 2 + nth, EIO);
        const Status s = WriteFlashFont(path, Edition::Latin, l, font, fs);
        EXPECT_EQ(s.text(), "I/O error 5") << nth;
        EXPECT_EQ(ReadBytes(path), image_) << nth;
    }
    testing::FaultyFileSystem flush(testing::FaultyFileSystem::Op::Flush, 3, ENOSPC);
    EXPECT_EQ(WriteFlashFont(path, Edition::Latin, l, font, flush).text(), kDiskFull);
    EXPECT_EQ(ReadBytes(path), image_);
}

TEST_F(FlashFile, AFailedReadAtAnyStepLeavesTheFontAsItWas) {
    const FontLayout l = LookupLayout(Edition::Cyrillic, PhoneModel::S35, FontKind::Small);
    const std::string path = MakeImage(Edition::Cyrillic, l);
    FontImage font;
    font.narrow[3][3][3] = 3;
    const FontImage before = font;
    for (auto op : {testing::FaultyFileSystem::Op::Open, testing::FaultyFileSystem::Op::Size,
                    testing::FaultyFileSystem::Op::Read}) {
        testing::FaultyFileSystem fs(op, 1, EIO);
        EXPECT_FALSE(ReadFlashFont(path, Edition::Cyrillic, l, kAllBlocks, font, fs).ok());
        EXPECT_TRUE(fs.fired());
        EXPECT_EQ(font, before);
    }
}

TEST_F(FlashFile, ADirectoryIsNoImage) {
    const FontLayout l = LookupLayout(Edition::Cyrillic, PhoneModel::SME45, FontKind::Normal);
    FontImage font;
    const Status s = ReadFlashFont(dir_.path(), Edition::Cyrillic, l, kAllBlocks, font);
    EXPECT_FALSE(s.ok());
    EXPECT_EQ(s.text(), "a folder, not a file");
    EXPECT_EQ(WriteFlashFont(dir_.path() + "/", Edition::Cyrillic, l, font).Line(kEnglish),
              dir_.path() + "/: a folder, not a file");
}

}  // namespace
}  // namespace rw
