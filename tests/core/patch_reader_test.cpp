// Reading V_Klay patches: every corner of the syntax modders write, and every fault named by file
// and line.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "patch/patch_problems.h"
#include "patch/patch_reader.h"
#include "patch_text.h"

namespace rw {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes Of(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

// Read as "t.vkp", the name the expected messages give.
Patch ReadTextPatch(const std::string& text) {
    return testing::ReadPatchOrFail(text, "t.vkp");
}

// The new bytes of a patch of one data line.
Bytes NewBytes(const std::string& text) {
    const Patch patch = ReadTextPatch(text);
    return patch.lines.size() == 1 ? patch.lines[0].new_bytes.ToVector() : Bytes{};
}

std::string Fault(const std::string& text) {
    Patch patch;
    const Status status = ReadPatchText(text, "t.vkp", &patch);
    EXPECT_FALSE(status.ok()) << text;
    EXPECT_TRUE(patch.lines.empty()) << "a refused patch leaves the result alone";
    return status.Line(kEnglish);
}

TEST(PatchReader, DataLinesKeepTheirAddressOldAndNewBytesAndLine) {
    const Patch patch = ReadTextPatch(
        "; a font patch\r\n"
        "0B5626: 0718 0818      ; А, normal\r\n"
        "\r\n"
        "0x0B5633:053C 063E\r\n"
        "5BB77: 46525452 4652 // old data longer than the new\r\n"
        "10: FF\r\n");
    ASSERT_EQ(patch.lines.size(), 4u);
    EXPECT_EQ(patch.name, "t.vkp");
    EXPECT_EQ(patch.lines[0].address, 0x0B5626u);
    EXPECT_EQ(patch.lines[0].old_bytes, (Bytes{0x07, 0x18}));
    EXPECT_EQ(patch.lines[0].new_bytes, (Bytes{0x08, 0x18}));
    EXPECT_EQ(patch.lines[0].line, 2);
    EXPECT_EQ(patch.lines[1].address, 0x0B5633u);
    EXPECT_EQ(patch.lines[1].line, 4);
    EXPECT_EQ(patch.lines[2].old_bytes->size(), 4u);
    EXPECT_EQ(patch.lines[2].ExpectedOld(), (Bytes{0x46, 0x52}));
    EXPECT_FALSE(patch.lines[3].old_bytes);
    EXPECT_FALSE(patch.lines[3].HasOldData());

    // LF alone reads the same, line for line.
    std::string lf = "; a font patch\n0B5626: 0718 0818\n\n0x0B5633:053C 063E\n";
    const Patch unix_patch = ReadTextPatch(lf);
    EXPECT_EQ(unix_patch.lines[1].line, 4);
    EXPECT_EQ(unix_patch.lines[1].new_bytes, (Bytes{0x06, 0x3E}));
}

TEST(PatchReader, NumbersAreLittleEndianInTheSizeTheirDigitsGive) {
    EXPECT_EQ(NewBytes("10: 0x1234"), (Bytes{0x34, 0x12}));
    EXPECT_EQ(NewBytes("10: 0x1"), (Bytes{0x01}));
    EXPECT_EQ(NewBytes("10: 0x12345"), (Bytes{0x45, 0x23, 0x01}));
    EXPECT_EQ(NewBytes("10: 0XB1C2D3E4"), (Bytes{0xE4, 0xD3, 0xC2, 0xB1}));
    EXPECT_EQ(NewBytes("10: 0i8"), (Bytes{8}));
    EXPECT_EQ(NewBytes("10: 0i015"), (Bytes{15}));
    EXPECT_EQ(NewBytes("10: 0i255"), (Bytes{255}));
    EXPECT_EQ(NewBytes("10: 0i00300"), (Bytes{0x2C, 0x01}));
    EXPECT_EQ(NewBytes("10: 0i16777215"), (Bytes{0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(NewBytes("10: 0i4294967295"), (Bytes{0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(NewBytes("10: 0i18446744073709551615"), Bytes(8, 0xFF));
    EXPECT_EQ(NewBytes("10: 0i-00255"), (Bytes{0x01, 0xFF}));
    EXPECT_EQ(NewBytes("10: 0i-128"), (Bytes{0x80}));
    EXPECT_EQ(NewBytes("10: 0i+127"), (Bytes{0x7F}));
    EXPECT_EQ(NewBytes("10: 0i-09223372036854775808"), (Bytes{0, 0, 0, 0, 0, 0, 0, 0x80}));
    EXPECT_EQ(NewBytes("10: 0n0100101"), (Bytes{0x25}));
    EXPECT_EQ(NewBytes("10: 0n100000001"), (Bytes{0x01, 0x01}));
    EXPECT_EQ(NewBytes("10: 0n11111111111111111111111111111111"), Bytes(4, 0xFF));
}

TEST(PatchReader, StringsGiveTheirBytesOrUtf16AndEscapes) {
    // "..." bytes as they stand in the file (Windows-1251 "Ж" is C6); '...' as UTF-16LE.
    EXPECT_EQ(NewBytes("10: \"AB\xC6\""), (Bytes{'A', 'B', 0xC6}));
    EXPECT_EQ(NewBytes("10: 'A\xC6'"), (Bytes{'A', 0, 0x16, 0x04}));
    EXPECT_EQ(NewBytes("10: '\\u0416\\x41\\0'"), (Bytes{0x16, 0x04, 0x41, 0, 0, 0}));
    EXPECT_EQ(NewBytes("10: \"\\n\\r\\t\\a\\b\\v\\f\\e\\\\\\\"\\'\\/\\*\""),
              (Bytes{'\n', '\r', '\t', '\a', '\b', '\v', '\f', 0x1B, '\\', '"', '\'', '/', '*'}));
    EXPECT_EQ(NewBytes("10: \"\\x7F\\101\\0\\377\""), (Bytes{0x7F, 'A', 0, 0xFF}));
    EXPECT_EQ(NewBytes("10: \"\\/\\* no comment \\*\\/\""), Of("/* no comment */"));
    EXPECT_EQ(NewBytes("10: \"a;b#c\""), Of("a;b#c"));
    // Items follow one another without spaces; commas between them are ignored.
    EXPECT_EQ(NewBytes("B0: \"SH\",\"\\'\",00,\"Y\"00"), (Bytes{'S', 'H', '\'', 0, 'Y', 0}));
}

TEST(PatchReader, CommasJoinAndABackslashContinuesTheLine) {
    const Patch patch = ReadTextPatch(
        "0803FCC: 2A1C0121 0x0201,0000\n"
        "10: FF, 00 , 11\n"
        "20: 0718 \\\n"
        "    0818\n"
        "30: 0xB1C2D3E4,0000,\\ ; a comment after the backslash\n"
        "\"{patch\\\n"
        "=1}\",00\n"
        "40: 00 11\n");
    ASSERT_EQ(patch.lines.size(), 5u);
    EXPECT_EQ(patch.lines[0].old_bytes, (Bytes{0x2A, 0x1C, 0x01, 0x21}));
    EXPECT_EQ(patch.lines[0].new_bytes, (Bytes{0x01, 0x02, 0x00, 0x00}));
    EXPECT_EQ(patch.lines[1].new_bytes, (Bytes{0xFF, 0x00, 0x11}));
    EXPECT_EQ(patch.lines[2].old_bytes, (Bytes{0x07, 0x18}));
    EXPECT_EQ(patch.lines[2].new_bytes, (Bytes{0x08, 0x18}));
    Bytes joined = {0xE4, 0xD3, 0xC2, 0xB1, 0, 0};
    for (const uint8_t c : Of("{patch=1}")) joined.push_back(c);
    joined.push_back(0);
    EXPECT_EQ(patch.lines[3].new_bytes, joined);
    EXPECT_FALSE(patch.lines[3].old_bytes);
    EXPECT_EQ(patch.lines[4].line, 8);
}

TEST(PatchReader, CommentsOfEveryKindAndLinesCountedThroughThem) {
    const Patch patch = ReadTextPatch(
        "/* a header\n"
        "   over lines; 10: FF 00 is no data here\n"
        "*/\n"
        "# a hash comment\n"
        "// a slash comment\n"
        "10: /* inline */ 07 /* old */ 08 # new\n"
        "20: 07 08;no space needed after hex bytes\n"
        "# a #pragma inside a comment is none (a misspelt one is a fault, see below)\n"
        "/**/30: 07 08\n");
    ASSERT_EQ(patch.lines.size(), 3u);
    EXPECT_EQ(patch.lines[0].line, 6);
    EXPECT_EQ(patch.lines[0].old_bytes, Bytes{0x07});
    EXPECT_EQ(patch.lines[0].new_bytes, Bytes{0x08});
    EXPECT_EQ(patch.lines[1].new_bytes, Bytes{0x08});
    EXPECT_EQ(patch.lines[2].line, 9);
    // A byte order mark some editors put first is no token.
    EXPECT_EQ(ReadTextPatch("\xEF\xBB\xBF"
                            "10: 00 01\n")
                  .lines.size(),
              1u);
}

TEST(PatchReader, CorrectorsMoveTheLinesAfterThemAndReplaceEachOther) {
    const Patch patch = ReadTextPatch(
        "10: 00 01\n"
        "+100\n"
        "10: 00 01\n"
        "-0x8\n"
        "10: 00 01\n"
        "+0\n"
        "10: 00 01\n");
    ASSERT_EQ(patch.lines.size(), 4u);
    EXPECT_EQ(patch.lines[0].address, 0x10u);
    EXPECT_EQ(patch.lines[1].address, 0x110u);
    EXPECT_EQ(patch.lines[2].address, 0x8u) << "a corrector replaces the one before";
    EXPECT_EQ(patch.lines[3].address, 0x10u);
    EXPECT_TRUE(patch.warnings.empty());
}

TEST(PatchReader, PragmasHoldFromWhereTheyStand) {
    const Patch patch = ReadTextPatch(
        "10: 00 01\n"
        "#pragma enable old_equal_ff\n"
        "20: 0102\n"
        "#pragma  disable\tundo ; comment\n"
        "30: 00 01\n"
        "#pragma disable old_equal_ff\n"
        "#pragma enable undo\n"
        "40: 00 01\n");
    ASSERT_EQ(patch.lines.size(), 4u);
    EXPECT_EQ(patch.lines[0].pragmas, PatchPragmas{});
    EXPECT_TRUE(patch.lines[1].pragmas.old_equal_ff);
    EXPECT_TRUE(patch.lines[1].HasOldData());
    EXPECT_EQ(patch.lines[1].ExpectedOld(), (Bytes{0xFF, 0xFF}));
    EXPECT_FALSE(patch.lines[2].pragmas.undo);
    EXPECT_EQ(patch.lines[3].pragmas, PatchPragmas{});
    EXPECT_TRUE(patch.warnings.empty()) << "old_equal_ff gives line 3 its old data";
}

TEST(PatchReader, WarningsForLinesWithoutOldDataAndStateLeftOnAtTheEnd) {
    const Patch patch = ReadTextPatch(
        "10: 01\n"
        "#pragma disable warn_no_old_on_apply\n"
        "20: 01\n"
        "+100\n"
        "30: 00 01\n");
    ASSERT_EQ(patch.warnings.size(), 3u);
    EXPECT_EQ(WarningMessage(patch.name, patch.warnings[0], kEnglish),
              "t.vkp:1: warning: no old data: the line is not checked before it is written and "
              "cannot be undone");
    EXPECT_EQ(WarningMessage(patch.name, patch.warnings[1], kEnglish),
              "t.vkp:4: warning: the corrector +000100 is not ended with +0");
    EXPECT_EQ(WarningMessage(patch.name, patch.warnings[2], kEnglish),
              "t.vkp:2: warning: #pragma disable warn_no_old_on_apply is not put back before the "
              "end");
}

// What an editor or a typo makes of a patch is refused, naming the line, rather than read as
// something the author did not write.
TEST(PatchReader, PatchesAreReadAsWritten) {
    // After a UTF-8 byte order mark the strings are UTF-8: "Ж" is the one byte C6, not D0 96.
    const Patch utf8 = ReadTextPatch(
        "\xEF\xBB\xBF"
        "10: \"\xD0\x96\xD1\x8F!\" 'Ж'\n");
    ASSERT_EQ(utf8.lines.size(), 1u);
    EXPECT_EQ(utf8.lines[0].old_bytes, (Bytes{0xC6, 0xFF, '!'}));
    EXPECT_EQ(utf8.lines[0].new_bytes, (Bytes{0x16, 0x04}));
    // Without the mark the same bytes are Windows-1251 as ever.
    EXPECT_EQ(NewBytes("10: \"\xD0\x96\""), (Bytes{0xD0, 0x96}));

    const std::vector<std::pair<std::string, std::string>> cases = {
        {"\xEF\xBB\xBF\n10: \"\xE5\xAD\x97\"",
         "t.vkp:2: the character \"\xE5\xAD\x97\" has no Windows-1251 byte"},
        {"\xEF\xBB\xBF"
         "10: \"\xD0\"",
         "t.vkp:1: bytes that are not UTF-8 in a string of a file that starts with a UTF-8 mark"},
        // A misspelt pragma would leave the switch as it was.
        {"#pragmaenable old_equal_ff\n10: 00",
         "t.vkp:1: #pragma takes enable or disable and a name"},
        {"10: 00\n  #pragma\tenable_old_equal_ff",
         "t.vkp:2: #pragma takes enable or disable and a name"},
        {"10: 00\n#pragma enable old_equal_ff ;x\n#pragma enable\n",
         "t.vkp:3: #pragma takes enable or disable and a name"},
        // After a continuation the next line is data: the pragma would never start.
        {"10: 00 \\\n#pragma enable old_equal_ff\n20: 01",
         "t.vkp:2: #pragma after a \"\\\" continuation of a data line: end the data line before "
         "it"},
        // A lone CR: a comment would swallow the next data line, data would join two lines.
        {"; comment\r10: 00 01\r\n",
         "t.vkp:1: line ends of a lone CR: save the patch with CR LF or LF"},
        {"10: 00\r\n20: 00 \r01\n",
         "t.vkp:2: line ends of a lone CR: save the patch with CR LF or LF"},
        {"10: 00\r", "t.vkp:1: line ends of a lone CR: save the patch with CR LF or LF"},
        // UTF-16, with its mark or without.
        {std::string("\xFF\xFE"
                     "1\0"
                     "0\0:\0",
                     8),
         "t.vkp:1: a UTF-16 text: save it as Windows-1251 or UTF-8"},
        {std::string("1\0"
                     "0\0:\0",
                     6),
         "t.vkp:1: a UTF-16 text: save it as Windows-1251 or UTF-8"},
        {std::string("\0"
                     "1\0"
                     "0",
                     4),
         "t.vkp:1: a UTF-16 text: save it as Windows-1251 or UTF-8"},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(Fault(text), expected) << text;
    // A comment that names a pragma is still a comment; "# " lines are comments.
    EXPECT_EQ(ReadTextPatch("; #pragma enable old_equal_ff\n# pragma notes\n10: 00\n")
                  .lines[0]
                  .pragmas.old_equal_ff,
              false);
}

TEST(PatchReader, EveryFaultIsOneLineNamingTheFileAndTheLine) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"10: 0718 081800", "t.vkp:1: old data (2 bytes) shorter than new data (3 bytes)"},
        {"\n10: 0718A", "t.vkp:2: odd number of hex digits in 0718A"},
        {"10: 00 NN ; fill in the profile",
         "t.vkp:1: placeholder \"NN\" in the data: put a value "
         "in its place"},
        {"10: ?? 00", "t.vkp:1: placeholder \"??\" in the data: put a value in its place"},
        {"10: 201C NN20", "t.vkp:1: placeholder \"NN20\" in the data: put a value in its place"},
        {"Version: 4", "t.vkp:1: unknown token \"Version:\""},
        {"+---+-----+", "t.vkp:1: unknown token \"+---+-----+\""},
        {"10: 00 $1", "t.vkp:1: unknown token \"$1\""},
        {"10: 00\\ x", "t.vkp:1: unknown token \"\\\""},
        {"10: 00*/", "t.vkp:1: unknown token \"*/\""},
        {"10 00 01", "t.vkp:1: a colon must follow the address 10"},
        {"10: 0x123456789", "t.vkp:1: 0x123456789 has more than 8 hex digits"},
        {"10: 0x12G4", "t.vkp:1: 0x12G4 is not a hexadecimal number"},
        {"10: 0x", "t.vkp:1: 0x is not a hexadecimal number"},
        {"10: 0i1234",
         "t.vkp:1: 0i1234 has 4 digits: a decimal number takes up to 3 digits for "
         "one byte, or 5, 8, 10, 13, 15, 17 or 20 (leading zeros count)"},
        {"10: 0i256", "t.vkp:1: 0i256 does not fit in 1 byte"},
        {"10: 0i-129", "t.vkp:1: 0i-129 does not fit in 1 byte"},
        {"10: 0i65536", "t.vkp:1: 0i65536 does not fit in 2 bytes"},
        {"10: 0i99999999999999999999", "t.vkp:1: 0i99999999999999999999 does not fit in 8 bytes"},
        {"10: 0i12a", "t.vkp:1: 0i12a is not a decimal number"},
        {"10: 0n012", "t.vkp:1: 0n012 is not a binary number"},
        {"10: 0n" + std::string(33, '1'),
         "t.vkp:1: 0n" + std::string(22, '1') + "... has more than 32 binary digits"},
        {"10: 0x12;comment", "t.vkp:1: a comment right after 0x12 needs a space before it"},
        {"10: 0i015//c", "t.vkp:1: a comment right after 0i015 needs a space before it"},
        {"10: \"a\\q\"", "t.vkp:1: unknown escape \\q"},
        {"10: \"\\x80\"", "t.vkp:1: escape \\x80 in a \"...\" string: at most \\x7F there"},
        {"10: \"\\400\"", "t.vkp:1: escape \\400 is past one byte"},
        {"10: '\\u04'", "t.vkp:1: incomplete escape \\u04"},
        {"10: \"\\x\"", "t.vkp:1: incomplete escape \\x"},
        {"\n10: \"abc\n20: 00", "t.vkp:2: unterminated string"},
        {"10: 'abc", "t.vkp:1: unterminated string"},
        {"10: \"http://x\"",
         "t.vkp:1: unescaped /*, */ or // in a string: write them as \\/\\*, \\*\\/ and \\/\\/"},
        {"10: 00 01\n/* a comment\nthat never ends",
         "t.vkp:2: unterminated comment: /* without */"},
        {"100000000: 00", "t.vkp:1: address 100000000 is past 32 bits"},
        {"+100000000", "t.vkp:1: corrector +100000000 is past 32 bits"},
        {"-20\n10: 00", "t.vkp:2: address 000010 with the corrector -000020 is outside 32 bits"},
        {"+FFFFFFFF\n10: 00",
         "t.vkp:2: address 000010 with the corrector +FFFFFFFF is outside "
         "32 bits"},
        {"FFFFFFFF: 0000 1122", "t.vkp:1: the data at FFFFFFFF run past 32 bits"},
        {"{\\rtf1\\ansi\\deff0 10: 00}", "t.vkp:1: an RTF document: save it as plain text"},
        {"; nothing but comments\r\n", "t.vkp: no data line in the patch"},
        {"", "t.vkp: no data line in the patch"},
        {"10: 00 11 22",
         "t.vkp:1: a third data group \"22\": a data line holds old and new data "
         "at most"},
        {"10:", "t.vkp:1: no data after the address"},
        {"10: ; nothing", "t.vkp:1: no data after the address"},
        {"10: \"\"", "t.vkp:1: an empty data group"},
        {"10: ,", "t.vkp:1: an empty data group"},
        {"#pragma enable foo", "t.vkp:1: unknown #pragma name foo"},
        {"#pragma", "t.vkp:1: #pragma takes enable or disable and a name"},
        {"#pragma switch undo", "t.vkp:1: #pragma takes enable or disable and a name"},
        {"#pragma enable undo now", "t.vkp:1: unknown token \"now\""},
        {"+10 20", "t.vkp:1: unknown token \"20\""},
        {"/*\n\n*/\n10: 0718A", "t.vkp:4: odd number of hex digits in 0718A"},
        {"10: 00 \\\n XX", "t.vkp:2: placeholder \"XX\" in the data: put a value in its place"},
        {"10: 00 01\n\xC2\xFB\xE1\xEE\xF0", "t.vkp:2: unknown token \"Выбор\""},
    };
    for (const auto& [text, message] : cases) {
        EXPECT_EQ(Fault(text), message) << text;
        EXPECT_EQ(message.find('\n'), std::string::npos);
    }
}

// The window shows a patch's faults and warnings in its own language; the place and the words
// quoted from the patch stay as they are.
TEST(PatchReader, FaultsAndWarningsReadInRussianToo) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"10: 00 01\n20: 0011 223344", "t.vkp:2: старые данные (2 байта) короче новых (3 байта)"},
        {"10: 0i1234",
         "t.vkp:1: 0i1234: 4 цифры, а в десятичном числе их до 3 на один байт либо "
         "5, 8, 10, 13, 15, 17 или 20 (ведущие нули считаются)"},
        {"10: 00 XX", "t.vkp:1: заполнитель «XX» в данных: впишите вместо него значение"},
        {"{\\rtf1\\ansi", "t.vkp:1: документ RTF: сохраните его как обычный текст"},
        {"; nothing but a comment", "t.vkp: в патче нет ни одной строки данных"},
    };
    for (const auto& [text, message] : cases) {
        Patch patch;
        EXPECT_EQ(ReadPatchText(text, "t.vkp", &patch).Line(kRussian), message) << text;
    }
    Patch patch;
    ASSERT_TRUE(ReadPatchText("10: 01\n", "t.vkp", &patch).ok());
    EXPECT_EQ(WarningMessage(patch.name, patch.warnings[0], kRussian),
              "t.vkp:1: предупреждение: нет старых данных: строка не проверяется перед записью, "
              "и её нельзя отменить");
}

TEST(PatchReader, AFileIsReadWholeAndNamedByItsPath) {
    Patch patch;
    EXPECT_EQ(ReadPatchFile("/nonexistent/p.vkp", &patch).Line(kEnglish),
              "/nonexistent/p.vkp: File not found");
}

}  // namespace
}  // namespace rw

namespace rw {
namespace {

// The window's patch import shows the reading's progress and may cancel it.
TEST(PatchReader, ReportsItsProgressAndStopsWhenAsked) {
    std::string text;
    for (int i = 0; i < 300000; ++i) text += "000010: 00 01\r\n";
    std::vector<double> told;
    Patch patch;
    ASSERT_TRUE(ReadPatchText(text, "big.vkp", &patch, [&told](double done) {
                    told.push_back(done);
                    return true;
                }).ok());
    ASSERT_GE(told.size(), 3u);
    EXPECT_TRUE(std::is_sorted(told.begin(), told.end()));
    EXPECT_GT(told.front(), 0.0);
    EXPECT_LE(told.back(), 1.0);
    EXPECT_EQ(patch.lines.size(), 300000u);

    Patch kept;
    kept.name = "kept";
    int calls = 0;
    const Status cancelled =
        ReadPatchText(text, "big.vkp", &kept, [&calls](double) { return ++calls < 2; });
    EXPECT_TRUE(IsCancelledRead(cancelled));
    EXPECT_EQ(cancelled.Line(kEnglish), "big.vkp: cancelled: nothing changed");
    EXPECT_EQ(kept.name, "kept");
    EXPECT_TRUE(kept.lines.empty());
    EXPECT_FALSE(IsCancelledRead(Status::Ok()));
}

// A patch of one-byte lines without old data warns for the first twenty and counts the rest:
// four million lines printed half a gigabyte of warnings.
TEST(PatchReader, WarningsOfAKindStopAtTwentyAndTheRestAreCounted) {
    std::string text;
    for (int i = 0; i < 1000; ++i) text += "000010: 01\n";
    const Patch patch = ReadTextPatch(text);
    EXPECT_EQ(patch.warnings.size(), 20u);
    EXPECT_EQ(patch.more_lines_without_old_data, 980);
    const std::vector<std::string> lines = WarningLines(patch, kEnglish);
    ASSERT_EQ(lines.size(), 21u);
    EXPECT_EQ(lines[19],
              "t.vkp:20: warning: no old data: the line is not checked before it is written and "
              "cannot be undone");
    EXPECT_EQ(lines[20], "\u2026 and 980 more lines without old data");
}

}  // namespace
}  // namespace rw
