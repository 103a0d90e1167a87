// The grid and the thumbnails from the keyboard: the cursor's rules, the keys that stand for a
// click and a drag, the thumbnail keys, and what the status line says after an edit.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "edition/letter_sets.h"
#include "edition/texts.h"
#include "editor/file_commands.h"
#include "editor/font_sheet.h"
#include "editor/session.h"
#include "editor_test_support.h"
#include "file_command_driver.h"
#include "io/memory_file_system.h"

namespace rw {
namespace {

using editor_testing::Activated;
using editor_testing::Load;
using editor_testing::PatternFont;

constexpr CursorMove kMoves[] = {CursorMove::Left, CursorMove::Right, CursorMove::Up,
                                 CursorMove::Down};

bool CursorOnLiveCell(const Session& e) {
    const GridCursor at = e.cursor();
    return e.view().Cell(at.row, at.col).live && e.view().Cursor() == at;
}

std::optional<GridCursor> Neighbour(GridCursor at, CursorMove move) {
    switch (move) {
        case CursorMove::Left:
            return GridCursor{at.row, at.col - 1};
        case CursorMove::Right:
            return GridCursor{at.row, at.col + 1};
        case CursorMove::Up:
            return GridCursor{at.row - 1, at.col};
        case CursorMove::Down:
            return GridCursor{at.row + 1, at.col};
    }
    return std::nullopt;
}

bool LiveInView(const Session& e, GridCursor at) {
    return at.row >= 0 && at.row < 16 && at.col >= 0 && at.col < 16 &&
           e.view().Cell(at.row, at.col).live;
}

// Moves the cursor to (row, col) with the arrows.
void CursorTo(Session& e, int row, int col) {
    while (e.cursor().row < row && e.MoveCursor(CursorMove::Down)) {
    }
    while (e.cursor().row > row && e.MoveCursor(CursorMove::Up)) {
    }
    while (e.cursor().col < col && e.MoveCursor(CursorMove::Right)) {
    }
    while (e.cursor().col > col && e.MoveCursor(CursorMove::Left)) {
    }
}

std::string Said(const Session& e, Language language = kRussian) {
    return Render(e.view().Notice(), language);
}

// Every layout: an arrow moves onto the live neighbour and nowhere else; at the edge of the live
// cells it changes nothing and records nothing.
TEST(GridCursor, ArrowsMoveOverLiveCellsOnlyAndStopAtTheEdges) {
    for (Edition edition : {Edition::Cyrillic, Edition::Latin}) {
        for (FontKind kind : {FontKind::Normal, FontKind::Small, FontKind::Big}) {
            Session e = Activated(edition);
            e.ChooseKind(kind);
            ASSERT_TRUE(CursorOnLiveCell(e));
            int moved = 0;
            // A walk that reaches every edge: each way to the end, then a sweep.
            for (CursorMove move : kMoves) {
                for (int i = 0; i < 20; ++i) {
                    const GridCursor before = e.cursor();
                    const bool live = LiveInView(e, *Neighbour(before, move));
                    EXPECT_EQ(e.MoveCursor(move), live);
                    EXPECT_EQ(e.cursor(), live ? *Neighbour(before, move) : before);
                    EXPECT_TRUE(CursorOnLiveCell(e));
                    moved += live;
                }
            }
            EXPECT_GT(moved, 10);
            EXPECT_FALSE(e.history().CanUndo());
            EXPECT_FALSE(e.HasUnwrittenEdits());
        }
    }
}

// Space on a cell is a click on it: the same bits, the same width, one "Рисование" step.
TEST(GridCursor, FlipIsExactlyAClick) {
    for (Edition edition : {Edition::Cyrillic, Edition::Latin}) {
        Session clicked = Activated(edition);
        Session keyed = Activated(edition);
        Load(clicked, PatternFont());
        Load(keyed, PatternFont());
        for (auto [row, col] : {std::pair{3, 5}, std::pair{7, 2}, std::pair{3, 5}}) {
            clicked.ClickCell(row, col);
            CursorTo(keyed, row, col);
            ASSERT_EQ(keyed.cursor(), (GridCursor{row, col}));
            EXPECT_TRUE(keyed.FlipCursorCell());
            EXPECT_EQ(keyed.working(), clicked.working());
            EXPECT_EQ(keyed.view().WidthLabel(), clicked.view().WidthLabel());
            EXPECT_EQ(keyed.history().undo_count(), clicked.history().undo_count());
            EXPECT_EQ(keyed.view().Controls().undo_caption, "Отменить: Рисование");
        }
        // A click puts the cursor where it pressed.
        clicked.ClickCell(4, 6);
        EXPECT_EQ(clicked.cursor(), (GridCursor{4, 6}));
    }
}

// A Shift+arrow run is a drag: the first key flips the cell under the cursor, each key paints the
// cell it reaches in that colour, and the whole run is one step. Releasing Shift ends it; so does
// a plain arrow.
TEST(GridCursor, ShiftArrowRunPaintsLikeADragAsOneStep) {
    Session dragged = Activated(Edition::Latin);
    Session keyed = Activated(Edition::Latin);
    dragged.ClickCell(2, 3);  // an inked cell on the way, which the run paints over
    keyed.ClickCell(2, 3);
    dragged.ClickCell(1, 1);  // and the cursor back to the corner
    dragged.ClickCell(1, 1);
    keyed.ClickCell(1, 1);
    keyed.ClickCell(1, 1);
    const size_t steps = keyed.history().undo_count();

    dragged.BeginStroke(1, 1);
    for (auto [row, col] : {std::pair{1, 2}, std::pair{1, 3}, std::pair{2, 3}, std::pair{3, 3}})
        dragged.ContinueStroke(row, col);
    dragged.EndStroke();
    for (CursorMove move :
         {CursorMove::Right, CursorMove::Right, CursorMove::Down, CursorMove::Down}) {
        EXPECT_TRUE(keyed.PaintCursorMove(move));
    }
    keyed.EndCursorRun();
    EXPECT_EQ(keyed.working(), dragged.working());
    EXPECT_EQ(keyed.history().undo_count(), steps + 1);
    EXPECT_EQ(keyed.cursor(), (GridCursor{3, 3}));
    EXPECT_TRUE(keyed.working().Ink(2, 3));

    // Another run is another step, and it starts by flipping the cell under the cursor.
    EXPECT_TRUE(keyed.PaintCursorMove(CursorMove::Left));
    EXPECT_FALSE(keyed.working().Ink(3, 3));
    EXPECT_FALSE(keyed.working().Ink(3, 2));
    EXPECT_EQ(keyed.history().undo_count(), steps + 2);
    // A plain arrow ends the run too.
    EXPECT_TRUE(keyed.MoveCursor(CursorMove::Left));
    EXPECT_TRUE(keyed.PaintCursorMove(CursorMove::Up));
    EXPECT_EQ(keyed.history().undo_count(), steps + 3);
    EXPECT_TRUE(keyed.working().Ink(3, 1));
    EXPECT_TRUE(keyed.working().Ink(2, 1));
    // At the edge the run flips the cell and stays.
    keyed.EndCursorRun();
    CursorTo(keyed, 1, 1);
    const bool ink = keyed.working().Ink(1, 1);
    EXPECT_FALSE(keyed.PaintCursorMove(CursorMove::Up));
    EXPECT_NE(keyed.working().Ink(1, 1), ink);
    EXPECT_EQ(keyed.history().undo_count(), steps + 4);
    // One undo takes the whole first run back.
    keyed.Undo();
    keyed.Undo();
    keyed.Undo();
    EXPECT_EQ(keyed.history().undo_count(), steps + 1);
    EXPECT_EQ(keyed.working(), dragged.working());
}

// Another kind, model or letter may have fewer live cells: the cursor moves to the nearest one.
TEST(GridCursor, StaysOnALiveCellWhateverTheLayout) {
    Session e = Activated(Edition::Cyrillic);
    e.ChooseKind(FontKind::Big);  // S/ME 45 Big: wide, sixteen rows
    ASSERT_EQ(e.state().form(), GlyphForm::Wide);
    CursorTo(e, 15, 15);
    EXPECT_EQ(e.cursor(), (GridCursor{15, 15}));
    e.ChooseKind(FontKind::Normal);  // narrow, rows 1..11, columns 1..7
    EXPECT_EQ(e.cursor(), (GridCursor{11, 7}));
    EXPECT_TRUE(CursorOnLiveCell(e));
    e.ChooseKind(FontKind::Small);  // rows 1..9
    EXPECT_EQ(e.cursor(), (GridCursor{9, 7}));
    e.PressThumbnail(5);
    e.PressLowerCase();
    EXPECT_TRUE(CursorOnLiveCell(e));
    // An undo that brings a kind back keeps it on the glyph as well.
    e.ChooseKind(FontKind::Big);
    CursorTo(e, 14, 12);
    e.ClickCell(14, 12);
    e.ChooseKind(FontKind::Small);
    EXPECT_TRUE(CursorOnLiveCell(e));
    e.Undo();
    EXPECT_TRUE(CursorOnLiveCell(e));
    e.Undo();
    EXPECT_TRUE(CursorOnLiveCell(e));
}

// Home, End and the strip's arrows: covered slots are passed over, the letter already on the grid
// is not loaded again over edits, and a slot off the strip is no letter.
TEST(ThumbnailKeys, PressLetterAtSkipsCoversAndKeepsTheLetterOnTheGrid) {
    Session e = Activated(Edition::Latin);
    const int slots = SlotCount(Edition::Latin);
    // The letter sets end at Z: End lands on the last letter there is.
    EXPECT_TRUE(e.PressLetterAt(slots - 1, -1));
    EXPECT_EQ(e.state().selected_slot(), 25);
    EXPECT_FALSE(e.PressLetterAt(slots - 1, -1));
    EXPECT_TRUE(e.PressLetterAt(0, 1));
    EXPECT_EQ(e.state().selected_slot(), 0);
    EXPECT_FALSE(e.PressLetterAt(-11, -1));
    EXPECT_FALSE(e.PressLetterAt(slots + 3, 1));
    EXPECT_FALSE(e.PressLetterAt(5, 0));
    // Below the last row: slot 33 and on are covered, so nothing is found that way.
    EXPECT_FALSE(e.PressLetterAt(33, 1));
    EXPECT_EQ(e.state().selected_slot(), 0);

    // Edits on the grid: a key onto the same letter keeps them and records nothing.
    e.ClickCell(2, 2);
    const size_t steps = e.history().undo_count();
    EXPECT_FALSE(e.PressLetterAt(0, 1));
    EXPECT_TRUE(e.HasUnwrittenEdits());
    EXPECT_EQ(e.history().undo_count(), steps);
    // Another letter keeps them as a step, as PgDn does.
    EXPECT_TRUE(e.PressLetterAt(11, 1));
    EXPECT_EQ(e.state().selected_slot(), 11);
    EXPECT_EQ(e.history().undo_count(), steps + 1);
    EXPECT_EQ(e.view().Notice().id, MessageId::LetterEditsKept);

    // Symbol set 2 has 36 characters: its last slot is covered.
    e.PressSymbolSet(2);
    EXPECT_TRUE(e.PressLetterAt(slots - 1, -1));
    EXPECT_EQ(e.state().selected_slot(), slots - 2);
}

TEST(StatusLine, AWriteBackNamesTheLetter) {
    Session e = Activated(Edition::Cyrillic);
    e.PressThumbnail(7);
    ASSERT_EQ(e.view().LetterLabel().text, "Ж");
    e.ClickCell(3, 3);
    e.WriteBack();
    EXPECT_EQ(Said(e), "Ж записана в шрифт");
    Session latin = Activated(Edition::Latin);
    latin.SetLanguage(kEnglish);
    latin.PressThumbnail(6);
    latin.WriteBack();
    EXPECT_EQ(Said(latin, kEnglish), "G written to the font");
}

// Each transform and shift names its step as the undo item does, then the letter.
TEST(StatusLine, TransformsAndShiftsNameTheStepAndTheLetter) {
    for (Language language : {kRussian, kEnglish}) {
        Session e = Activated(Edition::Latin);
        e.SetLanguage(language);
        Load(e, PatternFont());
        e.PressThumbnail(1);
        const std::string letter = e.view().LetterLabel().text;
        for (GlyphTransform transform :
             {GlyphTransform::FlipHorizontal, GlyphTransform::FlipVertical, GlyphTransform::Invert,
              GlyphTransform::Embolden}) {
            e.Transform(transform);
            EXPECT_EQ(Said(e, language),
                      std::string(Text(*e.history().UndoName(), language)) + ": " + letter);
        }
        const std::pair<ShiftDirection, UiText> shifts[] = {
            {ShiftDirection::Right, UiText::ShiftRightHint},
            {ShiftDirection::Left, UiText::ShiftLeftHint},
            {ShiftDirection::Up, UiText::ShiftUpHint},
            {ShiftDirection::Down, UiText::ShiftDownHint}};
        for (const auto& [direction, hint] : shifts) {
            e.Shift(direction);
            EXPECT_EQ(Said(e, language), std::string(Text(hint, language)) + ": " + letter);
        }
        e.BoldFromNormal();
        EXPECT_EQ(Said(e, language), std::string(Text(UiText::MenuBoldFromNormal, language)) +
                                         (language == kEnglish ? ": 37 glyphs" : ": 37 букв"));
    }
}

// Up and Down in the thumbnail strip go a row of the strip (eleven letters) that way; past the
// last row there is nothing, and a covered letter passes on to the next one that way.
TEST(ThumbnailKeys, AboveAndBelowGoARowOfTheStrip) {
    Session e = Activated(Edition::Cyrillic);
    EXPECT_TRUE(e.PressLetterBelow());
    EXPECT_EQ(e.state().selected_slot(), 11);
    EXPECT_TRUE(e.PressLetterBelow());
    EXPECT_TRUE(e.PressLetterBelow());
    EXPECT_EQ(e.state().selected_slot(), 33);
    EXPECT_FALSE(e.PressLetterBelow());
    EXPECT_TRUE(e.PressLetterAbove());
    EXPECT_EQ(e.state().selected_slot(), 22);

    e.ChooseModel(PhoneModel::CM35);  // no Ё and Є: slot 6 is covered
    e.PressThumbnail(17);
    EXPECT_TRUE(e.PressLetterAbove());
    EXPECT_EQ(e.state().selected_slot(), 5);
}

// Pictures as plain bytes: an encoded picture is its RGB bytes, and any bytes decode to the
// picture given.
class BytesAsPictures : public PictureCodec {
  public:
    explicit BytesAsPictures(RgbaImage decoded) : decoded_(std::move(decoded)) {}
    std::optional<Message> Decode(std::span<const uint8_t>, const PictureSizeCheck& accept_size,
                                  RgbaImage& image) override {
        if (auto refused = accept_size(decoded_.width, decoded_.height)) return refused;
        image = decoded_;
        return std::nullopt;
    }
    std::optional<Message> Encode(const RgbImage& image, std::vector<uint8_t>& bytes) override {
        bytes = image.rgb;
        return std::nullopt;
    }

