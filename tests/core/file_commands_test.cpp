// The file commands as a front end drives them: prompts in, answers back, the session's state and
// the files afterwards. Everything goes through a file system in memory.
#include <gtest/gtest.h>

#include <cstdio>

#include "editor/file_commands.h"
#include "editor/session.h"
#include "editor_test_support.h"
#include "file_command_driver.h"
#include "io/flash_codec.h"
#include "io/font_files.h"
#include "io/memory_file_system.h"

namespace rw {
namespace {

using editor_testing::Activated;
using editor_testing::OfKind;
using editor_testing::RunFileCommand;
using Kind = FilePrompt::Kind;

// Every narrow glyph inked and of its own shape, with a width that looks like a glyph's.
FontImage Letters() {
    FontImage font;
    for (int b = 0; b < kMaxBlocks; ++b) {
        for (int k = 0; k < kMaxSlots; ++k) {
            font.narrow[b][k][0] = 6;
            for (int r = 1; r <= 11; ++r)
                font.narrow[b][k][r] = static_cast<uint8_t>(0x40 | ((b * 41 + k + r * 3) & 0x3E));
        }
    }
    return font;
}

class FileCommandsTest : public ::testing::Test {
  protected:
    // A 4 MiB dump holding `font` where S/ME 45 keeps its Normal font; zeros elsewhere.
    void PutDump(const std::string& name, const FontImage& font) {
        fs_.Put(name, std::vector<uint8_t>(4 << 20));
        ASSERT_TRUE(WriteFlashFont(name, Edition::Cyrillic, layout_, font, fs_).ok());
    }
    std::vector<FilePrompt> Run(FileCommand command, const std::vector<FileAnswer>& answers) {
        return RunFileCommand(files_, command, answers);
    }

    const FontLayout layout_ = LookupLayout(Edition::Cyrillic, PhoneModel::SME45, FontKind::Normal);
    MemoryFileSystem fs_;
    Session e_ = Activated(Edition::Cyrillic);
    FileCommands files_{e_, fs_};
};

TEST_F(FileCommandsTest, AFullflashLoadShowsItsDialogThenHandsTheWholeFontOver) {
    PutDump("s45.bin", Letters());
    const FilePrompt first = files_.Start(FileCommand::LoadFlash);
    ASSERT_EQ(first.kind, Kind::ChooseFile);
    EXPECT_FALSE(first.dialog.save);
    EXPECT_EQ(first.dialog.title, "Загрузка из файла fullflash...");
    EXPECT_EQ(first.dialog.filter, "FullFlash (*.bin)|*.bin");
    const FilePrompt last = files_.Resume(FileAnswer::File("s45.bin"));
    EXPECT_TRUE(last.done());
    EXPECT_EQ(e_.state().file_name, "s45.bin");
    EXPECT_EQ(e_.last_fullflash(), "s45.bin");
    EXPECT_EQ(e_.base_font(), e_.font());
    EXPECT_EQ(e_.font().narrow[0][5], Letters().narrow[0][5]);
    EXPECT_FALSE(e_.HasUnsavedChanges());
    EXPECT_EQ(e_.view().Controls().undo_caption, "Отменить: Загрузить шрифт из fullflash");
}

TEST_F(FileCommandsTest, CancellingADialogOrAFailedLoadChangesNothing) {
    e_.ClickCell(3, 2);
    e_.WriteBack();
    const FontImage before = e_.font();
    EXPECT_TRUE(Run(FileCommand::LoadFlash, {FileAnswer::Cancel()}).size() == 1);
    const auto shown = Run(FileCommand::LoadFontFile, {FileAnswer::File("gone.sft")});
    const auto errors = OfKind(shown, Kind::Error);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].text, "gone.sft: File not found");
    EXPECT_EQ(e_.font(), before);
    EXPECT_EQ(e_.state().file_name, "");
    EXPECT_EQ(e_.view().WindowCaption(), "Runewright v4.01 \"RUS-Full\" - [no file]");
}

