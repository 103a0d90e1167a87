// Choosing the phone model, the font kind, the load scope and the language.
#include <gtest/gtest.h>

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

void ExpectSameScreen(const Session& a, const Session& b) {
    EXPECT_EQ(a.state().wide(), b.state().wide());
    EXPECT_EQ(a.state().single_weight(), b.state().single_weight());
    EXPECT_EQ(a.state().last_row(), b.state().last_row());
    EXPECT_EQ(a.state().block(), b.state().block());
    EXPECT_EQ(a.state().bold(), b.state().bold());
    EXPECT_EQ(a.state().layout().normal_base, b.state().layout().normal_base);
    EXPECT_EQ(a.state().layout().bold_base, b.state().layout().bold_base);
    EXPECT_EQ(a.state().layout().latin_bold.upper_base, b.state().layout().latin_bold.upper_base);
    const ControlStates& ca = a.view().Controls();
    const ControlStates& cb = b.view().Controls();
    EXPECT_EQ(ca.model_checked, cb.model_checked);
    EXPECT_EQ(ca.kind_checked, cb.kind_checked);
    EXPECT_EQ(ca.scope_enabled, cb.scope_enabled);
    EXPECT_EQ(ca.bold_down, cb.bold_down);
    EXPECT_EQ(ca.bold_enabled, cb.bold_enabled);
    EXPECT_EQ(ca.bold_visible, cb.bold_visible);
    EXPECT_EQ(ca.sft_sbf_enabled, cb.sft_sbf_enabled);
    EXPECT_EQ(a.view().PhoneMenuCaption(), b.view().PhoneMenuCaption());
    EXPECT_EQ(a.view().FontMenuCaption(), b.view().FontMenuCaption());
    EXPECT_EQ(MarkerWidth(a.view().GlyphColumns()), MarkerWidth(b.view().GlyphColumns()));
    EXPECT_EQ(CoverLeftsOf(a.view().Covers()).yo1, CoverLeftsOf(b.view().Covers()).yo1);
    EXPECT_EQ(a.view().LetterLabel().bold, b.view().LetterLabel().bold);
    for (int r = 0; r < 16; ++r) {
        for (int c = 0; c < 16; ++c) {
            EXPECT_EQ(a.view().Cell(r, c).role, b.view().Cell(r, c).role);
            EXPECT_EQ(a.view().Cell(r, c).live, b.view().Cell(r, c).live);
            EXPECT_EQ(a.view().Cell(r, c).hint_id, b.view().Cell(r, c).hint_id);
        }
    }
}

TEST(ModelAndKind, EitherOrderEndsInTheSameState) {
    for (Edition edition : {Edition::Cyrillic, Edition::Latin}) {
        for (PhoneModel m : kAllPhoneModels) {
            for (FontKind k : kAllFontKinds) {
                SCOPED_TRACE(static_cast<int>(m) * 10 + static_cast<int>(k));
                Session model_first = Activated(edition);
                Session kind_first = Activated(edition);
                model_first.PressBold();
                kind_first.PressBold();
                model_first.ChooseModel(m);
                model_first.ChooseKind(k);
                kind_first.ChooseKind(k);
                kind_first.ChooseModel(m);
                ExpectSameScreen(model_first, kind_first);
                EXPECT_EQ(model_first.state().wide(),
                          edition == Edition::Latin || k == FontKind::Big || m == PhoneModel::C45 ||
                              m == PhoneModel::M50);
            }
        }
    }
}

TEST(ModelAndKind, SingleWeightKindDropsBold) {
    for (Edition edition : {Edition::Cyrillic, Edition::Latin}) {
        Session e = Activated(edition);
        e.PressBold();
        e.PressLowerCase();
        ASSERT_EQ(e.state().block(), 1 + BoldStep(edition));
        e.ChooseKind(FontKind::Browser);
        EXPECT_EQ(e.state().block(), 1);
        EXPECT_FALSE(e.state().bold());
        EXPECT_FALSE(e.view().Controls().bold_down);
        EXPECT_FALSE(e.view().Controls().bold_visible);
        EXPECT_FALSE(e.view().Controls().bold_enabled);
        EXPECT_FALSE(e.view().LetterLabel().bold);
        EXPECT_FALSE(e.PressBold());
        EXPECT_EQ(e.state().block(), 1);
        for (int tag : {2, 3, 5}) EXPECT_FALSE(e.view().Controls().scope_enabled[tag]) << tag;
        EXPECT_EQ(e.view().Controls().scope_enabled[8], false);
        EXPECT_TRUE(e.view().Controls().scope_enabled[edition == Edition::Latin ? 7 : 6]);
        EXPECT_FALSE(e.ChooseLoadScope(5));
        e.ChooseKind(FontKind::Normal);
        EXPECT_TRUE(e.view().Controls().bold_visible);
        EXPECT_FALSE(e.view().Controls().bold_down);
        EXPECT_TRUE(e.view().LetterLabel().bold);
        EXPECT_EQ(e.state().block(), 1);
        EXPECT_TRUE(e.ChooseLoadScope(5));
    }
}

