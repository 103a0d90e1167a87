// Which phone model and font kind a fullflash holds: scores of dumps with a font at one layout's
// places, and of random, erased, zeroed and short images; runewright-cli identify and inject.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "cli/cli.h"
#include "cli_run.h"
#include "edition/texts.h"
#include "io/flash_codec.h"
#include "io/font_files.h"
#include "io/identify_messages.h"
#include "io/layout_identify.h"
#include "io/memory_file_system.h"
#include "test_files.h"

namespace rw {
namespace {

// Large enough for the farthest font of either edition (M 50).
constexpr size_t kImageSize = 6 << 20;

const std::vector<uint8_t>& RandomImage() {
    static const std::vector<uint8_t> image = testing::RandomBytes(kImageSize, 12);
    return image;
}

// Writes records that look like glyphs, each one different, at every record of a layout.
void PutFont(Edition edition, const FontLayout& layout, std::vector<uint8_t>& image) {
    const bool wide = edition == Edition::Latin || layout.wide;
    int n = 0;
    for (const FlashRecord& r : RecordsToWrite(edition, layout)) {
        uint8_t* record = image.data() + r.position;
        if (wide) {
            record[0] = 0;
            record[1] = static_cast<uint8_t>(n % 18);
        } else {
            record[0] = static_cast<uint8_t>(n % 10);
        }
        record[2] = static_cast<uint8_t>(n++);
    }
}

std::vector<int64_t> Positions(Edition edition, LayoutId id) {
    std::vector<int64_t> positions;
    for (const FlashRecord& r : RecordsToWrite(edition, LookupLayout(edition, id.model, id.kind))) {
        positions.push_back(r.position);
    }
    std::sort(positions.begin(), positions.end());
    return positions;
}

// Identifies `image` as the file flash.bin. The file keeps its buffer from one call to the next:
// a fresh 6 MiB file for each of the 48 layouts costs more than identifying it.
std::vector<LayoutScore> Identify(const std::vector<uint8_t>& image, Edition edition) {
    static MemoryFileSystem fs;
    if (fs.Get("flash.bin") == nullptr) fs.Put("flash.bin", {});
    fs.Get("flash.bin")->assign(image.begin(), image.end());
    std::vector<LayoutScore> scores;
    EXPECT_TRUE(IdentifyLayouts("flash.bin", edition, &scores, fs).ok());
    return scores;
}

TEST(LayoutIdentify, AFontAtOneLayoutsPlacesScoresFullAndFirstForEveryLayout) {
    std::vector<uint8_t> image;  // one buffer, refilled for each layout
    for (Edition edition : {Edition::Cyrillic, Edition::Latin}) {
        for (PhoneModel model : kAllPhoneModels) {
            for (FontKind kind : kAllFontKinds) {
                const LayoutId id{model, kind};
                SCOPED_TRACE(LayoutName(id) + (edition == Edition::Latin ? " eng" : " rus"));
                image = RandomImage();
                PutFont(edition, LookupLayout(edition, model, kind), image);
                const std::vector<LayoutScore> scores = Identify(image, edition);
                ASSERT_FALSE(scores.empty());
                EXPECT_TRUE(scores[0].Covers(id));
                EXPECT_EQ(scores[0].Percent(), 100);
                EXPECT_EQ(scores[0].matching, scores[0].records);
                EXPECT_TRUE(scores[0].inside_image);
                // Only a font whose records are all among these may look like one too (the
                // C/M 35 Small is the S 35 Small without its bold weight), and it comes after.
                const std::vector<int64_t> own = Positions(edition, id);
                for (size_t i = 1; i < scores.size(); ++i) {
                    if (!scores[i].LooksLikeFont()) continue;
                    const std::vector<int64_t> other = Positions(edition, scores[i].layouts[0]);
                    EXPECT_TRUE(std::includes(own.begin(), own.end(), other.begin(), other.end()))
                        << LayoutName(scores[i].layouts[0]);
                    EXPECT_LT(scores[i].records, scores[0].records);
                }
            }
        }
    }
}

TEST(LayoutIdentify, LayoutsThatShareTheirRecordsAreScoredTogether) {
    const std::vector<LayoutScore> scores = Identify(RandomImage(), Edition::Cyrillic);
    int layouts = 0;
    for (const LayoutScore& s : scores) layouts += static_cast<int>(s.layouts.size());
    EXPECT_EQ(layouts, kPhoneModelCount * kFontKindCount);
    const LayoutScore* cm35_small = ScoreOf(scores, {PhoneModel::CM35, FontKind::Small});
    ASSERT_NE(cm35_small, nullptr);
    EXPECT_EQ(cm35_small->layouts, (std::vector<LayoutId>{{PhoneModel::CM35, FontKind::Small},
                                                          {PhoneModel::CM35, FontKind::Browser},
                                                          {PhoneModel::S35, FontKind::Browser}}));
    // The 35-series fonts have no Ё and Є: 4 x 32 records, and no bold Small on the C/M 35.
    EXPECT_EQ(cm35_small->records, 64);
    EXPECT_EQ(ScoreOf(scores, {PhoneModel::S35, FontKind::Normal}),
              ScoreOf(scores, {PhoneModel::CM35, FontKind::Normal}));
    // Random bytes look like a font nowhere; best first.
    for (size_t i = 0; i < scores.size(); ++i) {
        EXPECT_LT(scores[i].Percent(), 20);
        if (i == 0) continue;
        EXPECT_LE(scores[i].matching * scores[i - 1].records,
                  scores[i - 1].matching * scores[i].records);
    }
}

TEST(LayoutIdentify, ErasedZeroedAndShortImagesLookLikeNoFont) {
    for (Edition edition : {Edition::Cyrillic, Edition::Latin}) {
        for (uint8_t fill : {uint8_t{0xFF}, uint8_t{0x00}}) {
            for (const LayoutScore& s : Identify(std::vector<uint8_t>(kImageSize, fill), edition)) {
                EXPECT_EQ(s.matching, 0) << int{fill};
            }
        }
    }
    // A font whose last records lie past the end of the image.
    std::vector<uint8_t> image = RandomImage();
    const FontLayout s45 = LookupLayout(Edition::Cyrillic, PhoneModel::SME45, FontKind::Normal);
    PutFont(Edition::Cyrillic, s45, image);
    image.resize(s45.bold_base + 5);
    const std::vector<LayoutScore> scores = Identify(image, Edition::Cyrillic);
    const LayoutScore* own = ScoreOf(scores, {PhoneModel::SME45, FontKind::Normal});
    ASSERT_NE(own, nullptr);
    EXPECT_FALSE(own->inside_image);
    EXPECT_FALSE(own->LooksLikeFont());
    // Both normal cases, and the bold Ё and Є, which lie before the bold А.
    EXPECT_EQ(own->matching, 70);
    EXPECT_FALSE(ScoreOf(scores, {PhoneModel::M50, FontKind::Big})->inside_image);

    MemoryFileSystem fs;
    std::vector<LayoutScore> none;
    const Status missing = IdentifyLayouts("absent.bin", Edition::Cyrillic, &none, fs);
    EXPECT_EQ(missing.Line(kEnglish), "absent.bin: File not found");
}

// Glyphs as a font holds them: each its own shape, its ink inside its width, on zero bytes.
void PutDrawnFont(Edition edition, const FontLayout& layout, std::vector<uint8_t>& image) {
    const bool wide = edition == Edition::Latin || layout.wide;
    int n = 0;
    for (const FlashRecord& r : RecordsToWrite(edition, layout)) {
        uint8_t* record = image.data() + r.position;
        const int width = 5 + n % 4;
        const uint8_t shape = static_cast<uint8_t>(0xF0 >> (n % 5));
        if (wide) {
            record[0] = 0;
            record[1] = static_cast<uint8_t>(width);
            for (int row = 1; row <= layout.last_row; ++row)
                record[2 * row] = row % 3 == 0 ? static_cast<uint8_t>((n / 5) & 0x7C) : shape;
        } else {
            record[0] = static_cast<uint8_t>(width);
            for (int row = 1; row <= layout.last_row; ++row)
                record[row] = row % 3 == 0 ? static_cast<uint8_t>((n / 5) & 0x7C) : shape;
        }
        ++n;
    }
}

// A dump of zeros with one stray byte, erased flash, or sparse noise once scored 98-100 % and was
// written without --force.
TEST(LayoutIdentify, ZerosWithAStrayByteAndSparseNoiseScoreNothingWhileAFontScoresFull) {
    for (Edition edition : {Edition::Cyrillic, Edition::Latin}) {
        SCOPED_TRACE(edition == Edition::Latin ? "eng" : "rus");
        const FontLayout s45 = LookupLayout(edition, PhoneModel::SME45, FontKind::Normal);
        std::vector<uint8_t> stray(kImageSize, 0);
        stray[RecordsToWrite(edition, s45)[5].position + 1] = 0x01;
        std::vector<uint8_t> sparse(kImageSize, 0);
        const std::vector<uint8_t> noise = testing::RandomBytes(kImageSize, 64);
        for (size_t i = 0; i + 1 < kImageSize; i += 64)
            sparse[i + noise[i] % 64] = noise[i + 1] | 1;
        for (const auto* image : {&stray, &sparse}) {
            for (const LayoutScore& s : Identify(*image, edition)) {
                EXPECT_EQ(s.Percent(), 0) << LayoutName(s.layouts[0]);
            }
        }
        std::vector<uint8_t> image;  // one buffer, refilled for each layout
        for (PhoneModel model : kAllPhoneModels) {
            for (FontKind kind : kAllFontKinds) {
                const LayoutId id{model, kind};
                image.assign(kImageSize, 0);
                PutDrawnFont(edition, LookupLayout(edition, model, kind), image);
                // On zeros the C/M 35 Small font is also an S 35 Small one with empty bold
                // letters, so only the score is asked for here, not the place.
                EXPECT_EQ(ScoreOf(Identify(image, edition), id)->Percent(), 100) << LayoutName(id);
            }
        }
    }
}

TEST(LayoutIdentify, WarningNamesTheChosenFontItsMatchAndTheLookAlikes) {
    std::vector<uint8_t> image = RandomImage();
    PutFont(Edition::Cyrillic, LookupLayout(Edition::Cyrillic, PhoneModel::C45, FontKind::Normal),
            image);
    PutFont(Edition::Cyrillic, LookupLayout(Edition::Cyrillic, PhoneModel::M50, FontKind::Normal),
            image);
    const std::vector<LayoutScore> scores = Identify(image, Edition::Cyrillic);
    const LayoutId s45{PhoneModel::SME45, FontKind::Normal};
    const int percent = ScoreOf(scores, s45)->Percent();
    EXPECT_EQ(Render(ForeignDataWarning(scores, s45), kRussian),
              "Данные на местах шрифта S/ME 45 Normal не похожи на шрифт (совпадает " +
                  std::to_string(percent) +
                  "\u00A0%). Похоже на: C 45 Normal, M 50 Normal. Проверьте модель телефона и тип "
                  "шрифта.");
    EXPECT_EQ(Render(ForeignDataQuestion(scores, s45), kEnglish),
              "The data at the places of the S/ME 45 Normal font do not look like a font (" +
                  std::to_string(percent) +
                  "\u00A0% match). It looks like: C 45 Normal, M 50 Normal. Save anyway?");
    // With no look-alike the second sentence is left out.
    const std::vector<LayoutScore> random = Identify(RandomImage(), Edition::Cyrillic);
    EXPECT_EQ(Render(ForeignDataWarning(random, s45), kEnglish).find("It looks like"),
              std::string::npos);
}

// --- runewright-cli identify and inject ------------------------------------------------------

using testing::Cli;
using testing::CliRun;

class IdentifyCliTest : public ::testing::Test {
  protected:
    // A fullflash holding an S/ME 45 Normal font, random bytes elsewhere.
    std::string S45Flash() {
        std::vector<uint8_t> image = RandomImage();
        image.resize(1 << 20);
        PutFont(Edition::Cyrillic,
                LookupLayout(Edition::Cyrillic, PhoneModel::SME45, FontKind::Normal), image);
        const std::string path = dir_.File("s45.bin");
        testing::WriteBytes(path, image);
        return path;
    }
    std::string FontFile() {
        FontImage font;
        font.Narrow({0, 0}) = NarrowGlyph{5, 0x70, 0x88};
        const std::string path = dir_.File("font.sft");
        EXPECT_TRUE(WriteFontFile(path, FontFileFormat::Sft, font).ok());
        return path;
    }
    testing::TempDir dir_;
};

TEST_F(IdentifyCliTest, IdentifyPrintsEveryLayoutBestFirst) {
    const CliRun run = Cli({"identify", "--edition", "rus", S45Flash()});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')), "s45 normal 100% (136 of 136 records)");
    EXPECT_NE(run.out.find("\ncm35 small, cm35 browser, s35 browser "), std::string::npos);
    // The 1 MiB image ends before the fonts of the 35-series, C 45 and M 50.
    EXPECT_NE(run.out.find("m50 big 0% (0 of 68 records; the image ends before some of them)"),
              std::string::npos);
    EXPECT_EQ(Cli({"identify", "--edition", "rus", dir_.File("none.bin")}).code, 1);
    EXPECT_EQ(Cli({"identify", "--edition", "fr", S45Flash()}).code, 2);
    EXPECT_EQ(Cli({"identify", "--edition", "rus"}).code, 2);
}

TEST_F(IdentifyCliTest, InjectRefusesADumpWithoutAFontThereUnlessForced) {
    const std::string flash = S45Flash();
    const std::string font = FontFile();
    const std::vector<uint8_t> before = testing::ReadBytes(flash);
    const CliRun refused =
        Cli({"inject", "--edition", "rus", "--model", "s45i", "--kind", "normal", font, flash});
    EXPECT_EQ(refused.code, 1);
    EXPECT_NE(refused.err.find(flash + ": The data at the places of the S/ME 45i Normal font do "
                                       "not look like a font ("),
              std::string::npos)
        << refused.err;
    EXPECT_NE(refused.err.find("It looks like: S/ME 45 Normal."), std::string::npos);
    EXPECT_NE(refused.err.find("--force"), std::string::npos);
    EXPECT_EQ(testing::ReadBytes(flash), before);

    // The right phone is written without a word, and --force writes the wrong one.
    EXPECT_EQ(
        Cli({"inject", "--edition", "rus", "--model", "s45", "--kind", "normal", font, flash}).code,
        0);
    const FontLayout s45 = LookupLayout(Edition::Cyrillic, PhoneModel::SME45, FontKind::Normal);
    EXPECT_EQ(testing::ReadBytes(flash)[s45.normal_base], 5);
    const CliRun forced = Cli({"inject", "--edition", "rus", "--model", "s45i", "--kind", "normal",
                               "--force", font, flash});
    EXPECT_EQ(forced.code, 0) << forced.err;
    const FontLayout s45i = LookupLayout(Edition::Cyrillic, PhoneModel::SME45i, FontKind::Normal);
    EXPECT_EQ(testing::ReadBytes(flash)[s45i.normal_base + 1], 0x70);
}

TEST_F(IdentifyCliTest, InjectRefusesADumpOfZerosWithAStrayByte) {
    std::vector<uint8_t> image(1 << 20, 0);
    const FontLayout s45 = LookupLayout(Edition::Cyrillic, PhoneModel::SME45, FontKind::Normal);
    image[s45.normal_base + 3] = 0x01;
    const std::string flash = dir_.File("zeros.bin");
    testing::WriteBytes(flash, image);
    const CliRun refused = Cli(
        {"inject", "--edition", "rus", "--model", "s45", "--kind", "normal", FontFile(), flash});
    EXPECT_EQ(refused.code, 1);
    EXPECT_NE(refused.err.find("(0\u00A0% match)"), std::string::npos) << refused.err;
    EXPECT_EQ(testing::ReadBytes(flash), image);
}

}  // namespace
}  // namespace rw
