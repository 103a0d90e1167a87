// runewright-cli export-patch, patch-info and apply-patch as a modder uses them.
#include <gtest/gtest.h>

#include <algorithm>

#include "cli_run.h"
#include "io/flash_codec.h"
#include "patch/hex_text.h"
#include "test_files.h"

namespace rw {
namespace {

using testing::Cli;
using testing::CliRun;
using testing::ReadBytes;
using testing::WriteBytes;

const std::vector<std::string> kS45Normal = {"--edition", "rus",    "--model",
                                             "s45",       "--kind", "normal"};

std::vector<std::string> With(std::string command, std::vector<std::string> options,
                              std::vector<std::string> rest) {
    std::vector<std::string> args{std::move(command)};
    args.insert(args.end(), options.begin(), options.end());
    args.insert(args.end(), rest.begin(), rest.end());
    return args;
}

class CliPatch : public ::testing::Test {
  protected:
    // A dump of random bytes that holds every S/ME 45 Normal record.
    std::string Dump(const std::string& name, uint32_t seed) {
        const FontLayout l = LookupLayout(Edition::Cyrillic, PhoneModel::SME45, FontKind::Normal);
        const auto records = RecordsToRead(Edition::Cyrillic, l, BlockSet::FirstN(4));
        const std::string path = dir_.File(name);
        WriteBytes(path, testing::RandomBytes(
                             static_cast<size_t>(RequiredImageSize(records, l) + 7), seed));
        return path;
    }
    std::string Text(const std::string& name, const std::string& text) {
        const std::string path = dir_.File(name);
        WriteBytes(path, std::vector<uint8_t>(text.begin(), text.end()));
        return path;
    }
    testing::TempDir dir_;
};

TEST_F(CliPatch, ExportedPatchAppliesLikeInjectAndUndoesToTheOriginal) {
    const std::string source = Dump("source.bin", 1);
    const std::string target = Dump("target.bin", 2);
    const std::string injected = Dump("injected.bin", 2);
    const auto original = ReadBytes(target);
    const std::string font = dir_.File("font.sft");
    const std::string patch = dir_.File("target.vkp");
    ASSERT_EQ(Cli(With("extract", kS45Normal, {source, font})).code, 0);

    // Random bytes are no font: the wrong-phone guard of inject holds here too.
    CliRun r = Cli(With("export-patch", kS45Normal, {font, target, patch}));
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("do not look like a font"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("Give --force"), std::string::npos);
    EXPECT_FALSE(testing::Exists(patch));

    r = Cli(With("export-patch",
                 {"--force", "--edition", "rus", "--model", "s45", "--kind", "normal"},
                 {source, target, patch}));  // a second fullflash as INPUT
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(ReadBytes(target), original) << "FLASH is only read";
    ASSERT_EQ(
        Cli(With("inject", {"--force", "--edition", "rus", "--model", "s45", "--kind", "normal"},
                 {font, injected}))
            .code,
        0);

    r = Cli({"apply-patch", target, patch});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(ReadBytes(target), ReadBytes(injected));
    // patch-info names every line; the bytes written are those of their new data.
    const CliRun info = Cli({"patch-info", patch});
    int lines = 0;
    size_t bytes = 0;
    for (size_t begin = 0; begin < info.out.size(); ++lines) {
        const size_t end = info.out.find('\n', begin);
        bytes += (end - info.out.rfind(' ', end) - 1) / 2;
        begin = end + 1;
    }
    EXPECT_EQ(r.out, target + ": " + std::to_string(lines) + " lines applied, " +
                         std::to_string(bytes) + " bytes written, 0 lines already in place\n");

    // A second apply finds every line in place; --undo would change them anyway, and says so.
    r = Cli({"apply-patch", target, patch});
    EXPECT_EQ(r.out, target + ": 0 lines applied, 0 bytes written, " + std::to_string(lines) +
                         " lines already in place\n" + target + ": --undo would not restore " +
                         std::to_string(lines) +
                         " lines exactly (forced over other bytes, or already in place); "
                         "--save-undo OUT.vkp keeps a patch that does\n");
    r = Cli({"apply-patch", "--undo", target, patch});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(ReadBytes(target), original);

    // The font of the target against the target itself: nothing to patch, no file.
    const std::string none = dir_.File("none.vkp");
    r = Cli(With("export-patch",
                 {"--force", "--edition", "rus", "--model", "s45", "--kind", "normal"},
                 {target, target, none}));
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, target + ": the font equals the fullflash's: no patch is needed\n");
    EXPECT_FALSE(testing::Exists(none));
}

TEST_F(CliPatch, PatchInfoListsTheLinesAndWhatTheyDoToAFont) {
    const FontLayout l = LookupLayout(Edition::Cyrillic, PhoneModel::SME45, FontKind::Normal);
    const int64_t a = RecordPosition(Edition::Cyrillic, l, {0, 0});
    char line[64];
    std::snprintf(line, sizeof line, "%llX: 0102 0304\r\n", static_cast<unsigned long long>(a + 1));
    const std::string patch = Text("p.vkp",
                                   "+10\r\n"
                                   "0: 0102030405 AABB ; old data longer than new\r\n"
                                   "+0\r\n"
                                   "#pragma enable old_equal_ff\r\n"
                                   "20: CC\r\n"
                                   "#pragma disable old_equal_ff\r\n"
                                   "30: DDDD\r\n" +
                                       std::string(line));
    CliRun r = Cli({"patch-info", patch});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out,
              "000010: 0102030405 AABB\n"
              "000020: FF CC\n"
              "000030: - DDDD\n" +
                  PatchAddress(a + 1) + ": 0102 0304\n");
    EXPECT_EQ(r.err, "runewright-cli: " + patch +
                         ":7: warning: no old data: the line is not checked before it is written "
                         "and cannot be undone\n");

