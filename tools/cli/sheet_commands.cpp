// export-sheet and import-sheet: the whole font as one PNG picture for any pixel editor.
#include <ostream>

#include "cli/cli.h"
#include "cli/cli_commands.h"
#include "editor/font_sheet.h"
#include "model/load_scope.h"
#include "png/png_files.h"

namespace rw::cli {
namespace {

constexpr int kDefaultSheetScale = 4;
// The largest sheet, Latin at 16, stays well inside what the PNG reader takes back.
constexpr int kMaxSheetScale = 16;

FontSheetGeometry SheetOf(const FontTarget& target) {
    return FontSheetGeometry::Of(target.edition,
                                 GlyphCell::Of(target.layout.wide, target.layout.last_row));
}

}  // namespace

int RunExportSheet(const std::vector<std::string>& words, std::ostream&, std::ostream& err) {
    std::string error;
    const auto args = ParseArgs(words, {"--edition", "--model", "--kind", "--scale"}, {}, &error);
    if (!args) return ReportUsageError(error, err);
    const auto target = ParseFontTarget(*args, &error);
    if (!target) return ReportUsageError(error, err);
    const auto scale = ParseScale(*args, kDefaultSheetScale, kMaxSheetScale, &error);
    if (!scale) return ReportUsageError(error, err);
    if (args->positionals.size() != 2)
        return ReportUsageError("export-sheet takes INPUT and OUT.png", err);
    const std::string& input = args->positionals[0];
    const std::string& out = args->positionals[1];
    if (!IsFontInput(input, *target, &error)) return ReportUsageError(error, err);
    if (!HasExtension(out, ".png")) return ReportUsageError("OUT must end in .png", err);

    FontImage font;
    Status status = LoadFontInput(input, *target, LoadScope::WholeFont, font);
    if (status.ok())
        status =
            WithEarlierNote(status, WritePng(out, PaintFontSheet(font, SheetOf(*target), *scale)));
    return ReportOutcome(status, err);
}

int RunImportSheet(const std::vector<std::string>& words, std::ostream&, std::ostream& err) {
    std::string error;
    const auto args = ParseArgs(words, {"--edition", "--model", "--kind", "--scope"}, {}, &error);
    if (!args) return ReportUsageError(error, err);
    const auto target = ParseFontTarget(*args, &error);
    if (!target) return ReportUsageError(error, err);
    const auto scope = ParseScope(*args, target->edition, &error);
    if (!scope) return ReportUsageError(error, err);
    if (args->positionals.size() != 2)
        return ReportUsageError("import-sheet takes IN.png and OUT", err);
    const std::string& in = args->positionals[0];
    const std::string& out = args->positionals[1];
    const std::string extension = FontFileExtension(target->format);
    if (!HasExtension(out, extension)) {
        return ReportUsageError("this font is saved as " + extension + ": OUT must end in it", err);
    }

    const FontSheetGeometry geometry = SheetOf(*target);
    RgbaImage sheet;
    Status status = ReadPng(in, sheet, [&geometry](int width, int height) {
        return SheetSizeProblem(width, height, geometry);
    });
    if (!status.ok()) return ReportFileFailure(status, err);
    FontImage font;
    if (const auto failure =
            ReadFontSheet(sheet, geometry, ScopeBlocks(*scope, target->edition), font)) {
        return ReportFileFailure(Status::Failure(in, *failure), err);
    }
    status = WriteFontFile(out, target->format, font);
    return status.ok() ? kExitOk : ReportFileFailure(status, err);
}

}  // namespace rw::cli
