// The four shifts of the working glyph and the three clears of the font.
#include <gtest/gtest.h>

#include "editor/glyph_ops.h"
#include "editor/session.h"
#include "editor_test_support.h"
#include "ui/form_geometry.h"

namespace rw {
namespace {

// Where the window puts what the views say.
using namespace ui::geometry;

using editor_testing::Activated;
using editor_testing::Load;
using editor_testing::Narrow;
using editor_testing::NarrowFilled;
using editor_testing::Wide;
using editor_testing::WideFilled;

TEST(ShiftRowsAtEdges, NarrowColumnsOneAndSeven) {
    Glyph right = Narrow(0, {0x41});
    ShiftRows(right, 11, ShiftDirection::Right);
    EXPECT_EQ(right[1], 0x20);  // column 2 only
    Glyph left = Narrow(0, {0x41});
    ShiftRows(left, 11, ShiftDirection::Left);
    EXPECT_EQ(left[1], 0x02);  // column 6 only
}

TEST(ShiftRowsAtEdges, WideColumnsOneAndFifteen) {
    Glyph right = Wide(0, {0x4001});
    ShiftRows(right, 11, ShiftDirection::Right);
    EXPECT_EQ(right[1], 0x2000);
    Glyph left = Wide(0, {0x4001});
    ShiftRows(left, 11, ShiftDirection::Left);
    EXPECT_EQ(left[1], 0x0002);
}

TEST(ShiftRowsAtEdges, UpAndDownLoseTheEdgeRowAndKeepRowsBeyondH) {
    Glyph up = WideFilled(0);
    for (int r = 1; r <= 15; ++r) up[r] = static_cast<uint16_t>(r);
    Glyph down = up;
    ShiftRows(up, 11, ShiftDirection::Up);
    EXPECT_EQ(up[1], 2);
    EXPECT_EQ(up[10], 11);
    EXPECT_EQ(up[11], 0);
    EXPECT_EQ(up[12], 12);
    ShiftRows(down, 11, ShiftDirection::Down);
    EXPECT_EQ(down[1], 0);
    EXPECT_EQ(down[2], 1);
    EXPECT_EQ(down[11], 10);
    EXPECT_EQ(down[12], 12);
    Glyph header = Narrow(7, {0x40});
    ShiftRows(header, 9, ShiftDirection::Down);
    EXPECT_EQ(header[0], 7);  // the caller recomputes the width
}

TEST(ShiftInEditor, WorksOnTheWorkingGlyphOnly) {
    Session e = Activated(Edition::Cyrillic);
    FontImage font;
    font.narrow[0][4] = Narrow(3, {0x00, 0x03});  // ink touching the last column
    Load(e, font);
    e.PressThumbnail(4);
    e.Shift(ShiftDirection::Right);
    EXPECT_EQ(e.working(GlyphForm::Narrow)[2], 0x01);
    EXPECT_EQ(e.working(GlyphForm::Narrow)[0], 8);
    EXPECT_EQ(e.view().WidthLabel(), "8");
    EXPECT_EQ(e.view().RowLabel(2), "01 --");
    EXPECT_EQ(e.view().Cell(2, 7).colour, kBlack);
    EXPECT_EQ(e.view().Cell(2, 6).colour, kWhite);
    EXPECT_EQ(e.view().EditImage().At(6, 2), kWhite);
    EXPECT_EQ(e.font(), font);
    EXPECT_EQ(e.view().Thumbnail(4).At(6, 2), kBlack);
    EXPECT_EQ(e.view().LetterLabel().text, "Д");
    EXPECT_EQ(SelectionFrameOf(e.view().FramedSlot()).left.x, ThumbnailRect(4).x - 1);
    // Another thumbnail without writing back: the font still holds the unshifted glyph.
    e.PressThumbnail(5);
    e.PressThumbnail(4);
    EXPECT_EQ(e.working(GlyphForm::Narrow), font.narrow[0][4]);
}

TEST(ShiftInEditor, RepeatedShiftsAccumulateAndWriteBackKeepsThem) {
    Session e = Activated(Edition::Latin);
    FontImage font;
    font.wide[0][1] = Wide(2, {0x4000});
    Load(e, font);
    e.PressThumbnail(1);
    e.Shift(ShiftDirection::Down);
    e.Shift(ShiftDirection::Down);
    e.Shift(ShiftDirection::Right);
    EXPECT_EQ(e.working(GlyphForm::Wide)[3], 0x2000);
    EXPECT_EQ(e.working(GlyphForm::Wide)[1], 0);
    EXPECT_EQ(e.font(), font);
    e.WriteBack();
    EXPECT_EQ(e.font().wide[0][1][3], 0x2000);
    EXPECT_EQ(e.font().wide[0][1][0], 3);
    EXPECT_EQ(e.view().Thumbnail(1).At(2, 3), kBlack);
}

TEST(ShiftInEditor, FirstLetterKeepsItsNameAfterAShift) {
    Session e = Activated(Edition::Cyrillic);
    e.Shift(ShiftDirection::Left);
    EXPECT_EQ(e.view().LetterLabel().text, "А");
}

TEST(ClearLetter, CyrillicNarrowClearsBytesZeroToHPlusOne) {
    Session e = Activated(Edition::Cyrillic);
    FontImage font;
    font.narrow[0][0] = NarrowFilled(0x5A);
    Load(e, font);
    e.ClearLetter();
    EXPECT_EQ(e.font().narrow[0][0], NarrowGlyph{});
    e.ChooseKind(FontKind::Small);
    Load(e, font);
    e.ClearLetter();
    NarrowGlyph expected{};
    expected[11] = 0x5A;
    expected[12] = 0x5A;
    EXPECT_EQ(e.font().narrow[0][0], expected);
    EXPECT_EQ(e.working(GlyphForm::Narrow)[1], 0);
}

TEST(ClearLetter, CyrillicWideClearsWordsZeroToH) {
    Session e = Activated(Edition::Cyrillic);
    e.ChooseModel(PhoneModel::C45);  // wide Normal, H = 11
    FontImage font;
    font.wide[0][0] = WideFilled(0x1234);
    Load(e, font);
    e.ClearLetter();
    for (int i = 0; i < 16; ++i) EXPECT_EQ(e.font().wide[0][0][i], i <= 11 ? 0 : 0x1234) << i;
}

TEST(ClearLetter, LatinClearsAllSixteenWords) {
    Session e = Activated(Edition::Latin);
    e.ChooseKind(FontKind::Small);
    FontImage font;
    font.wide[0][0] = WideFilled(0x1234);
    Load(e, font);
    e.ClearLetter();
    EXPECT_EQ(e.font().wide[0][0], WideGlyph{});
}

TEST(ClearBlock, OnlyTheCurrentBlock) {
    Session e = Activated(Edition::Cyrillic);
    FontImage font;
    for (int b = 0; b < 4; ++b) {
        for (int k = 0; k < 34; ++k) font.narrow[b][k] = NarrowFilled(static_cast<uint8_t>(b + 1));
    }
    Load(e, font);
    e.PressLowerCase();
    e.PressBold();
    e.ClearBlock();
    for (int b = 0; b < 4; ++b) {
        for (int k = 0; k < 34; ++k) {
            EXPECT_EQ(e.font().narrow[b][k], b == 3 ? NarrowGlyph{} : font.narrow[b][k]);
        }
    }
    EXPECT_EQ(e.view().Thumbnail(0).At(0, 1), kWhite);
}

TEST(ClearFont, CyrillicLeavesTheTableNotLive) {
    Session e = Activated(Edition::Cyrillic);
    FontImage font;
    for (int b = 0; b < 4; ++b) {
        for (int k = 0; k < 34; ++k) {
            font.narrow[b][k] = NarrowFilled(0x11);
            font.wide[b][k] = WideFilled(0x2222);
        }
    }
    Load(e, font);
    e.ClearFont();
    for (int b = 0; b < 4; ++b) {
        for (int k = 0; k < 34; ++k) {
            EXPECT_EQ(e.font().narrow[b][k], NarrowGlyph{});
            EXPECT_EQ(e.font().wide[b][k], font.wide[b][k]);
        }
    }
}

TEST(ClearFont, LatinClearsAllEightBlocks) {
    Session e = Activated(Edition::Latin);
    FontImage font;
    for (int b = 0; b < 8; ++b) {
        for (int k = 0; k < 37; ++k) font.wide[b][k] = WideFilled(0x0101);
    }
    Load(e, font);
    e.ClearFont();
    EXPECT_EQ(e.font(), FontImage{});
}

}  // namespace
}  // namespace rw