TEST_F(FileCommandsTest, ALoadOfWhatHoldsNoFontWarnsAfterwardsAndTheLoadStands) {
    fs_.Put("zeros.bin", std::vector<uint8_t>(4 << 20));
    const auto shown = Run(FileCommand::LoadFlash, {FileAnswer::File("zeros.bin")});
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1].kind, Kind::Warning);
    EXPECT_NE(shown[1].text.find("S/ME 45"), std::string::npos) << shown[1].text;
    EXPECT_EQ(e_.last_fullflash(), "zeros.bin");
}

// The save offers the dump it came from, asks before it would replace glyphs the user left
// alone, and writes nothing when the answer is no.
TEST_F(FileCommandsTest, AFullflashSaveAsksBeforeReplacingUnchangedGlyphs) {
    PutDump("a.bin", Letters());
    FontImage other = Letters();
    other.narrow[0][0] = {5, 0x7E};
    PutDump("b.bin", other);
    Run(FileCommand::LoadFlash, {FileAnswer::File("a.bin")});
    const FilePrompt offer = files_.Start(FileCommand::SaveFlash);
    EXPECT_TRUE(offer.dialog.save);
    EXPECT_EQ(offer.dialog.suggested_path, "a.bin");
    EXPECT_FALSE(offer.dialog.default_suffix) << "the extension a font-file save set stays";

    const std::vector<uint8_t> b_before = *fs_.Get("b.bin");
    const FilePrompt question = files_.Resume(FileAnswer::File("b.bin"));
    ASSERT_EQ(question.kind, Kind::Ask);
    EXPECT_NE(question.text.find("b.bin"), std::string::npos);
    EXPECT_EQ(question.stop, "Отмена");
    EXPECT_TRUE(files_.Resume(FileAnswer::No()).done());
    EXPECT_EQ(*fs_.Get("b.bin"), b_before);
    EXPECT_EQ(e_.last_fullflash(), "a.bin");

    Run(FileCommand::SaveFlash, {FileAnswer::File("b.bin"), FileAnswer::Yes()});
    EXPECT_EQ(*fs_.Get("b.bin"), *fs_.Get("a.bin"));
    EXPECT_EQ(e_.last_fullflash(), "b.bin");
    EXPECT_EQ(Render(e_.view().Notice(), kEnglish), "Saved to b.bin: 136 glyphs");
}

TEST_F(FileCommandsTest, AFontFileSaveOffersTheCurrentFileUnderItsFormatsExtension) {
    PutDump("/d/s45.bin", Letters());
    Run(FileCommand::LoadFlash, {FileAnswer::File("/d/s45.bin")});
    const FilePrompt offer = files_.Start(FileCommand::SaveFontFile);
    EXPECT_EQ(offer.dialog.title, "Запись шрифта в файл...");
    EXPECT_EQ(offer.dialog.suggested_path, "/d/s45.sft");
    EXPECT_EQ(offer.dialog.default_suffix, ".sft");
    EXPECT_EQ(offer.dialog.name_extension, ".sft");
    EXPECT_TRUE(files_.Resume(FileAnswer::File("/d/s45.sft")).done());
    EXPECT_EQ(fs_.Get("/d/s45.sft")->size(), 1768u);
    EXPECT_FALSE(e_.HasUnsavedChanges());
}

// A front end whose dialogs answer later: other operations may run between the prompt and its
// answer, and a new command drops one left unanswered.
TEST_F(FileCommandsTest, APromptMayBeAnsweredLaterOrAbandoned) {
    PutDump("s45.bin", Letters());
    ASSERT_EQ(files_.Start(FileCommand::SaveFlash).kind, Kind::ChooseFile);
    ASSERT_EQ(files_.Start(FileCommand::LoadFlash).kind, Kind::ChooseFile);
    e_.PressThumbnail(3);
    EXPECT_TRUE(files_.Resume(FileAnswer::File("s45.bin")).done());
    EXPECT_EQ(e_.last_fullflash(), "s45.bin");
    EXPECT_EQ(e_.state().selected_slot(), 3);
    EXPECT_TRUE(files_.Resume(FileAnswer::File("other.bin")).done()) << "nothing is pending";
    EXPECT_EQ(e_.last_fullflash(), "s45.bin");
}

