// identify: which phone model and font kind a fullflash holds; and the check inject makes first.
#include <ostream>

#include "cli/cli.h"
#include "cli/cli_commands.h"
#include "edition/texts.h"
#include "io/identify_messages.h"

namespace rw::cli {
namespace {

// "s45 normal 100% (136 of 136 records)"; layouts sharing their records are named together.
std::string ScoreLine(const LayoutScore& score) {
    std::string line;
    for (LayoutId id : score.layouts) {
        if (!line.empty()) line += ", ";
        line += std::string(ModelWord(id.model)) + " " + KindWord(id.kind);
    }
    line += " " + std::to_string(score.Percent()) + "% (" + std::to_string(score.matching) +
            " of " + std::to_string(score.records) + " records";
    if (!score.inside_image) line += "; the image ends before some of them";
    return line + ")";
}

}  // namespace

int RunIdentify(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) {
    std::string error;
    const auto args = ParseArgs(words, {"--edition"}, {}, &error);
    if (!args) return ReportUsageError(error, err);
    const auto it = args->options.find("--edition");
    if (it == args->options.end()) return ReportUsageError("missing --edition", err);
    const auto edition = ParseEdition(it->second);
    if (!edition) return ReportUsageError("--edition must be rus or eng", err);
    if (args->positionals.size() != 1) return ReportUsageError("identify takes FLASH", err);

    std::vector<LayoutScore> scores;
    const Status status = IdentifyLayouts(args->positionals[0], *edition, &scores);
    if (!status.ok()) return ReportFileFailure(status, err);
    ReportNote(status, err);
    for (const LayoutScore& score : scores) out << ScoreLine(score) << "\n";
    return kExitOk;
}

Status CheckLooksLikeFont(const std::string& flash, Edition edition, LayoutId chosen) {
    const FontPlaceCheck place = CheckFontPlace(flash, edition, chosen);
    // A file that cannot be read is the write's to report, with the write's own words.
    if (!place.WritesOverForeignData()) return Status::Ok().WithNote(place.note);
    return Status::Failure(flash, Render(ForeignDataWarning(place.scores, chosen), kEnglish) +
                                      " Give --force to write anyway.")
        .WithNote(place.note);
}

}  // namespace rw::cli
