#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"

namespace rw::testing {

// One runewright-cli command line run in-process: its exit code and what it printed.
struct CliRun {
    int code;
    std::string out;
    std::string err;
};

inline CliRun Cli(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int code = cli::RunCli(args, out, err);
    return {code, out.str(), err.str()};
}

}  // namespace rw::testing
