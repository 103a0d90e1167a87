// A font imported from a patch: the patch goes into the fullflash's bytes in memory, the font is
// read from them as a load would read the patched dump, and the dump on disk stays as it was. The
// session takes it as one step and, for a dump chosen for the import, as the base of later saves.
#include <gtest/gtest.h>

#include "editor/file_commands.h"
#include "editor/session.h"
#include "editor_test_support.h"
#include "faulty_file_system.h"
#include "file_command_driver.h"
#include "io/memory_file_system.h"
#include "io/rollback_journal.h"
#include "patch/font_from_patch.h"
#include "patch/hex_text.h"
#include "patch/patch_apply.h"
#include "patch/patch_reader.h"
#include "patch_text.h"
#include "small_dump.h"

namespace rw {
namespace {

using testing::ReadBytes;

class FontThroughPatch : public testing::SmallDump {
  protected:
    FontPlace Place() const {
        return {Edition::Cyrillic, {PhoneModel::SME45, FontKind::Normal}, layout_};
    }
    int64_t RecordOf(GlyphSlot glyph) const {
        return RecordPosition(Edition::Cyrillic, layout_, glyph);
    }
    // "ADDRESS: OLD NEW" over `count` bytes at `position`: the dump's bytes, then `fill`.
    std::string LineOver(int64_t position, size_t count, uint8_t fill) const {
        const auto at = original_.begin() + position;
        return PatchAddress(position) + ": " + HexBytes(std::vector<uint8_t>(at, at + count)) +
               " " + HexBytes(std::vector<uint8_t>(count, fill)) + "\n";
    }
    // What a load of `blocks` into `start` gives from the dump's bytes as they are in `image`.
    FontImage LoadedFrom(const std::vector<uint8_t>& image, BlockSet blocks,
                         const FontImage& start) const {
        MemoryFileSystem fs;
        fs.Put("image.bin", image);
        FontImage font = start;
        EXPECT_TRUE(ReadFlashFont("image.bin", Edition::Cyrillic, layout_, blocks, font, fs).ok());
        return font;
    }
};

// Two letters of the loaded blocks, one of a block left out, and bytes before the font: the
// font is exactly the load of the patched dump, the rest of the live table is cleared as by a
// load, the other table stays, and the dump keeps every byte.
TEST_F(FontThroughPatch, TheFontIsTheLoadOfThePatchedDumpAndTheDumpStaysAsItWas) {
    const Patch patch =
        testing::ReadPatchOrFail(LineOver(RecordOf({0, 0}) + 1, 2, 0x3C) +  // А, rows 1 and 2
                                 LineOver(RecordOf({2, 1}) + 4, 3, 0x18) +  // bold Б
                                 LineOver(RecordOf({1, 5}), 1, 0x07) +      // е: not loaded
                                 LineOver(10, 8, 0xEE));                    // before the font
    FontImage start;
    start.narrow[1][5].fill(0x55);
    start.wide[3][3].fill(0x1234);
    const BlockSet blocks{0, 2};

    PatchedFont read;
    const Status status = ReadFontThroughPatch(path(), patch, Place(), blocks, start, &read);
    ASSERT_TRUE(status.ok()) << status.Line(kEnglish);
    std::vector<uint8_t> patched_image = original_;
    PatchOutcome outcome;
    ASSERT_TRUE(ApplyPatchToImage(patch, "dump.bin", {}, &patched_image, &outcome).ok());
    EXPECT_EQ(read.patched, LoadedFrom(patched_image, blocks, start));
    EXPECT_EQ(read.unpatched, LoadedFrom(original_, blocks, start));
    EXPECT_NE(read.patched.narrow[0][0], read.unpatched.narrow[0][0]);
    EXPECT_EQ(read.patched.narrow[1][5], NarrowGlyph{}) << "a load clears the live table";
    EXPECT_EQ(read.patched.wide[3][3], start.wide[3][3]);
    // What the patch does to the whole font, loaded or not.
    EXPECT_EQ(read.effect.glyphs, (std::vector<GlyphSlot>{{0, 0}, {1, 5}, {2, 1}}));
    EXPECT_EQ(read.effect.bytes_outside, 8);
    EXPECT_EQ(ReadBytes(path()), original_);
    EXPECT_EQ(dir_.Names(), std::vector<std::string>{"dump.bin"});
}

// Every refusal leaves the result as it was: old bytes that do not match, a line past the end,
// a dump too short for the font, a missing dump.
TEST_F(FontThroughPatch, ARefusedPatchOrDumpChangesNothing) {
    PatchedFont read;
    read.patched.narrow[0][0].fill(0x99);
    const PatchedFont before = read;
    const int64_t a = RecordOf({0, 0});
    const std::string expected_old =
        HexBytes(std::vector<uint8_t>(original_.begin() + a, original_.begin() + a + 1));
    const std::string other_old = expected_old == "00" ? "01" : "00";
    const Patch wrong = testing::ReadPatchOrFail(LineOver(10, 1, 0xEE) + PatchAddress(a) + ": " +
                                                 other_old + " 00\n");
    EXPECT_EQ(
        ReadFontThroughPatch(path(), wrong, Place(), BlockSet::FirstN(4), {}, &read).Line(kEnglish),
        "p.vkp:2: the fullflash holds other bytes at " + PatchAddress(a) +
            " than the patch expects");
    const Patch past_end = testing::ReadPatchOrFail(
        PatchAddress(static_cast<int64_t>(original_.size()) - 1) + ": 0000 1111\n");
    EXPECT_EQ(ReadFontThroughPatch(path(), past_end, Place(), BlockSet::FirstN(4), {}, &read)
                  .Line(kEnglish),
              "p.vkp:1: the data at " + PatchAddress(static_cast<int64_t>(original_.size()) - 1) +
                  " reach past the end of dump.bin (" + std::to_string(original_.size()) +
                  " bytes): a fullflash is never lengthened");
    testing::WriteBytes(dir_.File("short.bin"), std::vector<uint8_t>(100));
    EXPECT_NE(
        ReadFontThroughPatch(dir_.File("short.bin"), wrong, Place(), BlockSet::FirstN(4), {}, &read)
            .text()
            .find("Read beyond end of file: the image holds 100 bytes"),
        std::string::npos);
    EXPECT_EQ(
        ReadFontThroughPatch(dir_.File("none.bin"), wrong, Place(), BlockSet::FirstN(4), {}, &read)
            .text(),
        kFileNotFound);
    EXPECT_EQ(read.patched, before.patched);
    EXPECT_EQ(ReadBytes(path()), original_);
}

// A save into the dump that was cut off is rolled back before the patch is checked against it,
// and said so.
TEST_F(FontThroughPatch, AnInterruptedSaveIsRolledBackFirst) {
    testing::FaultyFileSystem broken(testing::FaultyFileSystem::Op::Write, 50, EIO, 100000);
    ASSERT_TRUE(SaveInto(path(), broken).partly_written());
    PatchedFont read;
    const Status status =
        ReadFontThroughPatch(path(), testing::ReadPatchOrFail(LineOver(10, 4, 0xEE)), Place(),
                             BlockSet::FirstN(4), {}, &read);
    ASSERT_TRUE(status.ok()) << status.Line(kEnglish);
    EXPECT_NE(Render(status.note(), kEnglish).find("interrupted"), std::string::npos);
    EXPECT_EQ(ReadBytes(path()), original_);
    EXPECT_EQ(read.unpatched, LoadedFrom(original_, BlockSet::FirstN(4), {}));
}

TEST(PatchImportMessages, SayWhatThePatchDidToTheFont) {
    const LayoutId small{PhoneModel::SME45, FontKind::Small};
    EXPECT_EQ(Render(DescribePatchImport({{{0, 0}, {0, 1}, {2, 3}}, 1340}, small), kRussian),
              "Патч меняет 3 буквы этого шрифта. Ещё он меняет 1340 байт вне шрифта; они не "
              "загружены.");
    EXPECT_EQ(Render(DescribePatchImport({{{0, 0}}, 0}, small), kEnglish),
              "The patch changes 1 glyph of this font.");
    EXPECT_EQ(Render(DescribePatchImport({{}, 21}, small), kRussian),
              "Патч не меняет этот шрифт (S/ME 45 Small).");
    EXPECT_EQ(PatchNameFor("/home/u/s45.bin"), "/home/u/s45.vkp");
    EXPECT_EQ(PatchNameFor("/home/u.d/dump"), "/home/u.d/dump.vkp");
}

// A dump of the S/ME 45 Normal font in memory, and patches of it.
class PatchImportSession : public ::testing::Test {
  protected:
    PatchImportSession() {
        font_.narrow[0][0] = {6, 0x10};
        PutDump(font_);
    }
    // chosen.bin holds `font` where S/ME 45 keeps its Normal font.
    void PutDump(const FontImage& font) {
        fs_.Put("chosen.bin", std::vector<uint8_t>(static_cast<size_t>(RequiredImageSize(
                                  RecordsToWrite(Edition::Cyrillic, layout_), layout_))));
        ASSERT_TRUE(WriteFlashFont("chosen.bin", Edition::Cyrillic, layout_, font, fs_).ok());
    }
    // A patch that sets row 1 of Б to `row`; the dump's record holds `old` there.
    void PutPatch(uint8_t old, uint8_t row) {
        const int64_t at = RecordPosition(Edition::Cyrillic, layout_, {0, 1}) + 1;
        const std::string text = PatchAddress(at) + ": " + HexBytes(std::vector<uint8_t>{old}) +
                                 " " + HexBytes(std::vector<uint8_t>{row});
        const std::string line = text + "\n";
        fs_.Put("p.vkp", std::vector<uint8_t>(line.begin(), line.end()));
    }
    FontImage Loaded(const std::string& name) {
        FontImage font;
        EXPECT_TRUE(
            ReadFlashFont(name, Edition::Cyrillic, layout_, BlockSet::FirstN(4), font, fs_).ok());
        return font;
    }
    void Import() {
        editor_testing::RunFileCommand(files_, FileCommand::ImportPatch,
                                       {FileAnswer::File("p.vkp"), FileAnswer::File("chosen.bin")});
    }

