#include "patch/patch_problems.h"

namespace rw {

std::string PatchPlace(const std::string& name, int line) {
    return line > 0 ? name + ":" + std::to_string(line) : name;
}

Status PatchFailure(const std::string& name, int line, Message reason) {
    return Status::Failure(PatchPlace(name, line), std::move(reason));
}

std::string WarningMessage(const std::string& name, const PatchWarning& warning,
                           Language language) {
    return PatchPlace(name, warning.line) + ": " +
           Render(Message{MessageId::PatchWarning, {}, {warning.message}}, language);
}

std::vector<std::string> WarningLines(const Patch& patch, Language language) {
    std::vector<std::string> lines;
    for (const PatchWarning& warning : patch.warnings) {
        lines.push_back(WarningMessage(patch.name, warning, language));
    }
    if (patch.more_lines_without_old_data > 0) {
        lines.push_back(Render(Message{MessageId::PatchWarningMoreWithoutOldData,
                                       {std::to_string(patch.more_lines_without_old_data)}},
                               language));
    }
    return lines;
}

}  // namespace rw
