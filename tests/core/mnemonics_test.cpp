// The Alt+letter marks of the menus: one per caption, free letters first, words' first letters
// first, in both alphabets.
#include <gtest/gtest.h>

#include "edition/mnemonics.h"

namespace rw {
namespace {

using Captions = std::vector<std::string>;

TEST(Mnemonics, EachCaptionTakesAFreeLetterPreferringTheStartOfAWord) {
    EXPECT_EQ(
        WithMnemonics({"File", "Edit", "Font (Normal)", "Phone (S/ME 45)", "Tools", "Info"}),
        (Captions{"&File", "&Edit", "F&ont (Normal)", "&Phone (S/ME 45)", "&Tools", "&Info"}));
    // Cyrillic in either case counts as one key; Ё too.
    EXPECT_EQ(WithMnemonics({"Файл", "файлы", "Ёлка", "ёж"}),
              (Captions{"&Файл", "ф&айлы", "&Ёлка", "ё&ж"}));
    EXPECT_EQ(WithMnemonics({"Загрузить шрифт", "Записать шрифт"}),
              (Captions{"&Загрузить шрифт", "Записать &шрифт"}));
}

TEST(Mnemonics, AmpersandsAndEarlierMarksAreKeptApart) {
    EXPECT_EQ(WithMnemonics({"&&Co", "Normal && Big"}), (Captions{"&&&Co", "&Normal && Big"}));
    // Marking again gives the same marks.
    const Captions once = WithMnemonics({"Undo: Drawing", "Redo", "Flip"});
    EXPECT_EQ(WithMnemonics(once), once);
    EXPECT_EQ(WithoutMnemonic("&Undo && more"), "Undo && more");
}

TEST(Mnemonics, ACaptionWithoutAFreeLetterSharesItsFirstOne) {
    EXPECT_EQ(WithMnemonics({"All", "Al", "A", "100 %", "-"}),
              (Captions{"&All", "A&l", "&A", "&100 %", "-"}));
}

}  // namespace
}  // namespace rw