TEST_F(FileCommandsTest, AGivenFileIsLoadedByWhatItIsOrRefusedNamingIt) {
    PutDump("s45.bin", Letters());
    ASSERT_TRUE(WriteFontFile("mine.sft", FontFileFormat::Sft, Letters(), fs_).ok());
    fs_.Put("notes.txt", std::vector<uint8_t>(100, 'x'));

    EXPECT_TRUE(editor_testing::Finish(files_, files_.OpenGiven("s45.bin"), {}).empty());
    EXPECT_EQ(e_.last_fullflash(), "s45.bin");
    EXPECT_EQ(e_.view().Controls().undo_caption, "Отменить: Загрузить шрифт из fullflash");

    EXPECT_TRUE(editor_testing::Finish(files_, files_.OpenGiven("mine.sft"), {}).empty());
    EXPECT_EQ(e_.state().file_name, "mine.sft");
    EXPECT_EQ(e_.last_fullflash(), "s45.bin");

    const auto refused = editor_testing::Finish(files_, files_.OpenGiven("notes.txt"), {});
    ASSERT_EQ(refused.size(), 1u);
    EXPECT_EQ(refused[0].kind, Kind::Error);
    EXPECT_EQ(refused[0].text.rfind("notes.txt: ", 0), 0u) << refused[0].text;
    EXPECT_EQ(e_.state().file_name, "mine.sft");
}

// A command ends naming the file it read or wrote, for the recent files and the dialog of its
// kind; nothing when it was cancelled or failed.
TEST_F(FileCommandsTest, TheEndOfACommandNamesTheFileItReadOrWrote) {
    PutDump("s45.bin", Letters());
    const FilePrompt chosen = files_.Start(FileCommand::LoadFlash);
    EXPECT_EQ(chosen.dialog.role, FileRole::Fullflash);
    const FilePrompt loaded = files_.Resume(FileAnswer::File("s45.bin"));
    ASSERT_TRUE(loaded.done());
    EXPECT_EQ(loaded.file, "s45.bin");
    EXPECT_EQ(loaded.file_role, FileRole::Fullflash);

    ASSERT_EQ(files_.Start(FileCommand::SaveFontFile).kind, Kind::ChooseFile);
    const FilePrompt saved = files_.Resume(FileAnswer::File("s45.sft"));
    ASSERT_TRUE(saved.done());
    EXPECT_EQ(saved.file, "s45.sft");
    EXPECT_EQ(saved.file_role, FileRole::FontFile);

    EXPECT_EQ(files_.Start(FileCommand::ImportPatch).dialog.role, FileRole::Patch);
    EXPECT_EQ(files_.Resume(FileAnswer::Cancel()).file, "");
    files_.Start(FileCommand::LoadFlash);
    const FilePrompt failed = files_.Resume(FileAnswer::File("missing.bin"));
    ASSERT_EQ(failed.kind, Kind::Error);
    EXPECT_EQ(files_.Resume(FileAnswer::Seen()).file, "");
}

