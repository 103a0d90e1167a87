// Undo and redo of every kind of step, strokes, the history's bound, and a right-shifted wide
// glyph that must survive a save into the fullflash and a reload.
#include <gtest/gtest.h>

#include <vector>

#include "editor/glyph_width.h"
#include "editor/history.h"
#include "editor_test_support.h"
#include "io/flash_codec.h"
#include "io/memory_file_system.h"
#include "model/load_scope.h"
#include "ui/form_geometry.h"

namespace rw {
namespace {

// Where the window puts what the views say.
using namespace ui::geometry;

using editor_testing::Activated;
using editor_testing::ExpectEveryStepUndoneAndRedone;
using editor_testing::Load;
using editor_testing::Look;
using editor_testing::PatternFont;
using editor_testing::Seen;
using editor_testing::Wide;

void RunMixedSteps(Edition edition) {
    Session e = Activated(edition);
    std::vector<Seen> states{Look(e)};
    auto step = [&](auto operation) {
        operation();
        states.push_back(Look(e));
    };
    step([&] { Load(e, PatternFont()); });
    e.PressThumbnail(3);  // not a step
    states.back() = Look(e);
    step([&] { e.ClickCell(2, 5); });
    step([&] {
        e.BeginStroke(4, 1);
        e.ContinueStroke(4, 7);
        e.ContinueStroke(9, 7);
        e.EndStroke();
    });
    step([&] { e.Shift(ShiftDirection::Right); });
    step([&] { e.Transform(GlyphTransform::FlipHorizontal); });
    step([&] { e.Transform(GlyphTransform::Invert); });
    step([&] { e.WriteBack(); });
    e.CopyLetter();
    e.PressThumbnail(5);
    states.back() = Look(e);
    step([&] { e.PasteLetter(); });
    step([&] { e.ClearLetter(); });
    e.CopyBlock();
    e.PressLowerCase();
    states.back() = Look(e);
    step([&] { e.PasteBlock(); });
    step([&] { e.BoldFromNormal(); });
    step([&] { e.ClearBlock(); });
    step([&] { e.ClearFont(); });
    ExpectEveryStepUndoneAndRedone(e, states);
}

TEST(UndoRedo, MixedStepsComeBackByteForByte) {
    RunMixedSteps(Edition::Cyrillic);
    RunMixedSteps(Edition::Latin);
}

TEST(UndoRedo, UndoShowsTheRestoredGlyphWithoutReloadingTheLetter) {
    Session e = Activated(Edition::Cyrillic);
    e.ClickCell(3, 2);
    e.ClickCell(5, 4);
    e.PressLowerCase();  // a letter change over two unwritten pixels
    e.PressThumbnail(7);
    e.ClearLetter();
    e.Undo();  // the clear: lower case, slot 7
    e.Undo();  // the letter change: upper case, slot 0, both pixels in the grid
    EXPECT_EQ(e.view().Cell(5, 4).colour, kBlack);
    e.Undo();  // the second pixel: the unwritten first pixel stays in the grid
    EXPECT_EQ(e.state().block(), 0);
    EXPECT_TRUE(e.view().Controls().set_down[0]);
    EXPECT_EQ(e.state().selected_slot(), 0);
    EXPECT_EQ(SelectionFrameOf(e.view().FramedSlot()).left.x, ThumbnailRect(0).x - 1);
    EXPECT_EQ(e.working(GlyphForm::Narrow)[3], 0x20);
    EXPECT_EQ(e.view().Cell(3, 2).colour, kBlack);
    EXPECT_EQ(e.view().Cell(5, 4).colour, kWhite);
    EXPECT_EQ(e.view().EditImage().At(2, 3), kBlack);
    EXPECT_EQ(e.view().WidthLabel(), "3");
    EXPECT_EQ(e.view().RowLabel(3), "20 --");
    EXPECT_EQ(e.view().Controls().undo_caption, "Отменить: Рисование");
    EXPECT_EQ(e.view().Controls().redo_caption, "Повторить: Рисование");
}

TEST(UndoRedo, CaptionsFollowTheLanguageAndNothingToUndoIsBare) {
    Session e = Activated(Edition::Latin);
    EXPECT_FALSE(e.history().CanUndo());
    EXPECT_EQ(e.view().Controls().undo_caption, "Отменить");
    e.ClearBlock();
    EXPECT_EQ(e.view().Controls().undo_caption, "Отменить: Очистить блок");
    e.SetLanguage(kEnglish);
    EXPECT_EQ(e.view().Controls().undo_caption, "Undo: Clear block");
    EXPECT_EQ(e.view().Controls().redo_caption, "Redo");
    // Choices, copies and saves are no steps.
    e.PressThumbnail(4);
    e.PressBold();
    e.ChooseKind(FontKind::Small);
    e.CopyBlock();
    EXPECT_EQ(e.history().undo_count(), 1u);
}

TEST(UndoRedo, ANewStepDropsTheRedoSteps) {
    Session e = Activated(Edition::Latin);
    e.ClickCell(2, 2);
    e.ClickCell(3, 3);
    e.Undo();
    ASSERT_TRUE(e.history().CanRedo());
    e.Shift(ShiftDirection::Down);
    EXPECT_FALSE(e.history().CanRedo());
    e.Redo();  // nothing to redo: changes nothing
    EXPECT_EQ(e.working(GlyphForm::Wide)[3], 0x2000);
    EXPECT_EQ(e.working(GlyphForm::Wide)[4], 0);
}

TEST(UndoRedo, ALoadThatChangesNothingIsNoStep) {
    Session e = Activated(Edition::Cyrillic);
    Load(e, FontImage{});
    EXPECT_FALSE(e.history().CanUndo());
    Load(e, PatternFont());
    EXPECT_EQ(e.view().Controls().undo_caption, "Отменить: Загрузить шрифт из fullflash");
}

TEST(Stroke, OneStepThatFillsTheLineAndSkipsCellsThatAreNotPixels) {
    Session e = Activated(Edition::Latin);  // wide, H = 11: pixel rows 1..11, columns 1..15
    ASSERT_TRUE(e.BeginStroke(2, 1));
    e.ContinueStroke(2, 9);    // one fast move: columns 2..9 filled too
    e.ContinueStroke(6, -3);   // off the grid over column 0: only pixel cells painted
    e.ContinueStroke(20, 20);  // far off below: rows above 12 are not pixels
    e.EndStroke();
    EXPECT_EQ(e.working(GlyphForm::Wide)[2], 0x7FC0);
    for (int r = 3; r <= 5; ++r) EXPECT_NE(e.working(GlyphForm::Wide)[r], 0) << r;
    EXPECT_EQ(e.working(GlyphForm::Wide)[12], 0);
    EXPECT_EQ(e.working(GlyphForm::Wide)[0], GlyphWidth(e.working(GlyphForm::Wide), 11));
    EXPECT_EQ(e.history().undo_count(), 1u);
    // A stroke started on a black cell paints white.
    e.BeginStroke(2, 3);
    e.ContinueStroke(2, 5);
    e.EndStroke();
    EXPECT_EQ(e.working(GlyphForm::Wide)[2], 0x63C0);
    e.Undo();
    e.Undo();
    EXPECT_EQ(e.working(GlyphForm::Wide), WideGlyph{});
    // Moves after the release paint nothing.
    e.ContinueStroke(3, 3);
    EXPECT_EQ(e.working(GlyphForm::Wide), WideGlyph{});
}

TEST(HistoryBound, KeepsAThousandStepsWithinSixtyFourMegabytesAndDropsTheOldest) {
    const History history;
    EXPECT_GE(history.capacity(), 1000u);
    EXPECT_LE(history.capacity() * sizeof(Snapshot), History::kDefaultByteBudget);

    History small(3 * (sizeof(Snapshot) + sizeof(StepName)) + 64);
    ASSERT_EQ(small.capacity(), 3u);
    Snapshot s;
    for (int i = 0; i < 5; ++i) {
        s.selection.slot = i;
        small.Record(UiText::StepDrawing, s);
    }
    EXPECT_EQ(small.undo_count(), 3u);
    Snapshot current;
    EXPECT_EQ(small.Undo(current).selection.slot, 4);
    EXPECT_EQ(small.Undo(current).selection.slot, 3);
    EXPECT_EQ(small.Undo(current).selection.slot, 2);  // 0 and 1 fell off
    EXPECT_FALSE(small.CanUndo());
    EXPECT_EQ(small.redo_count(), 3u);
}

TEST(WidthRule, ARightShiftedWideGlyphSurvivesSaveAndReload) {
    const FontLayout layout = LookupLayout(Edition::Latin, PhoneModel::SME45, FontKind::Normal);
    MemoryFileSystem fs;
    fs.Put("ff.bin",
           std::vector<uint8_t>(RequiredImageSize(RecordsToWrite(Edition::Latin, layout), layout)));
    Session e = Activated(Edition::Latin);
    FontImage font;
    font.wide[0][0] = Wide(16, {0x7FFE, 0x4002, 0x7FFE});  // columns 1..14
    Load(e, font);
    e.Shift(ShiftDirection::Right);
    e.Shift(ShiftDirection::Right);  // columns 3..15
    e.WriteBack();
    ASSERT_EQ(e.font().wide[0][0][0], 16);
    ASSERT_TRUE(WriteFlashFont("ff.bin", Edition::Latin, layout, e.font(), fs).ok());
    FontImage reloaded;
    ASSERT_TRUE(ReadFlashFont("ff.bin", Edition::Latin, layout,
                              ScopeBlocks(LoadScope::WholeFont, Edition::Latin), reloaded, fs)
                    .ok());
    EXPECT_EQ(reloaded.wide[0][0][1], 0x1FFF);
    EXPECT_EQ(reloaded.wide[0][0][2], 0x1000);  // column 14 was pushed over the edge
    EXPECT_EQ(reloaded.wide[0][0][3], 0x1FFF);
}

}  // namespace
}  // namespace rw
