// import-font: a font file of the live format drawn from any font FreeType reads.
#include <ostream>

#include "cli/cli.h"
#include "cli/cli_commands.h"
#include "edition/terminal_text.h"
#include "editor/glyph_import.h"
#include "fontimport/import_faces.h"
#include "model/load_scope.h"

namespace rw::cli {
namespace {

constexpr int kMaxPixelSize = 255;

}  // namespace

int RunImportFont(const std::vector<std::string>& words, std::ostream&, std::ostream& err) {
    std::string error;
    const auto args = ParseArgs(
        words, {"--edition", "--model", "--kind", "--scope", "--size", "--baseline", "--bold-font"},
        {}, &error);
    if (!args) return ReportUsageError(error, err);
    const auto target = ParseFontTarget(*args, &error);
    if (!target) return ReportUsageError(error, err);
    const auto scope = ParseScope(*args, target->edition, &error);
    if (!scope) return ReportUsageError(error, err);
    const GlyphCell cell = GlyphCell::Of(target->layout.wide, target->layout.last_row);
    FontImportRequest request;
    if (!ParseIntOption(*args, "--size", 1, kMaxPixelSize, &request.pixel_size, &error) ||
        !ParseIntOption(*args, "--baseline", 1, cell.last_row, &request.baseline, &error))
        return ReportUsageError(error, err);
    if (args->positionals.size() != 2)
        return ReportUsageError("import-font takes FONT and OUT", err);
    const std::string& out = args->positionals[1];
    const std::string extension = FontFileExtension(target->format);
    if (!HasExtension(out, extension)) {
        return ReportUsageError("this font is saved as " + extension + ": OUT must end in it", err);
    }

    request.font = args->positionals[0];
    if (const auto it = args->options.find("--bold-font"); it != args->options.end())
        request.bold_font = it->second;
    ImportFaces faces;
    Status status = OpenImportFaces(request, cell, faces);
    if (!status.ok()) return ReportFileFailure(status, err);

    const FontImportTarget import_target{target->edition, cell, target->layout.single_weight,
                                         ScopeBlocks(*scope, target->edition)};
    FontImage font;
    const FontImportReport report =
        ImportFontGlyphs(import_target, *faces.normal, faces.bold.get(), faces.baseline, font);
    status = WriteFontFile(out, target->format, font);
    if (!status.ok()) return ReportFileFailure(status, err);
    for (const std::string& line : DescribeImportProblems(report, kEnglish))
        err << "runewright-cli: " << EscapeControlBytes(line) << "\n";
    return kExitOk;
}

}  // namespace rw::cli