// A patch named outside the dialogs goes into the fullflash last loaded or saved; with none the
// fullflash dialog asks which, as "Импорт из патча (.vkp)..." does. The fullflash stays as it is.
TEST_F(FileCommandsTest, AGivenPatchIsImportedIntoTheLastFullflashOrTheOneAskedFor) {
    PutDump("s45.bin", Letters());
    FontImage other = Letters();
    other.narrow[0][0] = {5, 0x7E, 0x42};
    ASSERT_TRUE(WriteFontFile("other.sft", FontFileFormat::Sft, other, fs_).ok());
    Run(FileCommand::LoadFlash, {FileAnswer::File("s45.bin")});
    Run(FileCommand::LoadFontFile, {FileAnswer::File("other.sft")});
    // The patch of the font file against the fullflash; any question answered yes.
    for (FilePrompt p = files_.Start(FileCommand::ExportPatch); !p.done();) {
        p = files_.Resume(p.kind == Kind::ChooseFile ? FileAnswer::File("p.vkp")
                          : p.kind == Kind::Ask      ? FileAnswer::Yes()
                                                     : FileAnswer::Seen());
    }
    ASSERT_NE(fs_.Get("p.vkp"), nullptr);
    const std::vector<uint8_t> flash = *fs_.Get("s45.bin");

    Session fresh = Activated(Edition::Cyrillic);
    FileCommands given(fresh, fs_);
    const FilePrompt asked = given.OpenGiven("p.vkp");
    ASSERT_EQ(asked.kind, Kind::ChooseFile);
    EXPECT_EQ(asked.dialog.title, "Загрузка из файла fullflash...");
    EXPECT_EQ(asked.dialog.role, FileRole::Fullflash);
    FilePrompt p = given.Resume(FileAnswer::File("s45.bin"));
    EXPECT_EQ(p.kind, Kind::Notice);
    while (!p.done()) p = given.Resume(FileAnswer::Seen());
    EXPECT_EQ(p.file, "p.vkp");
    EXPECT_EQ(p.file_role, FileRole::Patch);
    EXPECT_EQ(fresh.font().narrow[0][0], other.narrow[0][0]);
    EXPECT_EQ(fresh.view().Controls().undo_caption, "Отменить: Импорт из патча (.vkp)...");
    EXPECT_EQ(*fs_.Get("s45.bin"), flash);

    // Now the fullflash is known: no dialog. A cancelled dialog leaves the font as it was.
    fresh.ClearFont();
    const auto again = editor_testing::Finish(given, given.OpenGiven("p.vkp"), {});
    ASSERT_EQ(OfKind(again, Kind::ChooseFile).size(), 0u);
    EXPECT_EQ(fresh.font().narrow[0][0], other.narrow[0][0]);
    Session unknown = Activated(Edition::Cyrillic);
    FileCommands cancelled(unknown, fs_);
    const FontImage before = unknown.font();
    EXPECT_TRUE(
        editor_testing::Finish(cancelled, cancelled.OpenGiven("p.vkp"), {FileAnswer::Cancel()})
            .size() == 1u);
    EXPECT_EQ(unknown.font(), before);
}

TEST_F(FileCommandsTest, APatchOfAnUnchangedFontIsNotNeeded) {
    PutDump("s45.bin", Letters());
    Run(FileCommand::LoadFlash, {FileAnswer::File("s45.bin")});
    const auto shown = Run(FileCommand::ExportPatch, {});
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].kind, Kind::Notice);
    EXPECT_EQ(shown[0].title, "Сохранение патча");
    EXPECT_EQ(shown[0].text,
              "Шрифт не отличается от fullflash: патч не нужен. Чтобы получить патч для других "
              "телефонов, выберите нетронутую копию дампа.");
}

// A patch that fills one byte of the first glyph's record after a comment of two megabytes, long
// enough for the reader to report its progress.
void PutLongPatch(MemoryFileSystem& fs, const std::string& name, const FontLayout& layout) {
    char line[64];
    std::snprintf(line, sizeof line, "%06X: FF\r\n", layout.normal_base + 1);
    const std::string text = "; " + std::string(2 << 20, 'x') + "\r\n" + line;
    fs.Put(name, std::vector<uint8_t>(text.begin(), text.end()));
}

TEST_F(FileCommandsTest, APatchImportCancelledWhileReadingChangesNothingAndSaysNothing) {
    PutDump("s45.bin", Letters());
    PutLongPatch(fs_, "friend.vkp", layout_);
    Run(FileCommand::LoadFlash, {FileAnswer::File("s45.bin")});
    const FontImage before = e_.font();
    int reports = 0;
    files_.SetReadProgress([&reports](double) {
        ++reports;
        return false;
    });
    const auto shown = Run(FileCommand::ImportPatch, {FileAnswer::File("friend.vkp")});
    EXPECT_GT(reports, 0);
    // The patch's file dialog, and after it nothing: no error, no notice.
    ASSERT_EQ(shown.size(), 1u) << shown.back().text;
    EXPECT_EQ(shown[0].kind, Kind::ChooseFile);
    EXPECT_EQ(e_.font(), before);
    EXPECT_FALSE(e_.HasUnsavedChanges());

    // Let through, the same patch lands.
    files_.SetReadProgress([](double) { return true; });
    Run(FileCommand::ImportPatch, {FileAnswer::File("friend.vkp")});
    EXPECT_NE(e_.font(), before);
}

