// extract, inject and convert: moving whole fonts between fullflashes and font files.
#include <ostream>

#include "cli/cli.h"
#include "cli/cli_commands.h"
#include "io/flash_codec.h"
#include "io/sft_conversion.h"
#include "model/load_scope.h"

namespace rw::cli {
namespace {

std::set<std::string> With(std::set<std::string> names, const std::string& extra) {
    names.insert(extra);
    return names;
}

}  // namespace

std::optional<FontTarget> ParseFontTarget(const CliArgs& args, std::string* error) {
    for (const std::string& name : kTargetOptions) {
        if (!args.options.count(name)) {
            *error = "missing " + name;
            return std::nullopt;
        }
    }
    const auto edition = ParseEdition(args.options.at("--edition"));
    const auto model = ParseModel(args.options.at("--model"));
    const auto kind = ParseKind(args.options.at("--kind"));
    if (!edition) *error = "--edition must be rus or eng";
    if (!model) *error = "--model must be one of s45, s45i, c45, cm35, s35, m50";
    if (!kind) *error = "--kind must be one of normal, small, browser, big";
    if (!edition || !model || !kind) return std::nullopt;
    const FontLayout layout = LookupLayout(*edition, *model, *kind);
    return FontTarget{*edition, layout, FontFileFormatFor(*edition, layout.wide)};
}

std::optional<LoadScope> ParseScope(const CliArgs& args, Edition edition, std::string* error) {
    std::optional<int> tag = TagOf(LoadScope::WholeFont);
    ParseIntOption(args, "--scope", 0, MaxLoadScope(edition), &tag, error);
    if (!tag) return std::nullopt;
    return LoadScope{static_cast<int8_t>(*tag)};
}

std::optional<int> ParseScale(const CliArgs& args, int fallback, int max_scale,
                              std::string* error) {
    std::optional<int> scale = fallback;
    ParseIntOption(args, "--scale", 1, max_scale, &scale, error);
    return scale;
}

bool IsFontInput(const std::string& input, const FontTarget& target, std::string* error) {
    const std::string extension = FontFileExtension(target.format);
    if (HasExtension(input, ".bin") || HasExtension(input, extension)) return true;
    *error = "INPUT must be a fullflash (.bin) or a " + extension + " file";
    return false;
}

Status LoadFontInput(const std::string& input, const FontTarget& target, LoadScope scope,
                     FontImage& font) {
    const BlockSet blocks = ScopeBlocks(scope, target.edition);
    if (HasExtension(input, ".bin")) {
        return ReadFlashFont(input, target.edition, target.layout, blocks, font);
    }
    return ReadFontFile(input, target.format, blocks, font);
}

int RunExtract(const std::vector<std::string>& words, std::ostream&, std::ostream& err) {
    std::string error;
    const auto args = ParseArgs(words, With(kTargetOptions, "--scope"), {}, &error);
    if (!args) return ReportUsageError(error, err);
    const auto target = ParseFontTarget(*args, &error);
    if (!target) return ReportUsageError(error, err);
    const auto scope = ParseScope(*args, target->edition, &error);
    if (!scope) return ReportUsageError(error, err);
    if (args->positionals.size() != 2) return ReportUsageError("extract takes FLASH and OUT", err);
    const std::string& flash = args->positionals[0];
    const std::string& out = args->positionals[1];
    const std::string extension = FontFileExtension(target->format);
    if (!HasExtension(out, extension)) {
        return ReportUsageError("this font is saved as " + extension + ": OUT must end in it", err);
    }

    FontImage font;
    Status status = RefuseSameFile(SystemFileSystem(), flash, out);
    if (status.ok()) {
        status = ReadFlashFont(flash, target->edition, target->layout,
                               ScopeBlocks(*scope, target->edition), font);
    }
    if (status.ok()) status = WithEarlierNote(status, WriteFontFile(out, target->format, font));
    return ReportOutcome(status, err);
}

int RunInject(const std::vector<std::string>& words, std::ostream&, std::ostream& err) {
    std::string error;
    const auto args = ParseArgs(words, kTargetOptions, {"--force"}, &error);
    if (!args) return ReportUsageError(error, err);
    const auto target = ParseFontTarget(*args, &error);
    if (!target) return ReportUsageError(error, err);
    if (args->positionals.size() != 2)
        return ReportUsageError("inject takes FONTFILE and FLASH", err);
    const bool force = args->flags.count("--force") > 0;
    const std::string& font_file = args->positionals[0];
    const std::string& flash = args->positionals[1];
    const std::string extension = FontFileExtension(target->format);
    if (!HasExtension(font_file, extension)) {
        return ReportUsageError("this font is held as " + extension + ": FONTFILE must end in it",
                                err);
    }

    FontImage font;
    Status status = RefuseSameFile(SystemFileSystem(), font_file, flash);
    if (status.ok()) status = ReadFontFile(font_file, target->format, BlockSet::FirstN(8), font);
    // Font records written over firmware code brick the phone: a dump that holds no font where
    // the chosen model and kind keep theirs is left alone unless forced.
    if (status.ok() && !force) {
        const LayoutId chosen{*ParseModel(args->options.at("--model")),
                              *ParseKind(args->options.at("--kind"))};
        status = CheckLooksLikeFont(flash, target->edition, chosen);
    }
    if (status.ok())
        status =
            WithEarlierNote(status, WriteFlashFont(flash, target->edition, target->layout, font));
    return ReportOutcome(status, err);
}

int RunConvert(const std::vector<std::string>& words, std::ostream&, std::ostream& err) {
    std::string error;
    const auto args = ParseArgs(words, {"--scope"}, {"--thin", "--bold"}, &error);
    if (!args) return ReportUsageError(error, err);
    const bool thin = args->flags.count("--thin") > 0;
    const bool bold = args->flags.count("--bold") > 0;
    if (thin == bold)
        return ReportUsageError("convert takes exactly one of --thin and --bold", err);
    const auto scope = ParseScope(*args, Edition::Cyrillic, &error);
    if (!scope) return ReportUsageError(error, err);
    if (args->positionals.size() != 2)
        return ReportUsageError("convert takes IN.sft and OUT.sbf", err);
    const std::string& in = args->positionals[0];
    const std::string& out = args->positionals[1];
    if (!HasExtension(in, ".sft")) return ReportUsageError("IN must be an .sft file", err);
    if (!HasExtension(out, ".sbf")) return ReportUsageError("OUT must end in .sbf", err);

    FontImage font;
    const BlockSet blocks = ScopeBlocks(*scope, Edition::Cyrillic);
    Status status = RefuseSameFile(SystemFileSystem(), in, out);
    if (status.ok()) {
        status = thin ? LoadThinSftAsSbf(in, blocks, font) : LoadBoldSftAsSbf(in, blocks, font);
    }
    if (status.ok()) status = WriteFontFile(out, FontFileFormat::Sbf, font);
    return ReportOutcome(status, err);
}

}  // namespace rw::cli
