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

}  // namespace rw