// Faces that draw every character as one ink pixel; or none at all.
class DotFaces : public FaceOpener {
  public:
    class Dot : public GlyphSource {
      public:
        std::optional<MonoBitmap> Render(char32_t) override {
            return MonoBitmap{1, 1, 0, 1, {1}, false};
        }
    };
    bool fail = false;
    FontImportRequest asked;
    Status Open(const FontImportRequest& request, GlyphCell, OpenedFaces& faces) override {
        asked = request;
        if (fail) return Status::Failure(request.font, "no such face");
        faces.normal = std::make_unique<Dot>();
        faces.baseline = 5;
        return Status::Ok();
    }
};

TEST_F(FileCommandsTest, AnImportFromAFontAsksForFacesAndLandsAsOneStep) {
    DotFaces faces;
    FileCommands files(e_, fs_, nullptr, &faces);
    const FilePrompt choice = files.Start(FileCommand::ImportFont);
    ASSERT_EQ(choice.kind, Kind::ChooseFaces);
    EXPECT_EQ(choice.faces.target.blocks, BlockSet::FirstN(4));
    EXPECT_EQ(choice.faces.font_file_dialog.title, "Импорт из шрифта");

    faces.fail = true;
    const auto failed = editor_testing::Finish(
        files, files.Resume(FileAnswer::Faces({"Nowhere Sans", {}, false, {}, {}})), {});
    ASSERT_EQ(failed.size(), 1u);
    EXPECT_EQ(failed[0].text, "Nowhere Sans: no such face");
    EXPECT_FALSE(e_.history().CanUndo());

    faces.fail = false;
    RunFileCommand(files, FileCommand::ImportFont, {FileAnswer::Faces({"Dots", {}, false, 9, {}})});
    EXPECT_EQ(faces.asked.pixel_size, 9);
    EXPECT_NE(e_.font(), FontImage{});
    EXPECT_EQ(e_.view().Controls().undo_caption, "Отменить: Импорт из шрифта...");
    EXPECT_TRUE(e_.HasUnsavedChanges());
    EXPECT_EQ(e_.base_font(), FontImage{}) << "an import is the user's own change";
}

// Undoing a fullflash load brings back the base from before it; undoing a font-file load keeps
// the base of the fullflash.
TEST_F(FileCommandsTest, OnlyTheUndoOfAFullflashLoadMovesTheBase) {
    PutDump("s45.bin", Letters());
    ASSERT_TRUE(WriteFontFile("mine.sft", FontFileFormat::Sft, FontImage{}, fs_).ok());
    Run(FileCommand::LoadFlash, {FileAnswer::File("s45.bin")});
    const FontImage base = e_.base_font();
    Run(FileCommand::LoadFontFile, {FileAnswer::File("mine.sft")});
    e_.Undo();
    EXPECT_EQ(e_.base_font(), base);
    e_.Undo();
    EXPECT_EQ(e_.base_font(), FontImage{});
    e_.Redo();
    EXPECT_EQ(e_.base_font(), base);
}

// --- Edits on the grid not written back, before a save ----------------------------------------

class GridSaveTest : public FileCommandsTest {
  protected:
    // a.bin loaded, then letter Б changed on the grid and not written back.
    void SetUp() override {
        PutDump("a.bin", Letters());
        Run(FileCommand::LoadFlash, {FileAnswer::File("a.bin")});
        ASSERT_TRUE(e_.PressThumbnail(kSlotOfBe));
        ASSERT_TRUE(e_.ClickCell(4, 2));
        ASSERT_TRUE(e_.HasUnwrittenEdits());
    }
    static constexpr int kSlotOfBe = 1;
};

