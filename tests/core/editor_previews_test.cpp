// Thumbnails and the actual-size edit image, pixel by pixel.
#include <gtest/gtest.h>

#include "editor/previews.h"
#include "editor/session.h"
#include "editor_test_support.h"

namespace rw {
namespace {

using editor_testing::Activated;
using editor_testing::Load;
using editor_testing::Narrow;
using editor_testing::NarrowFilled;
using editor_testing::Wide;
using editor_testing::WideFilled;

TEST(Previews, StartThumbnailsOfBothEditions) {
    const Session rus = Activated(Edition::Cyrillic);
    const Session eng = Activated(Edition::Latin);
    for (int slot : {0, 17, 33}) {
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                EXPECT_EQ(rus.view().Thumbnail(slot).At(x, y),
                          x < 8 && y <= 12 ? kWhite : kFaceGrey);
                EXPECT_EQ(eng.view().Thumbnail(slot).At(x, y), y <= 11 ? kWhite : kFaceGrey);
            }
        }
    }
    EXPECT_EQ(eng.view().Thumbnail(36).At(15, 11), kWhite);
}

TEST(Previews, NarrowWidthByteIsDrawnInRowZero) {
    Picture16 p;
    PaintThumbnail(Narrow(5, {}), 11, p);
    for (int x = 0; x < 8; ++x) EXPECT_EQ(p.At(x, 0), x == 5 || x == 7 ? kBlack : kWhite) << x;
    EXPECT_EQ(p.At(8, 0), kFaceGrey);
}

TEST(Previews, NarrowSmallShowsRowsElevenAndTwelveWhite) {
    Picture16 p;
    PaintThumbnail(NarrowFilled(0xFF), 9, p);
    for (int x = 0; x < 16; ++x) {
        EXPECT_EQ(p.At(x, 10), x < 8 ? kBlack : kFaceGrey);  // row 10 is drawn whatever H
        EXPECT_EQ(p.At(x, 11), x < 8 ? kWhite : kFaceGrey);
        EXPECT_EQ(p.At(x, 12), x < 8 ? kWhite : kFaceGrey);
        EXPECT_EQ(p.At(x, 13), kFaceGrey);
    }
    PaintThumbnail(NarrowFilled(0xFF), 11, p);
    EXPECT_EQ(p.At(0, 12), kBlack);
    EXPECT_EQ(p.At(0, 13), kFaceGrey);
}

TEST(Previews, WideGreyBelowTheKindsRows) {
    Picture16 p;
    PaintThumbnail(WideFilled(0xFFFF), 9, p);
    EXPECT_EQ(p.At(15, 9), kBlack);
    EXPECT_EQ(p.At(0, 10), kFaceGrey);
    PaintThumbnail(WideFilled(0xFFFF), 11, p);
    EXPECT_EQ(p.At(15, 11), kBlack);
    EXPECT_EQ(p.At(0, 12), kFaceGrey);
    PaintThumbnail(WideFilled(0x8001), 15, p);
    for (int y = 0; y < 16; ++y) {
        EXPECT_EQ(p.At(0, y), kBlack);
        EXPECT_EQ(p.At(7, y), kWhite);
    }
}

TEST(Previews, NarrowEditImageIsWhiteOutsideTheGlyph) {
    Session e = Activated(Edition::Cyrillic);
    FontImage font;
    font.narrow[0][0] = NarrowFilled(0xFF);
    Load(e, font);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            EXPECT_EQ(e.view().EditImage().At(x, y), x < 8 && y >= 1 && y <= 11 ? kBlack : kWhite);
        }
    }
}

TEST(Previews, WideRedrawLeavesRowsBelowHAsTheyWere) {
    Session e = Activated(Edition::Latin);
    e.ChooseKind(FontKind::Big);
    FontImage font;
    font.wide[0][0] = Wide(0xFF02, {});
    font.wide[0][0][14] = 0xFFFF;
    font.wide[0][0][3] = 0x8000;
    Load(e, font);
    EXPECT_EQ(e.view().EditImage().At(4, 14), kBlack);
    EXPECT_EQ(e.view().EditImage().At(0, 0), kWhite);  // row 0 is the header, shown white
    e.ChooseKind(FontKind::Small);
    // Rows 1..9 come from the glyph; rows 10..15 still show the Big glyph.
    EXPECT_EQ(e.view().EditImage().At(0, 3), kBlack);
    EXPECT_EQ(e.view().EditImage().At(4, 14), kBlack);
    EXPECT_EQ(e.view().Thumbnail(0).At(4, 14), kFaceGrey);
    e.ChooseKind(FontKind::Big);
    font.wide[0][0][14] = 0;
    Load(e, font);
    EXPECT_EQ(e.view().EditImage().At(4, 14), kWhite);
}

TEST(Previews, ALoadStartsFromAWhiteEditImage) {
    Session e = Activated(Edition::Cyrillic);
    e.ChooseModel(PhoneModel::C45);
    e.ChooseKind(FontKind::Big);
    FontImage big;
    big.wide[0][0] = WideFilled(0xFFFF);
    Load(e, big);
    EXPECT_EQ(e.view().EditImage().At(5, 14), kBlack);
    e.ChooseKind(FontKind::Normal);
    EXPECT_EQ(e.view().EditImage().At(5, 14),
              kBlack);  // a kind change alone repaints rows 0..11 only
    Load(e, FontImage{});
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x)
            EXPECT_EQ(e.view().EditImage().At(x, y), kWhite) << x << "," << y;
    }
}

TEST(Previews, ClickPaintsOnePixelOfTheEditImage) {
    Session e = Activated(Edition::Latin);
    const Picture16 before = e.view().EditImage();
    e.ClickCell(7, 12);
    Picture16 expected = before;
    expected.Set(12, 7, kBlack);
    EXPECT_EQ(e.view().EditImage(), expected);
    EXPECT_EQ(e.view().Thumbnail(0).At(12, 7), kWhite);  // the font is untouched until written back
}

TEST(Previews, ThumbnailsShowTheCurrentBlock) {
    Session e = Activated(Edition::Latin);
    FontImage font;
    font.wide[6][10] = Wide(2, {0, 0x4000});
    Load(e, font);
    EXPECT_EQ(e.view().Thumbnail(10).At(1, 2), kWhite);
    e.PressSymbolSet(1);
    e.PressBold();
    EXPECT_EQ(e.state().block(), 6);
    EXPECT_EQ(e.view().Thumbnail(10).At(1, 2), kBlack);
    const std::vector<Picture16> sheet = PaintBlockThumbnails(Edition::Latin, font, true, 11, 6);
    ASSERT_EQ(sheet.size(), 37u);
    for (int k = 0; k < 37; ++k) EXPECT_EQ(sheet[k], e.view().Thumbnail(k)) << k;
}

}  // namespace
}  // namespace rw
