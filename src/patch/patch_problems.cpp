#include "patch/patch_problems.h"

namespace rw {

std::string PatchPlace(const std::string& name, int line) {
    return line > 0 ? name + ":" + std::to_string(line) : name;
}

Status PatchFailure(const std::string& name, int line, const std::string& reason) {
    return Status::Failure(PatchPlace(name, line), reason);
}

std::string WarningMessage(const std::string& name, const PatchWarning& warning) {
    return PatchPlace(name, warning.line) + ": warning: " + warning.text;
}

}  // namespace rw
