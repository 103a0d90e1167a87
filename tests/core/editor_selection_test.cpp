// Activation, letter load, write-back and the case, set and bold buttons.
#include <gtest/gtest.h>

#include "editor/file_commands.h"
#include "editor/session.h"
#include "editor_test_support.h"
#include "file_command_driver.h"
#include "io/memory_file_system.h"
#include "ui/form_geometry.h"

namespace rw {
namespace {

// Where the window puts what the views say.
using namespace ui::geometry;

using editor_testing::Activated;
using editor_testing::Load;
using editor_testing::Narrow;
using editor_testing::Wide;

TEST(Activation, FirstActivationSelectsTheFirstLetterOfUpperCaseNormal) {
    for (Edition edition : {Edition::Cyrillic, Edition::Latin}) {
        Session e(edition);
        EXPECT_FALSE(e.view().Controls().button1_enabled);
        EXPECT_FALSE(SelectionFrameOf(e.view().FramedSlot()).on_screen);
        EXPECT_EQ(SelectionFrameOf(e.view().FramedSlot()).left.x, -300);
        e.Activate();
        EXPECT_EQ(e.state().block(), 0);
        EXPECT_EQ(e.state().selected_slot(), 0);
        EXPECT_FALSE(e.state().bold());
        EXPECT_EQ(TagOf(e.state().load_scope), 6);
        EXPECT_TRUE(e.view().Controls().scope_checked[6]);
        EXPECT_TRUE(e.view().Controls().set_down[0]);
        EXPECT_TRUE(e.view().Controls().button1_enabled);
        EXPECT_EQ(e.state().wide(), edition == Edition::Latin);
        EXPECT_EQ(MarkerWidth(e.view().GlyphColumns()), edition == Edition::Latin ? 16 : 8);
        EXPECT_EQ(e.view().LetterLabel().text, edition == Edition::Cyrillic ? "А" : "A");
        EXPECT_EQ(SelectionFrameOf(e.view().FramedSlot()).left, (Rect{7, 35, 1, 18}));
        EXPECT_EQ(SelectionFrameOf(e.view().FramedSlot()).bottom, (Rect{7, 53, 18, 1}));
        EXPECT_EQ(SelectionFrameOf(e.view().FramedSlot()).right, (Rect{25, 35, 1, 18}));
        EXPECT_EQ(e.view().PhoneMenuCaption(), "Телефон (S/ME 45)");
        EXPECT_EQ(e.view().FontMenuCaption(), "Шрифт (Normal)");
    }
}

TEST(Activation, LaterActivationsKeepScopeSelectionAndEdits) {
    Session e = Activated(Edition::Cyrillic);
    e.PressLowerCase();
    e.PressThumbnail(4);
    ASSERT_TRUE(e.ChooseLoadScope(3));
    e.ClickCell(2, 2);
    const Glyph edited = e.working(GlyphForm::Narrow);
    const uint64_t generation = e.view().generation();
    e.Activate();  // the help window closed
    EXPECT_EQ(TagOf(e.state().load_scope), 3);
    EXPECT_TRUE(e.view().Controls().scope_checked[3]);
    EXPECT_EQ(e.state().block(), 1);
    EXPECT_EQ(e.state().selected_slot(), 4);
    EXPECT_EQ(e.working(GlyphForm::Narrow), edited);
    EXPECT_EQ(e.view().generation(), generation);
}

TEST(Activation, StartCaptionAndCovers) {
    const Session rus(Edition::Cyrillic);
    EXPECT_EQ(rus.view().WindowCaption(), "Runewright v4.01 \"RUS-Full\" - [no file]");
    EXPECT_EQ(CoverLeftsOf(rus.view().Covers()).yo1, kHiddenLeft);
    const Session eng(Edition::Latin);
    EXPECT_EQ(eng.view().WindowCaption(), "Runewright v4.01 \"ENG-Full\" - [no file]");
    EXPECT_EQ(CoverLeftsOf(eng.view().Covers()).close1, 104);
    EXPECT_EQ(CoverLeftsOf(eng.view().Covers()).close2, 8);
    EXPECT_TRUE(eng.view().ThumbnailHint(26).empty());
    EXPECT_EQ(eng.view().ThumbnailHint(25), "Z");
    // A load names its file; the caption shows the name alone.
    Session named(Edition::Cyrillic);
    MemoryFileSystem fs;
    fs.Put("/home/user/flash/c45.bin", std::vector<uint8_t>(1768));
    FileCommands files(named, fs);
    editor_testing::RunFileCommand(files, FileCommand::LoadFontFile,
                                   {FileAnswer::File("/home/user/flash/c45.bin")});
    EXPECT_EQ(named.view().WindowCaption(), "Runewright v4.01 \"RUS-Full\" - [c45.bin]");
}

TEST(LetterLoad, EditsAreDiscardedByTheNextLoad) {
    Session e = Activated(Edition::Cyrillic);
    FontImage font;
    font.narrow[0][2] = Narrow(3, {0x60});
    Load(e, font);
    ASSERT_TRUE(e.PressThumbnail(2));
    e.ClickCell(5, 5);
    ASSERT_TRUE(e.PressThumbnail(3));
    ASSERT_TRUE(e.PressThumbnail(2));
    EXPECT_EQ(e.working(GlyphForm::Narrow), font.narrow[0][2]);
    EXPECT_EQ(e.font(), font);
}

TEST(LetterLoad, ThumbnailPressShowsItsLetterAndFramesIt) {
    Session e = Activated(Edition::Cyrillic);
    ASSERT_TRUE(e.PressThumbnail(12));  // Л, second row
    EXPECT_EQ(e.view().LetterLabel().text, "Л");
    EXPECT_EQ(e.view().EditImageHint(), "Л");
    const Rect t = ThumbnailRect(12);
    EXPECT_EQ(t.x, 8 + 24);
    EXPECT_EQ(t.y, 60);
    EXPECT_EQ(SelectionFrameOf(e.view().FramedSlot()).top, (Rect{t.x - 1, t.y - 1, 18, 1}));
    EXPECT_FALSE(e.PressThumbnail(34));
    EXPECT_FALSE(e.PressThumbnail(-1));
}

TEST(LetterLoad, NarrowSmallEditImageShowsRowsOneToNineOnly) {
    Session e = Activated(Edition::Cyrillic);
    e.ChooseKind(FontKind::Small);
    FontImage font;
    font.narrow[0][0] = editor_testing::NarrowFilled(0xFF);
    Load(e, font);
    for (int x = 0; x < 16; ++x) {
        for (int y = 0; y < 16; ++y) {
            const bool ink = x < 8 && y >= 1 && y <= 9;
            EXPECT_EQ(e.view().EditImage().At(x, y), ink ? kBlack : kWhite) << x << "," << y;
        }
    }
}

TEST(WriteBack, ThumbnailShowsTheEditedGlyph) {
    Session e = Activated(Edition::Cyrillic);
    e.PressThumbnail(5);
    e.ClickCell(3, 4);
    e.WriteBack();
    EXPECT_EQ(e.font().narrow[0][5][3], 0x08);
    EXPECT_EQ(e.font().narrow[0][5][0], 5);
    EXPECT_EQ(e.view().Thumbnail(5).At(4, 3), kBlack);
    e.PressThumbnail(0);
    e.PressThumbnail(5);
    EXPECT_EQ(e.working(GlyphForm::Narrow)[3], 0x08);
}

TEST(WriteBack, CopiesRowsZeroToHOnly) {
    Session e = Activated(Edition::Cyrillic);
    e.ChooseKind(FontKind::Small);
    FontImage font;
    font.narrow[0][0] = editor_testing::NarrowFilled(0x11);
    Load(e, font);
    e.ClickCell(1, 1);
    e.WriteBack();
    EXPECT_EQ(e.font().narrow[0][0][1], 0x51);
    EXPECT_EQ(e.font().narrow[0][0][10], 0x11);  // beyond H = 9
    EXPECT_EQ(e.font().narrow[0][0][12], 0x11);
}

TEST(WriteBack, BrowserAndBigAlsoFillTheBoldBlock) {
    struct Case {
        Edition edition;
        FontKind kind;
        bool into_bold;
    };
    const Case cases[] = {
        {Edition::Cyrillic, FontKind::Browser, true}, {Edition::Cyrillic, FontKind::Big, true},
        {Edition::Cyrillic, FontKind::Normal, false}, {Edition::Cyrillic, FontKind::Small, false},
        {Edition::Latin, FontKind::Browser, true},    {Edition::Latin, FontKind::Big, true},
        {Edition::Latin, FontKind::Normal, false},    {Edition::Latin, FontKind::Small, false},
    };
    for (const Case& c : cases) {
        Session e = Activated(c.edition);
        e.ChooseKind(c.kind);
        e.PressLowerCase();
        e.PressThumbnail(7);
        e.ClickCell(2, 3);
        e.WriteBack();
        const int bold_block = 1 + BoldStep(c.edition);
        const GlyphSlot normal{1, 7};
        const GlyphSlot bold{bold_block, 7};
        if (e.state().wide()) {
            EXPECT_NE(e.font().Wide(normal), WideGlyph{});
            EXPECT_EQ(e.font().Wide(bold) == e.font().Wide(normal), c.into_bold);
        } else {
            EXPECT_NE(e.font().Narrow(normal), NarrowGlyph{});
            EXPECT_EQ(e.font().Narrow(bold) == e.font().Narrow(normal), c.into_bold);
        }
        // No other slot of the bold block changes.
        for (int b = 0; b < BlockCount(c.edition); ++b) {
            for (int k = 0; k < SlotCount(c.edition); ++k) {
                if (k == 7 && (b == 1 || (c.into_bold && b == bold_block))) continue;
                EXPECT_EQ(e.font().Wide({b, k}), WideGlyph{});
                EXPECT_EQ(e.font().Narrow({b, k}), NarrowGlyph{});
            }
        }
    }
}

TEST(CaseButtons, CyrillicLowerThenUpperMovesTheBlockByOne) {
    Session e = Activated(Edition::Cyrillic);
    FontImage font;
    font.narrow[1][3] = Narrow(2, {0x40});
    Load(e, font);
    e.PressThumbnail(3);
    e.PressLowerCase();
    EXPECT_EQ(e.state().block(), 1);
    EXPECT_EQ(e.working(GlyphForm::Narrow), font.narrow[1][3]);
    EXPECT_EQ(e.view().ThumbnailHint(3), "г");
    EXPECT_EQ(e.view().Covers().yo1_hint, "ё");
    EXPECT_EQ(e.view().Covers().yo2_hint, "є");
    EXPECT_TRUE(e.view().Controls().set_down[1]);
    EXPECT_FALSE(e.view().Controls().set_down[0]);
    e.PressUpperCase();
    EXPECT_EQ(e.state().block(), 0);
    EXPECT_EQ(e.view().ThumbnailHint(33), "Є");
    // Pressed again while down: no redraw, no reload; unwritten edits stay.
    e.ClickCell(4, 4);
    const Glyph edited = e.working(GlyphForm::Narrow);
    e.TakeChanges();
    e.PressUpperCase();
    EXPECT_EQ(e.state().block(), 0);
    EXPECT_EQ(e.working(GlyphForm::Narrow), edited);
    EXPECT_EQ(e.TakeChanges() & (kThumbnailsChanged | kGridChanged), 0u);
}

TEST(CaseButtons, BoldThenLowerCase) {
    Session rus = Activated(Edition::Cyrillic);
    rus.PressBold();
    rus.PressLowerCase();
    EXPECT_EQ(rus.state().block(), 3);
    Session eng = Activated(Edition::Latin);
    eng.PressBold();
    eng.PressLowerCase();
    EXPECT_EQ(eng.state().block(), 5);
}

TEST(BoldButton, TogglesTheWeightAndTheLabelStyle) {
    Session e = Activated(Edition::Cyrillic);
    FontImage font;
    font.narrow[2][0] = Narrow(2, {0x40});
    Load(e, font);
    EXPECT_TRUE(e.PressBold());
    EXPECT_TRUE(e.state().bold());
    EXPECT_TRUE(e.view().Controls().bold_down);
    EXPECT_TRUE(e.view().LetterLabel().bold);
    EXPECT_EQ(e.state().block(), 2);
    EXPECT_EQ(e.working(GlyphForm::Narrow), font.narrow[2][0]);
    EXPECT_TRUE(e.PressBold());
    EXPECT_FALSE(e.state().bold());
    EXPECT_FALSE(e.view().LetterLabel().bold);
    EXPECT_EQ(e.state().block(), 0);
}

TEST(SetButtons, LatinSwitchKeepsTheSlotEvenBehindACover) {
    Session e = Activated(Edition::Latin);
    FontImage font;
    font.wide[0][30] = Wide(3, {0x6000});
    Load(e, font);
    e.PressSymbolSet(1);
    EXPECT_EQ(CoverLeftsOf(e.view().Covers()).close1, kHiddenLeft);
    EXPECT_EQ(CoverLeftsOf(e.view().Covers()).close2, 104);
    ASSERT_TRUE(e.PressThumbnail(30));
    EXPECT_EQ(e.view().LetterLabel().text, "?");
    e.PressUpperCase();
    EXPECT_EQ(e.state().block(), 0);
    EXPECT_EQ(e.state().selected_slot(), 30);
    EXPECT_EQ(e.working(GlyphForm::Wide), font.wide[0][30]);
    EXPECT_TRUE(e.view().IsThumbnailCovered(30));
    EXPECT_FALSE(e.PressThumbnail(30));
    EXPECT_EQ(CoverLeftsOf(e.view().Covers()).close1, 104);
    EXPECT_EQ(CoverLeftsOf(e.view().Covers()).close2, 8);
    EXPECT_TRUE(e.view().ThumbnailHint(30).empty());
}

TEST(SetButtons, LatinCoversHideExactlyTheEmptySlots) {
    Session e = Activated(Edition::Latin);
    auto covered = [&] {
        std::vector<int> slots;
        for (int s = 0; s < 37; ++s) {
            if (e.view().IsThumbnailCovered(s)) slots.push_back(s);
        }
        return slots;
    };
    std::vector<int> letters_empty;
    for (int s = 26; s <= 36; ++s) letters_empty.push_back(s);
    EXPECT_EQ(covered(), letters_empty);
    e.PressSymbolSet(2);
    EXPECT_EQ(covered(), std::vector<int>{36});
    EXPECT_TRUE(e.view().ThumbnailHint(36).empty());
    e.PressSymbolSet(1);
    EXPECT_TRUE(covered().empty());
    e.PressLowerCase();
    EXPECT_EQ(covered(), letters_empty);
}

TEST(SetButtons, PressingTheDownButtonOnlyRewritesHints) {
    Session e = Activated(Edition::Latin);
    e.PressSymbolSet(1);
    e.PressThumbnail(3);
    e.ClickCell(2, 2);
    const Glyph edited = e.working(GlyphForm::Wide);
    e.PressSymbolSet(1);
    EXPECT_EQ(e.state().block(), 2);
    EXPECT_EQ(e.working(GlyphForm::Wide), edited);
    EXPECT_TRUE(e.view().Controls().set_down[2]);
}

TEST(SetButtons, BoldStaysWithTheSetChoice) {
    Session e = Activated(Edition::Latin);
    e.PressBold();
    e.PressSymbolSet(2);
    EXPECT_EQ(e.state().block(), 7);
    e.PressBold();
    EXPECT_EQ(e.state().block(), 3);
    EXPECT_EQ((std::array<bool, 4>{false, false, false, true}), e.view().Controls().set_down);
}

TEST(SetButtons, OnlyTheTwoSymbolSetButtonsExist) {
    Session eng = Activated(Edition::Latin);
    eng.PressSymbolSet(1);
    for (int n : {0, -1, 3}) {
        eng.PressSymbolSet(n);  // no such button: not a case button either
        EXPECT_EQ(eng.state().block(), 2) << n;
        EXPECT_EQ((std::array<bool, 4>{false, false, true, false}), eng.view().Controls().set_down)
            << n;
        EXPECT_EQ(CoverLeftsOf(eng.view().Covers()).close2, 104) << n;
        EXPECT_EQ(eng.view().ThumbnailHint(0), "!") << n;
    }
    Session rus = Activated(Edition::Cyrillic);
    rus.PressSymbolSet(1);
    rus.PressSymbolSet(0);
    EXPECT_EQ(rus.state().block(), 0);
    EXPECT_TRUE(rus.view().Controls().set_down[0]);
    EXPECT_EQ(rus.view().ThumbnailHint(0), "А");
}

TEST(SetButtons, AmpersandAndUnicodeNames) {
    Session e = Activated(Edition::Latin);
    e.PressSymbolSet(1);
    EXPECT_EQ(e.view().ThumbnailHint(5), "&&");
    EXPECT_EQ(e.view().ThumbnailHintText(5), "&");
    e.PressThumbnail(5);
    EXPECT_EQ(e.view().LetterLabel().text, "&");
    e.PressSymbolSet(2);
    e.PressThumbnail(8);
    EXPECT_EQ(e.view().LetterLabel().text, "¤");
    e.PressThumbnail(5);
    EXPECT_EQ(e.view().ThumbnailHint(5), "Unicode Char 00A1");
    EXPECT_EQ(e.view().LetterLabel().text, "·");
}

TEST(SetButtons, ShiftThenCaseChangeKeepsFrameAndEditImageHint) {
    Session e = Activated(Edition::Cyrillic);
    e.PressThumbnail(9);  // И
    const SelectionFrame frame = SelectionFrameOf(e.view().FramedSlot());
    e.Shift(ShiftDirection::Down);
    EXPECT_TRUE((e.state().selection.source == SelectionSource::EditImage));
    e.PressLowerCase();
    EXPECT_EQ(e.state().block(), 1);
    EXPECT_EQ(e.state().selected_slot(), 9);
    EXPECT_EQ(SelectionFrameOf(e.view().FramedSlot()).left, frame.left);
    EXPECT_EQ(e.view().LetterLabel().text, "И");
}

TEST(SetButtons, CaseChangeThenShiftNamesTheLastPressedThumbnail) {
    // PaintBoxEdit keeps the hint of the thumbnail pressed last; a case button rewrites only the
    // thumbnails' hints, so the shift's reload shows the letter as it was pressed.
    Session e = Activated(Edition::Cyrillic);
    FontImage font;
    font.narrow[1][9] = Narrow(2, {0x40});
    Load(e, font);
    e.PressThumbnail(9);  // И
    e.PressLowerCase();
    EXPECT_EQ(e.view().LetterLabel().text, "и");
    e.Shift(ShiftDirection::Down);
    EXPECT_EQ(e.view().LetterLabel().text, "И");
    EXPECT_EQ(e.state().selected_slot(), 9);
    EXPECT_EQ(e.working(GlyphForm::Narrow)[2], 0x40);  // the lower-case glyph, shifted
    EXPECT_EQ(SelectionFrameOf(e.view().FramedSlot()).left.x, ThumbnailRect(9).x - 1);
}

TEST(Views, ChangeFlagsReportWhatAClickTouched) {
    Session e = Activated(Edition::Cyrillic);
    e.TakeChanges();
    const uint64_t before = e.view().generation();
    e.ClickCell(1, 1);
    const uint32_t changes = e.TakeChanges();
    EXPECT_GT(e.view().generation(), before);
    EXPECT_TRUE(changes & kGridChanged);
    EXPECT_TRUE(changes & kEditImageChanged);
    EXPECT_FALSE(changes & kThumbnailsChanged);
    EXPECT_EQ(e.TakeChanges(), 0u);
}

}  // namespace
}  // namespace rw
