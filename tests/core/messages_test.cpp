// The program's own messages: one table in Russian and English, rendered where they are shown.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "cyrillic_text.h"
#include "edition/message.h"
#include "edition/texts.h"
#include "editor/font_sheet.h"
#include "editor/glyph_import.h"
#include "io/file_io.h"
#include "io/journal_messages.h"
#include "io/status.h"

namespace rw {
namespace {

constexpr int kMessageCount = static_cast<int>(kLastMessageId) + 1;

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

using testing::HasCyrillic;

// A row whose Russian is missing or was left in English would show English in the Russian
// interface; only the text shown as it is reads the same in both.
TEST(Messages, EveryRowIsTranslatedAndRendersWithItsBlanksFilled) {
    for (int i = 1; i < kMessageCount; ++i) {
        const auto id = static_cast<MessageId>(i);
        const std::string english = MessagePattern(id, kEnglish);
        const Message filled{id, {"d.bin", "3", "700"}, {Message::AsIs("File not found")}};
        const std::string russian = Render(filled, kRussian);
        EXPECT_TRUE(HasCyrillic(russian)) << english;
        EXPECT_NE(russian, Render(filled, kEnglish)) << english;
        EXPECT_EQ(russian.find('{'), std::string::npos) << russian;
    }
    EXPECT_EQ(Render(Message::AsIs("File not found"), kRussian), "File not found");
}

// A message that wraps a failure shows it in the same language; a standard text stays as it is.
TEST(Messages, AWrappedFailureIsShownInTheSameLanguage) {
    const Status in_use = Status::Failure("d.bin.rwj", kInUse);
    const Status wrapped = JournalUnreadable("d.bin", "/tmp/d.bin.rwj", in_use);
    EXPECT_EQ(wrapped.Line(kRussian),
              "d.bin: файл занят другой программой (при чтении журнала d.bin.rwj)");
    EXPECT_EQ(wrapped.Line(kEnglish),
              "d.bin: the file is in use by another program (reading its journal d.bin.rwj)");
    const Status denied = Status::Failure("d.bin", kFileAccessDenied);
    EXPECT_EQ(JournalWaitsForAWritableImage("d.bin", "d.bin.rwj", denied).Line(kRussian),
              "d.bin: File access denied: сначала в файл нужно вернуть d.bin.rwj, оставшийся от "
              "прерванной записи; чтобы продолжить, разрешите запись в файл");
    const Message twice{MessageId::JournalNotWritten, {"a.rwj"}, {wrapped.message()}};
    EXPECT_EQ(Render(twice, kEnglish),
              "the file is in use by another program (reading its journal d.bin.rwj) (writing its "
              "journal a.rwj)");
}

// Every message of the rollback journal, in both languages: Russian in the Russian interface,
// and in English word for word what the command-line tool has always printed.
TEST(Messages, TheJournalSpeaksBothLanguages) {
    const std::string image = "/home/u/d.bin";
    const std::string journal = "/home/u/d.bin.rwj";
    const Status cause = Status::Failure(journal, kFileAccessDenied);
    const std::vector<Status> told = {
        UntrustedJournal(image, journal, JournalDistrust::SymbolicLink, "alice"),
        UntrustedJournal(image, journal, JournalDistrust::NotRegularFile, "alice"),
        UntrustedJournal(image, journal, JournalDistrust::AnotherUsers, "alice"),
        UntrustedJournal(image, journal, JournalDistrust::WritableByOthers, "alice"),
        JournalOfAnotherFile(image, journal),
        DamagedJournal(image, journal),
        JournalDoesNotFit(image, journal, 21, 742950),
        JournalUnreadable(image, journal, cause),
        JournalNotWritten(image, journal, cause),
        JournalNotRemovedAfterSave(image, journal, cause),
        RolledBackJournalStays(image, journal, cause),
        JournalWaitsForAWritableImage(image, journal, cause),
        PartlyWrittenFailure(image, journal),
        Status::Ok().WithNote(RolledBackNote(image, journal)),
        FolderFailure("/home/u/dumps/"),
    };
    for (const Status& status : told) {
        const Message& said = status.ok() ? status.note() : status.message();
        EXPECT_NE(said.id, MessageId::AsIs) << status.text();
        EXPECT_TRUE(HasCyrillic(Render(said, kRussian))) << Render(said, kEnglish);
    }
    EXPECT_EQ(told[0].Line(kRussian),
              image +
                  ": d.bin.rwj — символическая ссылка: журналу нет доверия, ничего не прочитано и "
                  "не записано; файл может быть записан наполовину, и если убрать d.bin.rwj, он "
                  "таким и останется");
    EXPECT_EQ(told[0].Line(kEnglish),
              image +
                  ": d.bin.rwj is a symbolic link: it is not trusted, nothing is read or written; "
                  "the image may be half-written, and moving d.bin.rwj away leaves it so");
    // A refused journal names its owner and what finishes the rollback.
    EXPECT_EQ(told[2].Line(kEnglish),
              image +
                  ": d.bin.rwj was left by alice, who may not write this image: it is not "
                  "trusted, nothing is read or written; the image may be half-written: "
                  "\"runewright-cli recover\" run by alice or root finishes the rollback (moving "
                  "d.bin.rwj away leaves the image as it is)");
    EXPECT_EQ(told[6].Line(kRussian),
              image +
                  ": d.bin.rwj не подходит к этому файлу: в 21 байте из тех, что он "
                  "охватывает, нет ни прежних данных, ни записанных прерванной записью "
                  "(первый — по смещению 742950); ничего не записано: сверьте файл с "
                  "резервной копией, затем уберите d.bin.rwj");
    EXPECT_EQ(told[6].text(),
              "d.bin.rwj does not fit this image: 21 of its bytes hold neither what they held "
              "before the interrupted save nor what it wrote (the first at offset 742950); nothing "
              "is written: check the image against your backup, then move d.bin.rwj away");
    EXPECT_EQ(told[10].text(),
              "the image was put back, but d.bin.rwj could not be removed (File access denied): "
              "remove it to go on");
    EXPECT_TRUE(told[12].partly_written());
    EXPECT_EQ(told[12].text(),
              "the image is partly written; its original bytes are kept in d.bin.rwj; do not "
              "flash it");
    EXPECT_EQ(told[14].Line(kRussian), "/home/u/dumps/: это папка, а не файл");
    EXPECT_EQ(told[14].text(), "a folder, not a file");
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

TEST(Messages, MessagesThatSendToAMenuItemNameItAsTheMenuDoes) {
    const std::pair<MessageId, UiText> kSendsTo[] = {
        {MessageId::NotAFontFileToLoad, UiText::MenuLoadFlash},
        {MessageId::FontFileOfOtherForm, UiText::MenuLoadFontFile},
    };
    for (const auto& [message, item_id] : kSendsTo) {
        for (Language language : {kRussian, kEnglish}) {
            const std::string item = Text(item_id, language);
            EXPECT_NE(std::string(MessagePattern(message, language)).find("«" + item + "»"),
                      std::string::npos)
                << item;
        }
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