TEST(ModelAndKind, ThumbnailsAndGridShowTheNormalBlockAfterBoldIsDropped) {
    // The weight is settled before the redraw and the reselect, so nothing of the bold block
    // stays on screen.
    Session e = Activated(Edition::Cyrillic);
    FontImage font;
    font.narrow[1][0] = Narrow(2, {0x40});  // lower case normal: ink in column 1
    font.narrow[3][0] = Narrow(2, {0x20});  // lower case bold: ink in column 2
    Load(e, font);
    e.PressBold();
    e.PressLowerCase();
    ASSERT_EQ(e.view().Thumbnail(0).At(2, 1), kBlack);
    e.ChooseModel(PhoneModel::CM35);
    e.ChooseKind(FontKind::Small);
    EXPECT_EQ(e.view().Thumbnail(0).At(1, 1), kBlack);
    EXPECT_EQ(e.view().Thumbnail(0).At(2, 1), kWhite);
    EXPECT_EQ(e.working(GlyphForm::Narrow), font.narrow[1][0]);
    EXPECT_EQ(e.view().Cell(1, 1).colour, kBlack);
    EXPECT_EQ(e.view().EditImage().At(2, 1), kWhite);
}

TEST(ModelAndKind, CM35SmallIsSingleWeightAndS35BringsBoldBack) {
    Session e = Activated(Edition::Cyrillic);
    e.ChooseModel(PhoneModel::CM35);
    e.ChooseKind(FontKind::Small);
    EXPECT_TRUE(e.state().single_weight());
    EXPECT_EQ(e.state().layout().bold_base, 3414851);
    EXPECT_FALSE(e.view().Controls().bold_visible);
    EXPECT_EQ(e.view().FontMenuCaption(), "Шрифт (Small)");
    e.ChooseModel(PhoneModel::S35);
    EXPECT_FALSE(e.state().single_weight());
    EXPECT_EQ(e.state().layout().bold_base, 3427532);
    EXPECT_TRUE(e.view().Controls().bold_visible);
    EXPECT_EQ(e.state().kind, FontKind::Small);
    EXPECT_EQ(e.view().PhoneMenuCaption(), "Телефон (S 35)");
}

TEST(ModelAndKind, BoldScopeChosenEarlierStaysInForce) {
    Session e = Activated(Edition::Cyrillic);
    ASSERT_TRUE(e.ChooseLoadScope(5));
    e.ChooseKind(FontKind::Big);
    EXPECT_EQ(TagOf(e.state().load_scope), 5);
    EXPECT_TRUE(e.view().Controls().scope_checked[5]);
    EXPECT_FALSE(e.view().Controls().scope_enabled[5]);
}

TEST(ModelAndKind, SftToSbfFollowsTheWideFlag) {
    Session e = Activated(Edition::Cyrillic);
    EXPECT_TRUE(e.view().Controls().sft_sbf_present);
    EXPECT_FALSE(e.view().Controls().sft_sbf_enabled);
    e.ChooseModel(PhoneModel::C45);
    EXPECT_TRUE(e.view().Controls().sft_sbf_enabled);
    EXPECT_EQ(MarkerWidth(e.view().GlyphColumns()), 16);
    EXPECT_TRUE(e.state().wide());
    e.ChooseKind(FontKind::Normal);
    EXPECT_TRUE(e.view().Controls().sft_sbf_enabled);
    e.ChooseModel(PhoneModel::SME45);
    EXPECT_FALSE(e.view().Controls().sft_sbf_enabled);
    EXPECT_EQ(MarkerWidth(e.view().GlyphColumns()), 8);
    Session eng = Activated(Edition::Latin);
    eng.ChooseKind(FontKind::Big);
    EXPECT_FALSE(eng.view().Controls().sft_sbf_present);
    EXPECT_FALSE(eng.view().Controls().sft_sbf_enabled);
    EXPECT_EQ(MarkerWidth(eng.view().GlyphColumns(), 36), 16);
}

TEST(ModelAndKind, ThirtyFiveSeriesCoverYoAndYe) {
    Session e = Activated(Edition::Cyrillic);
    e.ChooseModel(PhoneModel::CM35);
    EXPECT_EQ(CoverLeftsOf(e.view().Covers()).yo1, 151);
    EXPECT_EQ(CoverLeftsOf(e.view().Covers()).yo2, 7);
    EXPECT_TRUE(e.view().IsThumbnailCovered(6));
    EXPECT_TRUE(e.view().IsThumbnailCovered(33));
    EXPECT_FALSE(e.view().IsThumbnailCovered(5));
    EXPECT_FALSE(e.view().IsThumbnailCovered(7));
    EXPECT_FALSE(e.PressThumbnail(6));
    EXPECT_FALSE(e.PressThumbnail(33));
    e.PressLowerCase();
    EXPECT_FALSE(e.PressThumbnail(6));
    EXPECT_EQ(e.view().Covers().yo1_hint, "ё");
    e.ChooseModel(PhoneModel::SME45);
    EXPECT_EQ(CoverLeftsOf(e.view().Covers()).yo1, kHiddenLeft);
    EXPECT_TRUE(e.PressThumbnail(6));
    EXPECT_TRUE(e.PressThumbnail(33));
    Session eng = Activated(Edition::Latin);
    eng.ChooseModel(PhoneModel::S35);
    EXPECT_EQ(CoverLeftsOf(eng.view().Covers()).yo1, kHiddenLeft);
}

