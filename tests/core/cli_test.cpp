#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "cli/cli.h"
#include "cli_run.h"
#include "edition/terminal_text.h"
#include "io/flash_codec.h"
#include "io/font_files.h"
#include "io/rollback_journal.h"
#include "journal_test_support.h"
#include "test_files.h"

namespace rw {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

using testing::Cli;
using testing::CliRun;

class CliTest : public ::testing::Test {
  protected:
    std::string Image(Edition e, PhoneModel m, FontKind k, uint32_t seed, int64_t trim = 0) {
        const FontLayout l = LookupLayout(e, m, k);
        const auto records = RecordsToRead(e, l, BlockSet::FirstN(8));
        auto bytes = testing::RandomBytes(
            static_cast<size_t>(RequiredImageSize(records, l) + 5 - trim), seed);
        const std::string path = dir_.File("flash" + std::to_string(seed) + ".bin");
        WriteBytes(path, bytes);
        return path;
    }
    testing::TempDir dir_;
};

TEST_F(CliTest, HelpAndUsageErrors) {
    EXPECT_EQ(Cli({"--help"}).code, 0);
    EXPECT_NE(Cli({"--help"}).out.find("runewright-cli extract"), std::string::npos);
    for (const auto& args : std::vector<std::vector<std::string>>{
             {},
             {"frobnicate"},
             {"extract", "--edition", "rus", "--model", "s45", "a.bin", "b.sft"},
             {"extract", "--edition", "fr", "--model", "s45", "--kind", "normal", "a.bin", "b.sft"},
             {"extract", "--edition", "rus", "--model", "s45", "--kind", "normal", "a.bin",
              "b.sbf"},
             {"extract", "--edition", "rus", "--model", "s45", "--kind", "normal", "--scope", "7",
              "a.bin", "b.sft"},
             {"extract", "--edition", "rus", "--model", "s45", "--kind", "normal", "--scope", "x",
              "a.bin", "b.sft"},
             {"extract", "--edition", "rus", "--model", "s45", "--kind", "normal", "a.bin"},
             {"extract", "--edition", "rus", "--edition", "rus", "--model", "s45", "--kind",
              "normal", "a", "b.sft"},
             {"extract", "--edition", "rus", "--model", "s45", "--kind"},
             {"inject", "--edition", "eng", "--model", "m50", "--kind", "big", "f.sbf", "a.bin"},
             {"convert", "--thin", "--bold", "a.sft", "b.sbf"},
             {"convert", "a.sft", "b.sbf"},
             {"convert", "--thin", "a.sbf", "b.sbf"},
             {"convert", "--bold", "--scope", "9", "a.sft", "b.sbf"},
         }) {
        const CliRun r = Cli(args);
        EXPECT_EQ(r.code, 2) << r.err;
        EXPECT_NE(r.err.find("usage:"), std::string::npos);
        EXPECT_TRUE(dir_.Names().empty());
    }
}

TEST_F(CliTest, ExtractWritesTheLiveFormatOfTheLayout) {
    const std::string flash = Image(Edition::Cyrillic, PhoneModel::SME45, FontKind::Normal, 1);
    const std::string out = dir_.File("font.SFT");
    const CliRun r =
        Cli({"extract", "--edition", "rus", "--model", "s45", "--kind", "normal", flash, out});
    ASSERT_EQ(r.code, 0) << r.err;
    const FontLayout l = LookupLayout(Edition::Cyrillic, PhoneModel::SME45, FontKind::Normal);
    FontImage font;
    ASSERT_TRUE(ReadFlashFont(flash, Edition::Cyrillic, l, BlockSet::FirstN(4), font).ok());
    EXPECT_EQ(ReadBytes(out), SerializeFontFile(FontFileFormat::Sft, font));

    const std::string eng = Image(Edition::Latin, PhoneModel::C45, FontKind::Small, 2);
    const CliRun partial = Cli({"extract", "--edition", "eng", "--model", "c45", "--kind", "small",
                                "--scope", "10", eng, dir_.File("sym.sfe")});
    ASSERT_EQ(partial.code, 0) << partial.err;
    const auto sfe = ReadBytes(dir_.File("sym.sfe"));
    ASSERT_EQ(sfe.size(), 9472u);
    EXPECT_TRUE(std::all_of(sfe.begin(), sfe.begin() + 1184 * 2, [](uint8_t b) { return b == 0; }));
}

TEST_F(CliTest, InjectPatchesOnlyTheRecordsAndExtractGivesTheFontBack) {
    const std::string source = Image(Edition::Cyrillic, PhoneModel::M50, FontKind::Big, 3);
    const std::string target = Image(Edition::Cyrillic, PhoneModel::M50, FontKind::Big, 4);
    const std::string font_file = dir_.File("big.sbf");
    ASSERT_EQ(
        Cli({"extract", "--edition", "rus", "--model", "m50", "--kind", "big", source, font_file})
            .code,
        0);
    const auto target_before = ReadBytes(target);
    // The target is random bytes, no font: inject writes it only when forced.
    const CliRun r = Cli({"inject", "--edition", "rus", "--model", "m50", "--kind", "big",
                          "--force", font_file, target});
    ASSERT_EQ(r.code, 0) << r.err;
    const auto target_after = ReadBytes(target);
    ASSERT_EQ(target_after.size(), target_before.size());

    const FontLayout l = LookupLayout(Edition::Cyrillic, PhoneModel::M50, FontKind::Big);
    std::vector<bool> in_record(target_after.size());
    for (const FlashRecord& rec : RecordsToWrite(Edition::Cyrillic, l)) {
        for (int i = 0; i < RecordPayloadLength(l); ++i) in_record[rec.position + i] = true;
    }
    for (size_t i = 0; i < target_after.size(); ++i) {
        if (!in_record[i]) {
            ASSERT_EQ(target_after[i], target_before[i]) << i;
        }
    }
    const std::string again = dir_.File("again.sbf");
    ASSERT_EQ(
        Cli({"extract", "--edition", "rus", "--model", "m50", "--kind", "big", target, again}).code,
        0);
    EXPECT_EQ(ReadBytes(again), ReadBytes(font_file));
}

TEST_F(CliTest, FailuresExitOneAndWriteNothing) {
    const std::string short_flash = Image(Edition::Latin, PhoneModel::S35, FontKind::Normal, 5, 6);
    const auto before = ReadBytes(short_flash);
    const std::string out = dir_.File("x.sfe");
    CliRun r = Cli(
        {"extract", "--edition", "eng", "--model", "s35", "--kind", "normal", short_flash, out});
    EXPECT_EQ(r.code, 1);
    // A short dump names both sizes, as the save does.
    EXPECT_EQ(r.err, "runewright-cli: " + short_flash +
                         ": Read beyond end of file: the image holds " +
                         std::to_string(before.size()) + " bytes, the font needs " +
                         std::to_string(before.size() + 1) + " bytes\n");
    EXPECT_FALSE(testing::Exists(out));

    const std::string font_file = dir_.File("f.sfe");
    WriteBytes(font_file, std::vector<uint8_t>(9472, 0));
    r = Cli({"inject", "--edition", "eng", "--model", "s35", "--kind", "normal", font_file,
             short_flash});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("too short"), std::string::npos);
    EXPECT_EQ(ReadBytes(short_flash), before);

