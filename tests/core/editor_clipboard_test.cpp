// The program's own clipboard: blocks and letters, each form with its own buffer.
#include <gtest/gtest.h>

#include "editor/session.h"
#include "editor_test_support.h"

namespace rw {
namespace {

using editor_testing::Activated;
using editor_testing::Load;
using editor_testing::Narrow;
using editor_testing::Wide;

// A Cyrillic font whose every narrow glyph is told apart by its block and slot.
FontImage Distinct() {
    FontImage font;
    for (int b = 0; b < 4; ++b) {
        for (int k = 0; k < 34; ++k) {
            font.narrow[b][k] = Narrow(static_cast<uint8_t>(k), {static_cast<uint8_t>(b << 4 | 1)});
            font.wide[b][k] = Wide(static_cast<uint16_t>(0x100 * b + k), {0x4000});
        }
    }
    return font;
}

TEST(ClipboardLetter, CopyOnBPasteOnD) {
    Session e = Activated(Edition::Cyrillic);
    const FontImage font = Distinct();
    Load(e, font);
    e.PressThumbnail(1);  // Б
    e.CopyLetter();
    e.PressThumbnail(4);  // Д
    e.PasteLetter();
    EXPECT_EQ(e.font().narrow[0][4], font.narrow[0][1]);
    EXPECT_EQ(e.font().narrow[0][1], font.narrow[0][1]);
    EXPECT_EQ(e.working(GlyphForm::Narrow), font.narrow[0][1]);
    EXPECT_EQ(e.view().WidthLabel(), "1");
}

TEST(ClipboardLetter, BlockCopyReplacesTheLetterCopiedEarlier) {
    Session e = Activated(Edition::Cyrillic);
    const FontImage font = Distinct();
    Load(e, font);
    e.PressThumbnail(1);
    e.CopyLetter();
    e.PressLowerCase();
    e.CopyBlock();
    e.PressUpperCase();
    e.PressThumbnail(20);
    e.PasteLetter();
    EXPECT_EQ(e.font().narrow[0][20], font.narrow[1][1]);
}

TEST(ClipboardLetter, SecondCopyWinsAndTheFirstStaysInTheBuffer) {
    Session e = Activated(Edition::Cyrillic);
    const FontImage font = Distinct();
    Load(e, font);
    e.PressThumbnail(1);
    e.CopyLetter();
    e.PressThumbnail(2);
    e.CopyLetter();
    e.PressThumbnail(10);
    e.PasteLetter();
    EXPECT_EQ(e.font().narrow[0][10], font.narrow[0][2]);
    e.PressBold();
    e.PasteBlock();
    EXPECT_EQ(e.font().narrow[2][1], font.narrow[0][1]);
    EXPECT_EQ(e.font().narrow[2][2], font.narrow[0][2]);
    EXPECT_EQ(e.font().narrow[2][3], NarrowGlyph{});
}

// The buffer is empty until the first copy: a paste then would wipe the letters with zeros. It
// changes nothing, records nothing and says so; the buttons stay as they were.
TEST(ClipboardEmpty, PasteBeforeAnyCopyChangesNothingAndSaysSo) {
    for (Edition edition : {Edition::Cyrillic, Edition::Latin}) {
        Session e = Activated(edition);
        const FontImage font = Distinct();
        Load(e, font);
        e.PressThumbnail(3);
        const size_t steps = e.history().undo_count();
        const uint64_t generation = e.view().generation();
        e.PasteLetter();
        EXPECT_EQ(e.font(), font);
        EXPECT_EQ(e.view().Notice(), (Message{MessageId::ClipboardEmpty, {}}));
        EXPECT_GT(e.view().generation(), generation);  // told again each time
        e.PressLowerCase();
        e.PasteBlock();
        EXPECT_EQ(e.font(), font);
        EXPECT_EQ(e.history().undo_count(), steps);
        EXPECT_EQ(Render(e.view().Notice(), kRussian), "Буфер пуст");
        EXPECT_EQ(Render(e.view().Notice(), kEnglish), "The buffer is empty");
        // One copy of anything, and a paste is a paste again.
        e.CopyLetter();
        e.PasteBlock();
        EXPECT_EQ(e.history().undo_count(), steps + 1);
    }
}

TEST(ClipboardBlock, NormalUpperCaseOntoBold) {
    Session e = Activated(Edition::Cyrillic);
    const FontImage font = Distinct();
    Load(e, font);
    e.CopyBlock();
    e.PressBold();
    e.PasteBlock();
    EXPECT_EQ(e.font().narrow[2], e.font().narrow[0]);
    EXPECT_EQ(e.font().narrow[3], font.narrow[3]);
    // Row 1 of the normal upper-case glyphs is 0x01: ink in column 7 of every bold thumbnail.
    EXPECT_EQ(e.view().Thumbnail(0).At(7, 1), kBlack);
    EXPECT_EQ(e.working(GlyphForm::Narrow), font.narrow[0][0]);
}

TEST(ClipboardBlock, LatinSymbolSetOntoAnotherSet) {
    Session e = Activated(Edition::Latin);
    FontImage font;
    for (int k = 0; k < 37; ++k) font.wide[2][k] = Wide(static_cast<uint16_t>(k), {0x8000});
    Load(e, font);
    e.PressSymbolSet(1);
    e.CopyBlock();
    e.PressSymbolSet(2);
    e.PasteBlock();
    EXPECT_EQ(e.font().wide[3], font.wide[2]);
}

TEST(ClipboardForms, NarrowCopyIsNotSeenUnderTheWideForm) {
    Session e = Activated(Edition::Cyrillic);
    const FontImage font = Distinct();
    Load(e, font);
    e.PressThumbnail(5);
    e.CopyLetter();
    e.ChooseKind(FontKind::Big);
    e.PressThumbnail(6);
    e.PasteLetter();
    EXPECT_EQ(e.font().wide[0][6], WideGlyph{});  // nothing was copied under a wide form
    e.PressThumbnail(9);
    e.CopyLetter();
    e.ChooseKind(FontKind::Normal);
    e.PressThumbnail(12);
    e.PasteLetter();
    // The slot is shared: the narrow buffer's record at slot 9, never filled, is pasted.
    EXPECT_EQ(e.font().narrow[0][12], NarrowGlyph{});
    e.PressThumbnail(5);
    e.CopyLetter();
    e.PressThumbnail(13);
    e.PasteLetter();
    EXPECT_EQ(e.font().narrow[0][13], font.narrow[0][5]);
}

// The user copies what the grid shows, edits not written back included.
TEST(ClipboardForms, CopyTakesTheLetterAsTheGridShowsIt) {
    Session e = Activated(Edition::Cyrillic);
    const FontImage font = Distinct();
    Load(e, font);
    e.PressThumbnail(7);
    e.ClickCell(6, 6);
    e.CopyLetter();
    EXPECT_NE(e.clipboard().narrow[7], font.narrow[0][7]);
    EXPECT_EQ(e.clipboard().slot, 7);
    e.WriteBack();
    EXPECT_EQ(e.clipboard().narrow[7], e.font().narrow[0][7]);
}

}  // namespace
}  // namespace rw