    const FontLayout layout_ = LookupLayout(Edition::Cyrillic, PhoneModel::SME45, FontKind::Normal);
    FontImage font_;
    MemoryFileSystem fs_;
    Session e_ = editor_testing::Activated(Edition::Cyrillic);
    FileCommands files_{e_, fs_};
};

// The session takes an import as one step. A dump chosen for the import becomes the base a
// later save compares with; the dump last loaded stays the base; undo brings the old base back.
TEST_F(PatchImportSession, OneStepAndTheBaseOfTheDumpItWasAppliedTo) {
    PutPatch(0x00, 0x20);
    const FontImage unpatched = Loaded("chosen.bin");
    Import();
    FontImage patched = unpatched;
    patched.narrow[0][1][1] = 0x20;
    EXPECT_EQ(e_.font(), patched);
    EXPECT_EQ(e_.base_font(), unpatched);
    EXPECT_EQ(e_.last_fullflash(), "chosen.bin");
    EXPECT_EQ(e_.view().Controls().undo_caption, "Отменить: Импорт из патча (.vkp)...");
    EXPECT_TRUE(e_.HasUnsavedChanges()) << "the patch is in no file yet";

    // Applied to the same dump again, the base stays the font the dump held when it was chosen,
    // though another program changed the dump since.
    FontImage changed = font_;
    changed.narrow[0][2] = {6, 0x30};
    PutDump(changed);
    PutPatch(0x00, 0x40);
    editor_testing::RunFileCommand(files_, FileCommand::ImportPatch, {FileAnswer::File("p.vkp")});
    EXPECT_EQ(e_.base_font(), unpatched);

    e_.Undo();
    e_.Undo();
    EXPECT_EQ(e_.font(), FontImage{});
    EXPECT_EQ(e_.base_font(), FontImage{});
    e_.Redo();
    EXPECT_EQ(e_.base_font(), unpatched);
}

TEST_F(PatchImportSession, AnExportedPatchNamesItselfInTheStatusLine) {
    // Twelve letters in the dump that the empty font in the editor would blank.
    FontImage twelve;
    for (int k = 0; k < 12; ++k) twelve.narrow[0][k] = {6, 0x18};
    PutDump(twelve);
    fs_.Put("/home/u/s45.bin", *fs_.Get("chosen.bin"));
    const auto shown =
        editor_testing::RunFileCommand(files_, FileCommand::ExportPatch,
                                       {FileAnswer::File("/home/u/s45.bin"), FileAnswer::Yes(),
                                        FileAnswer::File("/home/u/s45.vkp")});
    ASSERT_EQ(
        editor_testing::OfKind(shown, FilePrompt::Kind::ChooseFile).back().dialog.suggested_path,
        "/home/u/s45.vkp");
    EXPECT_EQ(Render(e_.view().Notice(), kRussian), "Записан патч s45.vkp: 12 букв");
    EXPECT_EQ(Render(e_.view().Notice(), kEnglish), "Saved patch s45.vkp: 12 glyphs");
    EXPECT_FALSE(e_.HasUnsavedChanges());
}

}  // namespace
}  // namespace rw
