// Edits in the grid survive every way of choosing another letter as a "Letter change" step; undo
// and redo restore exactly the state their step names; the history knows what is unsaved.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "editor/file_commands.h"
#include "editor/history.h"
#include "editor/session.h"
#include "editor_test_support.h"
#include "file_command_driver.h"
#include "io/flash_codec.h"
#include "io/font_files.h"
#include "io/memory_file_system.h"
#include "model/load_scope.h"

namespace rw {
namespace {

using editor_testing::Activated;
using editor_testing::ExpectEveryStepUndoneAndRedone;
using editor_testing::Load;
using editor_testing::Look;
using editor_testing::PatternFont;
using editor_testing::RunFileCommand;
using editor_testing::Seen;

// The first pixel cell of the grid as it is laid out now.
void DrawOnePixel(Session& e) {
    for (int r = 1; r < 16; ++r) {
        for (int c = 1; c < 16; ++c) {
            if (e.view().Cell(r, c).role == CellRole::Pixel) {
                ASSERT_TRUE(e.ClickCell(r, c));
                return;
            }
        }
    }
    FAIL() << "no pixel cell";
}

// Each way of choosing another letter, for a Cyrillic editor on the first letter of the upper
// case, normal weight, S/ME 45 Normal.
const std::vector<std::pair<const char*, std::function<void(Session&)>>>& LetterChanges() {
    static const std::vector<std::pair<const char*, std::function<void(Session&)>>> changes = {
        {"thumbnail", [](Session& e) { e.PressThumbnail(5); }},
        {"the same thumbnail again", [](Session& e) { e.PressThumbnail(0); }},
        {"PgDn", [](Session& e) { e.PressNeighbourLetter(1); }},
        {"case button", [](Session& e) { e.PressLowerCase(); }},
        {"bold button", [](Session& e) { e.PressBold(); }},
        {"model", [](Session& e) { e.ChooseModel(PhoneModel::C45); }},
        {"kind", [](Session& e) { e.ChooseKind(FontKind::Big); }},
    };
    return changes;
}

TEST(LetterChange, EveryWayOfChoosingAnotherLetterKeepsTheEditsForUndo) {
    for (const auto& [how, change] : LetterChanges()) {
        SCOPED_TRACE(how);
        Session e = Activated(Edition::Cyrillic);
        Load(e, PatternFont());
        DrawOnePixel(e);
        const Seen edited = Look(e);
        ASSERT_TRUE(e.HasUnwrittenEdits());
        change(e);
        const Seen changed = Look(e);
        EXPECT_FALSE(e.HasUnwrittenEdits());
        EXPECT_EQ(e.view().Controls().undo_caption, "Отменить: Смена буквы");
        EXPECT_EQ(Render(e.view().Notice(), kRussian),
                  "Изменения буквы А не записаны в шрифт (Ctrl+Z вернёт их)");
        EXPECT_EQ(Render(e.view().Notice(), kEnglish),
                  "Changes to А were not written to the font (Ctrl+Z brings them back)");
        e.Undo();
        EXPECT_EQ(Look(e), edited);
        EXPECT_TRUE(e.HasUnwrittenEdits());
        EXPECT_EQ(e.view().LetterLabel().text, "А");
        EXPECT_EQ(e.view().Controls().undo_caption, "Отменить: Рисование");
        e.Redo();
        EXPECT_EQ(Look(e), changed);
    }
}

TEST(LetterChange, WithoutEditsChoosingALetterIsNoStep) {
    Session e = Activated(Edition::Cyrillic);
    Load(e, PatternFont());
    DrawOnePixel(e);
    e.WriteBack();
    const size_t steps = e.history().undo_count();
    // The write-back's own line stays: no letter change reports kept edits.
    const Message written = e.view().Notice();
    EXPECT_EQ(written.id, MessageId::WrittenToFont);
    for (const auto& [how, change] : LetterChanges()) change(e);
    EXPECT_EQ(e.history().undo_count(), steps);
    EXPECT_EQ(e.view().Notice(), written);
    // A pixel drawn and drawn away again leaves the letter as the font holds it.
    Session fresh = Activated(Edition::Cyrillic);
    DrawOnePixel(fresh);
    DrawOnePixel(fresh);
    EXPECT_FALSE(fresh.HasUnwrittenEdits());
    fresh.PressThumbnail(2);
    EXPECT_EQ(fresh.view().Controls().undo_caption, "Отменить: Рисование");
}

TEST(LetterChange, TheLanguageSwitchKeepsTheEditsInTheGrid) {
    Session e = Activated(Edition::Latin);
    DrawOnePixel(e);
    const Glyph edited = e.working(GlyphForm::Wide);
    const size_t steps = e.history().undo_count();
    e.SetLanguage(kEnglish);
    EXPECT_EQ(e.working(GlyphForm::Wide), edited);
    EXPECT_TRUE(e.HasUnwrittenEdits());
    EXPECT_EQ(e.history().undo_count(), steps);
    e.WriteBack();
    EXPECT_EQ(e.font().wide[0][0], edited);
}

TEST(LetterChange, ALoadOverEditsIsOneStepEvenWhenTheFontStaysTheSame) {
    Session e = Activated(Edition::Cyrillic);
    DrawOnePixel(e);
    const Seen edited = Look(e);
    Load(e, FontImage{});
    EXPECT_FALSE(e.HasUnwrittenEdits());
    e.Undo();
    EXPECT_EQ(Look(e), edited);
}

// Every kind of step, each one followed by a pixel and a letter change, undone to the start and
// redone to the end: every state comes back exactly, model and kind included.
void RunInterleavedSteps(Edition edition) {
    Session e = Activated(edition);
    std::vector<Seen> states{Look(e)};
    auto step = [&](const std::function<void()>& operation) {
        operation();
        states.push_back(Look(e));
    };
    auto then_change = [&](const std::function<void()>& change) {
        step([&] { DrawOnePixel(e); });
        step(change);
    };
    step([&] { Load(e, PatternFont()); });
    then_change([&] { e.PressThumbnail(3); });
    step([&] {
        e.BeginStroke(4, 1);
        e.ContinueStroke(4, 7);
        e.EndStroke();
    });
    then_change([&] { e.PressNeighbourLetter(1); });
    step([&] { e.Shift(ShiftDirection::Right); });
    then_change([&] { e.PressLowerCase(); });
    step([&] { e.Transform(GlyphTransform::Invert); });
    then_change([&] { e.PressBold(); });
    step([&] { e.WriteBack(); });
    e.CopyLetter();
    then_change([&] { e.ChooseKind(FontKind::Small); });
    step([&] { e.PasteLetter(); });
    then_change([&] { e.ChooseModel(PhoneModel::M50); });
    step([&] { e.ClearLetter(); });
    e.CopyBlock();
    then_change([&] { e.PressUpperCase(); });
    step([&] { e.PasteBlock(); });
    then_change([&] { e.ChooseKind(FontKind::Normal); });
    step([&] { e.BoldFromNormal(); });
    then_change([&] { e.ChooseModel(PhoneModel::CM35); });
    step([&] { e.ClearBlock(); });
    then_change([&] { e.PressThumbnail(1); });
    step([&] { e.LoadFont(PatternFont(), UiText::MenuImportFont); });
    then_change([&] { e.ChooseKind(FontKind::Big); });
    step([&] { e.ClearFont(); });
    ExpectEveryStepUndoneAndRedone(e, states);
}

TEST(LetterChange, EveryStepKindInterleavedWithLetterChangesComesBackExactly) {
    RunInterleavedSteps(Edition::Cyrillic);
    RunInterleavedSteps(Edition::Latin);
}

TEST(LetterChange, UndoBringsBackTheKindTheEditsWereMadeIn) {
    Session e = Activated(Edition::Cyrillic);
    DrawOnePixel(e);
    const Glyph edited = e.working(GlyphForm::Narrow);
    e.ChooseKind(FontKind::Big);  // wide
    e.Undo();
    EXPECT_EQ(e.state().kind, FontKind::Normal);
    EXPECT_FALSE(e.state().wide());
    EXPECT_TRUE(e.view().Controls().kind_checked[static_cast<int>(FontKind::Normal)]);
    EXPECT_EQ(e.view().FontMenuCaption(), "Шрифт (Normal)");
    EXPECT_EQ(e.working(GlyphForm::Narrow), edited);
    // The grid shows them: the one black cell of the narrow layout.
    int black = 0;
    for (int r = 1; r < 16; ++r) {
        for (int c = 0; c < 16; ++c) black += e.view().Cell(r, c).colour == kBlack;
    }
    EXPECT_EQ(black, 1);
}

// --- The saved mark ---------------------------------------------------------------------------

TEST(SavedMark, UnsavedMeansAStepSinceTheLastLoadOrSaveOrEditsInTheGrid) {
    Session e = Activated(Edition::Cyrillic);
    MemoryFileSystem fs;
    FileCommands files(e, fs);
    EXPECT_FALSE(e.HasUnsavedChanges());
    DrawOnePixel(e);  // a step and an unwritten edit
    EXPECT_TRUE(e.HasUnsavedChanges());
    e.WriteBack();
    RunFileCommand(files, FileCommand::SaveFontFile, {FileAnswer::File("f.sft")});
    EXPECT_FALSE(e.HasUnsavedChanges());
    EXPECT_EQ(Render(e.view().Notice(), kRussian), "Записано в f.sft: 136 букв");
    e.Undo();
    EXPECT_TRUE(e.HasUnsavedChanges());
    e.Redo();
    EXPECT_FALSE(e.HasUnsavedChanges());
    DrawOnePixel(e);  // only in the grid
    e.Undo();
    EXPECT_FALSE(e.HasUnsavedChanges());
    // A new step after an undo drops the saved state for good.
    e.Undo();
    e.ClearLetter();
    EXPECT_TRUE(e.HasUnsavedChanges());
    e.Undo();
    EXPECT_TRUE(e.HasUnsavedChanges());
}

TEST(SavedMark, ALoadMarksSavedUnlessItMergesIntoUnsavedChanges) {
    Session e = Activated(Edition::Latin);  // .sfe loads merge the blocks of their scope
    MemoryFileSystem fs;
    FileCommands files(e, fs);
    const FontLayout layout = LookupLayout(Edition::Latin, PhoneModel::SME45, FontKind::Normal);
    fs.Put("f.bin", std::vector<uint8_t>(static_cast<size_t>(
                        RequiredImageSize(RecordsToWrite(Edition::Latin, layout), layout))));
    ASSERT_TRUE(WriteFlashFont("f.bin", Edition::Latin, layout, PatternFont(), fs).ok());
    DrawOnePixel(e);
    e.WriteBack();
    RunFileCommand(files, FileCommand::LoadFlash, {FileAnswer::File("f.bin")});
    EXPECT_FALSE(e.HasUnsavedChanges());
    EXPECT_EQ(e.view().Controls().undo_caption, "Отменить: Загрузить шрифт из fullflash");
    EXPECT_EQ(e.state().file_name, "f.bin");
    EXPECT_EQ(Render(e.view().Notice(), kEnglish), "Loaded from f.bin: 250 glyphs");

    e.ClearLetter();
    ASSERT_TRUE(e.ChooseLoadScope(7));  // the normal symbols only
    FontImage merged = e.font();
    merged.wide[2][0][1] = 0x4000;
    ASSERT_TRUE(WriteFontFile("s.sfe", FontFileFormat::Sfe, merged, fs).ok());
    RunFileCommand(files, FileCommand::LoadFontFile, {FileAnswer::File("s.sfe")});
    ASSERT_EQ(e.font(), merged);
    EXPECT_TRUE(e.HasUnsavedChanges());  // the cleared letter is still unsaved
    ASSERT_TRUE(e.ChooseLoadScope(TagOf(LoadScope::WholeFont)));
    ASSERT_TRUE(WriteFontFile("all.sfe", FontFileFormat::Sfe, PatternFont(), fs).ok());
    RunFileCommand(files, FileCommand::LoadFontFile, {FileAnswer::File("all.sfe")});
    EXPECT_FALSE(e.HasUnsavedChanges());
    // An import is a change like any other.
    e.LoadFont(FontImage{}, UiText::MenuImportFont);
    EXPECT_TRUE(e.HasUnsavedChanges());
}

TEST(SavedMark, StepsThatFellOffTheBoundNeverMatchTheMarkAgain) {
    History history(3 * (sizeof(Snapshot) + 64));
    ASSERT_EQ(history.capacity(), 3u);
    Snapshot s;
    history.Record(UiText::StepDrawing, s);
    history.MarkSaved();
    for (int i = 0; i < 4; ++i) history.Record(UiText::StepDrawing, s);
    EXPECT_FALSE(history.AtSavedMark());
    while (history.CanUndo()) history.Undo(s);
    EXPECT_FALSE(history.AtSavedMark());  // the state after the first step is gone
    while (history.CanRedo()) history.Redo(s);
    history.MarkSaved();
    history.Undo(s);
    EXPECT_FALSE(history.AtSavedMark());
    history.Redo(s);
    EXPECT_TRUE(history.AtSavedMark());
}

}  // namespace
}  // namespace rw