  private:
    RgbaImage decoded_;
};

RgbaImage WithAlpha(const RgbImage& image) {
    RgbaImage rgba{image.width, image.height, {}};
    for (size_t i = 0; i < image.rgb.size(); i += 3) {
        rgba.rgba.insert(rgba.rgba.end(), {image.rgb[i], image.rgb[i + 1], image.rgb[i + 2], 255});
    }
    return rgba;
}

// A session, a memory disk holding a PNG file at `png`, and the file commands that decode any
// PNG as the sheet of the pattern font.
class SheetFiles : public ::testing::Test {
  protected:
    void Put(const std::string& png) { fs_.Put(png, {1}); }
    // The font a sheet import reads.
    FontImage FromSheet() const {
        FontImage read;
        EXPECT_FALSE(ReadFontSheet(WithAlpha(sheet_), geometry_, BlockSet::FirstN(4), read));
        return read;
    }

    Session e_ = Activated(Edition::Cyrillic);
    const FontSheetGeometry geometry_ =
        FontSheetGeometry::Of(Edition::Cyrillic, GlyphCell::Of(false, 11));
    const RgbImage sheet_ = PaintFontSheet(PatternFont(), geometry_, 1);
    MemoryFileSystem fs_;
    BytesAsPictures pictures_{WithAlpha(sheet_)};
    FileCommands files_{e_, fs_, &pictures_};
};

TEST_F(SheetFiles, PictureSheetsNameTheFile) {
    Put("/home/u/sheets/mine.png");
    editor_testing::RunFileCommand(files_, FileCommand::ExportPng,
                                   {FileAnswer::File("/home/u/sheets/s45.png")});
    EXPECT_EQ(Said(e_), "Записано в s45.png: 136 букв");
    EXPECT_FALSE(e_.history().CanUndo());
    e_.ChooseLoadScope(TagOf(LoadScope::WholeFont));
    editor_testing::RunFileCommand(files_, FileCommand::ImportPng,
                                   {FileAnswer::File("/home/u/sheets/mine.png")});
    EXPECT_EQ(Said(e_), "Загружено из mine.png: 136 букв");
    EXPECT_EQ(e_.view().Controls().undo_caption, "Отменить: Импорт из PNG...");
    EXPECT_EQ(e_.font(), FromSheet());
    // An import changes the font: nothing was saved.
    EXPECT_TRUE(e_.HasUnsavedChanges());
}

// A sheet named outside the dialogs is imported as "Импорт из PNG..." imports one, and the end
// of the command names it.
TEST_F(SheetFiles, AGivenSheetIsImportedByItsName) {
    e_.ChooseLoadScope(TagOf(LoadScope::WholeFont));
    Put("/home/u/Mine.PNG");
    FilePrompt end = files_.OpenGiven("/home/u/Mine.PNG");
    ASSERT_TRUE(end.done()) << end.text;
    EXPECT_EQ(end.file, "/home/u/Mine.PNG");
    EXPECT_EQ(end.file_role, FileRole::Png);
    EXPECT_EQ(Said(e_), "Загружено из Mine.PNG: 136 букв");
    EXPECT_EQ(e_.view().Controls().undo_caption, "Отменить: Импорт из PNG...");
    EXPECT_EQ(e_.font(), FromSheet());
}

}  // namespace
}  // namespace rw
