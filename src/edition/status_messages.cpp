#include "edition/status_messages.h"

#include <string>

namespace rw {

Message SavedStatus(std::string_view file_name, int glyphs) {
    return {MessageId::SavedTo, {std::string(file_name), std::to_string(glyphs)}};
}

Message LoadedStatus(std::string_view file_name, int glyphs) {
    return {MessageId::LoadedFrom, {std::string(file_name), std::to_string(glyphs)}};
}

Message SavedPatchStatus(std::string_view file_name, int glyphs) {
    return {MessageId::PatchSaved, {std::string(file_name), std::to_string(glyphs)}};
}

}  // namespace rw
