#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_args.h"
#include "io/font_files.h"
#include "io/layout_identify.h"
#include "io/status.h"
#include "model/font_image.h"
#include "model/load_scope.h"
#include "model/phone_layouts.h"

namespace rw::cli {

// A usage error: the reason, printed before the usage.
struct UsageError {
    std::string reason;
};

// The font a command works on, from --edition, --model and --kind.
struct FontTarget {
    Edition edition;
    FontLayout layout;
    FontFileFormat format;  // the live table's file format
};

std::optional<FontTarget> ParseFontTarget(const CliArgs& args, std::string* error);
// --scope N (default whole font), checked against the edition's range.
std::optional<LoadScope> ParseScope(const CliArgs& args, Edition edition, std::string* error);

// Whether INPUT names a fullflash (.bin) or a font file in the target's format; the reason if not.
bool IsFontInput(const std::string& input, const FontTarget& target, std::string* error);
// --scale K within 1..max_scale, `fallback` when absent.
std::optional<int> ParseScale(const CliArgs& args, int fallback, int max_scale, std::string* error);

// Fills a fresh font from a fullflash (whole-font load with `scope`) or from a font file in the
// target's format, chosen by INPUT's extension (.bin or the format's own).
Status LoadFontInput(const std::string& input, const FontTarget& target, LoadScope scope,
                     FontImage& font);

// Each command takes the words after its name. A usage error throws nothing: it prints the
// reason and the usage to `err` and returns kExitUsage.
int RunExtract(const std::vector<std::string>& words, std::ostream& out, std::ostream& err);
int RunInject(const std::vector<std::string>& words, std::ostream& out, std::ostream& err);
int RunConvert(const std::vector<std::string>& words, std::ostream& out, std::ostream& err);
int RunImportFont(const std::vector<std::string>& words, std::ostream& out, std::ostream& err);
int RunExportSheet(const std::vector<std::string>& words, std::ostream& out, std::ostream& err);
int RunImportSheet(const std::vector<std::string>& words, std::ostream& out, std::ostream& err);

// Fails, naming the facts, when the records of `chosen` in the fullflash do not look like a font;
// inject then refuses unless forced. A file it cannot read passes: the write reports it.
Status CheckLooksLikeFont(const std::string& flash, Edition edition, LayoutId chosen);

// The outcome of a later step of a command, keeping the note an earlier step left (an
// interrupted save rolled back by the load).
Status WithEarlierNote(const Status& earlier, const Status& later);

// Shared reporting.
int ReportUsageError(const std::string& reason, std::ostream& err);
// A failure as one escaped line; exit 3 when the fullflash is partly written, else 1.
int ReportFileFailure(const Status& status, std::ostream& err);
// A note a file command left (an interrupted save rolled back) as one line.
void ReportNote(const Status& status, std::ostream& err);
// The exit code of a finished file command, after its note or failure is printed.
int ReportOutcome(const Status& status, std::ostream& err);

}  // namespace rw::cli
