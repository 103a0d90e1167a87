// The texts of the help, history and About windows in both editions and languages.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "cyrillic_text.h"
#include "edition/info_texts.h"
#include "edition/texts.h"

namespace rw {
namespace {

using testing::HasCyrillic;

bool Contains(const std::vector<std::string>& paragraphs, const std::string& piece) {
    return std::any_of(paragraphs.begin(), paragraphs.end(),
                       [&](const std::string& p) { return p.find(piece) != std::string::npos; });
}

std::vector<std::string> Versions(const std::vector<VersionEntry>& history) {
    std::vector<std::string> versions;
    for (const VersionEntry& entry : history) versions.push_back(entry.version);
    return versions;
}

TEST(InfoTexts, CyrillicHistoryListsEveryVersionNewestFirst) {
    const auto history = VersionHistory(Edition::Cyrillic, kRussian);
    const std::vector<std::string> expected = {"4.01", "4.00", "3.42", "3.41", "3.40", "3.30",
                                               "3.20", "3.00", "2.10", "2.00", "1.00"};
    EXPECT_EQ(Versions(history), expected);
    ASSERT_EQ(history[1].changes.size(), 3u);
    EXPECT_EQ(history[1].changes[2], "* в комплект добавлена программа \"ENG-Full\"");
    EXPECT_EQ(history[5].changes.size(), 3u);
    EXPECT_EQ(history[6].changes.size(), 2u);
    // The double blank of 2.10 and the missing blank of 1.00 are as they were written.
    EXPECT_EQ(history[8].changes[0], "* добавлена поддержка шрифтов Small  и Browser");
    EXPECT_EQ(history[10].changes[0], "*исходная");
    for (const VersionEntry& entry : history) {
        EXPECT_FALSE(entry.changes.empty()) << entry.version;
        for (const std::string& line : entry.changes) EXPECT_EQ(line[0], '*') << line;
    }
    // The Cyrillic edition knows no English.
    EXPECT_EQ(Versions(VersionHistory(Edition::Cyrillic, kEnglish)), expected);
}

TEST(InfoTexts, LatinHistoryHasTwoVersionsInEachLanguage) {
    const auto russian = VersionHistory(Edition::Latin, kRussian);
    const auto english = VersionHistory(Edition::Latin, kEnglish);
    ASSERT_EQ(Versions(russian), (std::vector<std::string>{"4.01", "4.00"}));
    ASSERT_EQ(Versions(english), (std::vector<std::string>{"4.01", "4.00"}));
    EXPECT_EQ(russian[0].changes, std::vector<std::string>{"* добавлена поддержка шрифтов М50"});
    EXPECT_EQ(russian[1].changes, std::vector<std::string>{"* исходная версия"});
    EXPECT_EQ(english[0].changes, std::vector<std::string>{"* now M50 fonts are supported"});
    EXPECT_EQ(english[1].changes, std::vector<std::string>{"* this version"});
}

TEST(InfoTexts, VersionHeadingFramesTheNumber) {
    EXPECT_EQ(VersionHeading("4.01"), "- v4.01 -");
    EXPECT_EQ(VersionHeading("1.00"), "- v1.00 -");
}

TEST(InfoTexts, CyrillicHelpHasTheWideFontAndShiftedLetterNotes) {
    const auto help = HelpParagraphs(Edition::Cyrillic, kRussian);
    EXPECT_EQ(help.size(), 8u);
    EXPECT_TRUE(Contains(help,
                         "Все русские шрифты для С45 и M50 - широкие, такие, как шрифт Big, "
                         "но разной высоты"));
    EXPECT_TRUE(Contains(help, "В сименсах C/M/S 35 отсутствуют буквы Ё, ё, Є, є."));
    EXPECT_TRUE(Contains(help, "В C/M нету жирного начертания для шрифта Small. "));
    EXPECT_TRUE(Contains(help, "\"Є\""));
    EXPECT_EQ(HelpParagraphs(Edition::Cyrillic, kEnglish), help);
}

TEST(InfoTexts, LatinHelpLeavesOutTheCyrillicOnlyNotes) {
    const auto russian = HelpParagraphs(Edition::Latin, kRussian);
    EXPECT_EQ(russian.size(), 5u);
    EXPECT_FALSE(Contains(russian, "широкие"));
    EXPECT_FALSE(Contains(russian, "В C/M нету"));
    EXPECT_TRUE(Contains(russian, "В сименсах C/M/S 35 отсутствуют буквы Ё, ё, Є, є."));
    // Here the note on the 35 series also says that they lack a bold Small font.
    EXPECT_TRUE(Contains(russian, "Жирного начертания шрифта Small"));
}

TEST(InfoTexts, EnglishHelpIsEnglishAndEndsWithTheBoldSmallNote) {
    const auto english = HelpParagraphs(Edition::Latin, kEnglish);
    ASSERT_EQ(english.size(), 5u);
    EXPECT_EQ(english.back(), "Bold type characters for Small font is not present in C/M 35.");
    for (const std::string& p : english) EXPECT_FALSE(HasCyrillic(p)) << p;
    EXPECT_FALSE(Contains(english, "1.0"));  // no opening paragraph
    EXPECT_TRUE(Contains(english, "Browser"));
}

TEST(InfoTexts, AcknowledgementsAreSixNumberedParagraphs) {
    for (Language language : {kRussian, kEnglish}) {
        const auto paragraphs = Acknowledgements(Edition::Latin, language);
        ASSERT_EQ(paragraphs.size(), 6u);
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(paragraphs[i].rfind(std::to_string(i + 1) + ". ", 0), 0u) << paragraphs[i];
            EXPECT_EQ(HasCyrillic(paragraphs[i]), language == kRussian) << paragraphs[i];
        }
    }
    EXPECT_EQ(Acknowledgements(Edition::Cyrillic, kEnglish),
              Acknowledgements(Edition::Latin, kRussian));
}

TEST(InfoTexts, AboutTitleCarriesTheEditionMark) {
    EXPECT_EQ(AboutTitle(Edition::Cyrillic), "Runewright v4.01 \"RUS-Full\" (SmallNormalWapBig)");
    EXPECT_EQ(AboutTitle(Edition::Latin), "Runewright v4.01 \"ENG-Full\" (SmallNormalWapBig)");
}

}  // namespace
}  // namespace rw
