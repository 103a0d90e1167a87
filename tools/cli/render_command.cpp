// render: a picture of one glyph block's thumbnails.
#include "cli/cli.h"
#include "cli/cli_commands.h"

namespace rw::cli {

int RunRender(const std::vector<std::string>&, std::ostream&, std::ostream& err) {
    return ReportUsageError("render is not available in this build", err);
}

}  // namespace rw::cli