TEST(ModelAndKind, ChoicesNeverChangeTheGlyphs) {
    Session e = Activated(Edition::Cyrillic);
    FontImage font;
    font.narrow[0][0] = Narrow(2, {0x40});
    Load(e, font);
    e.ChooseKind(FontKind::Big);
    EXPECT_EQ(e.working(GlyphForm::Wide), WideGlyph{});
    EXPECT_EQ(e.view().Thumbnail(0).At(1, 1), kWhite);
    e.ChooseModel(PhoneModel::M50);
    e.ChooseModel(PhoneModel::SME45);
    e.ChooseKind(FontKind::Normal);
    EXPECT_EQ(e.font(), font);
    EXPECT_EQ(e.working(GlyphForm::Narrow), font.narrow[0][0]);
    EXPECT_EQ(e.view().Thumbnail(0).At(1, 1), kBlack);
}

TEST(ModelAndKind, CodesOutsideTheMenusChangeNothing) {
    for (Edition edition : {Edition::Cyrillic, Edition::Latin}) {
        Session e = Activated(edition);
        e.ChooseModel(PhoneModel::C45);
        e.ChooseKind(FontKind::Small);
        const EditorState before = e.state();
        const uint64_t generation = e.view().generation();
        e.ChooseModel(static_cast<PhoneModel>(kPhoneModelCount));
        e.ChooseModel(static_cast<PhoneModel>(-1));
        e.ChooseKind(static_cast<FontKind>(kFontKindCount));
        e.ChooseKind(static_cast<FontKind>(-1));
        EXPECT_EQ(e.state().model, before.model);
        EXPECT_EQ(e.state().kind, before.kind);
        EXPECT_EQ(e.state().last_row(), before.last_row());
        EXPECT_EQ(e.state().layout().normal_base, before.layout().normal_base);
        EXPECT_EQ(e.view().PhoneMenuCaption(), "Телефон (C 45)");
        EXPECT_EQ(e.view().FontMenuCaption(), "Шрифт (Small)");
        EXPECT_EQ(e.view().generation(), generation);
    }
}

TEST(LoadScope, OneCheckMarkAndTheEditionsTags) {
    Session e = Activated(Edition::Cyrillic);
    EXPECT_TRUE(e.ChooseLoadScope(5));
    EXPECT_TRUE(e.ChooseLoadScope(6));
    int checked = 0;
    for (bool c : e.view().Controls().scope_checked) checked += c;
    EXPECT_EQ(checked, 1);
    EXPECT_TRUE(e.view().Controls().scope_checked[6]);
    EXPECT_FALSE(e.ChooseLoadScope(7));
    EXPECT_FALSE(e.ChooseLoadScope(-1));
    EXPECT_FALSE(e.view().Controls().scope_present[10]);
    Session eng = Activated(Edition::Latin);
    EXPECT_TRUE(eng.ChooseLoadScope(10));
    EXPECT_EQ(TagOf(eng.state().load_scope), 10);
    EXPECT_FALSE(eng.ChooseLoadScope(11));
}

TEST(Language, EnglishCaptionsAndNothingElseChanges) {
    Session e = Activated(Edition::Latin);
    e.ChooseModel(PhoneModel::C45);
    e.ChooseKind(FontKind::Browser);
    e.PressLowerCase();
    e.PressThumbnail(4);
    e.SetLanguage(kEnglish);
    EXPECT_EQ(e.view().FontMenuCaption(), "Font (Browser)");
    EXPECT_EQ(e.view().PhoneMenuCaption(), "Phone (C 45)");
    EXPECT_TRUE(e.view().Controls().english_checked);
    EXPECT_FALSE(e.view().Controls().russian_checked);
    EXPECT_EQ(e.state().block(), 1);
    EXPECT_EQ(e.state().selected_slot(), 4);
    e.ChooseModel(PhoneModel::S35);
    EXPECT_EQ(e.view().PhoneMenuCaption(), "Phone (S 35)");
    e.SetLanguage(kRussian);
    EXPECT_EQ(e.view().PhoneMenuCaption(), "Телефон (S 35)");
    EXPECT_EQ(e.view().Cell(0, 8).hint, "Бит 7 ширины буквы");
}

TEST(Language, CyrillicStaysRussian) {
    Session e = Activated(Edition::Cyrillic);
    e.SetLanguage(kEnglish);
    EXPECT_EQ(e.state().language, kRussian);
    e.ChooseKind(FontKind::Small);
    EXPECT_EQ(e.view().FontMenuCaption(), "Шрифт (Small)");
}

}  // namespace
}  // namespace rw
