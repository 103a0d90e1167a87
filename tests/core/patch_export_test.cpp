// A font exported as a patch against a fullflash does exactly what a save into that fullflash
// does, on every layout of both editions; applied it gives the save's bytes, undone the original.
#include <gtest/gtest.h>

#include <random>

#include "all_layouts.h"
#include "io/flash_codec.h"
#include "io/memory_file_system.h"
#include "patch/font_effect.h"
#include "patch/hex_text.h"
#include "patch/patch_apply.h"
#include "patch/patch_reader.h"
#include "patch/patch_writer.h"
#include "test_files.h"

namespace rw {
namespace {

using testing::kAllBlocks;

using testing::AllLayouts;
using testing::LayoutCase;

// Megabytes of noise, eight bytes a step.
std::vector<uint8_t> Noise(size_t size, uint64_t seed) {
    std::vector<uint8_t> bytes(size);
    std::mt19937_64 rng(seed);
    for (size_t i = 0; i < size; i += 8) {
        const uint64_t word = rng();
        for (size_t k = 0; k < 8 && i + k < size; ++k)
            bytes[i + k] = static_cast<uint8_t>(word >> 8 * k);
    }
    return bytes;
}

// Every other glyph of the layout gets new rows; the rest keep what the image holds.
void RedrawEveryOtherGlyph(const FontPlace& place, FontImage& font, uint32_t seed) {
    std::mt19937 rng(seed);
    const auto records = RecordsToWrite(place.edition, place.layout);
    for (size_t i = 0; i < records.size(); i += 2) {
        const GlyphSlot g = records[i].glyph;
        if (place.edition == Edition::Latin || place.layout.wide) {
            for (auto& row : font.Wide(g)) row = static_cast<uint16_t>(rng());
        } else {
            for (auto& row : font.Narrow(g)) row = static_cast<uint8_t>(rng());
        }
    }
}

class EveryLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(EveryLayout, AnExportedPatchGivesTheSavesBytesAndItsUndoTheOriginal) {
    const LayoutCase c = GetParam();
    const FontPlace place = FontPlace::Of(c.edition, c.id);
    const int64_t size =
        RequiredImageSize(RecordsToRead(c.edition, place.layout, kAllBlocks), place.layout) + 100;
    const std::vector<uint8_t> original =
        Noise(static_cast<size_t>(size), static_cast<uint64_t>(size));
    MemoryFileSystem fs;
    fs.Put("dump.bin", original);
    fs.Put("saved.bin", original);
    FontImage font;
    ASSERT_TRUE(ReadFlashFont("dump.bin", c.edition, place.layout, kAllBlocks, font, fs).ok());
    RedrawEveryOtherGlyph(place, font, static_cast<uint32_t>(size));
    ASSERT_TRUE(WriteFlashFont("saved.bin", c.edition, place.layout, font, fs).ok());

    FontPatch exported;
    ASSERT_TRUE(ExportFontPatch("dump.bin", place, font, &exported, fs).ok());
    EXPECT_EQ(*fs.Get("dump.bin"), original) << "an export only reads";
    Patch patch;
    const Status read = ReadPatchText(exported.text, "p.vkp", &patch);
    ASSERT_TRUE(read.ok()) << read.Line(kEnglish);
    EXPECT_TRUE(patch.warnings.empty());
    ASSERT_EQ(static_cast<int>(patch.lines.size()), exported.lines);
    ASSERT_GT(exported.lines, 0);

    // What the patch says it does to the font: the redrawn glyphs, nothing elsewhere.
    const FontEffect effect = EffectOnFont(PatchFootprint(patch), c.edition, place.layout);
    EXPECT_EQ(effect.glyphs, exported.glyphs);
    EXPECT_EQ(effect.bytes_outside, 0);

    PatchOutcome outcome;
    ASSERT_TRUE(ApplyPatchToFlash("dump.bin", patch, {}, &outcome, fs).ok());
    EXPECT_EQ(*fs.Get("dump.bin"), *fs.Get("saved.bin")) << "the patch must do what a save does";
    EXPECT_EQ(outcome.lines_written, exported.lines);
    EXPECT_EQ(outcome.lines_in_place, 0);

    ASSERT_TRUE(ApplyPatchToFlash("dump.bin", patch, {}, &outcome, fs).ok());
    EXPECT_EQ(outcome.lines_written, 0);
    EXPECT_EQ(outcome.lines_in_place, exported.lines);

    ASSERT_TRUE(ApplyPatchToFlash("dump.bin", patch, {PatchDirection::Undo}, &outcome, fs).ok());
    EXPECT_EQ(*fs.Get("dump.bin"), original);
    EXPECT_EQ(outcome.lines_written, exported.lines);

