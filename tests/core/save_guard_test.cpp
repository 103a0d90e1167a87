// A fullflash save replaces only what the user meant: the question before a save that would
// replace glyphs the user did not change, read-only dumps, and files too large to be font files.
#include <gtest/gtest.h>

#include <filesystem>

#include "editor/file_commands.h"
#include "editor/session.h"
#include "editor_test_support.h"
#include "file_command_driver.h"
#include "io/flash_codec.h"
#include "io/font_files.h"
#include "io/memory_file_system.h"
#include "io/read_only_guard.h"
#include "io/rollback_journal.h"
#include "io/sft_conversion.h"
#include "model/load_scope.h"
#include "test_files.h"

namespace rw {
namespace {

using editor_testing::Activated;
using editor_testing::RunFileCommand;

// Every glyph of both tables inked, each one different, with a width that looks like a glyph's.
FontImage InkedFont(int seed) {
    FontImage font;
    for (int b = 0; b < kMaxBlocks; ++b) {
        for (int k = 0; k < kMaxSlots; ++k) {
            const int n = seed + b * 41 + k;
            font.narrow[b][k][0] = 6;
            font.wide[b][k][0] = 9;
            for (int r = 1; r <= 15; ++r) {
                const auto bits = static_cast<uint8_t>(0x40 | ((n * 5 + r * 3) & 0x3E));
                if (r <= 12) font.narrow[b][k][r] = bits;
                font.wide[b][k][r] = static_cast<uint16_t>(bits << 8);
            }
        }
    }
    return font;
}

class SaveGuard : public ::testing::Test {
  protected:
    // An image holding `font` at the records of `model`'s `kind`; zeros elsewhere.
    void PutImage(const std::string& name, PhoneModel model, FontKind kind, const FontImage& font) {
        const FontLayout layout = LookupLayout(Edition::Cyrillic, model, kind);
        fs_.Put(name, std::vector<uint8_t>(kImageSize));
        ASSERT_TRUE(WriteFlashFont(name, Edition::Cyrillic, layout, font, fs_).ok());
    }
    // "Загрузить шрифт из fullflash" with the editor's model, kind and scope.
    void LoadFlash(const std::string& name) {
        const auto shown = RunFileCommand(files_, FileCommand::LoadFlash, {FileAnswer::File(name)});
        ASSERT_TRUE(editor_testing::OfKind(shown, FilePrompt::Kind::Error).empty());
        ASSERT_EQ(e_.last_fullflash(), name);
    }
    // Draws one pixel of the selected letter and writes it back.
    void EditLetter() {
        e_.ClickCell(3, 2);
        e_.WriteBack();
    }
    // How many unchanged glyphs the question says a save into `name` replaces; 0 without one.
    int Replaced(const std::string& name) {
        for (const Message& m : e_.CheckFlashSave(name, fs_).question) {
            if (m.id == MessageId::SaveReplacesUnchanged ||
                m.id == MessageId::SaveReplacesUnchangedSomeEmpty) {
                EXPECT_EQ(m.args[0], name);
                return std::stoi(m.args[1]);
            }
        }
        return 0;
    }

