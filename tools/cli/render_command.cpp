// render: a picture of one glyph block's thumbnails.
#include <ostream>

#include "cli/cli.h"
#include "cli/cli_commands.h"
#include "editor/previews.h"
#include "editor/rgb_images.h"
#include "io/file_io.h"
#include "model/load_scope.h"
#include "png/png_files.h"

namespace rw::cli {
namespace {

constexpr int kMaxScale = 32;

}  // namespace

int RunRender(const std::vector<std::string>& words, std::ostream&, std::ostream& err) {
    std::string error;
    const auto args =
        ParseArgs(words, {"--edition", "--model", "--kind", "--block", "--scale"}, {}, &error);
    if (!args) return ReportUsageError(error, err);
    const auto target = ParseFontTarget(*args, &error);
    if (!target) return ReportUsageError(error, err);
    const int blocks = BlockCount(target->edition);
    const auto block_word = args->options.find("--block");
    if (block_word == args->options.end()) return ReportUsageError("missing --block", err);
    const auto block = ParseInt(block_word->second, 0, blocks - 1);
    if (!block) return ReportUsageError("--block must be 0.." + std::to_string(blocks - 1), err);
    const auto scale = ParseScale(*args, 1, kMaxScale, &error);
    if (!scale) return ReportUsageError(error, err);
    if (args->positionals.size() != 2) return ReportUsageError("render takes INPUT and OUT", err);
    const std::string& input = args->positionals[0];
    const std::string& out = args->positionals[1];
    if (!IsFontInput(input, *target, &error)) return ReportUsageError(error, err);
    const bool png = HasExtension(out, ".png");
    if (!png && !HasExtension(out, ".ppm"))
        return ReportUsageError("OUT must end in .ppm or .png", err);

    FontImage font;
    Status status = LoadFontInput(input, *target, LoadScope::WholeFont, font);
    if (!status.ok()) return ReportFileFailure(status, err);
    const std::vector<Picture16> thumbnails = PaintBlockThumbnails(
        target->edition, font, target->layout.wide, target->layout.last_row, *block);
    const RgbImage sheet = ThumbnailSheet(thumbnails, *scale);
    const Status written =
        png ? WritePng(out, sheet) : WriteFileAtomically(SystemFileSystem(), out, EncodePpm(sheet));
    return ReportOutcome(WithEarlierNote(status, written), err);
}

}  // namespace rw::cli