    // Against the saved dump nothing is left to change.
    ASSERT_TRUE(ExportFontPatch("saved.bin", place, font, &exported, fs).ok());
    EXPECT_EQ(exported.lines, 0);
    EXPECT_TRUE(exported.text.empty());
    EXPECT_TRUE(exported.glyphs.empty());
}

INSTANTIATE_TEST_SUITE_P(BothEditionsSixModelsFourKinds, EveryLayout,
                         ::testing::ValuesIn(AllLayouts()),
                         [](const ::testing::TestParamInfo<LayoutCase>& layout) {
                             const LayoutCase& c = layout.param;
                             return std::string(c.edition == Edition::Latin ? "eng" : "rus") +
                                    "_model" + std::to_string(static_cast<int>(c.id.model)) +
                                    "_kind" + std::to_string(static_cast<int>(c.id.kind));
                         });

// The S/ME 45 Normal font moved near the start of a small image.
FontPlace SmallPlace(Edition edition) {
    FontPlace place = FontPlace::Of(edition, {PhoneModel::SME45, FontKind::Normal});
    place.layout = MovedLayout(
        place.layout, static_cast<int32_t>(64 - FirstRecordPosition(edition, place.layout)));
    return place;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (size_t begin = 0; begin < text.size();) {
        const size_t end = text.find("\r\n", begin);
        EXPECT_NE(end, std::string::npos) << "every line ends in CR LF";
        if (end == std::string::npos) break;
        lines.push_back(text.substr(begin, end - begin));
        begin = end + 2;
    }
    return lines;
}

TEST(FontPatchText, AHeaderThenOneLinePerRunOfChangedBytesInAddressOrder) {
    const FontPlace place = SmallPlace(Edition::Cyrillic);
    const auto records = RecordsToWrite(place.edition, place.layout);
    const int payload = RecordPayloadLength(place.layout);
    std::vector<uint8_t> before(records.size() * payload, 0x11);
    std::vector<uint8_t> after = before;
    // А normal (record 0): bytes 1 and 2 change, 3 stays, 4 changes; Б bold gets one byte.
    after[1] = 0x22;
    after[2] = 0xAB;
    after[4] = 0x0C;
    size_t b_bold = 0;
    while (!(records[b_bold].glyph == GlyphSlot{2, 1})) ++b_bold;
    after[b_bold * payload + payload - 1] = 0x00;

    const FontPatch patch = MakeFontPatch(place, {"s45 дамп.bin", 8388608}, records, before, after);
    EXPECT_EQ(patch.lines, 3);
    EXPECT_EQ(patch.glyphs, (std::vector<GlyphSlot>{{0, 0}, {2, 1}}));
    EXPECT_EQ(patch.text.find('\n'), patch.text.find("\r\n") + 1);
    const std::vector<std::string> lines = Lines(patch.text);
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[0], "; Font patch made by Runewright 4.01");
    EXPECT_EQ(lines[1], "; Cyrillic edition, S/ME 45 Normal");
    EXPECT_EQ(lines[2], "; against the fullflash s45 \xE4\xE0\xEC\xEF.bin, 8388608 bytes");
    EXPECT_EQ(lines[3], "; Apply it to that fullflash with V_Klay, or with");
    EXPECT_EQ(lines[4], ";   runewright-cli apply-patch FLASH PATCH.vkp");
    EXPECT_EQ(lines[5],
              "; and take it back with runewright-cli apply-patch --undo FLASH PATCH.vkp");
    EXPECT_EQ(lines[6], PatchAddress(records[0].position + 1) + ": 1111 22AB ; \xC0, normal");
    EXPECT_EQ(lines[7], PatchAddress(records[0].position + 4) + ": 11 0C ; \xC0, normal");
    EXPECT_EQ(lines[8],
              PatchAddress(records[b_bold].position + payload - 1) + ": 11 00 ; \xC1, bold");
    EXPECT_EQ(lines[6].substr(0, 6), "000104") << "upper-case hex, at least 6 digits";
}

TEST(FontPatchText, ACharacterWindows1251LacksIsNamedByItsCode) {
    const FontPlace place = SmallPlace(Edition::Latin);
    const auto records = RecordsToWrite(place.edition, place.layout);
    const int payload = RecordPayloadLength(place.layout);
    std::vector<uint8_t> before(records.size() * payload, 0);
    std::vector<uint8_t> after = before;
    size_t inverted = 0;  // U+00A1, the first of symbol set 2 above ASCII, bold
    while (!(records[inverted].glyph == GlyphSlot{7, 5})) ++inverted;
    after[inverted * payload] = 1;
    const FontPatch patch = MakeFontPatch(place, {"eng.bin", 100}, records, before, after);
    ASSERT_EQ(patch.lines, 1);
    EXPECT_NE(patch.text.find(": 00 01 ; U+00A1, bold\r\n"), std::string::npos) << patch.text;
    EXPECT_NE(patch.text.find("; Latin edition, S/ME 45 Normal\r\n"), std::string::npos);
}

TEST(FontPatchExport, ADumpTooShortOrMissingFailsInTheSavesWords) {
    MemoryFileSystem fs;
    const FontPlace place = SmallPlace(Edition::Cyrillic);
    const int64_t needed =
        RequiredImageSize(RecordsToWrite(place.edition, place.layout), place.layout);
    fs.Put("short.bin", std::vector<uint8_t>(static_cast<size_t>(needed - 1)));
    FontPatch patch;
    EXPECT_EQ(ExportFontPatch("short.bin", place, FontImage(), &patch, fs).Line(kEnglish),
              "short.bin: The image is too short for this phone model and font kind: it holds " +
                  std::to_string(needed - 1) + " bytes, the font needs " + std::to_string(needed) +
                  " bytes");
    EXPECT_EQ(ExportFontPatch("none.bin", place, FontImage(), &patch, fs).Line(kEnglish),
              "none.bin: File not found");
    EXPECT_EQ(patch.lines, 0);
}

}  // namespace
}  // namespace rw
