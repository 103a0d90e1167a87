// preview: a line of text set in a font, as the phone shows it.
#include <ostream>

#include "cli/cli.h"
#include "cli/cli_commands.h"
#include "edition/terminal_text.h"
#include "edition/utf8.h"
#include "editor/text_preview.h"
#include "io/file_io.h"
#include "model/load_scope.h"
#include "png/png_files.h"

namespace rw::cli {
namespace {

// --name N within [min, max], or `fallback` when absent; nullopt after a usage error.
std::optional<int> OptionalInt(const CliArgs& args, const std::string& name, int min, int max,
                               int fallback, std::string* error) {
    std::optional<int> value = fallback;
    ParseIntOption(args, name, min, max, &value, error);
    return value;
}

std::string Listed(const std::vector<char32_t>& characters) {
    std::string list;
    for (char32_t c : characters) {
        if (!list.empty()) list += " ";
        list += EncodeUtf8(c);
    }
    return list;
}

}  // namespace

int RunPreview(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) {
    std::string error;
    const auto args = ParseArgs(words, {"--edition", "--model", "--kind", "--scale", "--wrap"},
                                {"--bold"}, &error);
    if (!args) return ReportUsageError(error, err);
    const auto target = ParseFontTarget(*args, &error);
    if (!target) return ReportUsageError(error, err);
    const auto scale =
        OptionalInt(*args, "--scale", 1, kMaxPreviewScale, kDefaultPreviewScale, &error);
    if (!scale) return ReportUsageError(error, err);
    const auto wrap = OptionalInt(*args, "--wrap", 1, kMaxWrapWidth, kDefaultWrapWidth, &error);
    if (!wrap) return ReportUsageError(error, err);
    if (args->positionals.size() != 3)
        return ReportUsageError("preview takes INPUT, TEXT and OUT.png", err);
    const std::string& input = args->positionals[0];
    const std::string& out_path = args->positionals[2];
    if (!IsFontInput(input, *target, &error)) return ReportUsageError(error, err);
    const auto text = DecodeUtf8(args->positionals[1]);
    if (!text) return ReportUsageError("TEXT is not UTF-8", err);
    if (!HasExtension(out_path, ".png")) return ReportUsageError("OUT must end in .png", err);

    FontImage font;
    Status status = LoadFontInput(input, *target, LoadScope::WholeFont, font);
    if (!status.ok()) return ReportFileFailure(status, err);
    PreviewFont preview{.edition = target->edition,
                        .font = &font,
                        .wide = target->edition == Edition::Latin || target->layout.wide,
                        .last_row = target->layout.last_row,
                        .single_weight = target->layout.single_weight,
                        .has_yo_ye = target->layout.has_yo_ye,
                        .working_slot = {-1, -1}};
    const bool bold = args->flags.count("--bold") > 0;
    const TextPicture picture = SetText(*text, preview, {.bold = bold, .wrap_width = *wrap});
    status = WithEarlierNote(status, WritePng(out_path, ScaledPicture(picture, *scale)));
    if (!status.ok()) return ReportFileFailure(status, err);
    ReportNote(status, err);
    if (!picture.missing.empty())
        out << "no glyph for: " << EscapeControlBytes(Listed(picture.missing)) << "\n";
    if (picture.cut) {
        out << "the text was cut after " << kMaxPreviewLines << " lines\n";
    }
    return kExitOk;
}

}  // namespace rw::cli