TEST_F(GridSaveTest, EverySaveAndThePatchAskFirstAndCancelWritesNothing) {
    const std::vector<uint8_t> before = *fs_.Get("a.bin");
    for (const FileCommand command :
         {FileCommand::SaveFlash, FileCommand::SaveFontFile, FileCommand::ExportPatch}) {
        const FilePrompt question = files_.Start(command);
        ASSERT_EQ(question.kind, Kind::Ask);
        EXPECT_EQ(question.text, "Буква Б изменена на сетке, но не записана в шрифт.");
        EXPECT_EQ(question.go_on, "Записать и продолжить");
        EXPECT_EQ(question.other, "Продолжить без неё");
        EXPECT_EQ(question.stop, "Отмена");
        EXPECT_TRUE(files_.Resume(FileAnswer::No()).done());
    }
    EXPECT_EQ(*fs_.Get("a.bin"), before);
    EXPECT_EQ(fs_.Get("a.sft"), nullptr);
    EXPECT_TRUE(e_.HasUnwrittenEdits());
    EXPECT_EQ(e_.history().undo_count(), 2u) << "the load and the drawing";
}

// "Записать и продолжить" is the write-back, one step, and the save then writes exactly it.
TEST_F(GridSaveTest, WritingItGoesOnWithTheLetterWrittenBack) {
    const auto shown = Run(FileCommand::SaveFlash, {FileAnswer::Yes(), FileAnswer::File("a.bin")});
    EXPECT_TRUE(OfKind(shown, Kind::Error).empty());
    EXPECT_FALSE(e_.HasUnsavedChanges());
    EXPECT_EQ(e_.view().Controls().undo_caption, "Отменить: Записать в шрифт");
    FontImage expected = Letters();
    expected.narrow[0][kSlotOfBe] = e_.font().narrow[0][kSlotOfBe];
    EXPECT_NE(expected.narrow[0][kSlotOfBe], Letters().narrow[0][kSlotOfBe]);
    PutDump("expected.bin", expected);
    EXPECT_EQ(*fs_.Get("a.bin"), *fs_.Get("expected.bin"));
}

TEST_F(GridSaveTest, GoingOnWithoutItSavesTheFontAndKeepsTheGrid) {
    const std::vector<uint8_t> before = *fs_.Get("a.bin");
    Run(FileCommand::SaveFlash, {FileAnswer::Other(), FileAnswer::File("a.bin")});
    EXPECT_EQ(*fs_.Get("a.bin"), before);
    EXPECT_EQ(e_.state().file_name, "a.bin");
    EXPECT_TRUE(e_.HasUnwrittenEdits());
    EXPECT_EQ(e_.history().undo_count(), 2u);
}

// Quitting names the letter while the grid's edits are all that is unsaved.
TEST_F(GridSaveTest, TheQuitQuestionNamesTheLetterOnlyWhenItIsTheOnlyChange) {
    EXPECT_EQ(Render(e_.QuitQuestion(), kRussian),
              "Буква Б изменена на сетке, но не записана в шрифт. Выйти без записи?");
    EXPECT_EQ(Render(e_.QuitQuestion(), kEnglish),
              "Letter Б was changed on the grid but not written to the font. Quit without saving?");
    e_.WriteBack();
    EXPECT_EQ(Render(e_.QuitQuestion(), kRussian), "Шрифт изменён и не записан. Выйти без записи?");
}

// --- Undo of a load --------------------------------------------------------------------------

TEST_F(FileCommandsTest, UndoingALoadBringsBackTheFileAndTheFullflashOffered) {
    PutDump("a.bin", Letters());
    FontImage other = Letters();
    other.narrow[0][0] = {5, 0x7E};
    PutDump("b.bin", other);
    Run(FileCommand::LoadFlash, {FileAnswer::File("a.bin")});
    Run(FileCommand::LoadFlash, {FileAnswer::File("b.bin")});
    e_.Undo();
    EXPECT_EQ(e_.state().file_name, "a.bin");
    EXPECT_EQ(e_.last_fullflash(), "a.bin");
    EXPECT_EQ(files_.Start(FileCommand::SaveFlash).dialog.suggested_path, "a.bin");
    EXPECT_EQ(Render(e_.view().Notice(), kRussian), "Отменено: Загрузить шрифт из fullflash");
    e_.Redo();
    EXPECT_EQ(e_.state().file_name, "b.bin");
    EXPECT_EQ(e_.last_fullflash(), "b.bin");
    EXPECT_EQ(Render(e_.view().Notice(), kRussian), "Повторено: Загрузить шрифт из fullflash");
}

