#include "cli/cli.h"

#include <map>
#include <ostream>

#include "io/rollback_journal.h"

#include "cli/cli_commands.h"
#include "edition/terminal_text.h"

namespace rw::cli {

std::string UsageText() {
    return "usage:\n"
           "  runewright-cli extract --edition rus|eng --model MODEL --kind KIND [--scope N] FLASH "
           "OUT\n"
           "  runewright-cli inject  --edition rus|eng --model MODEL --kind KIND [--force]\n"
           "                         FONTFILE FLASH\n"
           "  runewright-cli convert --thin|--bold [--scope N] IN.sft OUT.sbf\n"
           "  runewright-cli render  --edition rus|eng --model MODEL --kind KIND --block B "
           "[--scale K] INPUT OUT\n"
           "  runewright-cli preview --edition rus|eng --model MODEL --kind KIND [--bold]\n"
           "                         [--scale K] [--wrap PX] INPUT TEXT OUT.png\n"
           "  runewright-cli identify --edition rus|eng FLASH\n"
           "  runewright-cli import-font  --edition E --model M --kind K [--scope N] [--size S] "
           "[--baseline B] [--bold-font FONT] FONT OUT\n"
           "  runewright-cli export-sheet --edition E --model M --kind K [--scale K] INPUT "
           "OUT.png\n"
           "  runewright-cli import-sheet --edition E --model M --kind K [--scope N] IN.png OUT\n"
           "  runewright-cli export-patch --edition E --model M --kind K [--force] INPUT FLASH "
           "OUT.vkp\n"
           "  runewright-cli patch-info [--edition E --model M --kind K] PATCH.vkp\n"
           "  runewright-cli apply-patch [--undo] [--force] [--save-undo OUT.vkp] FLASH PATCH.vkp\n"
           "  runewright-cli recover FLASH\n"
           "  runewright-cli --help\n"
           "\n"
           "MODEL: s45, s45i, c45, cm35, s35, m50    KIND: normal, small, browser, big\n"
           "N: load scope, rus 0..6, eng 0..10 (default 6, the whole font)\n"
           "extract writes .sft (rus, narrow fonts), .sbf (rus, wide fonts) or .sfe (eng);\n"
           "inject patches the font's records into an existing fullflash and nothing else;\n"
           "  it refuses a fullflash that holds no font at those places unless --force is given;\n"
           "render draws block B's thumbnails into a .ppm or .png sheet, K pixels per font pixel.\n"
           "preview sets the UTF-8 TEXT in the font as the phone shows it (scale 1..8, default 3;\n"
           "  wrap width 1..512 pixels, default 101);\n"
           "identify scores every model and kind against FLASH, best first;\n"
           "import-font draws the font from FONT (a font file or a fontconfig pattern such as\n"
           "  \"Terminus:style=Bold\") at S pixels (default H + 1) on baseline row B;\n"
           "  missing and clipped characters are listed on stderr;\n"
           "export-sheet and import-sheet move the whole font to and from a PNG sheet\n"
           "  (K default 4).\n"
           "export-patch writes the V_Klay patch that puts the font of INPUT into FLASH as a save\n"
           "  would (FLASH is only read; --force as for inject);\n"
           "patch-info lists a patch's data lines (with a layout, also the glyphs it changes);\n"
           "apply-patch writes a patch into FLASH, all lines or none, after checking the old "
           "bytes\n"
           "  (--force writes over other bytes too; --undo writes the patch's old bytes back,\n"
           "  not necessarily the bytes the apply replaced: it counts the lines it would not\n"
           "  restore exactly; --save-undo OUT.vkp writes, under the same lock, a patch that\n"
           "  restores FLASH byte for byte);\n"
           "a signal before the first byte is written cancels (nothing written), a later one\n"
           "  waits for the whole write; both exit 128+N;\n"
           "recover puts back a fullflash whose save was cut off, from the journal FLASH.rwj;\n"
           "loads and saves do the same first. \"--\" ends the options.\n"
           "Exit status: 0 done, 1 a file failed (nothing written), 2 usage error,\n"
           "3 the fullflash is partly written (its old bytes are kept in FLASH.rwj: do not flash "
           "it).\n";
}

int ReportUsageError(const std::string& reason, std::ostream& err) {
    err << "runewright-cli: " << EscapeControlBytes(reason) << "\n" << UsageText();
    return kExitUsage;
}

int ReportFileFailure(const Status& status, std::ostream& err) {
    ReportNote(status, err);
    err << "runewright-cli: " << EscapeControlBytes(status.path()) << ": "
        << EscapeControlBytes(status.text()) << "\n";
    return status.partly_written() ? kExitPartlyWritten : kExitFileFailure;
}

void ReportNote(const Status& status, std::ostream& err) {
    if (!status.note().empty())
        err << "runewright-cli: " << EscapeControlBytes(Render(status.note(), kEnglish)) << "\n";
}

Status WithEarlierNote(const Status& earlier, const Status& later) {
    return later.note().empty() ? later.WithNote(earlier.note()) : later;
}

int ReportOutcome(const Status& status, std::ostream& err) {
    if (!status.ok()) return ReportFileFailure(status, err);
    ReportNote(status, err);
    return kExitOk;
}

int RunRender(const std::vector<std::string>& words, std::ostream& out, std::ostream& err);
int RunPreview(const std::vector<std::string>& words, std::ostream& out, std::ostream& err);
int RunIdentify(const std::vector<std::string>& words, std::ostream& out, std::ostream& err);
int RunExportPatch(const std::vector<std::string>& words, std::ostream& out, std::ostream& err);
int RunPatchInfo(const std::vector<std::string>& words, std::ostream& out, std::ostream& err);
int RunApplyPatch(const std::vector<std::string>& words, std::ostream& out, std::ostream& err);

// recover FLASH: the roll-back a load or save does first, on its own.
int RunRecover(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) {
    std::string error;
    const auto args = ParseArgs(words, {}, {}, &error);
    if (!args) return ReportUsageError(error, err);
    if (args->positionals.size() != 1) return ReportUsageError("recover takes FLASH", err);
    const std::string& flash = args->positionals[0];
    // Asked for by name: the journal's owner or root takes the journal for theirs.
    const Status status = RecoverInterruptedSave(SystemFileSystem(), flash, /*vouched=*/true);
    if (status.ok() && status.note().empty()) {
        out << EscapeControlBytes(flash) << ": no interrupted save to undo\n";
    }
    return ReportOutcome(status, err);
}

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    using Command = int (*)(const std::vector<std::string>&, std::ostream&, std::ostream&);
    // One command a line, so adding one touches one line.
    // clang-format off
    static const std::map<std::string, Command> kCommands = {
        {"extract", RunExtract},
        {"inject", RunInject},
        {"convert", RunConvert},
        {"render", RunRender},
        {"preview", RunPreview},
        {"identify", RunIdentify},
        {"import-font", RunImportFont},
        {"export-sheet", RunExportSheet},
        {"import-sheet", RunImportSheet},
        {"recover", RunRecover},
        {"export-patch", RunExportPatch},
        {"patch-info", RunPatchInfo},
        {"apply-patch", RunApplyPatch},
    };
    // clang-format on
    if (args.empty()) return ReportUsageError("no command given", err);
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        out << UsageText();
        return kExitOk;
    }
    const auto it = kCommands.find(args[0]);
    if (it == kCommands.end()) return ReportUsageError("unknown command " + args[0], err);
    return it->second(std::vector<std::string>(args.begin() + 1, args.end()), out, err);
}

}  // namespace rw::cli
