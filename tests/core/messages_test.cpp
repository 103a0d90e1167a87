// The program's own messages: one table in Russian and English, rendered where they are shown.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "edition/message.h"
#include "edition/texts.h"
#include "editor/font_import.h"
#include "editor/font_sheet.h"
#include "io/status.h"

namespace rw {
namespace {

constexpr int kMessageCount = static_cast<int>(MessageId::NoInstalledFontMatches) + 1;

// The blanks of a pattern: "{1|байт|байта|байт}" counts as blank 1.
std::multiset<char> Blanks(const std::string& pattern) {
    std::multiset<char> blanks;
    for (size_t at = pattern.find('{'); at != std::string::npos; at = pattern.find('{', at + 1))
        blanks.insert(pattern[at + 1]);
    return blanks;
}

TEST(Messages, EveryRowHasBothLanguagesWithTheSameBlanks) {
    for (int i = 0; i < kMessageCount; ++i) {
        const auto id = static_cast<MessageId>(i);
        const std::string russian = MessagePattern(id, kRussian);
        const std::string english = MessagePattern(id, kEnglish);
        EXPECT_FALSE(russian.empty()) << i;
        EXPECT_FALSE(english.empty()) << i;
        EXPECT_EQ(Blanks(russian), Blanks(english)) << english;
    }
}

// The status line's counts are in status_messages_test; here the forms hold more than a noun.
TEST(Messages, NumbersTakeTheWordsThatAgreeWithThem) {
    auto asked = [](int n) {
        return Render(Message{MessageId::SaveReplacesUnchanged, {"d.bin", std::to_string(n)}},
                      kRussian);
    };
    EXPECT_NE(asked(1).find("заменит ещё 1 букву, которую вы не меняли"), std::string::npos);
    EXPECT_NE(asked(2).find("2 буквы, которые"), std::string::npos);
    EXPECT_NE(asked(136).find("136 букв, которые"), std::string::npos);
}

TEST(Messages, TheStandardTextsReadTheSameInBothLanguages) {
    const Status standard = Status::Failure("a.bin", kFileNotFound);
    EXPECT_EQ(standard.Line(kRussian), "a.bin: File not found");
    EXPECT_EQ(standard.Line(kEnglish), "a.bin: File not found");
    const Status own = Status::Failure("a.bin", kInUse);
    EXPECT_EQ(own.Line(kRussian), "a.bin: файл занят другой программой");
    EXPECT_EQ(own.text(), "the file is in use by another program");
    EXPECT_TRUE(Message().empty());
    EXPECT_TRUE(Message::AsIs("").empty());
    EXPECT_FALSE(Message::AsIs("x").empty());
    EXPECT_TRUE(Status::Ok().WithNote(std::string()).note().empty());
}

TEST(Messages, TheLargeFontFileMessageNamesTheMenuItemAsTheMenuDoes) {
    for (int language : {kRussian, kEnglish}) {
        const std::string item = Text(UiText::MenuLoadFlash, language);
        EXPECT_NE(std::string(MessagePattern(MessageId::NotAFontFileToLoad, language))
                      .find("«" + item + "»"),
                  std::string::npos)
            << item;
    }
}

TEST(Messages, ImportProblemsInBothLanguagesAndTheirCounts) {
    FontImportReport report;
    EXPECT_EQ(Render(CountImportProblems(report), kEnglish),
              "Every character is in the font and fits");
    report.problems.push_back({U'Ж', false, true, true, false});
    report.problems.push_back({U'Є', true, true, false, false});
    EXPECT_EQ(DescribeImportProblems(report, kEnglish),
              (std::vector<std::string>{"U+0416 Ж: missing in bold, clipped in normal",
                                        "U+0404 Є: missing"}));
    EXPECT_EQ(DescribeImportProblems(report, kRussian),
              (std::vector<std::string>{"U+0416 Ж: нет в жирном, обрезан в нормальном",
                                        "U+0404 Є: нет в шрифте"}));
    EXPECT_EQ(Render(CountImportProblems(report), kRussian),
              "Будет обрезано символов: 1; нет в шрифте: 2");
}

// --- The import dialog's preview ---------------------------------------------------------------

TEST(BlockPreview, WrapsIntoEvenLinesNoWiderThanAskedAndKeepsEveryCell) {
    FontImage font;
    for (int k = 0; k < kMaxSlots; ++k)
        font.wide[1][k][3] = static_cast<uint16_t>(0x8000u >> k % 15);
    const FontSheetGeometry latin = FontSheetGeometry::Of(Edition::Latin, GlyphCell::Of(true, 11));
    const RgbImage strip = PaintFontSheet(font, latin, 3, 1, 1);
    ASSERT_EQ(strip.width, 37 * 17 * 3);  // 1887 pixels in one line
    const RgbImage wrapped = PaintBlockPreview(font, latin, 3, 1, 920);
    EXPECT_LE(wrapped.width, 920);
    EXPECT_EQ(wrapped.width, 13 * 17 * 3);  // 37 cells in three lines of 13, 13 and 11
    EXPECT_EQ(wrapped.height, 3 * strip.height);
    const int cell = 17 * 3;
    for (int slot = 0; slot < 37; ++slot) {
        for (int y = 0; y < strip.height; ++y) {
            for (int x = 0; x < cell; ++x) {
                const size_t from = (static_cast<size_t>(y) * strip.width + slot * cell + x) * 3;
                const size_t to =
                    (static_cast<size_t>(slot / 13 * strip.height + y) * wrapped.width +
                     slot % 13 * cell + x) *
                    3;
                ASSERT_EQ(wrapped.rgb[to], strip.rgb[from]) << slot;
            }
        }
    }
    // A strip that fits stays one line.
    const FontSheetGeometry narrow =
        FontSheetGeometry::Of(Edition::Cyrillic, GlyphCell::Of(false, 11));
    EXPECT_EQ(PaintBlockPreview(font, narrow, 3, 0, 920).width, 34 * 9 * 3);
}

}  // namespace
}  // namespace rw