// A save between two steps keeps the file it wrote current when one of them is undone.
TEST_F(FileCommandsTest, UndoingAnEditKeepsTheFileLastSaved) {
    PutDump("a.bin", Letters());
    Run(FileCommand::LoadFlash, {FileAnswer::File("a.bin")});
    e_.ClearLetter();
    Run(FileCommand::SaveFontFile, {FileAnswer::File("a.sft")});
    e_.Undo();
    EXPECT_EQ(e_.state().file_name, "a.sft");
    EXPECT_EQ(e_.last_fullflash(), "a.bin");
}

// --- The original letter -----------------------------------------------------------------------

TEST_F(FileCommandsTest, TheOriginalLetterShowsInWhiteCellsOnlyWhileAskedFor) {
    PutDump("a.bin", Letters());
    Run(FileCommand::LoadFlash, {FileAnswer::File("a.bin")});
    const auto ghosts = [this] {
        int n = 0;
        for (int row = 0; row < kGridSize; ++row)
            for (int col = 0; col < kGridSize; ++col) n += e_.view().Cell(row, col).ghost ? 1 : 0;
        return n;
    };
    const Glyph original = e_.base_font().At(GlyphForm::Narrow, e_.state().selected_glyph());
    e_.ClearLetter();
    EXPECT_EQ(ghosts(), 0) << "off at start";
    e_.ToggleOriginal();
    EXPECT_TRUE(e_.view().Controls().show_original);
    for (int row = 1; row <= 11; ++row) {
        for (int col = 1; col < 8; ++col) {
            EXPECT_EQ(e_.view().Cell(row, col).ghost, original.Ink(row, col)) << row << "," << col;
        }
    }
    EXPECT_GT(ghosts(), 0);
    // An inked cell shows the user's ink, not the ghost.
    const int inked = ghosts();
    for (int col = 1; col < 8; ++col) {
        if (!original.Ink(2, col)) continue;
        e_.ClickCell(2, col);
        EXPECT_FALSE(e_.view().Cell(2, col).ghost);
        EXPECT_EQ(ghosts(), inked - 1);
        break;
    }
    e_.ToggleOriginal();
    EXPECT_EQ(ghosts(), 0);
    EXPECT_EQ(e_.history().undo_count(), 3u) << "the toggle is no step";
}

// --- Reverting to the fullflash -----------------------------------------------------------------

TEST_F(GridSaveTest, RevertingTheLetterIsOneStepThatTheUndoTakesBack) {
    EXPECT_TRUE(e_.view().Controls().revert_letter_enabled) << "the grid holds an edit";
    EXPECT_FALSE(e_.view().Controls().revert_font_enabled) << "the font equals the base";
    EXPECT_FALSE(e_.RevertFont());
    const Glyph edited = e_.working();
    ASSERT_TRUE(e_.RevertLetter());
    EXPECT_FALSE(e_.HasUnwrittenEdits());
    EXPECT_EQ(e_.font(), e_.base_font());
    EXPECT_FALSE(e_.view().Controls().revert_letter_enabled);
    EXPECT_EQ(e_.view().Controls().undo_caption, "Отменить: Вернуть букву из fullflash");
    e_.Undo();
    EXPECT_EQ(e_.working(), edited);
    EXPECT_EQ(Render(e_.view().Notice(), kRussian), "Отменено: Вернуть букву из fullflash");
}