    static constexpr size_t kImageSize = 4 << 20;  // holds every Cyrillic layout
    MemoryFileSystem fs_;
    Session e_ = Activated(Edition::Cyrillic);
    FileCommands files_{e_, fs_};
};

TEST_F(SaveGuard, AnEditedFontGoesBackIntoItsOwnDumpOrACopyWithoutAQuestion) {
    PutImage("own.bin", PhoneModel::SME45, FontKind::Normal, InkedFont(1));
    fs_.Put("copy.bin", *fs_.Get("own.bin"));
    LoadFlash("own.bin");
    EditLetter();
    EXPECT_TRUE(e_.CheckFlashSave("own.bin", fs_).question.empty());
    EXPECT_TRUE(e_.CheckFlashSave("copy.bin", fs_).question.empty());
}

// A load drops ink beyond a wide glyph's width, so every save into that dump clears it; that
// changes no glyph and asks nothing.
TEST(SaveGuardWide, InkBeyondTheWidthOfAGlyphIsNoGlyphTheSaveReplaces) {
    MemoryFileSystem fs;
    const FontLayout layout = LookupLayout(Edition::Latin, PhoneModel::SME45, FontKind::Normal);
    const std::vector<FlashRecord> records = RecordsToWrite(Edition::Latin, layout);
    fs.Put("own.bin",
           std::vector<uint8_t>(static_cast<size_t>(RequiredImageSize(records, layout))));
    ASSERT_TRUE(WriteFlashFont("own.bin", Edition::Latin, layout, InkedFont(1), fs).ok());
    std::vector<uint8_t> image = *fs.Get("own.bin");
    for (const FlashRecord& r : records) image[r.position + 3] |= 0x01;  // row 1, column 15
    fs.Put("own.bin", image);

    Session e = Activated(Edition::Latin);
    FileCommands files(e, fs);
    RunFileCommand(files, FileCommand::LoadFlash, {FileAnswer::File("own.bin")});
    ASSERT_EQ(e.last_fullflash(), "own.bin");
    e.ClickCell(3, 2);
    e.WriteBack();
    EXPECT_TRUE(e.CheckFlashSave("own.bin", fs).question.empty());
}

TEST_F(SaveGuard, AFontFromAnotherDumpWouldReplaceEveryGlyphTheUserLeftAlone) {
    PutImage("a.bin", PhoneModel::SME45, FontKind::Normal, InkedFont(1));
    PutImage("b.bin", PhoneModel::SME45, FontKind::Normal, InkedFont(7));
    LoadFlash("a.bin");
    EditLetter();
    EXPECT_EQ(Replaced("b.bin"), 135);  // every record but the edited А
    const std::vector<Message> question = e_.CheckFlashSave("b.bin", fs_).question;
    ASSERT_EQ(question.size(), 1u);  // b.bin holds a font where S/ME 45 keeps it
    EXPECT_EQ(Render(question, kRussian),
              "Запись в b.bin заменит ещё 135 букв, которые вы не меняли: шрифт загружен из "
              "другого fullflash, для другого телефона или шрифта, или не загружен. Записать?");
    EXPECT_EQ(Render(question, kEnglish),
              "Saving into b.bin also replaces 135 glyphs you did not change: the font was loaded "
              "from another fullflash, for another phone or font, or not loaded. Save anyway?");
}

TEST_F(SaveGuard, NothingLoadedAndOneLetterDrawnWouldBlankTheRestOfTheDump) {
    PutImage("fresh.bin", PhoneModel::SME45, FontKind::Normal, InkedFont(1));
    EditLetter();
    EXPECT_EQ(Replaced("fresh.bin"), 135);
}

TEST_F(SaveGuard, ADumpLoadedForAnotherPhoneThenSavedForTheRightOneAsks) {
    // A C 45 dump read with S/ME 45 chosen; then C 45 chosen, a letter drawn and written back.
    PutImage("c45.bin", PhoneModel::C45, FontKind::Normal, InkedFont(3));
    LoadFlash("c45.bin");
    e_.ChooseModel(PhoneModel::C45);
    EditLetter();
    EXPECT_EQ(Replaced("c45.bin"), 135);
    // Undoing the drawing leaves every glyph as loaded: all 136 would be replaced.
    e_.Undo();
    e_.Undo();
    EXPECT_EQ(Replaced("c45.bin"), 136);
}

TEST_F(SaveGuard, AFontFileLoadOrAnImportIsTheUsersOwnChange) {
    PutImage("dump.bin", PhoneModel::SME45, FontKind::Normal, InkedFont(1));
    ASSERT_TRUE(WriteFontFile("mine.sft", FontFileFormat::Sft, InkedFont(9), fs_).ok());
    RunFileCommand(files_, FileCommand::LoadFontFile, {FileAnswer::File("mine.sft")});
    ASSERT_EQ(e_.state().file_name, "mine.sft");
    EXPECT_TRUE(e_.CheckFlashSave("dump.bin", fs_).question.empty());

    Session imported = Activated(Edition::Cyrillic);
    imported.LoadFont(InkedFont(11), UiText::MenuImportFont);
    EXPECT_TRUE(imported.CheckFlashSave("dump.bin", fs_).question.empty());
}

TEST_F(SaveGuard, APartialLoadWouldWriteTheBlocksItLeftEmpty) {
    PutImage("own.bin", PhoneModel::SME45, FontKind::Normal, InkedFont(1));
    ASSERT_TRUE(e_.ChooseLoadScope(0));  // "А - Я", normal
    LoadFlash("own.bin");
    EXPECT_EQ(Replaced("own.bin"), 3 * 34);
    EXPECT_EQ(Render(e_.CheckFlashSave("own.bin", fs_).question, kEnglish),
              "Saving into own.bin also replaces 102 glyphs you did not change, 102 of them "
              "empty: the font was loaded from another fullflash, for another phone or font, or "
              "not loaded. Save anyway?");
}

// Only the glyphs the save would blank count as empty (a width alone is no ink), and the words
// agree with that count.
TEST_F(SaveGuard, TheQuestionCountsTheGlyphsASaveWouldBlank) {
    FontImage holed = InkedFont(1);
    for (int r = 1; r <= 15; ++r) {  // Б without ink, its width kept
        if (r <= 12) holed.narrow[0][1][r] = 0;
        holed.wide[0][1][r] = 0;
    }
    PutImage("a.bin", PhoneModel::SME45, FontKind::Normal, holed);
    PutImage("b.bin", PhoneModel::SME45, FontKind::Normal, InkedFont(7));
    LoadFlash("a.bin");
    EXPECT_EQ(Replaced("b.bin"), 136);
    EXPECT_EQ(Render(e_.CheckFlashSave("b.bin", fs_).question, kRussian),
              "Запись в b.bin заменит ещё 136 букв, которые вы не меняли, из них 1 пустая: шрифт "
              "загружен из другого fullflash, для другого телефона или шрифта, или не загружен. "
              "Записать?");
    EXPECT_EQ(Render(e_.CheckFlashSave("b.bin", fs_).question, kEnglish),
              "Saving into b.bin also replaces 136 glyphs you did not change, 1 of them empty: "
              "the font was loaded from another fullflash, for another phone or font, or not "
              "loaded. Save anyway?");
}

TEST_F(SaveGuard, ASaveMakesTheFontTheBaseAndAnUndoneLoadTakesItsBaseBack) {
    PutImage("a.bin", PhoneModel::SME45, FontKind::Normal, InkedFont(1));
    PutImage("b.bin", PhoneModel::SME45, FontKind::Normal, InkedFont(7));
    LoadFlash("a.bin");
    // b.bin holds another font: the save asks, and the user goes on.
    RunFileCommand(files_, FileCommand::SaveFlash, {FileAnswer::File("b.bin"), FileAnswer::Yes()});
    EXPECT_EQ(*fs_.Get("b.bin"), *fs_.Get("a.bin"));  // what the save wrote
    EXPECT_EQ(e_.base_font(), e_.font());
    EXPECT_TRUE(e_.CheckFlashSave("b.bin", fs_).question.empty());
    EXPECT_EQ(e_.last_fullflash(), "b.bin");

    // Undoing the load brings back the empty font and the empty base: saving that would blank
    // the dump, so it asks.
    e_.Undo();
    EXPECT_EQ(e_.font(), FontImage{});
    EXPECT_EQ(Replaced("a.bin"), 136);
    EXPECT_EQ(Render(e_.CheckFlashSave("a.bin", fs_).question, kRussian),
              "Запись в a.bin заменит ещё 136 букв, которые вы не меняли, из них 136 пустые: шрифт "
              "загружен из другого fullflash, для другого телефона или шрифта, или не загружен. "
              "Записать?");
    e_.Redo();
    EXPECT_TRUE(e_.CheckFlashSave("a.bin", fs_).question.empty());
}

TEST_F(SaveGuard, AWrongPhoneAndUnchangedGlyphsAreOneQuestion) {
    fs_.Put("random.bin", testing::RandomBytes(kImageSize, 5));
    EditLetter();
    const std::vector<Message> question = e_.CheckFlashSave("random.bin", fs_).question;
    ASSERT_GE(question.size(), 2u);
    EXPECT_EQ(question.front().id, MessageId::ForeignData);
    EXPECT_EQ(question.back().id, MessageId::SaveReplacesUnchangedSomeEmpty);  // all but А blank
    // Where every record the save writes is the user's own, only the wrong phone is asked about.
    e_.LoadFont(InkedFont(2), UiText::MenuImportFont);
    const std::vector<Message> wrong_phone = e_.CheckFlashSave("random.bin", fs_).question;
    ASSERT_GE(wrong_phone.size(), 2u);
    EXPECT_EQ(wrong_phone.front().id, MessageId::ForeignData);
    EXPECT_EQ(wrong_phone.back().id, MessageId::SaveAnyway);
}

TEST_F(SaveGuard, AnImageTheSaveReportsItselfIsNotAskedAbout) {
    EditLetter();
    EXPECT_TRUE(e_.CheckFlashSave("missing.bin", fs_).question.empty());
    fs_.Put("short.bin", std::vector<uint8_t>(1000));
    EXPECT_TRUE(e_.CheckFlashSave("short.bin", fs_).question.empty());
}

// --- Read-only dumps ----------------------------------------------------------------------------

TEST(ReadOnlyDump, IsRefusedForSavingAsRootTooAndKeepsEveryByte) {
    testing::TempDir dir;
    const std::string path = dir.File("original.bin");
    const FontLayout layout = LookupLayout(Edition::Cyrillic, PhoneModel::SME45, FontKind::Normal);
    const auto bytes = testing::RandomBytes(
        static_cast<size_t>(RequiredImageSize(RecordsToWrite(Edition::Cyrillic, layout), layout)),
        3);
    testing::WriteBytes(path, bytes);
    std::filesystem::permissions(path, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::group_read |
                                           std::filesystem::perms::others_read);
    const Status s = WriteFlashFont(path, Edition::Cyrillic, layout, FontImage{});
    EXPECT_FALSE(s.ok());
    EXPECT_EQ(s.Line(kEnglish), path + ": read-only: nothing written");
    EXPECT_EQ(Render(s.message(), kRussian), "только для чтения: ничего не записано");
    EXPECT_EQ(testing::ReadBytes(path), bytes);
    EXPECT_FALSE(testing::Exists(JournalPathFor(path)));
    // Any write bit lets it be written, as before.
    std::filesystem::permissions(path, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
    EXPECT_TRUE(RefuseReadOnlyImage(SystemFileSystem(), path).ok());
    EXPECT_TRUE(RefuseReadOnlyImage(SystemFileSystem(), dir.File("none.bin")).ok());
}

// --- Files too large to be font files
// -------------------------------------------------------------

TEST(LargeFontFile, IsRefusedBeforeAnythingChangesNamingItAndTheFullflashCommand) {
    MemoryFileSystem fs;
    fs.Put("t.bin", std::vector<uint8_t>(16 << 20, 1));
    FontImage font = InkedFont(4);
    const FontImage before = font;
    const Status s = ReadFontFile("t.bin", FontFileFormat::Sft, BlockSet::FirstN(4), font, fs);
    EXPECT_FALSE(s.ok());
    EXPECT_EQ(s.text(),
              "not a .sft font file (16777216 bytes). Is it a fullflash? Use «Load font "
              "from FullFlash».");
    EXPECT_EQ(Render(s.message(), kRussian),
              "не файл шрифта .sft (16777216 байт). Может быть, это fullflash? "
              "Используйте «Загрузить шрифт из fullflash».");
    EXPECT_EQ(font, before);
    EXPECT_FALSE(LoadThinSftAsSbf("t.bin", BlockSet::FirstN(4), font, fs).ok());
    EXPECT_EQ(font, before);

    // Up to 64 KiB the bytes past the format are ignored, as they always were.
    std::vector<uint8_t> padded = SerializeFontFile(FontFileFormat::Sfe, InkedFont(5));
    padded.resize(64 * 1024, 0xAA);
    fs.Put("padded.sfe", padded);
    EXPECT_TRUE(
        ReadFontFile("padded.sfe", FontFileFormat::Sfe, BlockSet::FirstN(8), font, fs).ok());
    EXPECT_EQ(font.wide, InkedFont(5).wide);
    padded.push_back(0);
    fs.Put("padded.sfe", padded);
    EXPECT_FALSE(
        ReadFontFile("padded.sfe", FontFileFormat::Sfe, BlockSet::FirstN(8), font, fs).ok());
}

}  // namespace
}  // namespace rw
