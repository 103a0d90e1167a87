// export-patch, patch-info and apply-patch: fonts as V_Klay patches, and any patch applied.
#include <ostream>

#include "cli/cli.h"
#include "cli/cli_commands.h"
#include "edition/terminal_text.h"
#include "io/identify_messages.h"
#include "io/interruption.h"
#include "model/load_scope.h"
#include "patch/font_effect.h"
#include "patch/glyph_label.h"
#include "patch/hex_text.h"
#include "patch/patch_apply.h"
#include "patch/patch_problems.h"
#include "patch/patch_reader.h"
#include "patch/patch_writer.h"

namespace rw::cli {
namespace {

LayoutId ChosenLayout(const CliArgs& args) {
    return {*ParseModel(args.options.at("--model")), *ParseKind(args.options.at("--kind"))};
}

// Reads the patch, printing its warnings; a failure is printed and its exit code returned.
std::optional<int> ReadPatchOrReport(const std::string& path, Patch* patch, std::ostream& err) {
    const Status status = ReadPatchFile(path, patch);
    if (!status.ok()) return ReportFileFailure(status, err);
    for (const std::string& line : WarningLines(*patch, kEnglish)) {
        err << "runewright-cli: " << EscapeControlBytes(line) << "\n";
    }
    return std::nullopt;
}

// "ADDRESS: OLD NEW": the old data whole as the patch gives them, "-" for none, FF bytes under
// old_equal_ff.
std::string DataLineText(const DataLine& line) {
    std::string old_text = "-";
    if (line.old_bytes) {
        old_text = HexBytes(*line.old_bytes);
    } else if (line.pragmas.old_equal_ff) {
        old_text = HexBytes(line.ExpectedOld().span());
    }
    return PatchAddress(line.address) + ": " + old_text + " " + HexBytes(line.new_bytes);
}

// What the patch does to one font: its glyphs and the bytes it writes elsewhere.
void PrintFontEffect(const Patch& patch, Edition edition, LayoutId id, std::ostream& out) {
    const FontPlace place = FontPlace::Of(edition, id);
    const FontEffect effect = EffectOnFont(PatchFootprint(patch), edition, place.layout);
    out << "glyphs of " << LayoutName(id) << " it changes: " << effect.glyphs.size();
    for (size_t i = 0; i < effect.glyphs.size(); ++i) {
        out << (i == 0 ? " (" : ", ") << GlyphLabel(edition, effect.glyphs[i]);
    }
    out << (effect.glyphs.empty() ? "" : ")") << "\n";
    out << "bytes it writes outside the font's records: " << effect.bytes_outside << "\n";
}

std::string Count(int64_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

int RunExportPatch(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) {
    std::string error;
    const auto args = ParseArgs(words, kTargetOptions, {"--force"}, &error);
    if (!args) return ReportUsageError(error, err);
    const auto target = ParseFontTarget(*args, &error);
    if (!target) return ReportUsageError(error, err);
    if (args->positionals.size() != 3) {
        return ReportUsageError("export-patch takes INPUT, FLASH and OUT.vkp", err);
    }
    const std::string& input = args->positionals[0];
    const std::string& flash = args->positionals[1];
    const std::string& patch_path = args->positionals[2];
    if (!IsFontInput(input, *target, &error)) return ReportUsageError(error, err);
    if (!HasExtension(patch_path, ".vkp")) return ReportUsageError("OUT must end in .vkp", err);

    FileSystem& fs = SystemFileSystem();
    FontImage font;
    Status status = RefuseSameFile(fs, input, patch_path);
    if (status.ok()) status = RefuseSameFile(fs, flash, patch_path);
    if (status.ok()) status = LoadFontInput(input, *target, LoadScope::WholeFont, font);
    if (!status.ok()) return ReportFileFailure(status, err);
    ReportNote(status, err);
    // A patch of font records over firmware code bricks the phone as surely as a save does.
    const LayoutId chosen = ChosenLayout(*args);
    Status checked = Status::Ok();
    if (!args->flags.count("--force")) {
        checked = CheckLooksLikeFont(flash, target->edition, chosen);
        if (!checked.ok()) return ReportFileFailure(checked, err);
    }
    FontPatch patch;
    status = WithEarlierNote(
        checked, ExportFontPatch(flash, {target->edition, chosen, target->layout}, font, &patch));
    if (!status.ok()) return ReportFileFailure(status, err);
    ReportNote(status, err);
    if (patch.lines == 0) {
        out << EscapeControlBytes(flash)
            << ": the font equals the fullflash's: no patch is needed\n";
        return kExitOk;
    }
    return ReportOutcome(WritePatchFile(patch_path, patch, fs), err);
}

int RunPatchInfo(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) {
    std::string error;
    const auto args = ParseArgs(words, kTargetOptions, {}, &error);
    if (!args) return ReportUsageError(error, err);
    std::optional<FontTarget> target;
    if (!args->options.empty()) {
        target = ParseFontTarget(*args, &error);
        if (!target) return ReportUsageError(error, err);
    }
    if (args->positionals.size() != 1) return ReportUsageError("patch-info takes PATCH.vkp", err);

    Patch patch;
    if (const auto failed = ReadPatchOrReport(args->positionals[0], &patch, err)) return *failed;
    for (const DataLine& line : patch.lines) out << DataLineText(line) << "\n";
    if (target) PrintFontEffect(patch, target->edition, ChosenLayout(*args), out);
    return kExitOk;
}

int RunApplyPatch(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) {
    // Ctrl+C or a kill while the patch is read or checked cancels it; one during the write
    // waits for the write to be whole and is reported after it.
    const InterruptionCatcher interruptions;
    std::string error;
    const auto args = ParseArgs(words, {"--save-undo"}, {"--undo", "--force"}, &error);
    if (!args) return ReportUsageError(error, err);
    if (args->positionals.size() != 2) {
        return ReportUsageError("apply-patch takes FLASH and PATCH.vkp", err);
    }
    const std::string& flash = args->positionals[0];
    const std::string& patch_path = args->positionals[1];
    const bool undo = args->flags.count("--undo") > 0;
    const PatchOptions options{undo ? PatchDirection::Undo : PatchDirection::Apply,
                               args->flags.count("--force") > 0};
    std::string restoring;
    if (const auto save_undo = args->options.find("--save-undo");
        save_undo != args->options.end()) {
        restoring = save_undo->second;
        if (!HasExtension(restoring, ".vkp"))
            return ReportUsageError("--save-undo takes OUT.vkp", err);
    }

    FileSystem& fs = SystemFileSystem();
    Status same = RefuseSameFile(fs, patch_path, flash);
    if (same.ok() && !restoring.empty()) {
        same = RefuseSameFile(fs, flash, restoring);
        if (same.ok()) same = RefuseSameFile(fs, patch_path, restoring);
    }
    if (!same.ok()) return ReportFileFailure(same, err);
    Patch patch;
    if (const auto failed = ReadPatchOrReport(patch_path, &patch, err)) return *failed;
    PatchOutcome outcome;
    const Status status = ApplyPatchToFlash(flash, patch, options, &outcome, fs, restoring);
    if (status.cancelled_by() != 0) {
        ReportNote(status, err);
        err << "runewright-cli: " << EscapeControlBytes(flash) << ": " << status.text() << "\n";
        return 128 + status.cancelled_by();
    }
    if (status.ok()) {
        out << EscapeControlBytes(flash) << ": " << Count(outcome.lines_written, "line", "lines")
            << (undo ? " undone, " : " applied, ") << Count(outcome.bytes_written, "byte", "bytes")
            << " written, " << Count(outcome.lines_in_place, "line", "lines")
            << " already in place\n";
        if (!undo && outcome.LinesUndoWouldNotRestore() > 0) {
            out << EscapeControlBytes(flash) << ": --undo would not restore "
                << Count(outcome.LinesUndoWouldNotRestore(), "line", "lines")
                << " exactly (forced over other bytes, or already in place)";
            out << (restoring.empty() ? "; --save-undo OUT.vkp keeps a patch that does\n"
                                      : "; " + EscapeControlBytes(restoring) + " does\n");
        }
        if (!restoring.empty() && outcome.bytes_written == 0) {
            out << EscapeControlBytes(restoring) << ": not written: the patch changed nothing\n";
        }
    }
    const int code = ReportOutcome(status, err);
    if (const int signal = interruptions.caught(); signal != 0) {
        err << "runewright-cli: stopped by signal " << signal << " after the write completed\n";
        return 128 + signal;
    }
    return code;
}

}  // namespace rw::cli
