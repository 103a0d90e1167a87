#include "ui/browser_command.h"

namespace rw {

std::string TrimBrowserCommand(std::string_view command) {
    const std::size_t first = command.find('"');
    if (first == std::string_view::npos) return std::string(command);
    if (first > 0) return std::string(command.substr(0, first));
    const std::size_t closing = command.find('"', 1);
    if (closing == std::string_view::npos) return std::string(command);
    return std::string(command.substr(0, closing + 1));
}

}  // namespace rw