    r = Cli({"inject", "--edition", "eng", "--model", "s35", "--kind", "normal", font_file,
             dir_.File("new.bin")});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("File not found"), std::string::npos);
    EXPECT_FALSE(testing::Exists(dir_.File("new.bin")));

    WriteBytes(font_file, std::vector<uint8_t>(9471, 0));
    const std::string good = Image(Edition::Latin, PhoneModel::S35, FontKind::Normal, 6);
    const auto good_before = ReadBytes(good);
    r = Cli({"inject", "--edition", "eng", "--model", "s35", "--kind", "normal", font_file, good});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(ReadBytes(good), good_before);

    const std::string existing = dir_.File("keep.sbf");
    WriteBytes(existing, {1, 2, 3});
    r = Cli({"convert", "--thin", dir_.File("none.sft"), existing});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(ReadBytes(existing), (std::vector<uint8_t>{1, 2, 3}));
}

TEST_F(CliTest, AFullflashGivenAsFontFileAndAReadOnlyDumpAreRefused) {
    // A 16 MiB "font file": a dump chosen by mistake.
    const std::string dump = Image(Edition::Cyrillic, PhoneModel::SME45, FontKind::Normal, 8);
    const std::string big = dir_.File("t.sft");
    WriteBytes(big, std::vector<uint8_t>(16 << 20, 0x11));
    const auto dump_before = ReadBytes(dump);
    CliRun r = Cli(
        {"inject", "--edition", "rus", "--model", "s45", "--kind", "normal", "--force", big, dump});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "runewright-cli: " + big +
                         ": not a .sft font file (16777216 bytes). Is it a fullflash? "
                         "Use «Load font from FullFlash».\n");
    EXPECT_EQ(ReadBytes(dump), dump_before);

    // A dump without write bits is the user's protected original: refused, as root too.
    const std::string font_file = dir_.File("f.sft");
    WriteBytes(font_file, std::vector<uint8_t>(1768, 0));
    std::filesystem::permissions(dump, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::group_read |
                                           std::filesystem::perms::others_read);
    r = Cli({"inject", "--edition", "rus", "--model", "s45", "--kind", "normal", "--force",
             font_file, dump});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "runewright-cli: " + dump + ": read-only: nothing written\n");
    EXPECT_EQ(ReadBytes(dump), dump_before);
    EXPECT_FALSE(testing::Exists(JournalPathFor(dump)));
}

