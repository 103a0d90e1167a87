// The enlarged grid: layouts, the click, the width bits and the row labels.
#include <gtest/gtest.h>

#include "editor/edit_grid.h"
#include "editor/session.h"
#include "editor_test_support.h"

namespace rw {
namespace {

using editor_testing::Activated;
using editor_testing::LiveCellCount;
using editor_testing::Load;
using editor_testing::Narrow;
using editor_testing::Wide;

// An activated Cyrillic editor showing a model and kind.
Session Cyrillic(PhoneModel model, FontKind kind) {
    Session e = Activated(Edition::Cyrillic);
    e.ChooseModel(model);
    e.ChooseKind(kind);
    return e;
}

TEST(GridLayoutWide, BigHasFifteenPixelRowsOfFifteenColumns) {
    const Session e = Cyrillic(PhoneModel::SME45, FontKind::Big);
    ASSERT_TRUE(e.state().wide());
    EXPECT_EQ(LiveCellCount(e), 15 * 15);
    for (int c = 0; c < 8; ++c) {
        EXPECT_EQ(e.view().Cell(0, c).role, CellRole::HeaderBit);
        EXPECT_FALSE(e.view().Cell(0, c).live);
        EXPECT_EQ(e.view().Cell(0, c).hint, "Неиспользуемый бит");
    }
    EXPECT_EQ(e.view().Cell(0, 8).role, CellRole::WidthBit);
    EXPECT_EQ(e.view().Cell(0, 8).hint, "Бит 7 ширины буквы");
    EXPECT_EQ(e.view().Cell(0, 15).hint, "Бит 0 ширины буквы");
    for (int r = 1; r <= 15; ++r) {
        EXPECT_EQ(e.view().Cell(r, 0).role, CellRole::UnusedColumn);
        EXPECT_FALSE(e.view().Cell(r, 0).live);
        EXPECT_EQ(e.view().Cell(r, 0).hint, "Неиспользуемый бит");
        EXPECT_EQ(e.view().Cell(r, 7).number, 16 * r + 7);
        EXPECT_TRUE(e.view().Cell(r, 15).live);
        EXPECT_TRUE(e.view().Cell(r, 15).hint.empty());
    }
}

TEST(GridLayoutWide, NormalRowsBelowElevenAreBigOnly) {
    const Session e = Cyrillic(PhoneModel::C45, FontKind::Normal);
    ASSERT_TRUE(e.state().wide());
    EXPECT_EQ(LiveCellCount(e), 11 * 15);
    EXPECT_TRUE(e.view().Cell(11, 1).live);
    for (int r = 12; r <= 15; ++r) {
        for (int c = 0; c < 16; ++c) {
            EXPECT_EQ(e.view().Cell(r, c).role, CellRole::Inert);
            EXPECT_TRUE(e.view().Cell(r, c).button_face);
            EXPECT_EQ(e.view().Cell(r, c).hint, "Биты для шрифта Big");
        }
    }
}

TEST(GridLayoutWide, SmallRowsTenAndElevenAreNormalAndBig) {
    const Session e = Cyrillic(PhoneModel::M50, FontKind::Small);
    ASSERT_TRUE(e.state().wide());
    EXPECT_EQ(LiveCellCount(e), 9 * 15);
    EXPECT_EQ(e.view().Cell(10, 0).role, CellRole::Inert);
    EXPECT_EQ(e.view().Cell(11, 5).hint, "Биты для шрифтов Normal && Big");
    EXPECT_EQ(e.view().Cell(11, 5).hint_display, "Биты для шрифтов Normal & Big");
    EXPECT_EQ(e.view().Cell(12, 5).hint, "Биты для шрифта Big");
}

TEST(GridLayoutNarrow, NormalHasElevenRowsOfSevenColumns) {
    const Session e = Cyrillic(PhoneModel::SME45, FontKind::Normal);
    ASSERT_FALSE(e.state().wide());
    EXPECT_EQ(LiveCellCount(e), 11 * 7);
    for (int c = 0; c < 8; ++c) {
        EXPECT_EQ(e.view().Cell(0, c).role, CellRole::WidthBit);
        EXPECT_EQ(e.view().Cell(0, c).hint, "Бит " + std::to_string(7 - c) + " ширины буквы");
    }
    EXPECT_EQ(e.view().Cell(3, 5).number, 8 * 3 + 5);
    for (int r = 0; r < 16; ++r) {
        for (int c = 8; c < 16; ++c) EXPECT_EQ(e.view().Cell(r, c).hint, "Биты для шрифта Big");
    }
    EXPECT_EQ(e.view().Cell(12, 3).role, CellRole::Inert);
    EXPECT_EQ(e.view().Cell(12, 3).hint, "Биты для шрифта Big");
}

TEST(GridLayoutNarrow, SmallRowsTenAndElevenAreNormalAndBig) {
    const Session e = Cyrillic(PhoneModel::S35, FontKind::Small);
    ASSERT_FALSE(e.state().wide());
    EXPECT_EQ(LiveCellCount(e), 9 * 7);
    EXPECT_EQ(e.view().Cell(10, 0).hint, "Биты для шрифтов Normal && Big");
    EXPECT_EQ(e.view().Cell(11, 7).hint, "Биты для шрифтов Normal && Big");
    EXPECT_EQ(e.view().Cell(11, 8).hint, "Биты для шрифта Big");
}

TEST(GridLayoutLatin, EveryKindIsWideWithEnglishHintsAfterTheSwitch) {
    Session e = Activated(Edition::Latin);
    EXPECT_EQ(LiveCellCount(e), 11 * 15);
    e.ChooseKind(FontKind::Small);
    EXPECT_EQ(LiveCellCount(e), 9 * 15);
    e.ChooseKind(FontKind::Big);
    EXPECT_EQ(LiveCellCount(e), 15 * 15);
    e.SetLanguage(kEnglish);
    EXPECT_EQ(e.view().Cell(0, 9).hint, "Width, Bit 6");
    e.ChooseKind(FontKind::Browser);
    EXPECT_EQ(e.view().Cell(10, 3).hint_display, "Bit for Normal & Big fonts");
    EXPECT_EQ(e.view().Cell(13, 3).hint, "Bit for Big font");
}

TEST(GridClick, InertCellsRowZeroAndColumnZeroIgnorePresses) {
    Session e = Cyrillic(PhoneModel::S35, FontKind::Small);
    const Glyph before = e.working(GlyphForm::Narrow);
    EXPECT_FALSE(e.ClickCell(0, 3));
    EXPECT_FALSE(e.ClickCell(4, 0));
    EXPECT_FALSE(e.ClickCell(10, 3));  // H = 9
    EXPECT_FALSE(e.ClickCell(2, 9));   // right half of the narrow grid
    EXPECT_FALSE(e.ClickCell(-1, 3));
    EXPECT_FALSE(e.ClickCell(3, 16));
    EXPECT_EQ(e.working(GlyphForm::Narrow), before);
    EXPECT_EQ(e.view().RowLabel(10), "-- --");
}

TEST(GridClick, FirstPixelOfAnEmptyNarrowGlyph) {
    Session e = Activated(Edition::Cyrillic);
    ASSERT_TRUE(e.ClickCell(1, 3));
    EXPECT_EQ(e.working(GlyphForm::Narrow)[1], 0x10);
    // Columns 1..3 plus one: the empty columns 1 and 2 count.
    EXPECT_EQ(e.working(GlyphForm::Narrow)[0], 4);
    EXPECT_EQ(e.view().WidthLabel(), "4");
    EXPECT_EQ(e.view().RowLabel(1), "10 --");
    EXPECT_EQ(e.view().RowLabel(0), "04 --");
    for (int c = 0; c < 8; ++c)
        EXPECT_EQ(e.view().Cell(0, c).colour, c == 5 ? kRed : kFaceGrey) << c;
    EXPECT_EQ(e.view().Cell(1, 3).colour, kBlack);
    EXPECT_EQ(e.view().EditImage().At(3, 1), kBlack);
    // The font holds the old glyph until the write-back.
    EXPECT_EQ(e.font().narrow[0][0], NarrowGlyph{});
}

// What a screen reader announces of a cell: its bit, for the cells that show one.
TEST(GridClick, CellsThatShowABitTellWhetherItIsSet) {
    Session e = Activated(Edition::Latin);
    ASSERT_TRUE(e.ClickCell(1, 3));
    for (int row = 0; row < kGridSize; ++row) {
        for (int col = 0; col < kGridSize; ++col) {
            const CellView cell = e.view().Cell(row, col);
            const bool shows_bit = cell.role == CellRole::Pixel ||
                                   cell.role == CellRole::WidthBit ||
                                   cell.role == CellRole::HeaderBit;
            ASSERT_EQ(cell.bit.has_value(), shows_bit) << row << "," << col;
            if (shows_bit) {
                EXPECT_EQ(*cell.bit, cell.colour == CellColour(cell.role, true));
            }
        }
    }
    EXPECT_EQ(e.view().Cell(1, 3).bit, true);
    EXPECT_EQ(e.view().Cell(1, 4).bit, false);
}

TEST(GridClick, ClearingTheLastPixelGivesWidthZero) {
    Session e = Activated(Edition::Latin);
    e.ClickCell(5, 9);
    e.ClickCell(5, 9);
    EXPECT_EQ(e.working(GlyphForm::Wide)[0], 0);
    EXPECT_EQ(e.view().RowLabel(0), "00 00");
    EXPECT_EQ(e.view().WidthLabel(), "0");
    for (int c = 8; c < 16; ++c) EXPECT_EQ(e.view().Cell(0, c).colour, kFaceGrey);
    EXPECT_EQ(e.view().EditImage().At(9, 5), kWhite);

    Session narrow = Activated(Edition::Cyrillic);
    narrow.ClickCell(4, 6);
    ASSERT_EQ(narrow.view().RowLabel(0), "07 --");
    narrow.ClickCell(4, 6);
    EXPECT_EQ(narrow.working(GlyphForm::Narrow)[0], 0);
    EXPECT_EQ(narrow.view().RowLabel(0), "00 --");
    EXPECT_EQ(narrow.view().RowLabel(4), "00 --");
    EXPECT_EQ(narrow.view().WidthLabel(), "0");
    for (int c = 0; c < 8; ++c) EXPECT_EQ(narrow.view().Cell(0, c).colour, kFaceGrey) << c;
}

TEST(GridClick, TwiceRestoresRowsButNotANonConformingWidth) {
    Session e = Activated(Edition::Cyrillic);
    FontImage font;
    font.narrow[0][0] = Narrow(9, {0x40, 0x60, 0x70});  // ink in columns 1..3: rule width 4
    Load(e, font);
    EXPECT_EQ(e.view().WidthLabel(), "9");
    e.ClickCell(4, 5);
    e.ClickCell(4, 5);
    NarrowGlyph expected = font.narrow[0][0];
    expected[0] = 4;
    EXPECT_EQ(e.working(GlyphForm::Narrow), expected);
    EXPECT_EQ(e.view().WidthLabel(), "4");
}

TEST(GridClick, WideClickDropsTheHeaderHighByteButItsCellsKeepTheLoadedBits) {
    Session e = Activated(Edition::Latin);
    FontImage font;
    font.wide[0][0] = Wide(0xA503, {0x4000, 0x4000});
    Load(e, font);
    EXPECT_EQ(e.view().WidthLabel(), std::to_string(0xA503));
    EXPECT_EQ(e.view().RowLabel(0), "A5 03");
    e.ClickCell(3, 2);
    e.ClickCell(3, 2);
    EXPECT_EQ(e.working(GlyphForm::Wide)[0], 2);
    EXPECT_EQ(e.view().RowLabel(0), "00 02");
    // 0xA5 = 1010 0101: the header-bit cells still show it.
    const bool header_bits[8] = {true, false, true, false, false, true, false, true};
    for (int c = 0; c < 8; ++c) {
        EXPECT_EQ(e.view().Cell(0, c).colour, header_bits[c] ? kRed : kFaceGrey) << c;
    }
    EXPECT_EQ(e.view().Cell(0, 14).colour, kRed);
}

TEST(GridLoad, PaintsUnusedColumnHeaderAndPixels) {
    Session e = Activated(Edition::Cyrillic);
    FontImage font;
    font.narrow[0][0] = Narrow(5, {0x81, 0x00, 0x3C});
    Load(e, font);
    EXPECT_EQ(e.view().Cell(1, 0).colour, kDarkGrey);
    EXPECT_EQ(e.view().Cell(1, 7).colour, kBlack);
    EXPECT_EQ(e.view().Cell(1, 1).colour, kWhite);
    EXPECT_EQ(e.view().Cell(2, 0).colour, kFaceGrey);
    EXPECT_EQ(e.view().Cell(0, 5).colour, kRed);
    EXPECT_EQ(e.view().Cell(0, 7).colour, kRed);
    EXPECT_EQ(e.view().Cell(0, 6).colour, kFaceGrey);
    EXPECT_EQ(e.view().RowLabel(3), "3C --");
    EXPECT_EQ(e.view().RowLabel(12), "-- --");
    EXPECT_EQ(e.view().RowLabel(11), "00 --");
}

TEST(GridRowLabels, WideLabelsFollowTheLastRow) {
    Session e = Activated(Edition::Latin);
    FontImage font;
    font.wide[0][0] = Wide(0x0005, {0x3C00});
    Load(e, font);
    EXPECT_EQ(e.view().RowLabel(1), "3C 00");
    EXPECT_EQ(e.view().RowLabel(11), "00 00");
    EXPECT_EQ(e.view().RowLabel(12), "-- --");
    e.ChooseKind(FontKind::Small);
    EXPECT_EQ(e.view().RowLabel(9), "00 00");
    EXPECT_EQ(e.view().RowLabel(10), "-- --");
    e.ChooseKind(FontKind::Big);
    EXPECT_EQ(e.view().RowLabel(15), "00 00");
}

}  // namespace
}  // namespace rw