TEST_F(GridSaveTest, RevertingTheFontBringsEveryGlyphBack) {
    e_.WriteBack();
    e_.ClearBlock();
    EXPECT_TRUE(e_.view().Controls().revert_font_enabled);
    const size_t steps = e_.history().undo_count();
    ASSERT_TRUE(e_.RevertFont());
    EXPECT_EQ(e_.font(), e_.base_font());
    EXPECT_EQ(e_.history().undo_count(), steps + 1);
    EXPECT_FALSE(e_.view().Controls().revert_font_enabled);
    EXPECT_FALSE(e_.view().Controls().revert_letter_enabled);
}

// The thumbnails' marks: a letter is marked once its glyph in the font differs from the
// fullflash's, not while the edit is only on the grid, and no longer once it is saved.
std::vector<int> MarkedThumbnails(const Session& e) {
    std::vector<int> slots;
    for (int k = 0; k < SlotCount(Edition::Cyrillic); ++k) {
        if (e.view().IsLetterChanged(k)) slots.push_back(k);
    }
    return slots;
}

TEST_F(GridSaveTest, OnlyTheLettersThatDifferFromTheFullflashAreMarked) {
    const auto marked = [this] { return MarkedThumbnails(e_); };
    EXPECT_TRUE(marked().empty()) << "the edit is on the grid only";
    e_.WriteBack();
    EXPECT_EQ(marked(), std::vector<int>{kSlotOfBe});
    e_.Undo();
    EXPECT_TRUE(marked().empty());
    e_.Redo();
    EXPECT_EQ(marked(), std::vector<int>{kSlotOfBe});
    Run(FileCommand::SaveFlash, {FileAnswer::File("a.bin")});
    ASSERT_EQ(e_.font(), e_.base_font());
    EXPECT_TRUE(marked().empty()) << "the saved font is the fullflash's";
}

// Without a fullflash there is nothing to differ from; a letter under a cover is not shown, so
// its thumbnail carries no mark either.
TEST_F(FileCommandsTest, NoMarkBeforeAFullflashNorUnderACover) {
    e_.ClearBlock();
    EXPECT_TRUE(MarkedThumbnails(e_).empty());

    e_.ChooseModel(PhoneModel::CM35);  // lacks Ё and Є: their thumbnails are covered
    fs_.Put("c35.bin", std::vector<uint8_t>(4 << 20));
    ASSERT_TRUE(WriteFlashFont("c35.bin", Edition::Cyrillic,
                               LookupLayout(Edition::Cyrillic, PhoneModel::CM35, FontKind::Normal),
                               Letters(), fs_)
                    .ok());
    Run(FileCommand::LoadFlash, {FileAnswer::File("c35.bin")});
    EXPECT_TRUE(MarkedThumbnails(e_).empty());
    // The phone's dump holds no Ё nor Є; a font file does: they alone differ, under their covers.
    ASSERT_TRUE(WriteFontFile("all.sft", FontFileFormat::Sft, Letters(), fs_).ok());
    Run(FileCommand::LoadFontFile, {FileAnswer::File("all.sft")});
    for (const int covered : SetsOf(Edition::Cyrillic).yo_ye_slots) {
        ASSERT_TRUE(e_.view().IsThumbnailCovered(covered));
        ASSERT_NE(e_.font().narrow[0][covered], e_.base_font().narrow[0][covered]);
    }
    EXPECT_TRUE(MarkedThumbnails(e_).empty());
    ASSERT_TRUE(e_.PressThumbnail(2));
    ASSERT_TRUE(e_.ClickCell(4, 2));
    e_.WriteBack();
    EXPECT_EQ(MarkedThumbnails(e_), std::vector<int>{2});
}

TEST(RevertWithoutBase, NothingToRevertBeforeAFullflash) {
    Session e = Activated(Edition::Cyrillic);
    e.ClickCell(3, 2);
    e.WriteBack();
    EXPECT_FALSE(e.view().Controls().revert_letter_enabled);
    EXPECT_FALSE(e.view().Controls().revert_font_enabled);
    const size_t steps = e.history().undo_count();
    EXPECT_FALSE(e.RevertLetter());
    EXPECT_FALSE(e.RevertFont());
    EXPECT_EQ(e.history().undo_count(), steps);
}

}  // namespace
}  // namespace rw