TEST_F(CliTest, ConvertWritesTheWideTable) {
    FontImage narrow;
    narrow.narrow[2][1][0] = 6;
    narrow.narrow[2][1][3] = 0x81;
    const std::string in = dir_.File("thin.sft");
    WriteBytes(in, SerializeFontFile(FontFileFormat::Sft, narrow));
    const std::string out = dir_.File("wide.sbf");
    ASSERT_EQ(Cli({"convert", "--bold", in, out}).code, 0);
    FontImage wide;
    ASSERT_TRUE(ReadFontFile(out, FontFileFormat::Sbf, BlockSet::FirstN(4), wide).ok());
    EXPECT_EQ(wide.wide[0][1][0], 6);
    EXPECT_EQ(wide.wide[0][1][3], 0x8100);
    EXPECT_EQ(wide.wide[2][1][3], 0);
}

// Found by a careful user: the same file on both sides, hostile names, options after "--", and
// a journal left by a save that was cut off.
TEST_F(CliTest, RefusesTheSameFileEscapesNamesAndRecovers) {
    const std::string flash = Image(Edition::Cyrillic, PhoneModel::SME45, FontKind::Normal, 11);
    const auto original = ReadBytes(flash);
    const std::vector<std::string> t = {"--edition", "rus", "--model", "s45", "--kind", "normal"};
    auto with = [&](std::string command, std::vector<std::string> rest) {
        std::vector<std::string> args{std::move(command)};
        args.insert(args.end(), t.begin(), t.end());
        args.insert(args.end(), rest.begin(), rest.end());
        return args;
    };
    const std::string sft = dir_.File("f.sft");
    ASSERT_EQ(Cli(with("extract", {flash, sft})).code, 0);
    const CliRun same = Cli(with("inject", {sft, sft}));
    EXPECT_EQ(same.code, 1);
    EXPECT_NE(same.err.find("the input and the output are the same file"), std::string::npos);

    const CliRun hostile = Cli(with("extract", {dir_.File("a\nb\x1b[2J.bin"), sft}));
    EXPECT_EQ(hostile.code, 1);
    EXPECT_NE(hostile.err.find("a\\nb\\x1b[2J.bin: File not found\n"), std::string::npos);
    EXPECT_EQ(std::count(hostile.err.begin(), hostile.err.end(), '\n'), 1);

    const std::string dashed = dir_.File("--scope.sft");
    EXPECT_EQ(Cli(with("extract", {"--", flash, dashed})).code, 0);
    EXPECT_TRUE(testing::Exists(dashed));

    EXPECT_EQ(Cli({"recover", flash}).code, 0);
    auto damaged = original;
    damaged[100] ^= 0xFF;
    WriteBytes(flash, damaged);
    testing::PlantJournal(
        JournalPathFor(flash),
        EncodeJournal(testing::JournalOf(flash, {{100, {original[100]}, {damaged[100]}}})));
    const CliRun recovered = Cli({"recover", flash});
    EXPECT_EQ(recovered.code, 0);
    EXPECT_NE(recovered.err.find("interrupted"), std::string::npos);
    EXPECT_EQ(ReadBytes(flash), original);
}