    r = Cli(With("patch-info", kS45Normal, {patch}));
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("glyphs of S/ME 45 Normal it changes: 1 (А normal)\n"
                         "bytes it writes outside the font's records: 5\n"),
              std::string::npos)
        << r.out;
}

TEST_F(CliPatch, ABadPatchIsOneLineAndChangesNothing) {
    const std::string flash = Dump("dump.bin", 3);
    const auto original = ReadBytes(flash);
    const std::string bad = Text("bad.vkp", "10: 00 01\r\n20: 0718 081800\r\n");
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"patch-info", bad}, {"apply-patch", flash, bad}}) {
        const CliRun r = Cli(args);
        EXPECT_EQ(r.code, 1);
        EXPECT_EQ(r.err, "runewright-cli: " + bad +
                             ":2: old data (2 bytes) shorter than new data (3 bytes)\n");
    }
    char lines[64];
    std::snprintf(lines, sizeof lines, "10: %02X AA\r\n20: %02X %02X\r\n", original[0x10],
                  original[0x20] ^ 1, original[0x20] ^ 2);
    const std::string wrong = Text("wrong.vkp", lines);
    CliRun r = Cli({"apply-patch", flash, wrong});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "runewright-cli: " + wrong +
                         ":2: the fullflash holds other bytes at 000020 than the patch expects\n");
    const std::string past = Text("past.vkp", "7FFFFFFF: 00 01\r\n");
    r = Cli({"apply-patch", "--force", flash, past});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("past the end of dump.bin"), std::string::npos);
    EXPECT_EQ(ReadBytes(flash), original);
    EXPECT_EQ(Cli({"apply-patch", flash, flash}).err,
              "runewright-cli: " + flash + ": the input and the output are the same file\n");
    EXPECT_EQ(ReadBytes(flash), original);
}

TEST_F(CliPatch, UsageErrors) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"export-patch", "--edition", "rus", "--model", "s45", "a.sft", "b.bin", "c.vkp"},
             With("export-patch", kS45Normal, {"a.sft", "b.bin", "c.txt"}),
             With("export-patch", kS45Normal, {"a.sbf", "b.bin", "c.vkp"}),
             With("export-patch", kS45Normal, {"a.sft", "b.bin"}),
             {"patch-info"},
             {"patch-info", "--edition", "rus", "p.vkp"},
             {"apply-patch", "a.bin"},
             {"apply-patch", "--redo", "a.bin", "p.vkp"},
         }) {
        const CliRun r = Cli(args);
        EXPECT_EQ(r.code, 2) << r.err;
        EXPECT_NE(r.err.find("usage:"), std::string::npos);
    }
    EXPECT_TRUE(dir_.Names().empty());
}

}  // namespace
}  // namespace rw
