// Letter sets, their hints and the interface texts of both editions.
#include <gtest/gtest.h>

#include "edition/letter_sets.h"
#include "edition/texts.h"

namespace rw {
namespace {

TEST(CyrillicSets, YoBetweenYeAndZheAndYeLast) {
    EXPECT_EQ(SetHint(Edition::Cyrillic, 0, 5), "Е");
    EXPECT_EQ(SetHint(Edition::Cyrillic, 0, 6), "Ё");
    EXPECT_EQ(SetHint(Edition::Cyrillic, 0, 7), "Ж");
    EXPECT_EQ(SetHint(Edition::Cyrillic, 0, 32), "Я");
    EXPECT_EQ(SetHint(Edition::Cyrillic, 0, 33), "Є");
    EXPECT_EQ(SetHint(Edition::Cyrillic, 1, 6), "ё");
    EXPECT_EQ(SetHint(Edition::Cyrillic, 1, 33), "є");
    EXPECT_EQ(SetHint(Edition::Cyrillic, 1, 10), "й");
    EXPECT_TRUE(SetHint(Edition::Cyrillic, 0, 34).empty());
    EXPECT_TRUE(SetHint(Edition::Cyrillic, 2, 0).empty());
}

TEST(LatinSets, LettersAndEmptySlots) {
    EXPECT_EQ(SetHint(Edition::Latin, 0, 0), "A");
    EXPECT_EQ(SetHint(Edition::Latin, 1, 25), "z");
    EXPECT_FALSE(SlotHasCharacter(Edition::Latin, 0, 26));
    EXPECT_TRUE(SetHint(Edition::Latin, 1, 36).empty());
    EXPECT_TRUE(SlotHasCharacter(Edition::Latin, 2, 36));
    EXPECT_FALSE(SlotHasCharacter(Edition::Latin, 3, 36));
}

TEST(LatinSets, SymbolSetOneIsAsciiWithADoubledAmpersand) {
    const char* expected[] = {"!", "\"", "#", "$", "%", "&&", "'", "(",  ")", "*", "+", ",", "-",
                              ".", "/",  "0", "1", "2", "3",  "4", "5",  "6", "7", "8", "9", ":",
                              ";", "<",  "=", ">", "?", "@",  "[", "\\", "]", "^", "_"};
    for (int s = 0; s < 37; ++s) EXPECT_EQ(SetHint(Edition::Latin, 2, s), expected[s]) << s;
}

TEST(LatinSets, SymbolSetTwoNamesOutsideWindows1251ByCode) {
    EXPECT_EQ(SetHint(Edition::Latin, 3, 0), "`");
    EXPECT_EQ(SetHint(Edition::Latin, 3, 1), "{");
    EXPECT_EQ(SetHint(Edition::Latin, 3, 2), "|");
    EXPECT_EQ(SetHint(Edition::Latin, 3, 4), "~");
    EXPECT_EQ(SetHint(Edition::Latin, 3, 5), "Unicode Char 00A1");
    EXPECT_EQ(SetHint(Edition::Latin, 3, 8), "¤");
    EXPECT_EQ(SetHint(Edition::Latin, 3, 12), "Unicode Char 00A8");
    EXPECT_EQ(SetHint(Edition::Latin, 3, 14), "Unicode Char 00AA");
    EXPECT_EQ(SetHint(Edition::Latin, 3, 17), "\u00AD");
    EXPECT_EQ(SetHint(Edition::Latin, 3, 19), "Unicode Char 00AF");
    EXPECT_EQ(SetHint(Edition::Latin, 3, 27), "·");
    EXPECT_EQ(SetHint(Edition::Latin, 3, 30), "Unicode Char 00BA");
    EXPECT_EQ(SetHint(Edition::Latin, 3, 31), "»");
    EXPECT_EQ(SetHint(Edition::Latin, 3, 35), "Unicode Char 00BF");
    int named_by_code = 0;
    for (int s = 0; s < 36; ++s)
        named_by_code += SetHint(Edition::Latin, 3, s).starts_with("Unicode");
    EXPECT_EQ(named_by_code, 31 - 14);
}

TEST(LetterLabel, DisplayFormsOfHints) {
    EXPECT_EQ(DisplayText("&&"), "&");
    EXPECT_EQ(DisplayText("Биты для шрифтов Normal && Big"), "Биты для шрифтов Normal & Big");
    EXPECT_EQ(LetterLabelText(Edition::Latin, "Unicode Char 00A1"), "·");
    EXPECT_EQ(LetterLabelText(Edition::Latin, "&&"), "&");
    EXPECT_EQ(LetterLabelText(Edition::Cyrillic, "Unicode"), "Unicode");
    EXPECT_EQ(LetterLabelText(Edition::Latin, "Unicod"), "Unicod");
}

TEST(Texts, CaptionsInBothLanguages) {
    EXPECT_STREQ(PhoneMenuCaption(PhoneModel::CM35, kRussian), "Телефон (C/M 35)");
    EXPECT_STREQ(PhoneMenuCaption(PhoneModel::C45, kEnglish), "Phone (C 45)");
    EXPECT_STREQ(FontMenuCaption(FontKind::Big, kEnglish), "Font (Big)");
    EXPECT_STREQ(ModelItemCaption(PhoneModel::C45, Edition::Latin), "C45");
    EXPECT_STREQ(ModelItemCaption(PhoneModel::C45, Edition::Cyrillic), "C 45");
    EXPECT_STREQ(GridHintText(2, kEnglish), "Bit for Normal && Big fonts");
    EXPECT_STREQ(Text(UiText::SaveFlashTitle, kEnglish), "Save into fullflash...");
    EXPECT_STREQ(Text(UiText::CopyBlockCaption, kRussian, Edition::Cyrillic), "Копировать все");
    EXPECT_STREQ(Text(UiText::CopyBlockCaption, kEnglish, Edition::Latin), "Copy block");
    EXPECT_STREQ(Text(UiText::MenuInstruction, kEnglish), "Instrustion");
    EXPECT_STREQ(LoadScopeCaption(0, Edition::Cyrillic, kRussian), "Только \"А - Я\", нормальный");
    EXPECT_STREQ(LoadScopeCaption(9, Edition::Latin, kEnglish), "Only \"A - Z\", \"a - z\"");
    EXPECT_EQ(LoadScopeCaption(7, Edition::Cyrillic, kRussian), nullptr);
}

}  // namespace
}  // namespace rw