// preview, render and export-sheet rolled a cut-off save back without a word and exited 0.
TEST_F(CliTest, EveryCommandThatRollsBackASaveSaysSoInOneLine) {
    const std::vector<std::string> t = {"--edition", "rus", "--model", "s45", "--kind", "normal"};
    const FontLayout l = LookupLayout(Edition::Cyrillic, PhoneModel::SME45, FontKind::Normal);
    const std::string flash = Image(Edition::Cyrillic, PhoneModel::SME45, FontKind::Normal, 12);
    const auto original = ReadBytes(flash);
    const std::string sft = dir_.File("f.sft");
    ASSERT_EQ(Cli({"extract", t[0], t[1], t[2], t[3], t[4], t[5], flash, sft}).code, 0);
    auto with = [&](const std::string& command, std::vector<std::string> rest) {
        std::vector<std::string> args{command};
        if (command != "recover" && command != "identify")
            args.insert(args.end(), t.begin(), t.end());
        if (command == "identify") args.insert(args.end(), {"--edition", "rus"});
        if (command == "render") args.insert(args.end(), {"--block", "0"});
        args.insert(args.end(), rest.begin(), rest.end());
        return args;
    };
    const std::vector<std::vector<std::string>> commands = {
        with("extract", {flash, dir_.File("out.sft")}),
        with("preview", {flash, "АБВ", dir_.File("p.png")}),
        with("render", {flash, dir_.File("r.png")}),
        with("export-sheet", {flash, dir_.File("s.png")}),
        with("identify", {flash}),
        with("recover", {flash}),
        with("inject", {"--force", sft, flash})};
    for (const auto& command : commands) {
        SCOPED_TRACE(command[0]);
        WriteBytes(flash, original);
        auto torn = original;
        torn[l.normal_base] ^= 0xFF;
        torn[l.normal_base + 13] ^= 0xFF;
        WriteBytes(flash, torn);
        testing::PlantJournal(
            JournalPathFor(flash),
            EncodeJournal(testing::JournalOf(
                flash, {{l.normal_base, {original[l.normal_base]}, {torn[l.normal_base]}},
                        {l.normal_base + 13,
                         {original[l.normal_base + 13]},
                         {torn[l.normal_base + 13]}}})));
        const CliRun run = Cli(command);
        EXPECT_EQ(run.code, 0) << run.err;
        EXPECT_EQ(run.err, "runewright-cli: " + flash +
                               ": a save into it was interrupted; its bytes from before that save "
                               "were put back from " +
                               BaseNameOf(flash) + ".rwj\n");
        EXPECT_FALSE(testing::Exists(JournalPathFor(flash)));
        if (command[0] != "inject") {
            EXPECT_EQ(ReadBytes(flash), original);
        }
    }
}

TEST_F(CliTest, AMissingDumpOrAFolderIsNamedAsSuch) {
    const CliRun missing = Cli({"recover", dir_.File("none.bin")});
    EXPECT_EQ(missing.code, 1);
    EXPECT_EQ(missing.err, "runewright-cli: " + dir_.File("none.bin") + ": File not found\n");
    const std::string folder = dir_.File("dumps.bin");
    std::filesystem::create_directory(folder);
    const std::string is_a_folder = "runewright-cli: " + folder + ": a folder, not a file\n";
    EXPECT_EQ(Cli({"recover", folder}).err, is_a_folder);
    const std::string sft = dir_.File("f.sft");
    WriteBytes(sft, std::vector<uint8_t>(1768, 0));
    const CliRun inject =
        Cli({"inject", "--edition", "rus", "--model", "s45", "--kind", "normal", sft, folder});
    EXPECT_EQ(inject.code, 1);
    EXPECT_EQ(inject.err, is_a_folder);
    EXPECT_EQ(
        Cli({"extract", "--edition", "rus", "--model", "s45", "--kind", "normal", folder, sft}).err,
        is_a_folder);
}

// preview printed the characters it had no glyph for straight to the terminal.
TEST_F(CliTest, CharactersEchoedFromTheInputAreEscaped) {
    const std::string flash = Image(Edition::Cyrillic, PhoneModel::SME45, FontKind::Normal, 13);
    const CliRun run = Cli({"preview", "--edition", "rus", "--model", "s45", "--kind", "normal",
                            flash, "\x1b[2J\a\xc2\x9b\xe2\x80\xae!", dir_.File("p.png")});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, "no glyph for: \\x1b [ 2 J \\x07 \\u009b \\u202e !\n");

    EXPECT_EQ(EscapeControlBytes("a\tb\\c\x7f"), "a\\tb\\\\c\\x7f");
    // Bytes that are no UTF-8 (a lone 8-bit CSI among them) are shown as bytes.
    EXPECT_EQ(EscapeControlBytes("\x9b"
                                 "1m \xe2\x80 \xff"),
              "\\x9b1m \\xe2\\x80 \\xff");
    // Bidirectional marks and isolates, and the line and paragraph separators.
    EXPECT_EQ(EscapeControlBytes("\u200f\u2066\u2069\u2028\u2029\u061c"),
              "\\u200f\\u2066\\u2069\\u2028\\u2029\\u061c");
    // Letters of any script pass as they are.
    EXPECT_EQ(EscapeControlBytes("Ёж ü 字"), "Ёж ü 字");
}

}  // namespace
}  // namespace rw
